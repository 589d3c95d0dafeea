#include "contactname.h"

#include "text/charconv.h"
#include "text/phonecharset.h"
#include "text/quotedfield.h"

namespace ContactName {

QString fitForPhone(const QString &name)
{
    return QuotedFieldText(PhoneCharset::fit(name).text).left(MaxLength);
}

QString onLine(const QString &name)
{
    QString text = QuotedFieldText(name);
    PCToPhone(text);
    return text;
}

QString asWritten(const QString &name)
{
    QString text = onLine(name);
    PhoneToPC(text);
    return text;
}

} // namespace ContactName
