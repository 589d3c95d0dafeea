#pragma once

#include "contactscache.h"

#include <QStringList>

// The rows of the "Contacts" picker: every cached contact as "name TAB number", sorted
// ignoring letter case, and the number a picked row stands for.
namespace ContactPicker {

QStringList rows(const ContactsCache &cache);
// Everything after the last TAB; the whole text when there is none.
QString numberOf(const QString &row);

} // namespace ContactPicker
