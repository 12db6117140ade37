// SPDX-License-Identifier: MIT
#include "picture.h"
#include "pictureloader.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A 6 × 4 bitmap, red on the left half and blue on the right, as Qt writes it.
QByteArray goodBitmap()
{
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 3; ++x)
            image.setPixelColor(x, y, Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

QByteArray pngBytes()
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::green);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray withUint32(QByteArray bytes, int at, quint32 value)
{
    qToLittleEndian<quint32>(value, bytes.data() + at);
    return bytes;
}

QString write(const QDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
}

class PictureFiles : public ::testing::Test
{
protected:
    QTemporaryDir tempDir;
    QDir dir{tempDir.path()};
};

TEST_F(PictureFiles, AGoodBitmapLoadsWithItsPixels)
{
    const PictureResult result = loadPicture(write(dir, QStringLiteral("0.bmp"), goodBitmap()));
    ASSERT_TRUE(result.ok()) << qPrintable(result.error);
    EXPECT_TRUE(result.error.isEmpty());
    const QImage image = result.picture.toImage();
    ASSERT_EQ(image.size(), QSize(6, 4));
    EXPECT_EQ(image.pixelColor(0, 3), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(5, 0), QColor(Qt::blue));
}

// Columns of one pixel, red and blue by turns, as a 24-bit bitmap: detail
// that any copy made from fewer pixels blurs into purple.
QByteArray stripes(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int x = 0; x < size.width(); ++x)
        for (int y = 0; y < size.height(); ++y)
            image.setPixelColor(x, y, x % 2 ? QColor(Qt::blue) : QColor(Qt::red));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// The art is drawn for twice the laid-out size: at the laid-out size each
// pixel is the mean of the square of four it stands for.
TEST_F(PictureFiles, AtHalfItsSizeEachPixelIsTheMeanOfItsSquareOfFour)
{
    const DecodedPicture half = decodePicture(write(dir, QStringLiteral("0.bmp"), stripes(QSize(8, 6))), QSize(4, 3));
    ASSERT_TRUE(half.ok()) << qPrintable(half.error);
    EXPECT_EQ(half.fullSize, QSize(8, 6));
    ASSERT_EQ(half.pixels.size(), QSize(4, 3));
    EXPECT_EQ(half.pixels.pixel(3, 2), qRgb(128, 0, 128));
}

// A picture too large to be read in one go, every row and column its own
// colour: read whole it is the picture saved, read at half its size each
// pixel is still the mean of its own square of four.
TEST_F(PictureFiles, APictureReadInPiecesKeepsEveryRowInItsPlace)
{
    QImage saved(600, 250, QImage::Format_RGB32);
    for (int y = 0; y < saved.height(); ++y)
        for (int x = 0; x < saved.width(); ++x)
            saved.setPixel(x, y, qRgb(x % 256, y, (x + 3 * y) % 256));
    const QString path = dir.filePath(QStringLiteral("large.bmp"));
    ASSERT_TRUE(saved.save(path, "BMP"));

    EXPECT_EQ(decodePicture(path).pixels, saved);
    const QImage half = decodePicture(path, QSize(300, 125)).pixels;
    ASSERT_EQ(half.size(), QSize(300, 125));
    int wrong = 0;
    for (int y = 0; y < half.height(); ++y) {
        for (int x = 0; x < half.width(); ++x) {
            const auto mean = [&](int shift) {
                const auto channel = [&](int dx, int dy) { return saved.pixel(2 * x + dx, 2 * y + dy) >> shift & 0xff; };
                return (channel(0, 0) + channel(1, 0) + channel(0, 1) + channel(1, 1) + 2) / 4;
            };
            wrong += half.pixel(x, y) != qRgb(mean(16), mean(8), mean(0));
        }
    }
    EXPECT_EQ(wrong, 0);
}

// A picture read for the laid-out size and shown at twice it later is drawn
// from every pixel of its file, read again; a file changed since then is
// not: the screen keeps showing the picture the game started with.
TEST_F(PictureFiles, APictureShownLargerLaterIsDrawnFromItsFileOnlyWhileTheFileIsUnchanged)
{
    const QString path = write(dir, QStringLiteral("1.bmp"), stripes(QSize(8, 6)));
    QString error;
    const Picture picture = Picture::load(path, QSize(4, 3), error);
    ASSERT_FALSE(picture.isNull()) << qPrintable(error);
    const QImage large = picture.scaledTo(QSize(8, 6)).toImage();
    EXPECT_EQ(large.pixel(4, 1), qRgb(255, 0, 0));
    EXPECT_EQ(large.pixel(5, 1), qRgb(0, 0, 255));

    const Picture again = Picture::load(path, QSize(4, 3), error);
    write(dir, QStringLiteral("1.bmp"), goodBitmap());
    EXPECT_EQ(again.scaledTo(QSize(8, 6)).toImage().pixel(4, 1), qRgb(128, 0, 128));
}

