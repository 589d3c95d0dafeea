// ParseField, ParseLine and the number fields of the handshake over any reply. The first
// three bytes choose the count and the two delimiters.
#include "fuzzinput.h"

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
    return 0;
}
