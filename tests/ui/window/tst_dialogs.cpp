#include "testenvironment.h"
#include "windowrig.h"

#include "ui/window/aboutwindow.h"
#include "ui/window/dialogmessageboxes.h"
#include "ui/window/historywindow.h"
#include "ui/window/statuswindow.h"
#include "ui/window/twips.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>

#include <functional>

static TestEnvironment environment;

namespace {

// Runs handle on the next modal window that opens, from within its own event loop.
void onNextModal(const std::function<void(QWidget *)> &handle)
{
    auto *poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, handle] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            handle(modal);
        }
    });
    poll->start();
}

struct SeenBox
{
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
};

// Answers the next message box with answer and tells what it showed.
void answerNextBox(SeenBox &seen, QMessageBox::StandardButton answer)
{
    onNextModal([&seen, answer](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        seen = {box->windowTitle(), box->text(), box->standardButtons()};
        box->button(answer)->click();
    });
}

// Receives the URLs the desktop would be asked to open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls.append(url); }
};

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    // "Working..."
    void workingWindowShowsProgressWithoutBlocking();
    void cancelClosesAndReleasesTheLine();
    void checkTimerClosesOnceNoOperationRuns_data();
    void checkTimerClosesOnceNoOperationRuns();
    void reopenedWorkingWindowStartsAtZero();

    // Message boxes
    void messagesCarryTheProgramTitleUnlessNamed();
    void questionsAnswerYesOrNo();
    void helpMenuShowsItsOwnTitle();

    // About and version history
    void aboutIsModalAndClosesWithAllright();
    void aboutLabelsBounceWithinTheirBounds();
    void aboutMailLineOpensANewMail();
    void historyIsModalNewestFirst();

private:
    WindowRig *rig = nullptr;
};

void TestDialogs::init()
{
    rig = new WindowRig;
    QVERIFY(rig->started);
    rig->window.show();
}

void TestDialogs::cleanup()
{
    delete rig;
    rig = nullptr;
}

