// SPDX-License-Identifier: MIT
#include "application.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

QString assetDir()
{
    return chooseAssetDir(applicationDir(), QFile::decodeName(VELMORA_DATADIR));
}

// Any picture or sound beside the executable makes its folder the game's,
// rather than the title picture alone: a copy that has lost one file, even
// that one, then still names the missing file in itself, as it always did,
// instead of quietly playing from an installed copy of other files. An
// installed executable lies in a games folder that holds neither.
//
// The names are matched by hand: name filters would bring in the whole
// regular expression engine, and its memory, for two suffixes.
QString chooseAssetDir(const QString &executableDir, const QString &dataDir)
{
    QDirIterator entries(executableDir, QDir::Files);
    while (entries.hasNext()) {
        const QString name = entries.next();
        if (name.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive)
            || name.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive))
            return withTrailingSeparator(executableDir);
    }
    return withTrailingSeparator(dataDir);
}

QString assetPath(const QString &assetDir, const QString &language, const QString &name)
{
    const QString drawnInLanguage = assetDir + language + QLatin1Char('/') + name;
    if (!language.isEmpty() && QFileInfo::exists(drawnInLanguage))
        return drawnInLanguage;
    return assetDir + name;
}

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
