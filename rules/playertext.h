// SPDX-License-Identifier: MIT
#pragma once

// Marks a text the player reads where the rules keep it, in the game's own
// language, Japanese: PLAYER_TEXT("Endings", "...") is the text itself. The
// screen shows such a text in the player's language by looking up its
// translation under the same context and text, and the translators' tool,
// lupdate, is told to read PLAYER_TEXT as Qt's QT_TRANSLATE_NOOP: so every
// text reaches the translators while the rules know nothing of Qt.
#define PLAYER_TEXT(context, text) text
