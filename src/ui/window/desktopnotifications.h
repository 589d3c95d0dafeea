#pragma once

#include <QString>

// The desktop's notifications (the freedesktop service on the session bus). Sent without
// waiting for an answer; where no such service runs, nothing is shown and nothing fails.
namespace DesktopNotifications {

void show(const QString &summary, const QString &body);

} // namespace DesktopNotifications
