// SPDX-License-Identifier: MIT
#include "shape.h"

#include "accessiblecontrols.h"
#include "picturebox.h"
#include "twips.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

Shape::Shape(QWidget *parent)
    : QWidget(parent)
{
    // Opaque, yet not static contents, though one colour throughout would
    // allow it: at a scale factor of fractional pixels the new strip alone
    // reaches the screen without the column where the bar used to end,
    // which then stays the box's colour inside the bar.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The bars lie over their boxes as pure decoration: clicks go through.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setFillColor(const QColor &color)
{
    m_fill = color;
    update();
}

void Shape::Move(double left, double top, double width, double height)
{
    // Non-numbers would place the shape nowhere in particular; keep the
    // last good position instead.
    if (!std::isfinite(left) || !std::isfinite(top) || !std::isfinite(width)
            || !std::isfinite(height))
        return;
    m_scaled = QRectF(left, top, width, height);
    place();
    gaugeMoved(*this);
}

void Shape::place()
{
    if (auto *box = qobject_cast<PictureBox *>(parentWidget())) {
        setGeometry(box->toPixels(m_scaled));
        return;
    }
    // Bounded so that any finite value converts to int; far outside the
    // container nothing shows anyway.
    const auto twips = [](double v) { return static_cast<int>(std::clamp(v, -1.0e9, 1.0e9)); };
    setGeometry(twipsRect(twips(m_scaled.left()), twips(m_scaled.top()),
                          twips(m_scaled.width()), twips(m_scaled.height())));
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_fill);
}
