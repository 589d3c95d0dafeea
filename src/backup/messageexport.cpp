#include "messageexport.h"

#include "sms/cmgrreply.h"
#include "sms/sendernames.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QXmlStreamWriter>

namespace {

// Android keeps LF line breaks; the phone's CR LF would come back as two.
QString withLfLineBreaks(const QString &text)
{
    return QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// XML 1.0 has no way to carry most control characters, not even as references.
QString xmlSafe(QString text)
{
    for (QChar &c : text) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != '\t' && u != '\n' && u != '\r') || u == 0xFFFE || u == 0xFFFF)
            c = QChar(QChar::ReplacementCharacter);
    }
    return text;
}

// 1 received, 2 sent, 3 stored unsent.
int typeOf(const QString &status)
{
    if (status.startsWith(QLatin1String("REC")))
        return 1;
    return status == QLatin1String("STO SENT") ? 2 : 3;
}

QString isoText(const QDateTime &time)
{
    return time.isValid() ? time.toString(Qt::ISODate) : QString();
}

QString csvField(const QString &field)
{
    static const QRegularExpression special(QStringLiteral("[\",\r\n]"));
    if (!field.contains(special))
        return field;
    return QLatin1Char('"') + QString(field).replace(QLatin1Char('"'), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

} // namespace

namespace MessageExport {

QDateTime timeOf(const QString &timeStamp)
{
    static const QRegularExpression form(
        QStringLiteral("^(\\d\\d)/(\\d\\d)/(\\d\\d),(\\d\\d):(\\d\\d):(\\d\\d)([+-])(\\d\\d?)$"));
    const QRegularExpressionMatch m = form.match(timeStamp);
    if (!m.hasMatch())
        return {};
    const auto number = [&m](int i) { return m.captured(i).toInt(); };
    const int year = number(1) >= 80 ? 1900 + number(1) : 2000 + number(1);
    const QDate date(year, number(2), number(3));
    const QTime time(number(4), number(5), number(6));
    const int quarters = number(8) * (m.captured(7) == QLatin1String("-") ? -1 : 1);
    if (!date.isValid() || !time.isValid() || quarters < -56 || quarters > 56)
        return {};
    return QDateTime(date, time, Qt::OffsetFromUTC, quarters * 15 * 60);
}

QByteArray xml(const QList<SMSRecord> &messages, const SenderNames &names, const QDateTime &backupTime)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter out(&buffer);
    out.setAutoFormatting(true);
    out.writeStartDocument(QStringLiteral("1.0"), true);
    out.writeStartElement(QStringLiteral("smses"));
    out.writeAttribute(QStringLiteral("count"), QString::number(messages.size()));
    for (const SMSRecord &message : messages) {
        const QDateTime sent = timeOf(message.timeStamp);
        const QDateTime date = sent.isValid() ? sent : backupTime;
        const int type = typeOf(message.status);
        // The moment the sender's centre stamped it; the apps write 0 for what was not received.
        const qint64 dateSent = type == 1 && sent.isValid() ? sent.toMSecsSinceEpoch() : 0;
        const QString readable =
            sent.isValid() ? sent.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss t"))
                           : QStringLiteral("no time stamp on the phone; backed up ") +
                                 backupTime.toUTC().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss 'UTC'"));
        QString name;
        if (!names.find(message.number, &name))
            name = QStringLiteral("(Unknown)");
        out.writeEmptyElement(QStringLiteral("sms"));
        const QList<std::pair<const char *, QString>> attributes = {
            {"protocol", QStringLiteral("0")},
            {"address", CmgrReply::addressOf(message)},
            {"date", QString::number(date.toMSecsSinceEpoch())},
            {"date_sent", QString::number(dateSent)},
            {"type", QString::number(type)},
            {"subject", QStringLiteral("null")},
            {"body", withLfLineBreaks(message.text)},
            {"toa", QStringLiteral("null")},
            {"sc_toa", QStringLiteral("null")},
            {"service_center", QStringLiteral("null")},
            {"read",
             message.status == QLatin1String("REC UNREAD") ? QStringLiteral("0") : QStringLiteral("1")},
            {"status", QStringLiteral("-1")},
            {"locked", QStringLiteral("0")},
            {"readable_date", readable},
            {"contact_name", name},
        };
        for (const auto &[attribute, value] : attributes)
            out.writeAttribute(QLatin1String(attribute), xmlSafe(value));
    }
    out.writeEndElement();
    out.writeEndDocument();
    return bytes;
}

QByteArray csv(const QList<SMSRecord> &messages, const SenderNames &names)
{
    QString text = QStringLiteral("slot,status,number,name,timestamp,text\r\n");
    for (const SMSRecord &message : messages) {
        QString name;
        names.find(message.number, &name);
        const QStringList fields = {QString::number(message.slot),      message.status,
                                    CmgrReply::addressOf(message),      name,
                                    isoText(timeOf(message.timeStamp)), withLfLineBreaks(message.text)};
        QStringList quoted;
        for (const QString &field : fields)
            quoted.append(csvField(field));
        text += quoted.join(QLatin1Char(',')) + QLatin1String("\r\n");
    }
    return text.toUtf8();
}

} // namespace MessageExport
