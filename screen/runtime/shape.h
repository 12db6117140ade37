// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QRectF>
#include <QWidget>

// A shape control: an opaque filled rectangle. Move() places it in the
// coordinates of its container: the scale of a PictureBox, or twips in any
// other widget. A rectangle of zero width or height shows nothing; one that
// reaches past its container is cut off at the container's edge. The
// container calls place() again when its size or scale changes.
class Shape : public QWidget
{
    Q_OBJECT

public:
    explicit Shape(QWidget *parent = nullptr);

    void setFillColor(const QColor &color);
    QColor fillColor() const { return m_fill; }

    void Move(double left, double top, double width, double height);
    QRectF scaled() const { return m_scaled; }

    void place();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill = Qt::black;
    QRectF m_scaled;
};
