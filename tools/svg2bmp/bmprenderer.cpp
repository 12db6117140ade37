// SPDX-License-Identifier: MIT
#include "bmprenderer.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgRenderer>

namespace {

// Large enough for any window, small enough that a typo cannot eat the memory.
constexpr int MaxSide = 8192;

QByteArray render(const QByteArray &svg, QSize size, QImage::Format canvasFormat, const QColor &background,
                  const char *imageFormat, QString *error)
{
    if (size.width() < 1 || size.height() < 1 || size.width() > MaxSide || size.height() > MaxSide) {
        *error = QStringLiteral("a picture must be between 1 and %1 pixels on each side").arg(MaxSide);
        return {};
    }
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) {
        *error = QStringLiteral("the SVG document cannot be drawn");
        return {};
    }

    QImage canvas(size, canvasFormat);
    canvas.fill(background);
    {
        QPainter painter(&canvas);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, imageFormat);
    if (!writer.write(canvas)) {
        *error = writer.errorString();
        return {};
    }
    return bytes;
}

} // namespace

QByteArray renderToBmp(const QByteArray &svg, QSize size, QString *error)
{
    // A BMP has no alpha: start from black, as the game's window would show
    // through a transparent picture no better. Qt writes every image of more
    // than 8 bits as 24-bit BMP.
    return render(svg, size, QImage::Format_RGB32, Qt::black, "bmp", error);
}

QByteArray renderToPng(const QByteArray &svg, QSize size, QString *error)
{
    return render(svg, size, QImage::Format_ARGB32_Premultiplied, Qt::transparent, "png", error);
}

