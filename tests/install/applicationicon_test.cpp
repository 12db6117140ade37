// SPDX-License-Identifier: MIT
#include "applicationicon.h"

#include <QImage>
#include <QList>
#include <QSize>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr int SampleSide = 16;

// A coarse thumbnail: enough to tell one drawing from another, blind to the
// detail that rendering at another size legitimately changes.
QImage thumbnail(const QIcon &icon, int size)
{
    return icon.pixmap(QSize(size, size))
        .toImage()
        .scaled(SampleSide, SampleSide, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

double meanChannelDifference(const QImage &a, const QImage &b)
{
    double sum = 0;
    for (int y = 0; y < SampleSide; ++y) {
        for (int x = 0; x < SampleSide; ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q))
                + std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return sum / (SampleSide * SampleSide * 4);
}

} // namespace

TEST(ApplicationIcon, OffersEverySizeTheDesktopThemeGets)
{
    const QList<QSize> sizes = applicationIcon().availableSizes();
    for (const int side : {48, 64, 128, 256})
        EXPECT_TRUE(sizes.contains(QSize(side, side))) << side << " px is missing";
    EXPECT_EQ(sizes.size(), 4);
}

// The window leaves the launcher's 256 px to the theme, yet on a screen of
// twice the density its 128 px is still drawn from the art at full detail.
TEST(ApplicationIcon, WindowCarriesTheSwitcherSizesAtTheScreensDetail)
{
    const QIcon icon = applicationWindowIcon();
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{QSize(128, 128), QSize(64, 64), QSize(48, 48)}));
    EXPECT_EQ(icon.pixmap(QSize(128, 128), 2.0).size(), QSize(256, 256));
}

// The drawing fills its square to the corners: a transparent icon would
// vanish on a dark panel.
TEST(ApplicationIcon, IsDrawnToTheCornersAtEverySize)
{
    const QIcon icon = applicationIcon();
    for (const int side : {48, 64, 128, 256}) {
        const QImage image = icon.pixmap(QSize(side, side)).toImage();
        ASSERT_EQ(image.size(), QSize(side, side));
        for (const QPoint corner : {QPoint(0, 0), QPoint(side - 1, 0), QPoint(0, side - 1), QPoint(side - 1, side - 1)})
            EXPECT_EQ(qAlpha(image.pixel(corner)), 255) << side << " px at " << corner.x() << "," << corner.y();
    }
}

class ApplicationIconSize : public testing::TestWithParam<int>
{
};

// Each size is the drawing rendered at that size, not another picture filed
// under the wrong name: its thumbnail matches the largest one's.
TEST_P(ApplicationIconSize, ShowsTheSameDrawingAsTheLargest)
{
    const QIcon icon = applicationIcon();
    EXPECT_LT(meanChannelDifference(thumbnail(icon, GetParam()), thumbnail(icon, 256)), 12.0);
}

INSTANTIATE_TEST_SUITE_P(, ApplicationIconSize, testing::Values(48, 64, 128));

TEST(ApplicationIcon, BetweenTheRenderedSizesScalesTheNearestOne)
{
    const QIcon icon = applicationIcon();
    EXPECT_EQ(icon.pixmap(QSize(32, 32)).size(), QSize(32, 32));
    EXPECT_LT(meanChannelDifference(thumbnail(icon, 96), thumbnail(icon, 128)), 12.0);
}
