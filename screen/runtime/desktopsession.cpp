// SPDX-License-Identifier: MIT
#include "desktopsession.h"

#include <QFileInfo>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace DesktopSession {

namespace {

QtMessageHandler previousHandler = nullptr;

// libwayland connects to this socket when WAYLAND_DISPLAY is unset.
bool hasDefaultWaylandSocket()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo(runtime + QStringLiteral("/wayland-0")).exists();
}

void failedPlatformStart(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        if (previousHandler)
            previousHandler(type, context, message);
        else
            std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        return;
    }
    // Qt's own fatal text blames the installation; what it reports above
    // it (which display, which plugin) stays on the terminal.
    std::fprintf(stderr, "%s\n", noDisplayMessage().toLocal8Bit().constData());
    std::fflush(nullptr);
    std::_Exit(EXIT_FAILURE);
}

} // namespace

bool hasDisplay()
{
    // A platform chosen by name that needs no display server (offscreen,
    // vnc, eglfs...) is the player's affair.
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.contains(QStringLiteral("xcb"))
        && !platform.contains(QStringLiteral("wayland")))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || hasDefaultWaylandSocket();
}

QString noDisplayMessage()
{
    return QStringLiteral(QT_TRANSLATE_NOOP("DesktopSession",
            "velmora: 画面が見つかりません。デスクトップのセッションから起動してください。\n"
            "velmora: no display found (neither DISPLAY nor WAYLAND_DISPLAY leads to one); "
            "start the game from a desktop session."));
}

void keepToTheSessionBusThereIs()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return;
    // libdbus finds the user's bus here by itself.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime + QStringLiteral("/bus")).exists())
        return;
    // An address that leads nowhere: every library that asks gets a plain
    // "no bus" and goes on without one, and nothing is launched.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/dev/null");
}

void guardPlatformStart(bool on)
{
    if (on)
        previousHandler = qInstallMessageHandler(failedPlatformStart);
    else
        qInstallMessageHandler(previousHandler);
}

} // namespace DesktopSession
