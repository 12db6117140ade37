// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

// Draws a self-contained SVG document (see SvgInliner) onto an opaque canvas
// of the given size and encodes it as a 24-bit BMP. The drawing is stretched
// to the size, as the game stretches its pictures. Nothing in the result
// depends on the time or the machine's state, so a source always gives the
// same bytes. Returns an empty array and sets *error when the document cannot
// be drawn.
QByteArray renderToBmp(const QByteArray &svg, QSize size, QString *error);

// The same as a PNG on a transparent canvas, for the icons.
QByteArray renderToPng(const QByteArray &svg, QSize size, QString *error);
