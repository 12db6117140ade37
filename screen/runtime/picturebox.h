// SPDX-License-Identifier: MIT
#pragma once

#include <QRectF>
#include <QWidget>

// A picture box control: a filled panel that holds other controls and clips
// them to its area. Its scale (ScaleLeft, ScaleTop, ScaleWidth, ScaleHeight)
// gives the coordinates in which the shapes inside it are moved: until
// setScale() is called they are twips, as for every other control; after it,
// the box's inner area spans the given range whatever its size in pixels.
// Shapes follow both a new scale and a resize of the box. Hiding the box
// hides and disables everything in it.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    void setBackColor(const QColor &color);

    // A width or height of 0 would map every point to infinity: such a scale
    // is refused and the previous one stays in force.
    bool setScale(double left, double top, double width, double height);
    double scaleLeft() const { return m_scale.left(); }
    double scaleTop() const { return m_scale.top(); }
    double scaleWidth() const { return m_scale.width(); }
    double scaleHeight() const { return m_scale.height(); }

    // The pixel rectangle, relative to the box, that a rectangle in the
    // box's scale covers. Negative sizes count as 0.
    QRect toPixels(const QRectF &scaled) const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeShapes();

    QRectF m_scale;
    bool m_hasScale = false;
};
