// SPDX-License-Identifier: MIT
#include "application.h"

#include <QCoreApplication>
#include <QFileInfo>
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
