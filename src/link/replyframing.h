#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// Where a reply ends on a line that delivers it in pieces. A final result ("OK", "ERROR",
// "+CME ERROR: n", "+CMS ERROR: n") counts only as a whole line of its own, and not inside the
// text a "+CMGR:" or "+CMGL:" line announces: that text runs to the first empty line, so a
// message reading "OK" or "+CMS ERROR: 500" ends nothing. A text holding an empty line followed
// by a line that reads exactly as a final result cannot be told from the reply's end. A code
// between a header and its text is no part of the text; a "+CMT:" code goes with its text.
// Every rule here walks the lines one way, so the end of a reply and what is taken out of it
// always agree. Pure text rules; nothing here touches the line.
namespace ReplyFraming {

struct End
{
    qsizetype resultStart = 0; // where the final result's line begins
    qsizetype end = 0;         // just past its line feed
    QString result;            // the final result as it reads, without its line end
};

// The end of the first reply in text, once its final result has arrived whole.
std::optional<End> findEnd(QStringView text);
// The first final result in text that refuses the command; an "OK" before it is passed over.
std::optional<End> findRefusal(QStringView text);
// How many replies text holds whole.
int countReplies(QStringView text);

bool isFinalResult(QStringView line);
// The "> " by which the phone asks for the text a command announced, at the start of a line.
bool holdsPrompt(QStringView text);
// A final result by which the phone refuses the command.
bool isRefusal(QStringView line);
// A line the phone sends on its own: a call, a new message, a registration report.
bool isUnsolicited(QStringView line);
// A line after which the phone sends free text up to an empty line ("+CMGR:", "+CMT:").
bool announcesText(QStringView line);

// text without the echo of command that opens it, on a phone that echoes what it is sent
// ("AT+CGMI" and its CR ahead of the answer); text itself on one that does not.
QString withoutEcho(const QString &text, QStringView command);

// The prefix of the information lines that answer command: "+CREG:" for "AT+CREG?".
QString ownPrefix(QStringView command);
// text without the codes the phone sent unasked (each with the empty line that framed it),
// outside the text a message header announces. Lines with ownPrefix answer the command.
QString withoutUnsolicited(QStringView text, QStringView ownPrefix = {});
// A line of bare text, such as "AT+CGMI" answers: not a final result, not an unsolicited code,
// and not another command's "+NAME:" line that came late.
bool holdsInformation(QStringView text);

// The information lines of a reply, in order and without their line ends: every whole line
// outside the text a header announces that is neither empty nor a final result nor part of a
// code sent unasked ("+CMT:" and its text). Codes on lines of their own are left as they are.
QStringList informationLines(QStringView text);

} // namespace ReplyFraming
