// ParseField, ParseLine and the number fields of the handshake over any reply. The first
// three bytes choose the count and the two delimiters. The field splitter takes the reply as
// text and as the bytes a command line brings the simulated phone.
#include "fuzzinput.h"

#include "text/atfields.h"
#include "text/replyparser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return 0;
    const int n = data[0] % 8;
    const QChar start = QLatin1Char(static_cast<char>(data[1]));
    const QChar end = QLatin1Char(static_cast<char>(data[2]));
    const QString reply = lineText(data + 3, size - 3);

    QString field = reply;
    ParseField(field, n, start, end);
    QString line = reply;
    ParseLine(line, n, start, end);
    qint16 number = 0;
    ParseNumberField(reply, n, start, end, number);
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    for (const auto &fields :
         {AtFields::split(reply), AtFields::split(bytes), AtFields::ofLine(reply, u"+CPBR:")}) {
        if (!fields)
            continue;
        for (const AtFields::Field &each : *fields)
            each.toNumber();
    }
    return 0;
}
