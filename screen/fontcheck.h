// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Whether the fonts the window draws with can show the game's own texts:
// its captions and its endings. Call once the QApplication exists. Empty
// when every character can be drawn; otherwise one line for the terminal
// that says what is missing and which Debian package brings it. The game
// plays on either way.
QString missingFontWarning();
