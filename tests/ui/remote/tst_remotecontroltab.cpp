#include "testenvironment.h"
#include "windowrig.h"

#include "ui/remote/keypad.h"
#include "ui/remote/remotecontrolpage.h"
#include "ui/remote/servicecodedialog.h"

#include "remote/servicecodes.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

static TestEnvironment environment;

namespace {

// Answers the next code dialog with each text in turn, then OK, or Cancel when code is empty.
void answerCodeDialog(const QString &code, bool *okEnabledForWrongForm = nullptr)
{
    QTimer::singleShot(0, [code, okEnabledForWrongForm] {
        QTRY_VERIFY(qobject_cast<ServiceCodeDialog *>(QApplication::activeModalWidget()));
        auto *dialog = qobject_cast<ServiceCodeDialog *>(QApplication::activeModalWidget());
        if (code.isEmpty()) {
            QTest::mouseClick(dialog->cmdCancel, Qt::LeftButton);
            return;
        }
        dialog->txtCode->setText(code.left(code.size() - 1));
        if (okEnabledForWrongForm)
            *okEnabledForWrongForm = dialog->cmdOK->isEnabled();
        dialog->txtCode->setText(code);
        QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
    });
}

} // namespace

class TestRemoteControlTab : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void buttonsPressTheirKeys();
    void longPresses();
    void imeiCodeIsBuiltIn();
    void makersCodeAskedOnceInItsForm();
    void languageCodeSendsSevenKeys();
    void cancelledCodeSendsNothing();

private:
    RemoteControlPage &page() { return *rig->window.remoteControl; }
    QList<QByteArray> &keys() { return rig->sim.state().keysPressed; }

    WindowRig *rig = nullptr;
};

void TestRemoteControlTab::init()
{
    rig = new WindowRig;
    QVERIFY(rig->started);
    rig->link.exchange.timPause.setInterval(20);
    // On this tab nothing loads after the connect that could hold the line when a key goes.
    rig->link.settings.setStarttab(TabLoader::RemoteControl);
    QVERIFY(rig->startAndConnect());
    keys().clear();
}

void TestRemoteControlTab::cleanup()
{
    delete rig;
}

void TestRemoteControlTab::buttonsPressTheirKeys()
{
    QTest::mouseClick(page().frmControl->button(9), Qt::LeftButton);
    QTest::mouseClick(page().frmControl->button(3), Qt::LeftButton);
    QTest::mouseClick(page().frmControl->button(20), Qt::LeftButton);
    QCOMPARE(keys(), QList<QByteArray>({"\"1\",1", "\"^\",1", "\"*\",1"}));
}

void TestRemoteControlTab::longPresses()
{
    rig->window.timKeyPressed.setInterval(100);
    rig->window.timKeySave.setInterval(100);
    QPushButton *end = page().frmControl->button(8);
    QPushButton *hash = page().frmControl->button(18);

    // Held until the long press's own key is through, as a hand is slower than the phone.
    // The keypad is locked while a key goes; a button that is locked while held counts as let go
    // then, and its key follows the long press's.
    const auto heldKeySent = [this](int count) {
        return keys().size() >= count && rig->link.lock.action() == OperationLock::Idle &&
               !rig->window.programState->gesperrt;
    };
    QTest::mousePress(end, Qt::LeftButton);
    QTRY_VERIFY(heldKeySent(1));
    QTest::mouseRelease(end, Qt::LeftButton);
    QTest::mousePress(hash, Qt::LeftButton);
    QTRY_VERIFY(heldKeySent(3));
    QTest::mouseRelease(hash, Qt::LeftButton);
    QTest::mouseClick(hash, Qt::LeftButton);
    QVERIFY2(rig->boxes.shown.isEmpty(), qPrintable(rig->boxes.texts().join(QLatin1String(", "))));
    QCOMPARE(keys(), QList<QByteArray>({"\"p\",1", "\"e\",1", "\"#\",11", "\"#\",1", "\"#\",1"}));
}

void TestRemoteControlTab::imeiCodeIsBuiltIn()
{
    QTest::mouseClick(page().cmdIMEI, Qt::LeftButton);
    QCOMPARE(keys(), QList<QByteArray>({"\"*\",1", "\"#\",1", "\"0\",1", "\"6\",1", "\"#\",1"}));
}

void TestRemoteControlTab::makersCodeAskedOnceInItsForm()
{
    bool wrongFormAccepted = true;
    answerCodeDialog(QStringLiteral("*123456"), &wrongFormAccepted);
    QTest::mouseClick(page().cmdNetMon2, Qt::LeftButton);
    QVERIFY(!wrongFormAccepted);
    QCOMPARE(rig->link.settings.value(ServiceCodes::settingsKeyOf(QStringLiteral("cmdNetMon2"))),
             QStringLiteral("*123456"));
    QCOMPARE(keys().size(), 7);
    QCOMPARE(keys().constLast(), QByteArray("\"6\",1"));

    // Known now: sent without asking.
    keys().clear();
    QTest::mouseClick(page().cmdNetMon2, Qt::LeftButton);
    QCOMPARE(keys().size(), 7);
}

void TestRemoteControlTab::languageCodeSendsSevenKeys()
{
    page().cmbLanguage->setCurrentText(QStringLiteral("German"));
    answerCodeDialog(QStringLiteral("1234"));
    QTest::mouseClick(page().cmdLanguage, Qt::LeftButton);
    QCOMPARE(keys(), QList<QByteArray>(
                         {"\"*\",1", "\"#\",1", "\"1\",1", "\"2\",1", "\"3\",1", "\"4\",1", "\"#\",1"}));
}

void TestRemoteControlTab::cancelledCodeSendsNothing()
{
    answerCodeDialog(QString());
    QTest::mouseClick(page().cmdSoft, Qt::LeftButton);
    QVERIFY(keys().isEmpty());
    QVERIFY(rig->link.settings.value(ServiceCodes::settingsKeyOf(QStringLiteral("cmdSoft"))).isEmpty());
}

QTEST_MAIN(TestRemoteControlTab)
#include "tst_remotecontroltab.moc"
