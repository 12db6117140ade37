// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Whether the fonts the window draws with can show the game's own texts, in
// the language it speaks: its captions and its endings. Call once the
// QApplication exists and speaks the game's language. Empty
// when every character can be drawn; otherwise one line for the terminal
// that says what is missing and which Debian package brings it. The game
// plays on either way.
QString missingFontWarning();
