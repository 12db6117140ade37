// SPDX-License-Identifier: MIT
#include "picturebox.h"
#include "shape.h"
#include "twips.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>

namespace {

const QColor Empty = bgrColor(0x00008080);
const QColor Bar = bgrColor(0x0000FFFF);

// A bar box of 200 × 20 pixels in gauge points, as the game scales its bars.
class BarBox : public ::testing::Test
{
protected:
    void SetUp() override
    {
        box.setGeometry(0, 0, 200, 20);
        box.setBackColor(Empty);
        bar = new Shape(&box);
        bar->setFillColor(Bar);
        ASSERT_TRUE(box.setScale(0, 0, 100, 1));
    }

    int barPixelsInRow(int y)
    {
        const QImage shown = box.grab().toImage();
        int count = 0;
        for (int x = 0; x < shown.width(); ++x)
            count += shown.pixelColor(x, y) == Bar;
        return count;
    }

    PictureBox box;
    Shape *bar = nullptr;
};

struct BarCase
{
    double gauge;
    double fractionOfBox;
};

void PrintTo(const BarCase &c, std::ostream *os)
{
    *os << "gauge" << c.gauge;
}

class BarWidth : public BarBox, public ::testing::WithParamInterface<BarCase>
{
};

TEST_P(BarWidth, FillsItsShareOfTheBoxInScaleUnits)
{
    bar->Move(0, 0, GetParam().gauge, 1);
    EXPECT_EQ(barPixelsInRow(10), qRound(GetParam().fractionOfBox * box.width()));
    EXPECT_EQ(barPixelsInRow(0), barPixelsInRow(19));
}

// A gauge past the full mark is cut off by the box; at zero nothing shows.
INSTANTIATE_TEST_SUITE_P(Gauges, BarWidth,
                         ::testing::Values(BarCase{0, 0}, BarCase{1, 0.01}, BarCase{25, 0.25},
                                           BarCase{50, 0.5}, BarCase{100, 1}, BarCase{130, 1}));

TEST_F(BarBox, BarFollowsAResizeOfItsBox)
{
    bar->Move(0, 0, 50, 1);
    box.resize(300, 20);
    EXPECT_EQ(barPixelsInRow(10), 150);
}

TEST_F(BarBox, BarFollowsANewScale)
{
    bar->Move(0, 0, 50, 1);
    ASSERT_TRUE(box.setScale(0, 0, 200, 1));
    EXPECT_EQ(barPixelsInRow(10), 50);
}

TEST_F(BarBox, AScaleOfZeroWidthIsRefusedAndTheOldOneKept)
{
    EXPECT_FALSE(box.setScale(0, 0, 0, 1));
    EXPECT_FALSE(box.setScale(0, 0, 100, std::numeric_limits<double>::infinity()));
    bar->Move(0, 0, 50, 1);
    EXPECT_EQ(barPixelsInRow(10), 100);
}

TEST(PictureBoxWithoutScale, PlacesShapesInTwips)
{
    PictureBox box;
    box.setGeometry(twipsRect(120, 4800, 3975, 375));
    Shape shape(&box);
    shape.Move(120, 0, 1935, 255);
    EXPECT_EQ(shape.geometry(), twipsRect(120, 0, 1935, 255));
}

} // namespace
