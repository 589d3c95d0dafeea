#include "rtttldialog.h"

#include "ui/widgets/controls.h"

#include "text/cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringDecoder>
#include <QVBoxLayout>

RtttlDialog::RtttlDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmRtttl"));
    setWindowTitle(tr("Import RTTTL"));
    setModal(true);

    auto *hint = Controls::label("labRtttl", tr("Paste RTTTL ringtones, one a line "
                                                "(name:d=4,o=5,b=125:8g,8a,8p,...), or read them "
                                                "from a file:"));
    hint->setWordWrap(true);
    txtRtttl = new QPlainTextEdit(this);
    txtRtttl->setObjectName(QStringLiteral("txtRtttl"));
    txtRtttl->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtRtttl->setAccessibleName(tr("RTTTL ringtones"));
    txtRtttl->setAccessibleDescription(hint->text());
    // Ringtones have no tabs in them; Tab goes on to the buttons.
    txtRtttl->setTabChangesFocus(true);
    cmdRtttlFile = Controls::button("cmdRtttlFile", tr("From File..."));
    labRtttlFile = Controls::label("labRtttlFile");
    auto *file = new QHBoxLayout;
    file->addWidget(cmdRtttlFile);
    file->addWidget(labRtttlFile, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(txtRtttl, 1);
    layout->addLayout(file);
    layout->addLayout(Controls::dialogButtons(this, cmdOK, cmdCancel, tr("Import", "the dialog's OK button"),
                                              tr("Cancel")));
    resize(560, 320);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdRtttlFile, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(
            this, tr("Open RTTTL File"), QString(),
            QStringLiteral("%1 (*.txt *.rtttl *.rtx);;%2 (*)").arg(tr("RTTTL ringtones"), tr("All files")));
        if (!path.isEmpty())
            loadFile(path);
    });
}

QString RtttlDialog::text() const
{
    return txtRtttl->toPlainText();
}

void RtttlDialog::loadFile(const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (QFileInfo(path).size() > MaxFileSize) {
        labRtttlFile->setText(tr("%1 is too large for ringtones.").arg(shown));
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        //: A file that cannot be opened, and the system's reason.
        labRtttlFile->setText(tr("%1: %2").arg(shown, file.errorString()));
        return;
    }
    const QByteArray bytes = file.readAll();
    // Collections come in UTF-8 (with or without a byte order mark) or in Windows' own code page.
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = Cp1252::decode(bytes);
    txtRtttl->setPlainText(text);
    labRtttlFile->setText(shown);
}
