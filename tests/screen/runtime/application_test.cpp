// SPDX-License-Identifier: MIT
#include "application.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <ostream>

namespace {

TEST(ApplicationDir, IsTheRealFolderOfTheExecutableWithOneTrailingSlash)
{
    const QString dir = applicationDir();
    EXPECT_TRUE(dir.endsWith(QLatin1Char('/')));
    EXPECT_FALSE(dir.endsWith(QLatin1String("//")));
    const QFileInfo executable(QCoreApplication::applicationFilePath());
    EXPECT_EQ(dir + executable.fileName(), executable.canonicalFilePath());
}

struct FolderCase
{
    const char *name;
    QStringList besideTheExecutable;
    bool playsInPlace;
};

void PrintTo(const FolderCase &c, std::ostream *os)
{
    *os << c.name;
}

class AssetDir : public ::testing::TestWithParam<FolderCase>
{
};

TEST_P(AssetDir, IsTheExecutablesFolderOnlyWhereTheGamesFilesLieBesideIt)
{
    const QTemporaryDir executableDir;
    ASSERT_TRUE(executableDir.isValid());
    for (const QString &name : GetParam().besideTheExecutable) {
        QFile file(executableDir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString dataDir = QStringLiteral("/usr/share/games/velmora");
    EXPECT_EQ(chooseAssetDir(executableDir.path(), dataDir),
              GetParam().playsInPlace ? executableDir.path() + QLatin1Char('/') : dataDir + QLatin1Char('/'));
}

INSTANTIATE_TEST_SUITE_P(
    Folders, AssetDir,
    ::testing::Values(FolderCase{"BuildFolder", {"velmora", "stt.bmp", "0.bmp", "0.wav"}, true},
                      FolderCase{"CopyThatLostItsTitlePicture", {"velmora", "0.bmp", "0.wav"}, true},
                      FolderCase{"GamesFolderOfAnInstall", {"velmora", "sudoku", "README"}, false}));

struct SeparatorCase
{
    const char *name;
    const char *directory;
    const char *appDir;
};

void PrintTo(const SeparatorCase &c, std::ostream *os)
{
    *os << c.name;
}

class TrailingSeparator : public ::testing::TestWithParam<SeparatorCase>
{
};

TEST_P(TrailingSeparator, IsAddedOnlyWhereMissing)
{
    EXPECT_EQ(withTrailingSeparator(QString::fromUtf8(GetParam().directory)),
              QString::fromUtf8(GetParam().appDir));
}

INSTANTIATE_TEST_SUITE_P(Folders, TrailingSeparator,
                         ::testing::Values(SeparatorCase{"Root", "/", "/"},
                                           SeparatorCase{"NoSlash", "/opt/velmora", "/opt/velmora/"},
                                           SeparatorCase{"OneSlash", "/opt/velmora/", "/opt/velmora/"},
                                           SeparatorCase{"JapaneseNames", "/home/吸血鬼/ゲーム", "/home/吸血鬼/ゲーム/"}));

} // namespace
