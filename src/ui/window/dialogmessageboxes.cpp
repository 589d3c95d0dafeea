#include "dialogmessageboxes.h"

#include "programinfo.h"

#include <QMessageBox>

namespace {

int show(QWidget *parent, const QString &text, const QString &title, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(QMessageBox::NoIcon, title.isEmpty() ? DialogMessageBoxes::programTitle() : title, text,
                    buttons, parent);
    return box.exec();
}

} // namespace

QString DialogMessageBoxes::programTitle()
{
    return ProgramInfo::name();
}

void DialogMessageBoxes::inform(const QString &text, const QString &title)
{
    show(parent_, text, title, QMessageBox::Ok);
}

bool DialogMessageBoxes::ask(const QString &text, const QString &title)
{
    return show(parent_, text, title, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}
