#include "contactname.h"

#include "text/phonecharset.h"
#include "text/quotedfield.h"

namespace ContactName {

QString fitForPhone(const QString &name)
{
    return QuotedFieldText(PhoneCharset::fit(name).text).left(MaxLength);
}

} // namespace ContactName
