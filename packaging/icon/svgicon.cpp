// svgicon: turns the icon's SVG source into the files a desktop shows.
//
//   svgicon <assets-dir> <source.svg> <output.svg>
//   svgicon <assets-dir> <source.svg> <output.png> <size>
//
// The first form writes the self-contained scalable icon, the second a
// square PNG of <size> pixels with a transparent background. Parts borrowed
// from the game's shared pictures are inlined the way svg2bmp does it, and
// nothing outside <assets-dir> is read. Any warning from the SVG renderer is
// an error, and an output is written whole or not at all.
#include "bmprenderer.h"
#include "rendererwarnings.h"
#include "svginliner.h"

#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>

namespace {

// hicolor goes up to 512; anything beyond is a typo, not an icon.
constexpr int MaxSize = 1024;

int refuse(const QString &message)
{
    std::fprintf(stderr, "svgicon: %s\n", qPrintable(message));
    return 1;
}

QByteArray renderPng(const QByteArray &svg, int size, QString *error)
{
    return renderSvg(svg, QSize(size, size), QImage::Format_ARGB32_Premultiplied, Qt::transparent, "png", error);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    collectRendererWarnings();
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    const bool scalable = args.size() == 4 && args[3].endsWith(QLatin1String(".svg"));
    const bool raster = args.size() == 5 && args[3].endsWith(QLatin1String(".png"));
    if (!scalable && !raster)
        return refuse(QStringLiteral("usage: svgicon <assets-dir> <source.svg> <output.svg>\n"
                                     "       svgicon <assets-dir> <source.svg> <output.png> <size>"));

    SvgInliner inliner(args[1]);
    if (!inliner.inlineFile(args[2]))
        return refuse(inliner.errorString());

    QByteArray output = inliner.document();
    if (raster) {
        bool isNumber = false;
        const int size = args[4].toInt(&isNumber);
        if (!isNumber || size < 1 || size > MaxSize)
            return refuse(QStringLiteral("\"%1\" is not an icon size from 1 to %2").arg(args[4]).arg(MaxSize));
        QString error;
        output = renderPng(output, size, &error);
        if (output.isEmpty())
            return refuse(QStringLiteral("%1: %2").arg(args[2], error));
    } else if (!QSvgRenderer(output).isValid()) {
        return refuse(QStringLiteral("%1: the SVG document cannot be drawn").arg(args[2]));
    }
    if (!rendererWarnings().isEmpty())
        return refuse(QStringLiteral("%1: %2").arg(args[2], rendererWarnings().join(QLatin1String("; "))));

    QSaveFile out(args[3]);
    if (!out.open(QIODevice::WriteOnly) || out.write(output) != output.size() || !out.commit())
        return refuse(QStringLiteral("cannot write %1: %2").arg(args[3], out.errorString()));
    return 0;
}
