// SPDX-License-Identifier: MIT
#pragma once

class QSize;
class QWidget;

// Asks the window manager to keep a top-level window's client area in the
// given proportions while the player resizes it. Only X11 window managers
// take such a hint, and not all of them; on other platforms, and before the
// window exists, this does nothing. Qt writes the window's size hints anew
// whenever it shows the window or the program resizes it, so the window
// calls this again after each.
void keepAspectRatio(QWidget *window, QSize proportions);
