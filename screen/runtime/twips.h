// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

// Units of the window's layout table. Positions and sizes are written in
// twips (1440 an inch) and turned into logical pixels at the primary screen's
// logical resolution; Qt then scales logical pixels by the screen's device
// pixel ratio, so a high-density screen enlarges the whole window. Colours
// are written as 0x00BBGGRR. Call these once a QGuiApplication exists; before
// that the conversion assumes the standard 96 dpi.

double twipsToPixelsF(double twips);
int twipsToPixels(int twips);                   // rounded to the nearest pixel
// At a factor other than 1 the rectangle is enlarged or shrunk with the
// window; edges are rounded after scaling, so a control at factor 2 lies
// exactly on the doubled pixels wherever its twips are whole pixels.
QRect twipsRect(int left, int top, int width, int height, double factor = 1.0);
QColor bgrColor(quint32 bgr);

// The game's Gothic face: "ＭＳ Ｐゴシック" where it is installed, otherwise the
// Japanese Gothic faces Debian ships, so Japanese text never falls back to a
// Latin font without the glyphs.
QStringList gothicFamilies();
QFont gothicFont(qreal pointSize);
