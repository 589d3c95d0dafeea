#pragma once

#include "programversion.h"

#include <QCoreApplication>
#include <QString>

// Who the program is: the texts of the title bar, the message boxes and the about window.
namespace ProgramInfo {

inline QString name()
{
    return QStringLiteral("Quenda");
}
// Set once, by the project's version in the build rules.
inline QString version()
{
    return QStringLiteral(QUENDA_VERSION);
}
inline QString year()
{
    return QStringLiteral("2001");
}
inline QString authors()
{
    return QCoreApplication::translate("ProgramInfo", "the Quenda developers");
}
inline QString mailAddress()
{
    return QStringLiteral("quenda@example.org");
}

} // namespace ProgramInfo
