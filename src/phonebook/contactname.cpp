#include "contactname.h"

#include "text/quotedfield.h"

namespace ContactName {

QString fitForPhone(const QString &name, const PhoneText &phone, int length)
{
    return QuotedFieldText(phone.fit(name).text).left(length);
}

QString onLine(const QString &name, const PhoneText &phone)
{
    return phone.toPhone(QuotedFieldText(name));
}

QString asWritten(const QString &name, const PhoneText &phone)
{
    return phone.fromPhone(onLine(name, phone));
}

} // namespace ContactName
