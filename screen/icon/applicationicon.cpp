// SPDX-License-Identifier: MIT
#include "applicationicon.h"

#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>
#include <QTimer>
#include <QWindow>

QIcon applicationIcon()
{
    // The build puts one PNG a size into the resources; adding them all lets
    // the window manager take a drawn 48 px icon rather than a shrunken 256.
    // Each is read as the PNG it is: a file left to tell its own format is
    // offered to every image plugin installed, which the game's start waits on.
    // The folder holds those PNGs alone, so no name filter is needed.
    QIcon icon;
    const QDir sizes(QStringLiteral(":/icons/velmora"));
    for (const QString &png : sizes.entryList(QDir::Files)) {
        QImageReader reader(sizes.filePath(png), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImageReader(&reader));
    }
    return icon;
}

namespace {

// Waits on the window for its first expose, which paints and shows the first
// frame before it returns; the icon comes from the event loop after that.
class IconAfterFirstFrame : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *window, QEvent *event) override
    {
        if (event->type() == QEvent::Expose) {
            window->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                QGuiApplication::setWindowIcon(applicationIcon());
                deleteLater();
            });
        }
        return false;
    }
};

} // namespace

void setApplicationIconAfterFirstFrame(QWindow *window)
{
    if (!window) {
        QGuiApplication::setWindowIcon(applicationIcon());
        return;
    }
    window->installEventFilter(new IconAfterFirstFrame(window));
}
