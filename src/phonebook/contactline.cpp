#include "contactline.h"

namespace ContactLine {

const QString Separator = QStringLiteral("\u2030\u2020\u2030");

QString compose(const QString &name, const QString &number)
{
    return name + Separator + number;
}

bool split(const QString &line, QString *name, QString *number)
{
    const qsizetype at = line.indexOf(Separator);
    if (at < 0)
        return false;
    *name = line.left(at);
    *number = line.mid(at + Separator.size());
    return true;
}

} // namespace ContactLine
