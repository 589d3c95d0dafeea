#pragma once

#include <QStringList>

// The fixed catalogue of short message service centres: one row per network, its name, a run
// of spaces and the centre's number in international form.
namespace ServiceCentres {

// The 94 rows, in their case-insensitive ascending order.
const QStringList &rows();
// Everything after the last space; the whole text when there is none.
QString numberOf(const QString &row);

} // namespace ServiceCentres
