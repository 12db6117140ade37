// SPDX-License-Identifier: MIT
#include "desktop.h"

#include <QFileInfo>

namespace Desktop {

void avoidLaunchingASessionBus()
{
#ifdef Q_OS_LINUX
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return;
    // libdbus finds the user's bus here by itself.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime + QStringLiteral("/bus")).exists())
        return;
    // An address that leads nowhere: every library that asks gets a plain
    // "no bus" and goes on without one, and nothing is launched.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/dev/null");
#endif
}

} // namespace Desktop
