// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

class QWindow;

// The game's icon for its window and task bar, the same art the desktop shows
// in its menus. It is compiled into the program, so the window has its icon
// however the game was started and without a file beside the executable.
// Call it once a QGuiApplication exists; every call gives an equal icon
// offering each rendered size, and Qt picks or scales the nearest one.
QIcon applicationIcon();

// The icon as the window carries it: the sizes a task bar or switcher shows,
// up to 128 px at the screen's scale.
QIcon applicationWindowIcon();
