// SPDX-License-Identifier: MIT
#include "twips.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

#include <iomanip>
#include <ostream>

namespace {

struct TwipsCase
{
    int twips;
    int pixels;
};

void PrintTo(const TwipsCase &c, std::ostream *os)
{
    *os << c.twips << "twips";
}

class TwipsAtStandardDpi : public ::testing::TestWithParam<TwipsCase>
{
};

// The offscreen screen has the standard logical 96 dpi: 15 twips a pixel.
TEST_P(TwipsAtStandardDpi, ConvertsToTheNearestLogicalPixel)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->logicalDotsPerInch(), 96.0);
    EXPECT_EQ(twipsToPixels(GetParam().twips), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Layout, TwipsAtStandardDpi,
                         ::testing::Values(TwipsCase{0, 0}, TwipsCase{7, 0}, TwipsCase{8, 1},
                                           TwipsCase{15, 1}, TwipsCase{120, 8},
                                           TwipsCase{1440, 96}, TwipsCase{4305, 287},
                                           TwipsCase{6570, 438}, TwipsCase{-120, -8}));

TEST(TwipsRect, ControlsThatTouchInTwipsTouchOnScreen)
{
    for (int left = 0; left < 200; ++left) {
        for (int width : {7, 8, 1335, 1215}) {
            const QRect first = twipsRect(left, 0, width, 375);
            const QRect second = twipsRect(left + width, 0, 100, 375);
            ASSERT_EQ(first.right() + 1, second.left()) << left << " + " << width;
        }
    }
}

struct ColourCase
{
    quint32 bgr;
    QColor rgb;
};

void PrintTo(const ColourCase &c, std::ostream *os)
{
    *os << "bgr" << std::hex << std::setw(6) << std::setfill('0') << c.bgr;
}

class LayoutColour : public ::testing::TestWithParam<ColourCase>
{
};

TEST_P(LayoutColour, ReadsBlueGreenRedFromHighToLowByte)
{
    EXPECT_EQ(bgrColor(GetParam().bgr), GetParam().rgb);
}

// Red, yellow, olive, pale red and light grey, as the window's table uses them.
INSTANTIATE_TEST_SUITE_P(Layout, LayoutColour,
                         ::testing::Values(ColourCase{0x000000FF, QColor(255, 0, 0)},
                                           ColourCase{0x0000FFFF, QColor(255, 255, 0)},
                                           ColourCase{0x00008080, QColor(128, 128, 0)},
                                           ColourCase{0x00C0C0FF, QColor(255, 192, 192)},
                                           ColourCase{0x00E0E0E0, QColor(224, 224, 224)}));

TEST(GothicFont, ResolvesToAnInstalledJapaneseFaceOfTheList)
{
    const QFont font = gothicFont(11.25);
    EXPECT_TRUE(gothicFamilies().contains(QFontInfo(font).family()))
            << qPrintable(QFontInfo(font).family());
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 11.25);
}

TEST(GothicFont, HasAGlyphForEveryCharacterOfTheGamesTexts)
{
    const QFontMetrics metrics(gothicFont(18));
    const QString texts = QStringLiteral("吸血愛の言葉通常態度軽い普通重い難易度危険度吸血鬼度日"
                                         "　画面をクリックするとスタートに戻るよ　｛Velmora…｝Ver.1.0.0");
    for (const uint ch : texts.toUcs4())
        EXPECT_TRUE(metrics.inFontUcs4(ch)) << "U+" << std::hex << ch;
}

} // namespace
