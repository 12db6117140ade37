// SPDX-License-Identifier: MIT
// svg2bmp: renders one of the game's SVG pictures to the file the game, or
// the desktop, reads.
//
//   svg2bmp [--language=<code>] <assets-dir> <source.svg> <output.bmp> <width>x<height>
//   svg2bmp [--language=<code>] <assets-dir> <source.svg> <output.png> <width>x<height>
//   svg2bmp <assets-dir> <source.svg> <output.svg>
//
// A picture with words in it keeps them in a <switch>, one branch a language
// (systemLanguage="en") and the game's own Japanese last, for all others:
// --language draws the branch of that language, and without it the picture
// comes out in Japanese, whatever the locale of the machine that builds it.
// A BMP is opaque, as the game shows its pictures; a PNG keeps the drawing's
// transparency, as an icon needs; an SVG is the source made self-contained,
// for the icon theme's scalable folder. Parts borrowed from other SVG files
// in <assets-dir> are inlined first; nothing outside that folder is read. Any
// warning from the SVG renderer is an error, so a picture never silently
// loses a part the artist drew. The output is written whole or not at all.
#include "bmprenderer.h"
#include "rendererwarnings.h"
#include "svginliner.h"

#include <QGuiApplication>
#include <QHashFunctions>
#include <QLocale>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>

namespace {

int refuse(const QString &message)
{
    std::fprintf(stderr, "svg2bmp: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    // A build tool needs no display, and fonts need a GUI application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The inliner's DOM keeps attributes in a hash: with Qt's per-run seed,
    // the scalable icon would come out in another attribute order each build.
    QHashSeed::setDeterministicGlobalSeed();
    collectRendererWarnings();
    QGuiApplication app(argc, argv);

    QStringList args = app.arguments();
    const QString languageOption = QStringLiteral("--language=");
    const QString language = args.value(1).startsWith(languageOption) ? args.takeAt(1).mid(languageOption.size())
                                                                      : QString();
    // The renderer picks a <switch> branch by the default locale's language.
    QLocale::setDefault(language.isEmpty() ? QLocale::c() : QLocale(language));
    const QString output = args.value(3);
    const bool scalable = args.size() == 4 && output.endsWith(QLatin1String(".svg"));
    const bool png = output.endsWith(QLatin1String(".png"));
    const bool raster = args.size() == 5 && (png || output.endsWith(QLatin1String(".bmp")));
    if (!scalable && !raster)
        return refuse(QStringLiteral("usage: svg2bmp [--language=<code>] <assets-dir> <source.svg> "
                                     "<output.bmp|output.png> <width>x<height>\n"
                                     "       svg2bmp <assets-dir> <source.svg> <output.svg>"));

    SvgInliner inliner(args[1]);
    if (!inliner.inlineFile(args[2]))
        return refuse(inliner.errorString());

    QByteArray bytes = inliner.document();
    QString error;
    if (raster) {
        static const QRegularExpression sizePattern(QStringLiteral(R"(^(\d{1,5})x(\d{1,5})$)"));
        const QRegularExpressionMatch sizeMatch = sizePattern.match(args[4]);
        if (!sizeMatch.hasMatch())
            return refuse(QStringLiteral("\"%1\" is not a size such as 530x530").arg(args[4]));
        const QSize size(sizeMatch.captured(1).toInt(), sizeMatch.captured(2).toInt());
        bytes = png ? renderToPng(bytes, size, &error) : renderToBmp(bytes, size, &error);
    } else if (!QSvgRenderer(bytes).isValid()) {
        bytes.clear();
        error = QStringLiteral("the SVG document cannot be drawn");
    }
    if (bytes.isEmpty())
        return refuse(QStringLiteral("%1: %2").arg(args[2], error));
    if (!rendererWarnings().isEmpty())
        return refuse(QStringLiteral("%1: %2").arg(args[2], rendererWarnings().join(QLatin1String("; "))));

    QSaveFile out(output);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        return refuse(QStringLiteral("cannot write %1: %2").arg(output, out.errorString()));
    return 0;
}
