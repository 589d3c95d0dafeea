#include "remotecontrolpage.h"

#include "keypad.h"
#include "ui/widgets/controls.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Controls;

namespace {

// The untranslated names are what the language codes are stored under.
const char *const Languages[] = {
    //: The language item that leaves the choice to the phone itself.
    QT_TRANSLATE_NOOP("RemoteControlPage", "-Automatic-"), QT_TRANSLATE_NOOP("RemoteControlPage", "Dutch"),
    QT_TRANSLATE_NOOP("RemoteControlPage", "English"),     QT_TRANSLATE_NOOP("RemoteControlPage", "French"),
    QT_TRANSLATE_NOOP("RemoteControlPage", "German"),      QT_TRANSLATE_NOOP("RemoteControlPage", "Greek"),
    QT_TRANSLATE_NOOP("RemoteControlPage", "Italian"),     QT_TRANSLATE_NOOP("RemoteControlPage", "Spanish"),
};

} // namespace

QStringList RemoteControlPage::languages()
{
    QStringList names;
    for (const char *language : Languages)
        names.append(QString::fromLatin1(language));
    return names;
}

RemoteControlPage::RemoteControlPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pageRemoteControl"));

    frmControl = new Keypad;

    Frame13 = frame("Frame13", tr("Send Keys"));
    Label20 = label("Label20", tr("Sorry, this Option is still quite buggy..."));
    optNormalSend = option("optNormalSend", tr("Normal Mode (b=22)"));
    optT9Send = option("optT9Send", tr("T9 Mode (b=2)"));
    optT9Send->setChecked(true);
    txtRC = textBox("txtRC", QString(), tr("Keys to send"));
    txtRC->setAccessibleDescription(tr("What is typed here goes to the phone as key presses, in the mode "
                                       "chosen above"));
    auto *keys = new QVBoxLayout(Frame13);
    keys->addWidget(Label20);
    keys->addWidget(optNormalSend);
    keys->addWidget(optT9Send);
    keys->addWidget(txtRC);

    Frame15 = frame("Frame15", tr("Special", "the frame of the service code buttons"));
    cmdIMEI = button("cmdIMEI", tr("Show IMEI"));
    cmdSoft = button("cmdSoft", tr("Show Soft Vers."));
    cmdHard = button("cmdHard", tr("Show Hard Vers."));
    cmdIMEISoft = button("cmdIMEISoft", tr("Show IMEI+Soft"));
    cmdNetMon1 = button("cmdNetMon1", tr("Net Mon 1"));
    cmdNetMon2 = button("cmdNetMon2", tr("Net Mon 2"));
    cmdM4TestMode = button("cmdM4TestMode", tr("M4 Testmode"));
    cmdSupTraces = button("cmdSupTraces", tr("Sup Traces"));
    cmdWarmStart = button("cmdWarmStart", tr("Warm Start"));
    Label18 = label("Label18", tr("Language:"));
    cmbLanguage = new QComboBox;
    cmbLanguage->setObjectName(QStringLiteral("cmbLanguage"));
    // A combo box is otherwise known by the item it shows; on Linux it still is, and its
    // description tells what it is.
    cmbLanguage->setAccessibleName(tr("Language"));
    cmbLanguage->setAccessibleDescription(tr("The language Set switches the phone to"));
    // Chosen by its untranslated name: that is how the code behind it is found.
    for (const QString &language : languages())
        cmbLanguage->addItem(
            QCoreApplication::translate("RemoteControlPage", language.toLatin1().constData()), language);
    Label18->setBuddy(cmbLanguage);
    cmdLanguage = button("cmdLanguage", tr("Set", "switches the phone to the language chosen beside it"));
    cmdLanguage->setAccessibleDescription(
        tr("Switches the phone to the language chosen beside it; its context menu changes the code"));
    Label19 = label("Label19", tr("Enable/Disable by clicking again."));

    auto *special = new QGridLayout(Frame15);
    const QList<QPushButton *> codes = {cmdIMEI,    cmdSoft,      cmdHard,       cmdIMEISoft, cmdNetMon1,
                                        cmdNetMon2, cmdWarmStart, cmdM4TestMode, cmdSupTraces};
    for (int i = 0; i < codes.size(); ++i)
        special->addWidget(codes[i], i / 3, i % 3);
    auto *language = new QHBoxLayout;
    language->addWidget(Label18);
    language->addWidget(cmbLanguage, 1);
    language->addWidget(cmdLanguage);
    special->addLayout(language, 3, 0, 1, 3);
    special->addWidget(Label19, 4, 0, 1, 3);

    auto *right = new QVBoxLayout;
    right->addWidget(Frame13);
    right->addWidget(Frame15);
    right->addStretch();

    auto *page = new QHBoxLayout(this);
    page->addWidget(frmControl);
    page->addLayout(right, 1);

    oneTabStop({optNormalSend, optT9Send});
    chainTabs({frmControl->lastKey(), optNormalSend, optT9Send, txtRC, cmdIMEI, cmdSoft, cmdHard, cmdIMEISoft,
               cmdNetMon1, cmdNetMon2, cmdWarmStart, cmdM4TestMode, cmdSupTraces, cmbLanguage, cmdLanguage});
}
