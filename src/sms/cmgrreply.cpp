#include "cmgrreply.h"

#include "messageheader.h"

#include "link/replyframing.h"
#include "text/replyparser.h"

#include <QRegularExpression>

#include <utility>

const QString CmgrReply::Header = QStringLiteral("+CMGR:");
const QString CmgrReply::UnknownSender = QStringLiteral("Unknown");

namespace {

const QString UnsendMessage = QStringLiteral("Unsend Message");

// From the line that holds the header; a reply without one is taken whole.
QString fromHeader(const QString &reply)
{
    const qsizetype header = reply.indexOf(CmgrReply::Header);
    if (header < 0)
        return reply;
    // The framing line end before the header belongs to it: the text cut counts it.
    const qsizetype lineStart = reply.lastIndexOf(QLatin1Char('\n'), header);
    // Without one (a line end lost on the line) it is put back, so the text cut stays right.
    return lineStart < 0 ? QLatin1Char('\n') + reply.mid(header) : reply.mid(lineStart);
}

// The header's status and time stamp, read as fields, not by the cuts of the list's rules.
void readHeaderFields(const QString &reply, SMSRecord &record)
{
    const QString header = reply.section(QLatin1Char('\n'), 1, 1).section(QLatin1Char('\r'), 0, 0);
    static const QRegularExpression status(QStringLiteral("^\\+CMGR:\\s*\"([^\"]*)\""));
    static const QRegularExpression stamp(
        QStringLiteral("\"(\\d\\d/\\d\\d/\\d\\d,\\d\\d:\\d\\d:\\d\\d[+-]\\d\\d?)\""));
    record.status = status.match(header).captured(1);
    record.timeStamp = stamp.match(header).captured(1);
}

QString quotedField(QString reply, int n)
{
    ParseField(reply, n, QLatin1Char('"'), QLatin1Char('"'));
    return reply;
}

} // namespace

QString CmgrReply::shown(const QString &text)
{
    if (text == UnknownSender)
        return tr("Unknown", "the name of a sender the contacts do not know");
    // The counter after a label keeps its place, so the keys stay aligned.
    for (const auto &[label, translated] : {std::pair{QStringLiteral("Unsend Message"), tr("Unsend Message")},
                                            std::pair{QStringLiteral("Send Message"), tr("Send Message")}}) {
        if (text == label || (text.startsWith(label + QLatin1Char(' '))))
            return translated + text.mid(label.size());
    }
    return text;
}

QString CmgrReply::addressOf(const SMSRecord &record)
{
    return record.number == UnsendMessage ? QString() : record.number;
}

void CmgrReply::startDownload()
{
    sendmsg_ = QStringLiteral("0");
    unsendmsg_ = QStringLiteral("0");
}

QString CmgrReply::keyOfTimeStamp(const QString &t)
{
    // yy/MM/dd,hh:mm:ss+zz -> MM/dd/yy hh:mm:ss
    return t.mid(3, 5) + QLatin1Char('/') + t.left(2) + QLatin1Char(' ') + t.mid(9, 8);
}

QString CmgrReply::textOf(const QString &reply, const PhoneText &phone)
{
    return phone.fromPhone(bodyOf(reply));
}

QString CmgrReply::bodyOf(const QString &reply)
{
    qsizetype bodyStart = 0;
    for (int i = 0; i < 2; ++i) {
        const qsizetype lf = reply.indexOf(QLatin1Char('\n'), bodyStart);
        if (lf >= 0)
            bodyStart = lf + 1;
    }
    const auto end = ReplyFraming::findEnd(reply);
    QString rest;
    if (end && end->resultStart >= bodyStart) {
        rest = reply.mid(bodyStart, end->resultStart - bodyStart);
        const QLatin1String crLf("\r\n");
        // The final result's own line break, codes the phone sent between text and result,
        // then the text's closing line break.
        if (rest.endsWith(crLf))
            rest.chop(2);
        while (rest.endsWith(crLf)) {
            const QStringView body = QStringView(rest).chopped(2);
            const qsizetype lineStart = body.lastIndexOf(crLf);
            if (lineStart < 2 || !body.left(lineStart).endsWith(crLf) ||
                !ReplyFraming::isUnsolicited(body.mid(lineStart + 2)))
                break;
            rest.truncate(lineStart);
        }
        if (rest.endsWith(crLf))
            rest.chop(2);
    } else {
        // The body's CR LF, the empty line and "OK" CR LF.
        rest = reply.mid(bodyStart);
        rest.chop(8);
    }
    return rest;
}

QString CmgrReply::nextCounter(QString &counter)
{
    counter = QString::number(counter.toInt() + 1);
    return counter.size() == 1 ? counter + QLatin1Char(' ') : counter;
}

SMSRecord CmgrReply::parse(const QString &fullReply, qint16 slot, const PhoneText &phone)
{
    const QString reply = fromHeader(fullReply);
    SMSRecord record;
    record.slot = slot;
    record.number = phone.numberFromPhone(quotedField(reply, 3));
    if (record.number.isEmpty())
        record.number = UnsendMessage;
    const QString timeStamp = quotedField(reply, 5);
    if (timeStamp.isEmpty())
        record.key = QStringLiteral("Unsend Message ") + nextCounter(unsendmsg_);
    else if (timeStamp.size() < 3 || timeStamp.at(2) != QLatin1Char('/'))
        record.key = QStringLiteral("Send Message   ") + nextCounter(sendmsg_);
    else
        record.key = keyOfTimeStamp(timeStamp);
    record.text = textOf(reply, phone);
    record.name = record.number.startsWith(UnsendMessage) ? UnsendMessage : UnknownSender;
    readHeaderFields(reply, record);
    return record;
}

SMSRecord CmgrReply::take(const MessageHeader &header, const QString &body, qint16 slot,
                          const PhoneText &phone)
{
    return takeText(header, phone.fromPhone(body), slot);
}

SMSRecord CmgrReply::takeText(const MessageHeader &header, const QString &text, qint16 slot)
{
    SMSRecord record;
    record.slot = slot;
    record.status = header.status;
    record.number = header.address.isEmpty() ? UnsendMessage : header.address;
    record.timeStamp = header.timeStamp;
    if (!header.timeStamp.isEmpty())
        record.key = keyOfTimeStamp(header.timeStamp);
    else if (header.status == QLatin1String("STO SENT"))
        record.key = QStringLiteral("Send Message   ") + nextCounter(sendmsg_);
    else
        record.key = QStringLiteral("Unsend Message ") + nextCounter(unsendmsg_);
    record.text = text;
    record.name = header.address.isEmpty() ? UnsendMessage : UnknownSender;
    return record;
}
