// SPDX-License-Identifier: MIT
#include "application.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString applicationDir()
{
    const QString dir = QCoreApplication::applicationDirPath();
    const QString real = QFileInfo(dir).canonicalFilePath();
    return withTrailingSeparator(QDir::fromNativeSeparators(real.isEmpty() ? dir : real));
}

QString withTrailingSeparator(const QString &directory)
{
    if (directory.endsWith(QLatin1Char('/')))
        return directory;
    return directory + QLatin1Char('/');
}
