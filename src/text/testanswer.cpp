#include "testanswer.h"

#include <algorithm>

namespace TestAnswer {

namespace {

QString unquoted(QStringView value)
{
    value = value.trimmed();
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
        value = value.mid(1, value.size() - 2);
    return value.toString();
}

// "1-250" as its bounds, "40" as 40 to 40.
std::optional<std::pair<int, int>> rangeOf(const QString &value)
{
    bool ok = false;
    if (const int number = value.toInt(&ok); ok)
        return std::pair{number, number};
    const qsizetype dash = value.indexOf(QLatin1Char('-'), 1);
    if (dash < 0)
        return std::nullopt;
    bool lowOk = false;
    bool highOk = false;
    const int low = QStringView(value).left(dash).trimmed().toInt(&lowOk);
    const int high = QStringView(value).mid(dash + 1).trimmed().toInt(&highOk);
    if (!lowOk || !highOk)
        return std::nullopt;
    return std::pair{std::min(low, high), std::max(low, high)};
}

} // namespace

QList<QStringList> parameters(QStringView answer)
{
    QList<QStringList> lists;
    QStringList current;
    QString value;
    bool quoted = false;
    bool inGroup = false;
    bool valueSeen = false; // the parameter has begun: a value or a group
    const auto endValue = [&] {
        if (valueSeen || !value.trimmed().isEmpty())
            current.append(unquoted(value));
        value.clear();
        valueSeen = false;
    };
    const auto endParameter = [&] {
        if (!inGroup)
            endValue();
        lists.append(current);
        current.clear();
    };
    for (const QChar c : answer) {
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            value += c;
            valueSeen = true;
        } else if (quoted) {
            value += c;
        } else if (c == QLatin1Char('(') && !inGroup) {
            inGroup = true;
            value.clear();
        } else if (c == QLatin1Char(')') && inGroup) {
            endValue();
            inGroup = false;
            valueSeen = false;
            value.clear();
        } else if (c == QLatin1Char(',')) {
            if (inGroup)
                endValue();
            else
                endParameter();
        } else {
            value += c;
        }
    }
    if (!answer.trimmed().isEmpty())
        endParameter();
    return lists;
}

std::optional<std::pair<int, int>> bounds(const QStringList &values)
{
    std::optional<std::pair<int, int>> all;
    for (const QString &value : values) {
        const auto range = rangeOf(value.trimmed());
        if (!range)
            return std::nullopt;
        all = all ? std::pair{std::min(all->first, range->first), std::max(all->second, range->second)}
                  : *range;
    }
    return all;
}

bool offers(const QStringList &values, int number)
{
    return std::any_of(values.begin(), values.end(), [number](const QString &value) {
        const auto range = rangeOf(value.trimmed());
        return range && range->first <= number && number <= range->second;
    });
}

} // namespace TestAnswer
