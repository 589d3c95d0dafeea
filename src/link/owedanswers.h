#pragma once

#include <QString>

class QTimer;

// The answers the phone still owes to commands nobody waits for any more (cancelled ones, an
// "AT" sent after a Cancel), and what has arrived of them. They are awaited until the latest
// of their commands' deadlines, so the next command does not read them as its own.
class OwedAnswers
{
public:
    bool any() const { return count_ > 0; }
    // One more answer is owed, its command's time running on deadline; soFar is what has
    // arrived of it already.
    void owe(QTimer &deadline, const QString &soFar = QString());
    // Adds what arrived; true once all owed answers are in or their time ran out, and
    // nothing is owed any more.
    bool settle(const QString &arrived);
    // All owed answers are in buffer.
    bool allIn(const QString &buffer) const;
    QString &soFar() { return soFar_; }
    const QTimer &deadline() const { return *deadline_; }
    void forget();

private:
    int count_ = 0;
    QString soFar_;
    QTimer *deadline_ = nullptr;
};
