// A PDU as a phone lists it: any hex decodes or is refused, never read past its end.
#include "fuzzinput.h"

#include "sms/smspdu.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray hex = QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).toHex();
    const auto message = SmsPdu::decode(hex);
    if (message && message->concatenation &&
        (message->concatenation->part < 1 || message->concatenation->part > message->concatenation->parts))
        std::abort();
    SmsPdu::decode(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
