// SPDX-License-Identifier: MIT
#include "optionbutton.h"

#include <QStyle>

#include <algorithm>
#include <cmath>

OptionButton::OptionButton(int index, QWidget *parent)
    : QRadioButton(parent)
    , m_index(index)
    , m_mark(style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, this))
    , m_shownMark(m_mark)
{
    // The window keeps the keys: its arrows move the choice from there.
    setFocusPolicy(Qt::NoFocus);
}

void OptionButton::setScale(double factor)
{
    const int mark = std::max(1, static_cast<int>(std::lround(m_mark * factor)));
    if (mark == m_shownMark)
        return;
    m_shownMark = mark;
    // A style sheet that only sizes the mark leaves the style to draw it.
    setStyleSheet(mark == m_mark ? QString()
                                 : QStringLiteral("QRadioButton::indicator { width: %1px; height: %1px; }").arg(mark));
}

void OptionButton::setBackColor(const QColor &color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
    // A button fills itself from the Button role by default, which the
    // styles paint in their own grey: this option's box is its back colour.
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
}
