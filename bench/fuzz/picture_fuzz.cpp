// SPDX-License-Identifier: MIT
// Fuzz target for the picture loader. Each input is written to a file and
// loaded by loadPicture() at its own size, and, where it loads, read again
// at half its size as start-up reads the game's art for the laid-out
// window, under Qt's offscreen platform. A refusal is an expected answer; a crash, a
// sanitizer report or an allocation over libFuzzer's -malloc_limit_mb is
// a finding, and so is a picture loaded while a reason was given, or a
// failure without one.
#include "pictureloader.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

struct Loader
{
    Loader()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "fuzz_picture";
        static char *argv[] = {name, nullptr};
        app = new QGuiApplication(argc, argv);
        file = directory.filePath(QStringLiteral("stt.bmp"));
    }

    QGuiApplication *app = nullptr;
    QTemporaryDir directory;
    QString file;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static Loader fixture;
    QFile out(fixture.file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    out.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    out.close();
    const PictureResult result = loadPicture(fixture.file);
    if (result.ok() != result.error.isEmpty() || result.ok() == result.picture.isNull())
        std::abort();
    const QSize full = result.picture.size();
    if (result.ok() && full.width() % 2 == 0 && full.height() % 2 == 0) {
        const DecodedPicture half = decodePicture(fixture.file, full / 2);
        if (!half.ok() || half.pixels.size() != full / 2)
            std::abort();
    }
    return 0;
}
