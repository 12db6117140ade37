// SPDX-License-Identifier: MIT
#include "scaledlayout.h"

#include "label.h"
#include "twips.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

ScaledLayout::ScaledLayout(QWidget *window, QSize clientTwips)
    : m_window(window)
    , m_clientTwips(clientTwips)
{
}

QSizeF ScaledLayout::laidOutSize() const
{
    return {twipsToPixelsF(m_clientTwips.width()), twipsToPixelsF(m_clientTwips.height())};
}

void ScaledLayout::place(QWidget *control, const QRect &twips)
{
    const auto known = std::find_if(m_placements.begin(), m_placements.end(),
                                     [control](const Placement &p) { return p.control == control; });
    if (known != m_placements.end()) {
        known->twips = twips;
        apply(*known, false);
        return;
    }
    m_placements.push_back({control, twips, control->font()});
    apply(m_placements.back(), m_factor != 1.0);
}

void ScaledLayout::fit(QSize windowSize)
{
    const QSizeF laidOut = laidOutSize();
    if (windowSize.isEmpty() || laidOut.isEmpty())
        return;
    const double factor = std::min(windowSize.width() / laidOut.width(), windowSize.height() / laidOut.height());
    const bool fontsChanged = factor != m_factor;
    m_factor = factor;
    m_origin = QPoint(static_cast<int>(std::lround((windowSize.width() - laidOut.width() * factor) / 2)),
                      static_cast<int>(std::lround((windowSize.height() - laidOut.height() * factor) / 2)));
    for (const Placement &placement : m_placements)
        apply(placement, fontsChanged);
}

void ScaledLayout::apply(const Placement &placement, bool fontsChanged) const
{
    const QRect &t = placement.twips;
    QRect pixels = twipsRect(t.x(), t.y(), t.width(), t.height(), m_factor);
    // Controls inside a panel move with the panel; only the window's own
    // controls are shifted to where the centred layout begins.
    if (placement.control->parentWidget() == m_window)
        pixels.translate(m_origin);
    placement.control->setGeometry(pixels);
    if (fontsChanged) {
        QFont font = placement.font;
        if (font.pointSizeF() > 0)
            font.setPointSizeF(font.pointSizeF() * m_factor);
        else
            font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * m_factor))));
        placement.control->setFont(font);
    }
    if (auto *label = qobject_cast<Label *>(placement.control))
        label->setLayoutScale(placement.font, twipsRect(t.x(), t.y(), t.width(), t.height()).size(), m_factor);
}

QSize fittedSize(QSize laidOut, QSize available)
{
    if (laidOut.isEmpty() || (laidOut.width() <= available.width() && laidOut.height() <= available.height()))
        return laidOut;
    const double factor = std::max(0.0, std::min(double(available.width()) / laidOut.width(),
                                                 double(available.height()) / laidOut.height()));
    // Never past the available side that limits the size: a window one
    // pixel too large would lose that pixel row under the screen's edge.
    const auto side = [factor](int laidOutSide, int availableSide) {
        return std::min(availableSide, static_cast<int>(std::lround(laidOutSide * factor)));
    };
    return {side(laidOut.width(), available.width()), side(laidOut.height(), available.height())};
}