// Read side by side, the pictures still come back in the order asked, each
// at its own size, and of several bad files the first in that order is the
// one the player hears of, whichever thread read it first.
TEST_F(PictureFiles, PicturesReadTogetherKeepTheirOrderAndNameTheFirstBadFile)
{
    std::vector<Picture::File> files;
    for (int i = 0; i < 8; ++i) {
        const QSize shownAt = i % 2 ? QSize(8, 6) : QSize(4, 3);
        files.push_back({write(dir, QStringLiteral("%1.bmp").arg(i), stripes(QSize(8, 6))), shownAt});
    }
    QString error;
    const std::vector<Picture> pictures = Picture::loadAll(files, error);
    ASSERT_EQ(pictures.size(), files.size()) << qPrintable(error);
    for (std::size_t i = 0; i < files.size(); ++i)
        EXPECT_EQ(pictures[i].scaledTo(files[i].shownAt).size(), files[i].shownAt);

    files[5].path = write(dir, QStringLiteral("5.bmp"), pngBytes());
    files[2].path = dir.filePath(QStringLiteral("missing.bmp"));
    EXPECT_TRUE(Picture::loadAll(files, error).empty());
    EXPECT_TRUE(error.contains(files[2].path)) << qPrintable(error);
}

struct BadFile
{
    const char *name;
    // Makes the file in the folder and returns its path.
    std::function<QString(const QDir &)> make;
    PictureFailure failure;
};

void PrintTo(const BadFile &f, std::ostream *os)
{
    *os << f.name;
}

class BadPicture : public PictureFiles, public ::testing::WithParamInterface<BadFile>
{
};

TEST_P(BadPicture, IsRefusedWithItsReasonAndFullPath)
{
    const QString path = GetParam().make(dir);
    const PictureResult result = loadPicture(path);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.failure, GetParam().failure);
    EXPECT_TRUE(result.picture.isNull());
    EXPECT_TRUE(result.error.contains(path)) << qPrintable(result.error);
    EXPECT_TRUE(result.error.contains(QStringLiteral("理由"))) << qPrintable(result.error);
    // The check that stands in for reading at start-up refuses it as well.
    EXPECT_EQ(checkPicture(path).failure, GetParam().failure);
}

const BadFile BadFiles[] = {
    {"Missing", [](const QDir &d) { return d.filePath("stt.bmp"); },
     PictureFailure::Missing},
    {"RelativePath", [](const QDir &d) { write(d, "0.bmp", goodBitmap()); return QString("0.bmp"); },
     PictureFailure::NotFullPath},
    {"Folder", [](const QDir &d) { d.mkdir("1.bmp"); return d.filePath("1.bmp"); },
     PictureFailure::NotAFile},
    {"Pipe", [](const QDir &d) {
         const QString path = d.filePath("2.bmp");
         mkfifo(QFile::encodeName(path).constData(), 0600);
         return path; },
     PictureFailure::NotAFile},
    {"Empty", [](const QDir &d) { return write(d, "00.bmp", {}); },
     PictureFailure::Empty},
    {"Garbage", [](const QDir &d) { return write(d, "01.bmp", QByteArray(300, 'x')); },
     PictureFailure::NotABitmap},
    {"PngRenamed", [](const QDir &d) { return write(d, "02.bmp", pngBytes()); },
     PictureFailure::NotABitmap},
    {"OnlyTheSignature", [](const QDir &d) { return write(d, "10.bmp", "BM"); },
     PictureFailure::Damaged},
    {"CutShort", [](const QDir &d) { return write(d, "11.bmp", goodBitmap().chopped(20)); },
     PictureFailure::Damaged},
    // The file header agrees with the shortened file; the pixels still miss.
    {"CutShortWithFixedHeader", [](const QDir &d) {
         const QByteArray cut = goodBitmap().chopped(20);
         return write(d, "12.bmp", withUint32(cut, 2, quint32(cut.size()))); },
     PictureFailure::Damaged},
    {"UnknownHeaderSize", [](const QDir &d) { return write(d, "20.bmp", withUint32(goodBitmap(), 14, 99)); },
     PictureFailure::Damaged},
    {"AbsurdSize", [](const QDir &d) {
         const QByteArray huge = withUint32(withUint32(goodBitmap(), 18, 100000), 22, 100000);
         return write(d, "21.bmp", huge); },
     PictureFailure::TooLarge},
};

INSTANTIATE_TEST_SUITE_P(Files, BadPicture, ::testing::ValuesIn(BadFiles));

TEST_F(PictureFiles, AFileWithoutReadPermissionIsUnreadable)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    const QString path = write(dir, QStringLiteral("22.bmp"), goodBitmap());
    chmod(QFile::encodeName(path).constData(), 0);
    const PictureResult result = loadPicture(path);
    EXPECT_EQ(result.failure, PictureFailure::Unreadable);
    EXPECT_TRUE(result.error.contains(path));
}

} // namespace
