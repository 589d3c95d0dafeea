// A vCard file of any content, as the import reads it: every contact is fit for the phone, and
// what was read is written and read back unchanged.
#include "vcardchecks.h"

#include "phonebook/vcard.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    if (!VCardChecks::brokenRule(VCard::parse(bytes)).isEmpty())
        std::abort();
    return 0;
}
