// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Where the game finds its files. main() asks assetDir() once, after the
// QCoreApplication exists, and hands the folder to the window, which puts it
// before every file name; each folder here ends in exactly one "/".

// The folder the game reads its pictures and sounds from: its executable's
// own folder when that holds them (a build folder, a copied folder),
// otherwise the data folder the build was configured with (an install).
QString assetDir();
// The choice itself, between an executable's folder and a data folder.
QString chooseAssetDir(const QString &executableDir, const QString &dataDir);

// The full path of one of the game's files in that folder. A picture with
// words in it may also lie in a folder named for the language the game
// speaks ("en/stt.bmp"), drawn in it: where it does, that one is the game's.
QString assetPath(const QString &assetDir, const QString &language, const QString &name);

// The real directory of the running executable, symbolic links resolved.
QString applicationDir();
// The trailing-separator rule alone: "/" stays "/", "/opt/velmora" becomes
// "/opt/velmora/", and a name that already ends in "/" gets no second one.
QString withTrailingSeparator(const QString &directory);
