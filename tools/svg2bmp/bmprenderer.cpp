#include "bmprenderer.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgRenderer>

namespace {

// Large enough for any window, small enough that a typo cannot eat the memory.
constexpr int MaxSide = 8192;

} // namespace

QByteArray renderToBmp(const QByteArray &svg, QSize size, QString *error)
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

    // A BMP has no alpha: start from black, as the game's window would show
    // through a transparent picture no better.
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    {
        QPainter painter(&canvas);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }

    // Qt writes every image of more than 8 bits as 24-bit BMP.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(canvas)) {
        *error = writer.errorString();
        return {};
    }
    return bytes;
}
