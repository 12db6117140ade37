// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

class QSize;
class QWidget;

// Everything the game asks of the desktop it runs on, and the only place
// that knows which desktop that is: X11, Wayland, the session bus and the
// sound server are named here and nowhere else. Each call is a small
// request that does what the platform allows and nothing elsewhere, so the
// rest of the game is plain Qt and SDL on every platform.
//
// main() asks, in this order: hasDisplay() (false: print noDisplayMessage()
// and end with status 1), avoidLaunchingASessionBus(), then constructs the
// QApplication inside a PlatformStartGuard, then nameSoundStream() before
// the audio device opens. The window calls keepProportions() once it exists.
namespace Desktop {

// Whether the environment names a window system Qt could reach. Where the
// desktop is not found through the environment (anything but Linux), the
// answer is always yes and Qt decides.
bool hasDisplay();

// The game's words for a missing or unreachable display, one line each in
// Japanese and in English (the terminal may have no Japanese font), as its
// source text: said before Qt starts, so the caller translates it.
QString noDisplayMessage();

// With no session bus in the environment and none at the user's runtime
// directory, libdbus would autolaunch one for the X display (SDL's audio asks
// for it, and Qt's accessibility bridge), and dbus-launch with its daemon
// would outlive the game until the X server ends. This makes every such
// request find no bus instead. A bus that exists is used as before.
void avoidLaunchingASessionBus();

// While one lives, a fatal message from Qt (the platform plugin could not
// start on the display it was given) ends the program with the message
// given here and status 1, instead of Qt's abort and its advice to
// reinstall. Construct the QApplication in its scope, and nothing else.
class PlatformStartGuard
{
public:
    explicit PlatformStartGuard(const QString &noDisplayMessage);
    ~PlatformStartGuard();
    PlatformStartGuard(const PlatformStartGuard &) = delete;
    PlatformStartGuard &operator=(const PlatformStartGuard &) = delete;

private:
    QtMessageHandler m_previous;
};

// Asks the window manager to keep a top-level window's client area in the
// given proportions while the player resizes it. Only X11 window managers
// take such a hint, and not all of them; elsewhere, and before the window
// exists, this does nothing. Qt writes the window's size hints anew whenever
// it shows the window or the program resizes it, so ask again after each.
void keepProportions(QWidget *window, QSize proportions);

// Names the game's sound stream for the desktop's volume control: its role
// and its icon, which the sound server reads from the environment when the
// audio device connects. Call before the device opens, and before the game
// starts a thread of its own: it writes the environment, which other
// threads' libraries read without a lock. A user's own setting wins.
void nameSoundStream();

} // namespace Desktop
