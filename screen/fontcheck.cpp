// SPDX-License-Identifier: MIT
#include "fontcheck.h"

#include "controlfactory.h"
#include "endings.h"
#include "gamelanguage.h"
#include "layout.h"
#include "twips.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#include <algorithm>
#include <set>
#include <string_view>
#include <utility>

namespace {

void addCharacters(std::set<char32_t> &characters, const QString &text)
{
    for (char32_t c : text.toUcs4()) {
        if (c > U' ')
            characters.insert(c);
    }
}

std::set<char32_t> gameCharacters()
{
    std::set<char32_t> characters;
    for (const Layout::Row &row : Layout::rows())
        addCharacters(characters, caption(row));
    for (const Ending &ending : allEndings()) {
        addCharacters(characters, playerText("Endings", ending.title));
        for (std::string_view box : ending.boxes)
            addCharacters(characters, playerText("Endings", box));
    }
    return characters;
}

} // namespace

QString missingFontWarning()
{
    // Qt draws a character the game's face lacks from a font fontconfig
    // offers for the script, so those count as well as the face itself.
    // They are only opened for a character the face lacks: each is a font
    // file read and mapped, and with the game's own face installed none is
    // needed.
    const QFontMetrics face(gothicFont(9));
    QList<QFontMetrics> fallbacks;
    bool fallbacksOpened = false;
    const auto drawable = [&](char32_t c) {
        if (face.inFontUcs4(c))
            return true;
        if (!std::exchange(fallbacksOpened, true)) {
            for (const QString &family : QFontDatabase::families(QFontDatabase::Japanese))
                fallbacks.append(QFontMetrics(QFont(family)));
        }
        return std::any_of(fallbacks.cbegin(), fallbacks.cend(),
                           [c](const QFontMetrics &font) { return font.inFontUcs4(c); });
    };

    QStringList missing;
    qsizetype count = 0;
    const std::set<char32_t> characters = gameCharacters();
    for (char32_t c : characters) {
        if (drawable(c))
            continue;
        ++count;
        if (missing.size() < 5)
            missing.append(QStringLiteral("U+%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0')).toUpper());
    }
    if (count == 0)
        return {};
    // In English even where the game speaks Japanese: a terminal without a
    // Japanese font could not show more.
    return QCoreApplication::translate("FontCheck",
                                       "velmora: no installed font can draw %1 of the %2 characters of the game's "
                                       "Japanese texts (%3%4), so they will show as empty boxes; install the Debian "
                                       "package fonts-ipafont-gothic (IPA P Gothic)")
            .arg(count)
            .arg(static_cast<qsizetype>(characters.size()))
            .arg(missing.join(QLatin1Char(' ')), count > missing.size() ? QStringLiteral(" ...") : QString());
}
