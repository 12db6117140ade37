// SPDX-License-Identifier: MIT
#include "gamefiles.h"

#include "wavefile.h"

#include <QFile>
#include <QImage>

#include <cmath>

GameFiles::GameFiles(int musicMilliseconds)
{
    for (const QString &name : pictureNames())
        writePicture(name);
    writeTone(QStringLiteral("0.wav"), musicMilliseconds);
    for (const char *name : {"1.wav", "2.wav", "3.wav"})
        writeTone(QString::fromLatin1(name), 300);
}

QString GameFiles::dir() const
{
    return m_dir.path() + QLatin1Char('/');
}

QString GameFiles::path(const QString &name) const
{
    return dir() + name;
}

void GameFiles::remove(const QString &name)
{
    QFile::remove(path(name));
}

const QStringList &GameFiles::pictureNames()
{
    static const QStringList names = {
        "stt.bmp", "0.bmp",  "1.bmp",  "2.bmp",    "00.bmp",   "01.bmp",   "02.bmp",
        "10.bmp",  "11.bmp", "12.bmp", "20.bmp",   "21.bmp",   "22.bmp",   "end0.bmp",
        "end02.bmp", "end1.bmp", "end2.bmp", "end22.bmp", "end.bmp",
    };
    return names;
}

QColor GameFiles::colourOf(const QString &pictureName)
{
    // Spread the pictures round the hue circle: neighbours differ by far more
    // than any smoothing of a stretched picture could blur.
    const int index = pictureNames().indexOf(pictureName);
    return QColor::fromHsv(index * 360 / pictureNames().size(), 255, 255);
}

void GameFiles::writePicture(const QString &name)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(colourOf(name));
    image.save(path(name), "BMP");
}

void GameFiles::writeTone(const QString &name, int milliseconds)
{
    // 8 kHz mono 16-bit: small files, and the length is exact to the sample.
    const WaveFormat format{8000, 1, 16};
    const auto frames = static_cast<std::size_t>(format.rate * milliseconds / 1000);
    const auto tone = [&](int frame, int) {
        return static_cast<std::int16_t>(8000 * std::sin(frame * 2 * M_PI * 440 / format.rate));
    };
    writeFile(path(name).toStdString(), waveBytes(format, frames, tone));
}
