// The exchanges of commands that take text after their line (a message, a melody): the prompt
// and the pause before the text, the text itself, and ending an entry the phone may still be in.
#include "atexchange.h"

#include "replyframing.h"
#include "serialline.h"

#include <utility>

AtExchange::Reply AtExchange::SendAndWaitForPrompt(const QString &command, QTimer &timer, Prompt prompt)
{
    Reply reply;
    reply.command = command;
    if (const Wait sent = sendLine(command, timer, reply.text); sent != Wait::Satisfied) {
        reply.outcome = unanswered(sent);
        return reply;
    }
    return awaitPrompt(std::move(reply), timer, prompt);
}

AtExchange::Reply AtExchange::SendDataThroughPause(const QString &data, QTimer &timer,
                                                   const QString &commandLine)
{
    Reply reply;
    reply.command = commandLine;
    if (const Wait sent = sendData(data, timer, reply.text); sent != Wait::Satisfied) {
        reply.outcome = unanswered(sent);
        return reply;
    }
    return awaitPrompt(std::move(reply), timer, Prompt::None);
}

AtExchange::Reply AtExchange::awaitPrompt(Reply reply, QTimer &timer, Prompt prompt)
{
    // The handset wants its pause before the text even when its prompt comes sooner.
    timPause.start();
    const Wait end = collect(
        reply.text, timer,
        [this, prompt](const QString &buffer) {
            return ReplyFraming::findRefusal(buffer).has_value() ||
                   ((prompt == Prompt::None || ReplyFraming::holdsPrompt(buffer)) && !timPause.isActive());
        },
        &timPause);
    timPause.stop();
    // Only a refusal says no: an "OK" here is no answer of this command's, which either asks for
    // its text or refuses it.
    const auto final = ReplyFraming::findRefusal(reply.text);
    if (oweIfAbandoned(end, timer, reply.text)) {
        reply.outcome = Outcome::Cancelled;
        return reply;
    }
    const bool prompted = prompt == Prompt::None || ReplyFraming::holdsPrompt(reply.text);
    if (end != Wait::Satisfied || !timer.isActive() || (!final && !prompted)) {
        timer.stop();
        reply.outcome = Outcome::TimedOut;
        return reply;
    }
    timer.stop();
    if (final) {
        reply.text.truncate(final->end);
        reply.result = final->result;
        reply.outcome = Outcome::StopToken;
        return reply;
    }
    if (prompt == Prompt::Expected)
        reply.result = QStringLiteral("> ");
    reply.outcome = Outcome::Completed;
    return reply;
}

void AtExchange::escapeEntry()
{
    endEntry(QString(Escape));
}

void AtExchange::endEntry(const QString &closing)
{
    // A phone that was in command mode after all may keep the byte in its command line, where
    // it would spoil the next command: a bare CR ends that line. Each gets the phone's moment,
    // so whatever it answers is in before the next command drains the line.
    line_.write(closing);
    Pause();
    line_.write(QStringLiteral("\r"));
    Pause();
}

AtExchange::Reply AtExchange::dropDataAndResynchronise(QTimer &timer)
{
    // The rest of a melody nobody waits for would only be read as command lines.
    line_.discardUnsent();
    endEntry(QString(Escape) + CtrlZ);
    return resynchronise(timer);
}

AtExchange::Reply AtExchange::SendDataAndWait(const QString &data, QTimer &timer, const QString &commandLine,
                                              const QString &confirmation)
{
    Reply reply;
    reply.command = commandLine;
    reply.text = line_.input();
    if (const auto end = ReplyFraming::findEnd(reply.text); end && ReplyFraming::isRefusal(end->result)) {
        reply.text.truncate(end->end);
        reply.result = end->result;
        reply.outcome = Outcome::StopToken;
        return reply;
    }
    if (const Wait sent = sendData(data, timer, reply.text); sent != Wait::Satisfied) {
        reply.outcome = unanswered(sent);
        return reply;
    }
    return awaitReply(std::move(reply), timer, confirmation);
}
