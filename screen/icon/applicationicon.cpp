// SPDX-License-Identifier: MIT
#include "applicationicon.h"

#include <QDir>
#include <QImageReader>
#include <QPixmap>

QIcon applicationIcon()
{
    // The build puts one PNG a size into the resources; adding them all lets
    // the window manager take a drawn 48 px icon rather than a shrunken 256.
    // Each is read as the PNG it is: a file left to tell its own format is
    // offered to every image plugin installed, which the game's start waits on.
    QIcon icon;
    const QDir sizes(QStringLiteral(":/icons/velmora"));
    for (const QString &png : sizes.entryList({QStringLiteral("*.png")}, QDir::Files)) {
        QImageReader reader(sizes.filePath(png), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImageReader(&reader));
    }
    return icon;
}
