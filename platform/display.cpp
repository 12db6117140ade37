// SPDX-License-Identifier: MIT
#include "desktop.h"

#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

namespace Desktop {

namespace {

QtMessageHandler handlerBeforeStart = nullptr;
QString messageForNoDisplay;

#ifdef Q_OS_LINUX
// libwayland connects to this socket when WAYLAND_DISPLAY is unset.
bool hasDefaultWaylandSocket()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo(runtime + QStringLiteral("/wayland-0")).exists();
}
#endif

void failedPlatformStart(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        if (handlerBeforeStart)
            handlerBeforeStart(type, context, message);
        else
            std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        return;
    }
    // Qt's own fatal text blames the installation; what it reports above
    // it (which display, which plugin) stays on the terminal.
    std::fprintf(stderr, "%s\n", messageForNoDisplay.toLocal8Bit().constData());
    std::fflush(nullptr);
    std::_Exit(EXIT_FAILURE);
}

} // namespace

bool hasDisplay()
{
#ifdef Q_OS_LINUX
    // A platform chosen by name that needs no display server (offscreen,
    // vnc, eglfs...) is the player's affair.
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.contains(QStringLiteral("xcb"))
        && !platform.contains(QStringLiteral("wayland")))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || hasDefaultWaylandSocket();
#else
    return true;
#endif
}

QString noDisplayMessage()
{
    return QStringLiteral(QT_TRANSLATE_NOOP("Desktop",
            "velmora: 画面が見つかりません。デスクトップのセッションから起動してください。\n"
            "velmora: no display found (neither DISPLAY nor WAYLAND_DISPLAY leads to one); "
            "start the game from a desktop session."));
}

PlatformStartGuard::PlatformStartGuard(const QString &noDisplayMessage)
    : m_previous(qInstallMessageHandler(failedPlatformStart))
{
    handlerBeforeStart = m_previous;
    messageForNoDisplay = noDisplayMessage;
}

PlatformStartGuard::~PlatformStartGuard()
{
    qInstallMessageHandler(m_previous);
    handlerBeforeStart = nullptr;
    messageForNoDisplay.clear();
}

} // namespace Desktop
