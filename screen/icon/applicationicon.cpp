// SPDX-License-Identifier: MIT
#include "applicationicon.h"

#include <QDir>
#include <QGuiApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <limits>
#include <utility>

namespace {

// A rendered size read as the PNG it is: a file left to tell its own format
// is offered to every image plugin installed, which the game's start waits on.
struct Png : QImageReader
{
    explicit Png(const QString &path)
        : QImageReader(path, "png")
    {
        setAutoDetectImageFormat(false);
    }
};

// The icon's rendered sizes, each read from the resources when it is asked
// for and let go after. The window manager keeps its own copy of each size
// once it is given them, so holding the decoded pictures as well would cost
// the game a third of a megabyte for its whole run.
class RenderedSizes final : public QIconEngine
{
public:
    // Offers the rendered sizes up to largest pixels a side.
    explicit RenderedSizes(int largest = std::numeric_limits<int>::max())
        : m_largest(largest)
    {
        // The build puts one PNG a size into the resources; offering them all
        // lets the window manager take a drawn 48 px icon rather than a
        // shrunken 256. The folder holds those PNGs alone.
        const QDir folder(QStringLiteral(":/icons/velmora"));
        for (const QString &png : folder.entryList(QDir::Files)) {
            const QString path = folder.filePath(png);
            m_sizes.append({Png(path).size(), path});
        }
        std::sort(m_sizes.begin(), m_sizes.end(),
                  [](const Rendered &a, const Rendered &b) { return a.size.width() < b.size.width(); });
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const Rendered *rendered = nearest(size);
        if (!rendered)
            return {};
        QImage image = Png(rendered->path).read();
        const QSize shown = fitted(*rendered, size);
        if (image.size() != shown)
            image = image.scaled(shown, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return QPixmap::fromImage(std::move(image));
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const Rendered *rendered = nearest(size);
        return rendered ? fitted(*rendered, size) : QSize();
    }

    // Largest first: the window system copies the sizes one after another
    // into a list it grows, so this way the largest picture is never held
    // beside the list's copy of all the others.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (auto rendered = m_sizes.crbegin(); rendered != m_sizes.crend(); ++rendered) {
            if (rendered->size.width() <= m_largest)
                sizes.append(rendered->size);
        }
        return sizes;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QString key() const override { return QStringLiteral("velmora-rendered-sizes"); }
    QIconEngine *clone() const override { return new RenderedSizes(*this); }

private:
    struct Rendered
    {
        QSize size;
        QString path;
    };

    // The smallest size that is at least as large, or else the largest: a
    // size is only ever scaled down, as Qt's own icons do.
    const Rendered *nearest(const QSize &size) const
    {
        for (const Rendered &rendered : m_sizes) {
            if (rendered.size.width() >= size.width() && rendered.size.height() >= size.height())
                return &rendered;
        }
        return m_sizes.isEmpty() ? nullptr : &m_sizes.last();
    }

    static QSize fitted(const Rendered &rendered, const QSize &size)
    {
        return rendered.size.boundedTo(size) == rendered.size ? rendered.size
                                                               : rendered.size.scaled(size, Qt::KeepAspectRatio);
    }

    QList<Rendered> m_sizes;
    int m_largest;
};

} // namespace

QIcon applicationIcon()
{
    return QIcon(new RenderedSizes);
}

// Task bars and window switchers show a window's icon at 128 px at most; the
// launcher's larger icon comes from the desktop's theme. Leaving the 256 px
// out keeps a quarter of a megabyte out of the window's property and a third
// of one off the game's peak memory. On a dense screen Qt asks each size at
// the screen's scale, so the 256 px art still serves there for 128.
QIcon applicationWindowIcon()
{
    return QIcon(new RenderedSizes(128));
}
