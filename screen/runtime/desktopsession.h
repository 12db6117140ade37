// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// What the game asks of the desktop session before Qt starts. main() calls
// hasDisplay() first: false means the environment names no window system
// Qt could reach, and the game says so in its own words instead of letting
// Qt abort. Then keepToTheSessionBusThereIs(), and guardPlatformStart()
// around the QApplication's construction, which turns a display that is
// named but cannot be opened into the same plain failure: status 1, no
// abort, no core dump.
namespace DesktopSession {

bool hasDisplay();

// The game's words for a missing or unreachable display, one line each in
// Japanese and in English (the terminal may have no Japanese font). Said
// before Qt starts, so the caller says it in the game's language.
QString noDisplayMessage();

// Lets nothing start a session bus on the game's behalf: with no bus in
// the environment and none at the user's runtime directory, libdbus would
// autolaunch one for the X display (SDL's audio asks for it, and Qt's
// accessibility bridge), and dbus-launch with its daemon would outlive the
// game until the X server ends. A bus that exists is used as before.
void keepToTheSessionBusThereIs();

// While set, a fatal message from Qt (the platform plugin could not start)
// ends the program with the game's message and status 1.
void guardPlatformStart(bool on);

} // namespace DesktopSession
