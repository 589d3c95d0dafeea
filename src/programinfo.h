#pragma once

#include <QString>

// Who the program is: the texts of the title bar, the message boxes and the about window.
namespace ProgramInfo {

inline QString name()
{
    return QStringLiteral("Quenda");
}
inline QString version()
{
    return QStringLiteral("4.0");
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
