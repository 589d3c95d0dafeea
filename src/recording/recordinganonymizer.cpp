#include "recordinganonymizer.h"

#include "pduscrub.h"

#include <QRegularExpression>

namespace {

using LineRecording::Record;

// Where private text sits: each pattern's capture groups. Lines the phone sends and the
// commands that carry them (whose echo comes back too).
const QList<QRegularExpression> &privateFields()
{
    static const QList<QRegularExpression> patterns = {
        QRegularExpression(QStringLiteral("\\+CPBR: *\\d+,\"([^\"\\r\\n]*)\",\\d+,\"([^\"\\r\\n]*)\"")),
        QRegularExpression(
            QStringLiteral("\\+CMGR: *\"[^\"\\r\\n]*\",\"([^\"\\r\\n]*)\"(?:,(?:\"([^\"\\r\\n]*)\")?"
                           "[^\\r\\n]*)?\\r\\n(.*?)\\r\\n(?:\\r\\n)?OK\\r\\n"),
            QRegularExpression::DotMatchesEverythingOption),
        QRegularExpression(QStringLiteral("\\+CSCA: *\"([^\"\\r\\n]*)\"")),
        QRegularExpression(QStringLiteral("\\r\\n(\\d{10,})\\r\\n")), // IMSI, IMEI
        QRegularExpression(QStringLiteral("AT\\+CPBW=\\d+,\"([^\"\\r]*)\",\\d+,\"([^\"\\r]*)\"")),
        QRegularExpression(
            QStringLiteral("AT\\+CMG[SW]=\"([^\"\\r]*)\"[^\\r]*\\r([^\\x1A\\x1B]*)[\\x1A\\x1B]")),
        QRegularExpression(QStringLiteral("AT\\+CMG[SW]=\"([^\"\\r]*)\"")),
        QRegularExpression(QStringLiteral("ATD([^;\\r]+)")),
        QRegularExpression(QStringLiteral("AT\\+CSCA=\"([^\"\\r]*)\"")),
    };
    return patterns;
}

bool isPrivateByte(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || u >= 0x80;
}

} // namespace

QByteArray RecordingAnonymizer::placeholderFor(const QByteArray &original)
{
    const auto known = placeholders_.constFind(original);
    if (known != placeholders_.constEnd())
        return *known;
    // The running number of this original, written into its digit and its letter places
    // from the right, keeps placeholders of different originals apart.
    qint64 n = placeholders_.size() + 1;
    qint64 digits = n;
    qint64 letters = n;
    QByteArray placeholder = original;
    for (qsizetype i = placeholder.size() - 1; i >= 0; --i) {
        const char c = placeholder.at(i);
        if (!isPrivateByte(c))
            continue;
        if (c >= '0' && c <= '9') {
            placeholder[i] = char('0' + (digits > 0 ? digits % 10 : 5));
            digits /= 10;
        } else {
            const char base = (c >= 'A' && c <= 'Z') ? 'A' : 'a';
            placeholder[i] = char(letters > 0 ? base + letters % 26 : base + ('x' - 'a'));
            letters /= 26;
        }
    }
    placeholders_.insert(original, placeholder);
    return placeholder;
}

QByteArray RecordingAnonymizer::anonymizeStream(QByteArray stream)
{
    // PDUs listed, read, sent and stored: their hex keeps its length and shape.
    static const QRegularExpression pdus(
        QStringLiteral("(?:\\+CMG[LR]: *[0-9][^\\r\\n]*\\r\\n|AT\\+CMG[SW]=\\d+[^\\r]*\\r(?:\\r\\n)?> ?)"
                       "([0-9A-Fa-f]{14,})"));
    {
        const QString text = QString::fromLatin1(stream);
        for (auto it = pdus.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            const QByteArray original = stream.mid(match.capturedStart(1), match.capturedLength(1));
            stream.replace(match.capturedStart(1), original.size(),
                           PduScrub::scrubbed(original, [this](const QByteArray &digits) {
                               return placeholderFor(digits);
                           }));
        }
    }
    // Latin-1 keeps one character per byte, so positions carry over.
    const QString text = QString::fromLatin1(stream);
    for (const QRegularExpression &pattern : privateFields()) {
        for (auto it = pattern.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            for (int g = 1; g <= pattern.captureCount(); ++g) {
                if (match.capturedLength(g) <= 0)
                    continue;
                const QByteArray original = stream.mid(match.capturedStart(g), match.capturedLength(g));
                stream.replace(match.capturedStart(g), original.size(), placeholderFor(original));
            }
        }
    }
    return stream;
}

QList<Record> RecordingAnonymizer::anonymize(const QList<Record> &records)
{
    QList<Record> result = records;
    for (const Record::Kind kind : {Record::Kind::Sent, Record::Kind::Received}) {
        QByteArray stream;
        for (const Record &record : records)
            if (record.kind == kind)
                stream += record.bytes;
        const QByteArray replaced = anonymizeStream(stream);
        qsizetype at = 0;
        for (Record &record : result) {
            if (record.kind != kind)
                continue;
            record.bytes = replaced.mid(at, record.bytes.size());
            at += record.bytes.size();
        }
    }
    return result;
}
