// SPDX-License-Identifier: MIT
#include "twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr double StandardDpi = 96.0;

double logicalDpi()
{
    const QScreen *screen = qobject_cast<QGuiApplication *>(QCoreApplication::instance())
            ? QGuiApplication::primaryScreen() : nullptr;
    return screen ? screen->logicalDotsPerInch() : StandardDpi;
}

} // namespace

double twipsToPixelsF(double twips)
{
    return twips * logicalDpi() / TwipsPerInch;
}

int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(twipsToPixelsF(twips)));
}

QRect twipsRect(int left, int top, int width, int height, double factor)
{
    // Rounding the far edges rather than the sizes keeps controls that touch
    // in twips touching on screen, with no gap or overlap of a pixel.
    const auto pixels = [factor](int twips) {
        return static_cast<int>(std::lround(twipsToPixelsF(twips) * factor));
    };
    const int x0 = pixels(left);
    const int y0 = pixels(top);
    const int x1 = pixels(left + width);
    const int y1 = pixels(top + height);
    return QRect(x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0));
}

QColor bgrColor(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

QStringList gothicFamilies()
{
    // Fontconfig on Debian knows no alias for the Windows face and would
    // quietly hand back a Latin font for it; a list lets Qt skip to the
    // first face that really exists.
    return {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
            QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"),
            QStringLiteral("Noto Sans CJK JP")};
}

QFont gothicFont(qreal pointSize)
{
    QFont font;
    font.setFamilies(gothicFamilies());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    // The face's own hinting, not the light auto-hinting most desktops ask
    // for: to hint a Japanese face lightly, FreeType first reads and measures
    // a hundred sample kanji of it, which the first frame waits on and which
    // keeps about a megabyte of the font file in memory. The game's few
    // characters come out as crisp, and advance by the same whole pixels.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}
