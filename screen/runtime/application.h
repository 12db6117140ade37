#pragma once

#include <QString>

// Where the game finds its files, and how it stops. applicationDir() is the
// real directory of the running executable, symbolic links resolved, always
// ending in exactly one "/" so a file name can be appended to it directly;
// it needs the QCoreApplication to exist. endProgram() ends the process at
// once: no further event is handled and nothing is torn down, so callers
// stop their sound and close what must be closed first.

QString applicationDir();
// The trailing-separator rule alone: "/" stays "/", "/opt/velmora" becomes
// "/opt/velmora/", and a name that already ends in "/" gets no second one.
QString withTrailingSeparator(const QString &directory);

[[noreturn]] void endProgram(int status);
