#include "remotecontrolpage.h"

#include "keypad.h"
#include "ui/widgets/controls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Controls;

QStringList RemoteControlPage::languages()
{
    return {QStringLiteral("-Automatic-"), QStringLiteral("Dutch"),  QStringLiteral("English"),
            QStringLiteral("French"),      QStringLiteral("German"), QStringLiteral("Greek"),
            QStringLiteral("Italian"),     QStringLiteral("Spanish")};
}

RemoteControlPage::RemoteControlPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pageRemoteControl"));

    frmControl = new Keypad;

    Frame13 = frame("Frame13", QStringLiteral("Send Keys"));
    Label20 = label("Label20", QStringLiteral("Sorry, this Option is still quite buggy..."));
    optNormalSend = option("optNormalSend", QStringLiteral("Normal Mode (b=22)"));
    optT9Send = option("optT9Send", QStringLiteral("T9 Mode (b=2)"));
    optT9Send->setChecked(true);
    txtRC = textBox("txtRC");
    auto *keys = new QVBoxLayout(Frame13);
    keys->addWidget(Label20);
    keys->addWidget(optNormalSend);
    keys->addWidget(optT9Send);
    keys->addWidget(txtRC);

    Frame15 = frame("Frame15", QStringLiteral("Special"));
    cmdIMEI = button("cmdIMEI", QStringLiteral("Show IMEI"));
    cmdSoft = button("cmdSoft", QStringLiteral("Show Soft Vers."));
    cmdHard = button("cmdHard", QStringLiteral("Show Hard Vers."));
    cmdIMEISoft = button("cmdIMEISoft", QStringLiteral("Show IMEI+Soft"));
    cmdNetMon1 = button("cmdNetMon1", QStringLiteral("Net Mon 1"));
    cmdNetMon2 = button("cmdNetMon2", QStringLiteral("Net Mon 2"));
    cmdM4TestMode = button("cmdM4TestMode", QStringLiteral("M4 Testmode"));
    cmdSupTraces = button("cmdSupTraces", QStringLiteral("Sup Traces"));
    cmdWarmStart = button("cmdWarmStart", QStringLiteral("Warm Start"));
    Label18 = label("Label18", QStringLiteral("Language:"));
    cmbLanguage = new QComboBox;
    cmbLanguage->setObjectName(QStringLiteral("cmbLanguage"));
    cmbLanguage->addItems(languages());
    Label18->setBuddy(cmbLanguage);
    cmdLanguage = button("cmdLanguage", QStringLiteral("Set"));
    Label19 = label("Label19", QStringLiteral("Enable/Disable by clicking again."));

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
}
