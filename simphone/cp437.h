#pragma once

#include <QByteArray>
#include <QString>

namespace simphone {

// The phone keeps names and texts in code page 437 once the PC has chosen "PCCP437".
// Characters the code page lacks become '?'.
QByteArray toCp437(const QString &text);

} // namespace simphone
