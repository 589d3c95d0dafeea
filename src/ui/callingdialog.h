#pragma once

#include "remote/calling.h"

class QWidget;

// frmWaitCall "Calling...": the dialled number and "Finish", which hangs up.
class CallingDialog : public CallWindow
{
public:
    explicit CallingDialog(QWidget *owner) : owner_(owner) {}
    void waitForFinish(const QString &number) override;

private:
    QWidget *owner_;
};
