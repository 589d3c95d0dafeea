#include "owedanswers.h"

#include "replyframing.h"

#include <QTimer>

void OwedAnswers::owe(QTimer &deadline, const QString &soFar)
{
    ++count_;
    soFar_ += soFar;
    if (!deadline_ || !deadline_->isActive() || deadline_->remainingTime() < deadline.remainingTime())
        deadline_ = &deadline;
}

bool OwedAnswers::settle(const QString &arrived)
{
    if (count_ == 0)
        return true;
    soFar_ += arrived;
    if (!allIn(soFar_) && deadline_->isActive())
        return false;
    forget();
    return true;
}

bool OwedAnswers::allIn(const QString &buffer) const
{
    return ReplyFraming::countReplies(buffer) >= count_;
}

void OwedAnswers::forget()
{
    count_ = 0;
    soFar_.clear();
    if (deadline_)
        deadline_->stop();
    deadline_ = nullptr;
}
