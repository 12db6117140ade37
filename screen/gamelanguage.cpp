// SPDX-License-Identifier: MIT
#include "gamelanguage.h"

#include <QCoreApplication>

#include <string>

GameLanguage::GameLanguage(const QStringList &uiLanguages)
{
    for (const QString &tag : uiLanguages) {
        // The C locale asks for the program's own texts.
        if (tag == QLatin1String("C") || tag == QLatin1String("POSIX"))
            return;
        const QLocale locale(tag);
        if (locale.language() == QLocale::Japanese)
            return;
        // A language Qt does not know is passed over, as gettext does.
        if (locale.language() != QLocale::C
            && m_translator.load(locale, QStringLiteral("velmora"), QStringLiteral("_"), QStringLiteral(":/i18n")))
            return;
    }
}

QString GameLanguage::code() const
{
    return m_translator.isEmpty() ? QStringLiteral("ja") : m_translator.language();
}

QString GameLanguage::translate(const char *context, const QString &source) const
{
    const QString translated = m_translator.translate(context, source.toUtf8().constData());
    return translated.isEmpty() ? source : translated;
}

void GameLanguage::install()
{
    if (!m_translator.isEmpty())
        QCoreApplication::installTranslator(&m_translator);
}

QString playerText(const char *context, std::string_view source)
{
    return QCoreApplication::translate(context, std::string(source).c_str());
}
