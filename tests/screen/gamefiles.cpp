#include "gamefiles.h"

#include <QFile>
#include <QImage>
#include <QtEndian>

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
    const quint32 rate = 8000;
    const quint32 frames = rate * static_cast<quint32>(milliseconds) / 1000;
    QByteArray data(static_cast<qsizetype>(frames * 2), '\0');
    for (quint32 i = 0; i < frames; ++i) {
        const auto sample = static_cast<qint16>(8000 * std::sin(i * 2 * M_PI * 440 / rate));
        qToLittleEndian(sample, data.data() + i * 2);
    }
    QByteArray header(44, '\0');
    char *h = header.data();
    memcpy(h, "RIFF", 4);
    qToLittleEndian<quint32>(36 + data.size(), h + 4);
    memcpy(h + 8, "WAVEfmt ", 8);
    qToLittleEndian<quint32>(16, h + 16);
    qToLittleEndian<quint16>(1, h + 20); // PCM
    qToLittleEndian<quint16>(1, h + 22); // mono
    qToLittleEndian<quint32>(rate, h + 24);
    qToLittleEndian<quint32>(rate * 2, h + 28);
    qToLittleEndian<quint16>(2, h + 32);
    qToLittleEndian<quint16>(16, h + 34);
    memcpy(h + 36, "data", 4);
    qToLittleEndian<quint32>(data.size(), h + 40);
    QFile file(path(name));
    file.open(QIODevice::WriteOnly);
    file.write(header + data);
}