void TestDialogs::workingWindowShowsProgressWithoutBlocking()
{
    StatusWindow *status = rig->window.frmStatus;
    QVERIFY(!status->isVisible());
    rig->link.lock.setAction(OperationLock::UploadingContact);
    rig->link.lock.openProgress();

    QVERIFY(status->isVisible());
    QVERIFY(!status->isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(status->windowTitle(), QStringLiteral("Working..."));
    QCOMPARE(status->parentWidget(), &rig->window);
    QCOMPARE(status->cmdCancel->text(), QStringLiteral("&Cancel"));
    QCOMPARE(status->prgStatus->minimum(), 0);
    QCOMPARE(status->prgStatus->maximum(), 100);
    QVERIFY(status->timCheckState.isActive());

    rig->link.lock.reportItem(1, 3);
    QCOMPARE(status->prgStatus->value(), 33);
    QCOMPARE(status->labStatus->text(), QStringLiteral("33%"));
    rig->link.lock.reportItem(2, 3);
    QCOMPARE(status->prgStatus->value(), 67);
    QCOMPARE(status->labStatus->text(), QStringLiteral("67%"));
}

void TestDialogs::cancelClosesAndReleasesTheLine()
{
    StatusWindow *status = rig->window.frmStatus;
    rig->link.lock.setAction(OperationLock::LoadingSMs);
    rig->link.lock.openProgress();
    QTest::mouseClick(status->cmdCancel, Qt::LeftButton);

    QVERIFY(!status->isVisible());
    QVERIFY(!status->timCheckState.isActive());
    QVERIFY(rig->link.lock.abort());
    QCOMPARE(rig->link.lock.action(), qint16(OperationLock::Idle));
}

void TestDialogs::checkTimerClosesOnceNoOperationRuns_data()
{
    QTest::addColumn<int>("end");
    QTest::newRow("finished") << int(OperationLock::Idle);
    QTest::newRow("timed out") << int(OperationLock::NoPhone);
}

void TestDialogs::checkTimerClosesOnceNoOperationRuns()
{
    QFETCH(int, end);
    StatusWindow *status = rig->window.frmStatus;
    status->timCheckState.setInterval(20);
    rig->link.lock.setAction(OperationLock::LoadingSMs);
    rig->link.lock.openProgress();
    QTest::qWait(100);
    QVERIFY(status->isVisible());

    rig->link.lock.setAction(static_cast<qint16>(end));
    QTRY_VERIFY(!status->isVisible());
    QVERIFY(!rig->link.lock.abort());
}

void TestDialogs::reopenedWorkingWindowStartsAtZero()
{
    StatusWindow *status = rig->window.frmStatus;
    rig->link.lock.setAction(OperationLock::LoadingSMs);
    rig->link.lock.openProgress();
    rig->link.lock.reportItem(9, 10);
    QTest::mouseClick(status->cmdCancel, Qt::LeftButton);

    rig->link.lock.setAction(OperationLock::DeletingContact);
    rig->link.lock.openProgress();
    QVERIFY(status->isVisible());
    QCOMPARE(status->prgStatus->value(), 0);
    QCOMPARE(status->labStatus->text(), QStringLiteral("0%"));
}

void TestDialogs::messagesCarryTheProgramTitleUnlessNamed()
{
    DialogMessageBoxes boxes(&rig->window);
    SeenBox seen;
    answerNextBox(seen, QMessageBox::Ok);
    boxes.inform("Not Connected!");
    QCOMPARE(seen.title, QStringLiteral("Quenda"));
    QCOMPARE(seen.text, QStringLiteral("Not Connected!"));
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

    answerNextBox(seen, QMessageBox::Ok);
    boxes.inform("File Not Found Error", "Upload");
    QCOMPARE(seen.title, QStringLiteral("Upload"));
}

void TestDialogs::questionsAnswerYesOrNo()
{
    DialogMessageBoxes boxes(&rig->window);
    SeenBox seen;
    answerNextBox(seen, QMessageBox::Yes);
    QVERIFY(boxes.ask("Delete all contacts?"));
    QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(seen.title, QStringLiteral("Quenda"));
    answerNextBox(seen, QMessageBox::No);
    QVERIFY(!boxes.ask("Delete all contacts?"));
}

void TestDialogs::helpMenuShowsItsOwnTitle()
{
    rig->window.setMessageBoxes(nullptr);
    SeenBox seen;
    answerNextBox(seen, QMessageBox::Ok);
    rig->window.menHilfe->trigger();
    QCOMPARE(seen.title, QStringLiteral("Help"));
    QCOMPARE(seen.text, QStringLiteral("There will be no Help. Never!"));
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void TestDialogs::aboutIsModalAndClosesWithAllright()
{
    QStringList texts;
    bool modal = false;
    QWidget *owner = nullptr;
    onNextModal([&](QWidget *window) {
        auto *about = qobject_cast<AboutWindow *>(window);
        QVERIFY(about);
        modal = about->isModal();
        owner = about->parentWidget();
        for (const QLabel *label : about->findChildren<QLabel *>())
            texts.append(label->text());
        QCOMPARE(about->cmdOK->text(), QStringLiteral("&Allright!"));
        QTest::mouseClick(about->cmdOK, Qt::LeftButton);
    });
    rig->window.menAbout->trigger();

    QVERIFY(modal);
    QCOMPARE(owner, &rig->window);
    const QString all = texts.join('\n');
    QVERIFY(texts.contains("...panta rhei..."));
    QVERIFY(texts.contains("Quenda"));
    QVERIFY(texts.contains("Version 4.0"));
    QVERIFY(all.contains("2001"));
    QVERIFY(all.contains("the Quenda developers"));
    QVERIFY(all.contains("quenda@example.org"));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(rig->window.isEnabled());
}

void TestDialogs::aboutLabelsBounceWithinTheirBounds()
{
    AboutWindow about(&rig->window);
    QVERIFY(about.hinmain);
    QVERIFY(!about.hinpanta);
    QCOMPARE(about.Timer1.interval(), 80);
    QVERIFY(about.Timer1.isActive());
    about.Timer1.stop();

    int pantaLow = about.pantaLeft(), pantaHigh = pantaLow;
    int mainLow = about.mainLeft(), mainHigh = mainLow;
    int pantaTurns = 0;
    bool pantaRight = about.hinpanta;
    for (int i = 0; i < 400; ++i) {
        const int panta = about.pantaLeft();
        const int main = about.mainLeft();
        about.tick();
        QCOMPARE(qAbs(about.pantaLeft() - panta), 30);
        QCOMPARE(qAbs(about.mainLeft() - main), 50);
        pantaTurns += about.hinpanta != pantaRight;
        pantaRight = about.hinpanta;
        pantaLow = qMin(pantaLow, about.pantaLeft());
        pantaHigh = qMax(pantaHigh, about.pantaLeft());
        mainLow = qMin(mainLow, about.mainLeft());
        mainHigh = qMax(mainHigh, about.mainLeft());
        QCOMPARE(about.labPanta->x(), Twips::toPixels(about.pantaLeft()));
        QCOMPARE(about.labMain->x(), Twips::toPixels(about.mainLeft()));
    }
    QVERIFY(pantaTurns >= 4);
    // A label turns only once it is past its bound, then takes one more step.
    QVERIFY(pantaHigh > 2700 && pantaHigh <= 2730);
    QVERIFY(pantaLow < 50 && pantaLow >= 20);
    QVERIFY(mainHigh > 1650 && mainHigh <= 1700);
    QVERIFY(mainLow < 70 && mainLow >= 20);
    // Both stay on their stage.
    QWidget *stage = about.labPanta->parentWidget();
    QVERIFY(Twips::toPixels(pantaHigh) + about.labPanta->width() <= stage->width());
    QVERIFY(Twips::toPixels(mainHigh) + about.labMain->width() <= stage->width());
}

void TestDialogs::aboutMailLineOpensANewMail()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("mailto", &catcher, "open");
    AboutWindow about(&rig->window);
    QVERIFY(about.labMail->text().contains(AboutWindow::mailUrl().toString()));
    emit about.labMail->linkActivated(AboutWindow::mailUrl().toString());
    QDesktopServices::unsetUrlHandler("mailto");
    QCOMPARE(catcher.urls, QList<QUrl>{QUrl("mailto:quenda@example.org")});
}

void TestDialogs::historyIsModalNewestFirst()
{
    QString notes;
    bool modal = false;
    bool readOnly = false;
    onNextModal([&](QWidget *window) {
        auto *history = qobject_cast<HistoryWindow *>(window);
        QVERIFY(history);
        modal = history->isModal();
        notes = history->txtHistory->toPlainText();
        readOnly = history->txtHistory->isReadOnly();
        QCOMPARE(history->cmdOK->text(), QStringLiteral("&OK"));
        QTest::mouseClick(history->cmdOK, Qt::LeftButton);
    });
    rig->window.menVersion->trigger();

    QVERIFY(modal);
    QVERIFY(readOnly);
    QVERIFY(notes.contains("Ringtone height can be increased for better sound on Trium Mars"));
    QList<double> versions;
    QStringList dates;
    const QRegularExpression heading(R"(^Version (\d+\.\d+) \((\d\d/\d\d/\d{4})\)$)",
                                     QRegularExpression::MultilineOption);
    for (auto match = heading.globalMatch(notes); match.hasNext();) {
        const auto m = match.next();
        versions.append(m.captured(1).toDouble());
        dates.append(m.captured(2));
    }
    QVERIFY(versions.size() >= 2);
    QCOMPARE(versions.first(), 4.0);
    QCOMPARE(dates.first(), QStringLiteral("05/30/2001"));
    QCOMPARE(versions.last(), 1.0);
    QCOMPARE(dates.last(), QStringLiteral("03/19/2001"));
    for (int i = 1; i < versions.size(); ++i)
        QVERIFY(versions[i] < versions[i - 1]);
    QVERIFY(notes.startsWith("Version 4.0"));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
