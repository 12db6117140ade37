// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Where the game finds its files. applicationDir() is the real directory of
// the running executable, symbolic links resolved, always ending in exactly
// one "/" so a file name can be appended to it directly; it needs the
// QCoreApplication to exist.

QString applicationDir();
// The trailing-separator rule alone: "/" stays "/", "/opt/velmora" becomes
// "/opt/velmora/", and a name that already ends in "/" gets no second one.
QString withTrailingSeparator(const QString &directory);
