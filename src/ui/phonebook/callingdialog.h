#pragma once

#include "remote/calling.h"

#include <QCoreApplication>
#include <QPointer>

class QDialog;
class QWidget;

// frmWaitCall "Calling...": the dialled number and "Finish", which hangs up.
class CallingDialog : public CallWindow
{
    Q_DECLARE_TR_FUNCTIONS(CallingDialog)

public:
    explicit CallingDialog(QWidget *owner) : owner_(owner) {}
    ~CallingDialog() override;
    void open(const QString &number, std::function<void()> finished) override;
    void waitForFinish() override;
    void close() override;

private:
    QWidget *owner_;
    QPointer<QDialog> dialog_;
    QMetaObject::Connection finished_;
};
