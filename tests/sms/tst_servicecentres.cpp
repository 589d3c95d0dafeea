#include "ui/sms/servicecentredialog.h"

#include "sms/servicecentres.h"

#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

enum class Gesture
{
    OkButton,
    EnterKey,
    DoubleClick,
    CancelButton,
    EscapeKey,
    CloseBox
};

// Runs act once the dialog's own modal loop is up and returns what exec() gave back; a
// gesture that leaves the dialog open (or a failed check) must not leave the test hanging.
int execWith(ServiceCentreDialog &dialog, const std::function<void()> &act)
{
    QTimer::singleShot(0, &dialog, [&dialog, act] {
        act();
        if (dialog.isVisible())
            dialog.done(-1);
    });
    return dialog.exec();
}

} // namespace

Q_DECLARE_METATYPE(Gesture)

class TestServiceCentres : public QObject
{
    Q_OBJECT
private slots:
    void catalogueRows_data();
    void catalogueRows();
    void everyRowEndsInAnInternationalNumber_data();
    void everyRowEndsInAnInternationalNumber();
    void numberIsTakenAfterTheLastSpace_data();
    void numberIsTakenAfterTheLastSpace();

    void windowShowsTheWholeCatalogueSorted();
    void gesturesAcceptOrReject_data();
    void gesturesAcceptOrReject();
};

void TestServiceCentres::catalogueRows_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("number");
    QTest::newRow("first") << 0 << "A1 +436640501"
                           << "+436640501";
    QTest::newRow("two spaces") << 3 << "Amena  +34656000311"
                                << "+34656000311";
    QTest::newRow("four spaces") << 4 << "BEN    +31624000000"
                                 << "+31624000000";
    QTest::newRow("D1") << 14 << "D1 +491710760000"
                        << "+491710760000";
    QTest::newRow("two names alike") << 16 << "D2 Privat internal +491722270333"
                                     << "+491722270333";
    QTest::newRow("hyphen and brackets") << 21 << "Eircell-GSM (1)    +35387699989"
                                         << "+35387699989";
    QTest::newRow("One 2 One") << 51 << "One 2 One  +447958879879"
                               << "+447958879879";
    QTest::newRow("three spaces") << 66 << "Radiolinja Eesti   +372568771010"
                                  << "+372568771010";
    QTest::newRow("long name") << 76 << "Telecom Italia Mobile (1)  +393359609600"
                               << "+393359609600";
    QTest::newRow("last") << 93 << "Wind   +393205858500"
                          << "+393205858500";
}

void TestServiceCentres::catalogueRows()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QString, number);
    const QStringList &rows = ServiceCentres::rows();
    QCOMPARE(rows.size(), 94);
    QCOMPARE(rows.at(index), text);
    QCOMPARE(ServiceCentres::numberOf(rows.at(index)), number);
}

void TestServiceCentres::everyRowEndsInAnInternationalNumber_data()
{
    QTest::addColumn<QString>("row");
    for (const QString &row : ServiceCentres::rows())
        QTest::newRow(qPrintable(row)) << row;
}

void TestServiceCentres::everyRowEndsInAnInternationalNumber()
{
    QFETCH(QString, row);
    static const QRegularExpression shape(QStringLiteral("^\\S(?:.*\\S)? +(\\+[0-9]+)$"));
    const QRegularExpressionMatch match = shape.match(row);
    QVERIFY2(match.hasMatch(), qPrintable(row));
    QCOMPARE(ServiceCentres::numberOf(row), match.captured(1));
}

void TestServiceCentres::numberIsTakenAfterTheLastSpace_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("number");
    QTest::newRow("one space") << "D1 +491710760000"
                               << "+491710760000";
    QTest::newRow("spaces inside the name") << "One 2 One  +447958879879"
                                            << "+447958879879";
    QTest::newRow("no space: taken whole") << "+491710760000"
                                           << "+491710760000";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("trailing space") << "D1 +49 "
                                    << "";
    QTest::newRow("leading space only") << " +49"
                                        << "+49";
}

void TestServiceCentres::numberIsTakenAfterTheLastSpace()
{
    QFETCH(QString, row);
    QFETCH(QString, number);
    QCOMPARE(ServiceCentres::numberOf(row), number);
}

