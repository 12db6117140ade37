// SPDX-License-Identifier: MIT
#include "picturebox.h"

#include "accessiblecontrols.h"
#include "shape.h"
#include "twips.h"

#include <QResizeEvent>

#include <algorithm>
#include <cmath>

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    installAccessibleControls();
}

void PictureBox::setBackColor(const QColor &color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
    setAutoFillBackground(true);
}

bool PictureBox::setScale(double left, double top, double width, double height)
{
    if (!std::isfinite(left) || !std::isfinite(top) || !std::isfinite(width)
            || !std::isfinite(height) || width == 0 || height == 0)
        return false;
    m_scale = QRectF(left, top, width, height);
    m_hasScale = true;
    placeShapes();
    return true;
}

QRect PictureBox::toPixels(const QRectF &scaled) const
{
    const double w = std::max(0.0, scaled.width());
    const double h = std::max(0.0, scaled.height());
    double x0, y0, x1, y1;
    if (m_hasScale) {
        const double sx = width() / m_scale.width();
        const double sy = height() / m_scale.height();
        x0 = (scaled.left() - m_scale.left()) * sx;
        y0 = (scaled.top() - m_scale.top()) * sy;
        x1 = x0 + w * sx;
        y1 = y0 + h * sy;
    } else {
        x0 = twipsToPixelsF(scaled.left());
        y0 = twipsToPixelsF(scaled.top());
        x1 = twipsToPixelsF(scaled.left() + w);
        y1 = twipsToPixelsF(scaled.top() + h);
    }
    // Far past the box nothing shows anyway; the bound keeps the conversion
    // to int defined for any value a caller may pass.
    const auto pixel = [](double v) {
        return static_cast<int>(std::lround(std::clamp(v, -1.0e6, 1.0e6)));
    };
    const int left = pixel(std::min(x0, x1));
    const int top = pixel(std::min(y0, y1));
    return QRect(left, top, pixel(std::max(x0, x1)) - left, pixel(std::max(y0, y1)) - top);
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeShapes();
}

void PictureBox::placeShapes()
{
    const auto shapes = findChildren<Shape *>(Qt::FindDirectChildrenOnly);
    for (Shape *shape : shapes)
        shape->place();
}
