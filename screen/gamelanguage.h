// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <string_view>

// The language the game speaks to the player. Every text is written in the
// game's own language, Japanese, and marked for translation where it is
// kept; the translations built into the game turn them into another
// language. main() makes one GameLanguage from the desktop's languages
// first thing, before a word is said, and installs it once the
// QApplication exists: from then on QCoreApplication::translate() speaks it
// all over the game. Before that, translate() here says a text in it.
class GameLanguage
{
public:
    // The languages the player reads, best first, as Qt reads them from
    // LANGUAGE, LC_ALL, LC_MESSAGES and LANG. The first that is Japanese, or
    // that the game has a translation for, is spoken; the C locale, or no
    // language the game knows, leaves it Japanese, text for text.
    explicit GameLanguage(const QStringList &uiLanguages = QLocale::system().uiLanguages());

    // The language spoken, as its ISO 639 code: "ja" untranslated.
    QString code() const;
    QString translate(const char *context, const QString &source) const;
    void install();

private:
    QTranslator m_translator;
};

// A text the rules keep, marked with PLAYER_TEXT, in the language the
// application speaks.
QString playerText(const char *context, std::string_view source);
