#pragma once

#include "link/userinterfaces.h"

#include <QPointer>
#include <QWidget>

// The core's messages as modal message boxes over the main window.
class DialogMessageBoxes : public MessageBoxes
{
public:
    explicit DialogMessageBoxes(QWidget *parent) : parent_(parent) {}

    void inform(const QString &text, const QString &title = QString()) override;
    bool ask(const QString &text, const QString &title = QString()) override;

    // The program's title, which a message carries unless it names its own.
    static QString programTitle();

private:
    QPointer<QWidget> parent_;
};
