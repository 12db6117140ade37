// svg2bmp: renders one of the game's SVG pictures to the BMP the game reads.
//
//   svg2bmp <assets-dir> <source.svg> <output.bmp> <width>x<height>
//
// Parts borrowed from other SVG files in <assets-dir> are inlined first;
// nothing outside that folder is read. Any warning from the SVG renderer is
// an error, so a picture never silently loses a part the artist drew. The
// output is written whole or not at all.
#include "bmprenderer.h"
#include "rendererwarnings.h"
#include "svginliner.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QSaveFile>

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
    collectRendererWarnings();
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() != 5)
        return refuse(QStringLiteral("usage: svg2bmp <assets-dir> <source.svg> <output.bmp> <width>x<height>"));

    static const QRegularExpression sizePattern(QStringLiteral(R"(^(\d{1,5})x(\d{1,5})$)"));
    const QRegularExpressionMatch sizeMatch = sizePattern.match(args[4]);
    if (!sizeMatch.hasMatch())
        return refuse(QStringLiteral("\"%1\" is not a size such as 530x530").arg(args[4]));
    const QSize size(sizeMatch.captured(1).toInt(), sizeMatch.captured(2).toInt());

    SvgInliner inliner(args[1]);
    if (!inliner.inlineFile(args[2]))
        return refuse(inliner.errorString());

    QString error;
    const QByteArray bmp = renderToBmp(inliner.document(), size, &error);
    if (bmp.isEmpty())
        return refuse(QStringLiteral("%1: %2").arg(args[2], error));
    if (!rendererWarnings().isEmpty())
        return refuse(QStringLiteral("%1: %2").arg(args[2], rendererWarnings().join(QLatin1String("; "))));

    QSaveFile out(args[3]);
    if (!out.open(QIODevice::WriteOnly) || out.write(bmp) != bmp.size() || !out.commit())
        return refuse(QStringLiteral("cannot write %1: %2").arg(args[3], out.errorString()));
    return 0;
}
