// SPDX-License-Identifier: MIT
#include "applicationicon.h"

#include <QDir>

QIcon applicationIcon()
{
    // The build puts one PNG a size into the resources; adding them all lets
    // the window manager take a drawn 48 px icon rather than a shrunken 256.
    QIcon icon;
    const QDir sizes(QStringLiteral(":/icons/velmora"));
    for (const QString &png : sizes.entryList({QStringLiteral("*.png")}, QDir::Files))
        icon.addFile(sizes.filePath(png));
    return icon;
}
