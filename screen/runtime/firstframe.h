// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QWindow;

// Runs a step of the start-up from the event loop once the window's first
// frame is on screen, for what the player need not wait for before seeing
// it. Call it right after the window is shown; without a window the step
// runs at once.
void afterFirstFrame(QWindow *window, std::function<void()> step);