void TestServiceCentres::windowShowsTheWholeCatalogueSorted()
{
    ServiceCentreDialog dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("frmSMSC"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Choose SMSC"));
    QVERIFY(dialog.isModal());
    QCOMPARE(dialog.lstSMSC->objectName(), QStringLiteral("lstSMSC"));
    QCOMPARE(dialog.cmdOK->objectName(), QStringLiteral("cmdOK"));
    QCOMPARE(dialog.cmdOK->text(), QStringLiteral("&OK"));
    QVERIFY(dialog.cmdOK->isDefault());
    QCOMPARE(dialog.cmdCancel->objectName(), QStringLiteral("cmdCancel"));
    QCOMPARE(dialog.cmdCancel->text(), QStringLiteral("&Cancel"));

    QStringList shown;
    for (int i = 0; i < dialog.lstSMSC->count(); ++i)
        shown.append(dialog.lstSMSC->item(i)->text());
    QCOMPARE(shown.size(), 94);
    QCOMPARE(shown, ServiceCentres::rows());
    for (int i = 1; i < shown.size(); ++i)
        QVERIFY2(shown.at(i - 1).compare(shown.at(i), Qt::CaseInsensitive) < 0, qPrintable(shown.at(i)));
    QCOMPARE(dialog.number(), QString());
}

void TestServiceCentres::gesturesAcceptOrReject_data()
{
    QTest::addColumn<Gesture>("gesture");
    QTest::addColumn<QString>("row");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("number");
    const int accepted = QDialog::Accepted;
    const int rejected = QDialog::Rejected;
    QTest::newRow("OK") << Gesture::OkButton << "D1 +491710760000" << true << accepted << "+491710760000";
    QTest::newRow("OK, spaces in the name")
        << Gesture::OkButton << "One 2 One  +447958879879" << true << accepted << "+447958879879";
    QTest::newRow("OK, no row current") << Gesture::OkButton << "" << false << accepted << "";
    QTest::newRow("OK, row current but not selected")
        << Gesture::OkButton << "D1 +491710760000" << false << accepted << "";
    QTest::newRow("Enter") << Gesture::EnterKey << "Amena  +34656000311" << true << accepted
                           << "+34656000311";
    QTest::newRow("double click, first")
        << Gesture::DoubleClick << "A1 +436640501" << true << accepted << "+436640501";
    QTest::newRow("double click, last")
        << Gesture::DoubleClick << "Wind   +393205858500" << true << accepted << "+393205858500";
    QTest::newRow("Cancel") << Gesture::CancelButton << "D1 +491710760000" << true << rejected << "";
    QTest::newRow("Esc") << Gesture::EscapeKey << "D1 +491710760000" << true << rejected << "";
    QTest::newRow("close box") << Gesture::CloseBox << "D1 +491710760000" << true << rejected << "";
}

void TestServiceCentres::gesturesAcceptOrReject()
{
    QFETCH(Gesture, gesture);
    QFETCH(QString, row);
    QFETCH(bool, selected);
    QFETCH(int, result);
    QFETCH(QString, number);

    ServiceCentreDialog dialog;
    QListWidget *list = dialog.lstSMSC;
    const int got = execWith(dialog, [&] {
        if (!row.isEmpty()) {
            const QList<QListWidgetItem *> found = list->findItems(row, Qt::MatchExactly);
            QCOMPARE(found.size(), 1);
            list->setCurrentItem(found.first(),
                                 selected ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::Clear);
            list->scrollToItem(found.first());
        }
        QCOMPARE(list->selectedItems().size(), selected ? 1 : 0);
        switch (gesture) {
        case Gesture::OkButton:
            QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
            break;
        case Gesture::EnterKey:
            QTest::keyClick(list, Qt::Key_Return);
            break;
        case Gesture::DoubleClick: {
            const QPoint at = list->visualItemRect(list->currentItem()).center();
            // The widget overload sends the double-click event alone; real input clicks first.
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
            break;
        }
        case Gesture::CancelButton:
            QTest::mouseClick(dialog.cmdCancel, Qt::LeftButton);
            break;
        case Gesture::EscapeKey:
            QTest::keyClick(list, Qt::Key_Escape);
            break;
        case Gesture::CloseBox:
            dialog.close();
            break;
        }
    });
    QCOMPARE(got, result);
    QCOMPARE(dialog.number(), number);
}

QTEST_MAIN(TestServiceCentres)
#include "tst_servicecentres.moc"
