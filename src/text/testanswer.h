#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <utility>

// What a test command ("AT+CPMS=?") says a phone supports, as phones write it: one value list
// per parameter, in parentheses or bare: ("SM","ME"),("SM"),("SM") or (1-250),40,16 or
// "IRA","GSM". Quotes are taken off; spaces around values and commas do not count.
namespace TestAnswer {

// One value list per parameter; a bare value is a list of its own. An empty parameter
// (",,") is an empty list.
QList<QStringList> parameters(QStringView answer);
// Every value of a list of numbers and ranges ("0,1", "1-250" gives 1 and 250 as bounds).
// None when a value is no number or range.
std::optional<std::pair<int, int>> bounds(const QStringList &values);
// Whether the list holds number, alone or inside a range.
bool offers(const QStringList &values, int number);

} // namespace TestAnswer
