#pragma once

#include "programversion.h"

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
    return QStringLiteral("the Quenda developers");
}
inline QString mailAddress()
{
    return QStringLiteral("quenda@example.org");
}
// The main window's title: name and version first, the credit after.
inline QString windowTitle()
{
    return name() + QStringLiteral(" v") + version() + QStringLiteral(" - Trium Mars manager by ") +
           authors();
}

} // namespace ProgramInfo
