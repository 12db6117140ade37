#include "application.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

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

void endProgram(int status)
{
    // Leaving through the event loop would run the window's destructors and
    // Qt's own clean-up, and could deliver further events on the way; the
    // game holds nothing that must be saved.
    std::fflush(nullptr);
    std::_Exit(status);
}
