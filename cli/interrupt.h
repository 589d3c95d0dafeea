#pragma once

#include <QObject>

class QSocketNotifier;

// Ctrl-C and SIGTERM, brought into the event loop: a signal handler may do next to nothing,
// so it only wakes the loop, and the run cancels its operation there as the window's Cancel
// button does.
class Interrupt : public QObject
{
    Q_OBJECT
public:
    explicit Interrupt(QObject *parent = nullptr);
    ~Interrupt() override;

    bool happened() const { return happened_; }

signals:
    void requested();

private:
    QSocketNotifier *notifier_ = nullptr;
    bool happened_ = false;
};
