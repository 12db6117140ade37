// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

#include <span>

// The window as it is laid out before any code runs: every control with its
// container, place and size in twips, caption, colours and font. Rows come
// in the window's own order, front to back: a control drawn over another
// (the difficulty panel over the title picture) comes first. The window only
// shows, hides, moves and fills these controls afterwards. Captions and
// accessible names are the game's own Japanese, marked for translation in
// the context "Layout"; the controls show their translations.
namespace Layout {

enum class Kind { PictureBox, OptionButton, Label, Timer, Shape, CommandButton, Image };

inline constexpr quint32 NoColor = 0xFFFFFFFF;
inline constexpr int NoIndex = -1;

struct Row
{
    const char *name;
    int index = NoIndex; // element of a control array
    Kind kind = Kind::Label;
    const char *container = "Fom";
    int left = 0, top = 0, width = 0, height = 0;
    const char *caption = "";
    quint32 backColor = NoColor; // 0x00BBGGRR
    quint32 foreColor = NoColor;
    qreal fontPoints = 0; // 0: the window's font
    bool centred = false;
    bool visible = true;
    bool selected = false; // option buttons
    int interval = 0;      // timers, ms
    bool enabled = true;   // timers
    const char *accessibleName = nullptr; // for screen readers, where the caption does not say it
};

inline constexpr int ClientWidth = 4305;
inline constexpr int ClientHeight = 6570;
inline constexpr quint32 WindowColor = 0x00808080;
inline constexpr const char *Caption = QT_TRANSLATE_NOOP("Layout", "Velmora");

std::span<const Row> rows();

} // namespace Layout
