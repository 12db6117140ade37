// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

class QWidget;

// Places a window's controls from their rectangles in twips at whatever size
// the player gives the window. The window hands over the size of its client
// area in twips, then each control once with place(): its rectangle in
// twips, in its container's coordinates, and the font it has now as its
// laid-out font. Every later fit() (on each resize) recomputes one factor,
// the largest at which the laid-out client area fits the window, and
// places every control and sizes every font again from twips and the
// laid-out fonts, never from the previous pixels, so resizing back and
// forth accumulates no rounding. Labels are told their laid-out font and
// size and the factor, and draw their captions from those. A window of
// other proportions shows the layout centred, with its own back colour
// around it.
class ScaledLayout
{
public:
    explicit ScaledLayout(QWidget *window, QSize clientTwips);

    void place(QWidget *control, const QRect &twips);
    void fit(QSize windowSize);

    double factor() const { return m_factor; }
    // Where the layout's top left corner lies in the window.
    QPoint origin() const { return m_origin; }
    // The window's client size in pixels at factor 1, as laid out.
    QSizeF laidOutSize() const;

private:
    struct Placement
    {
        QWidget *control;
        QRect twips;
        QFont font;
    };

    void apply(const Placement &placement, bool fontsChanged) const;

    QWidget *m_window;
    QSize m_clientTwips;
    double m_factor = 1.0;
    QPoint m_origin;
    std::vector<Placement> m_placements;
};

// The largest size of laidOut's proportions that fits within available,
// and never larger than laidOut: a window opens as laid out wherever that
// fits.
QSize fittedSize(QSize laidOut, QSize available);
