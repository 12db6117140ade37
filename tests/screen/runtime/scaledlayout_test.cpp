// SPDX-License-Identifier: MIT
#include "scaledlayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

const QSize LaidOut(287, 438);

TEST(FittedSize, KeepsTheLaidOutSizeWhereverItFits)
{
    EXPECT_EQ(fittedSize(LaidOut, QSize(1024, 768)), LaidOut);
    EXPECT_EQ(fittedSize(LaidOut, LaidOut), LaidOut);
}

// On a screen too small, the window is as large as fits: one side touches
// the screen's edge, neither passes it, and the proportions stay within the
// pixel that rounding takes.
TEST(FittedSize, OnASmallScreenIsTheLargestOfTheSameProportionsThatFits)
{
    for (int width : {100, 157, 286, 287, 640}) {
        for (int height = 100; height <= 500; ++height) {
            const QSize available(width, height);
            if (LaidOut.width() <= width && LaidOut.height() <= height)
                continue;
            const QSize fitted = fittedSize(LaidOut, available);
            ASSERT_LE(fitted.width(), width) << width << "x" << height;
            ASSERT_LE(fitted.height(), height) << width << "x" << height;
            ASSERT_TRUE(fitted.width() == width || fitted.height() == height) << width << "x" << height;
            const double shapeError = std::abs(fitted.width() * double(LaidOut.height()) / LaidOut.width() - fitted.height());
            ASSERT_LE(shapeError, 1.0) << width << "x" << height;
        }
    }
}

} // namespace
