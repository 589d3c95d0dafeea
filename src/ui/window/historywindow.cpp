#include "historywindow.h"

#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

// A changelog, kept in English as it was written release by release.
QString HistoryWindow::releaseNotes()
{
    return QStringLiteral(
        "Version 4.0 (05/30/2001)\n"
        "- New tab Remote Control: the keypad of the phone on the screen, typed text as key\n"
        "  presses, service codes with one click\n"
        "- Call a contact from the phonebook and hang up again\n"
        "- New tab Infos: battery, network, cell and IMSI\n"
        "\n"
        "Version 3.0 (05/02/2001)\n"
        "- Write SMS and send them or store them in the phone\n"
        "- Choose the service center from a list of networks\n"
        "- Export the phonebook to a file and import it again\n"
        "\n"
        "Version 2.0 (04/11/2001)\n"
        "- View and delete the SMS stored in the phone\n"
        "- Auto-SMS-Downloader keeps new messages in a file\n"
        "- Read, create, change and delete contacts of the SIM card and the phone\n"
        "\n"
        "Version 1.1 (03/28/2001)\n"
        "- Ringtone height can be increased for better sound on Trium Mars\n"
        "- The connection is found by itself, no more connect button\n"
        "\n"
        "Version 1.0 (03/19/2001)\n"
        "- First release: list the ringtones of the phone and upload new ones\n");
}

HistoryWindow::HistoryWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmHistory"));
    setWindowTitle(tr("Version History"));

    txtHistory = new QPlainTextEdit(releaseNotes());
    txtHistory->setObjectName(QStringLiteral("txtHistory"));
    txtHistory->setReadOnly(true);
    txtHistory->setAccessibleName(tr("Version History"));
    txtHistory->setTabChangesFocus(true);
    txtHistory->setLineWrapMode(QPlainTextEdit::NoWrap);
    const QFontMetrics metrics(txtHistory->font());
    txtHistory->setMinimumSize(metrics.horizontalAdvance(QLatin1Char('x')) * 90, metrics.lineSpacing() * 26);
    cmdOK = new QPushButton(tr("&OK"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(txtHistory);
    layout->addWidget(cmdOK, 0, Qt::AlignHCenter);
}
