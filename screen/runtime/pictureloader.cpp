// SPDX-License-Identifier: MIT
#include "pictureloader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

// The loader's words, in the language the application speaks.
struct Words
{
    Q_DECLARE_TR_FUNCTIONS(PictureLoader)
};

constexpr qint64 FileHeaderSize = 14;
// The largest information header a bitmap has (BITMAPV5HEADER).
constexpr qint64 MaxInfoHeaderSize = 124;
// Pixels plus the biggest palette and header: anything larger is not ours.
constexpr qint64 MaxFileSize = MaxPicturePixels * 4 + 64 * 1024;

DecodedPicture failure(PictureFailure kind, const QString &path, const QString &reason)
{
    DecodedPicture result;
    result.failure = kind;
    result.error = Words::tr("画像を読み込めません: %1\n理由: %2").arg(path, reason);
    return result;
}

// The start of the file, zero-filled past its end so that every field can
// be read before it is judged.
struct HeadBytes
{
    std::array<char, FileHeaderSize + MaxInfoHeaderSize> bytes{};
    qint64 size = 0;

    quint16 u16(int at) const { return qFromLittleEndian<quint16>(bytes.data() + at); }
    quint32 u32(int at) const { return qFromLittleEndian<quint32>(bytes.data() + at); }
    qint32 i32(int at) const { return qFromLittleEndian<qint32>(bytes.data() + at); }
};

struct Header
{
    qint64 dataOffset = 0;
    qint64 width = 0;
    qint64 height = 0;
    bool topDown = false;
    int bitsPerPixel = 0;
    quint32 compression = 0;
    qint64 imageSize = 0;
};

// Rows of blue, green and red as they are, as the game's own pictures are.
bool isPlainRgb24(const Header &header)
{
    return header.bitsPerPixel == 24 && header.compression == 0;
}

qint64 rowBytes(const Header &header)
{
    return (header.width * header.bitsPerPixel + 31) / 32 * 4;
}

struct Fault
{
    PictureFailure kind = PictureFailure::None;
    QString reason;
};

Fault damaged(const QString &reason)
{
    return {PictureFailure::Damaged, reason};
}

// Reads the two headers of a bitmap; the caller has checked that the bytes
// begin with "BM" and hold at least the file header and the size field of
// the information header.
Fault checkHeader(const HeadBytes &head, qint64 fileSize, Header &header)
{
    const quint32 declaredSize = head.u32(2);
    header.dataOffset = head.u32(10);
    const quint32 infoSize = head.u32(14);
    const bool core = infoSize == 12;
    if (!core && infoSize != 40 && infoSize != 52 && infoSize != 56 && infoSize != 64
            && infoSize != 108 && infoSize != 124)
        return damaged(Words::tr("ビットマップのヘッダーが壊れています（情報ヘッダーの長さ %1）")
                               .arg(infoSize));
    if (head.size < FileHeaderSize + qint64(infoSize))
        return damaged(Words::tr("ファイルが途中で切れています（ヘッダーが不完全です）"));

    int planes;
    if (core) {
        header.width = head.u16(18);
        header.height = head.u16(20);
        planes = head.u16(22);
        header.bitsPerPixel = head.u16(24);
    } else {
        header.width = head.i32(18);
        header.height = std::llabs(head.i32(22));
        header.topDown = head.i32(22) < 0;
        planes = head.u16(26);
        header.bitsPerPixel = head.u16(28);
        header.compression = head.u32(30);
        header.imageSize = head.u32(34);
    }
    if (header.width <= 0 || header.height <= 0 || planes != 1)
        return damaged(Words::tr("ビットマップのヘッダーが壊れています（大きさ %1 × %2）")
                .arg(header.width).arg(header.height));
    if (header.width > MaxPictureSide || header.height > MaxPictureSide
            || header.width * header.height > MaxPicturePixels)
        return {PictureFailure::TooLarge,
                Words::tr("画像が大きすぎます（ヘッダーでは %1 × %2 ピクセル）")
                        .arg(header.width).arg(header.height)};
    switch (header.bitsPerPixel) {
    case 1: case 4: case 8: case 16: case 24: case 32:
        break;
    default:
        return damaged(Words::tr("ビットマップのヘッダーが壊れています（色深度 %1 ビット）")
                               .arg(header.bitsPerPixel));
    }
    // 0: uncompressed, 1 and 2: run-length, 3 and 6: bit fields. JPEG or
    // PNG inside a bitmap is something Qt's reader does not decode.
    const quint32 c = header.compression;
    if (c != 0 && c != 1 && c != 2 && c != 3 && c != 6)
        return damaged(Words::tr("対応していない圧縮形式のビットマップです（方式 %1）").arg(c));

    // Qt fills a body that ends early with black without complaint, so the
    // size is checked here: first against the header's own file size...
    if (declaredSize > fileSize)
        return damaged(Words::tr("ファイルが途中で切れています（ヘッダーでは %1 バイト、"
                                      "実際は %2 バイト）").arg(declaredSize).arg(fileSize));
    if (header.dataOffset < FileHeaderSize + qint64(infoSize) || header.dataOffset >= fileSize)
        return damaged(Words::tr("ファイルが途中で切れています（画素データがありません）"));
    // ...then against what the pixels need.
    qint64 needed = header.imageSize;
    if (c == 0 || c == 3 || c == 6)
        needed = rowBytes(header) * header.height;
    if (header.dataOffset + needed > fileSize)
        return damaged(Words::tr("ファイルが途中で切れています（画素データに %1 バイト必要で、"
                                      "%2 バイトしかありません）")
                               .arg(needed).arg(fileSize - header.dataOffset));
    return {};
}

// The pixels of a checked 24-bit bitmap without compression, as the game's
// own pictures are: rows of blue, green, red, padded to four bytes, from
// the bottom up unless the header says otherwise. They are read whole rows
// at a time, up to 16 KB, straight from the file into one small buffer
// that stays in the cache, and from there into the picture: the file is
// never held whole, and the buffer is no larger than QFile's own would be.
class Rgb24Rows
{
public:
    Rgb24Rows(QFile &file, const Header &header)
        : m_file(file)
        , m_header(header)
        , m_rowBytes(::rowBytes(header))
        , m_rows(m_rowBytes * std::max<qint64>(2, ChunkBytes / m_rowBytes / 2 * 2), Qt::Uninitialized)
    {
        m_file.seek(header.dataOffset);
    }

    // The next count rows of the file (one or two), one after the other,
    // or null where the file ends first. row() is then the image row the
    // first belongs to, from the top; the second (if any) lies at row() + 1
    // on screen when the file runs from the top down, at row() - 1
    // otherwise. Every read of a picture takes as many rows as the one
    // before, and the buffer holds an even number of rows, so each chunk is
    // used up to its end before the next is read.
    const uchar *read(int count)
    {
        m_row = m_header.topDown ? m_read : int(m_header.height) - 1 - m_read;
        const qint64 rowsLeft = m_header.height - m_read;
        m_read += count;
        const qint64 bytes = m_rowBytes * count;
        if (m_next + bytes > m_held) {
            m_held = m_file.read(m_rows.data(), std::min<qint64>(m_rows.size(), m_rowBytes * rowsLeft));
            m_next = 0;
        }
        const qint64 at = m_next;
        m_next += bytes;
        return m_next <= m_held ? reinterpret_cast<const uchar *>(m_rows.constData()) + at : nullptr;
    }
    int row() const { return m_row; }
    qint64 rowBytes() const { return m_rowBytes; }

private:
    static constexpr qint64 ChunkBytes = 16 * 1024;

    QFile &m_file;
    const Header &m_header;
    const qint64 m_rowBytes;
    QByteArray m_rows;
    qint64 m_held = 0; // bytes of rows in the buffer
    qint64 m_next = 0; // where the next rows begin in it
    int m_read = 0;
    int m_row = 0;
};

QImage decodeRgb24(Rgb24Rows &rows, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int i = 0; i < size.height(); ++i) {
        const uchar *in = rows.read(1);
        if (!in)
            return {};
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(rows.row()));
        for (int x = 0; x < size.width(); ++x, in += 3)
            out[x] = qRgb(in[2], in[1], in[0]);
    }
    return image;
}

// Each pixel the mean of a square of four: the smooth scaling to half the
// size, made from the file's rows as they are read, so that the full
// picture is never decoded. The game's art is drawn for twice the laid-out
// window.
QImage decodeRgb24Halved(Rgb24Rows &rows, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int i = 0; i < size.height(); ++i) {
        const uchar *a = rows.read(2);
        if (!a)
            return {};
        const uchar *b = a + rows.rowBytes();
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(rows.row() / 2));
        for (int x = 0; x < size.width(); ++x, a += 6, b += 6) {
            const auto mean = [&](int c) { return (a[c] + a[c + 3] + b[c] + b[c + 3] + 2) / 4; };
            out[x] = qRgb(mean(2), mean(1), mean(0));
        }
    }
    return image;
}

QImage decode(QFile &file, const Header &header, QSize atMost, QString &error)
{
    const QSize full(int(header.width), int(header.height));
    const bool smaller = !atMost.isEmpty() && atMost != full && atMost.width() <= full.width()
            && atMost.height() <= full.height();
    QImage image;
    if (isPlainRgb24(header)) {
        Rgb24Rows rows(file, header);
        const bool halved = smaller && atMost * 2 == full;
        image = halved ? decodeRgb24Halved(rows, atMost) : decodeRgb24(rows, full);
        if (image.isNull()) {
            error = file.errorString();
            return {};
        }
        if (halved)
            return image;
    } else {
        file.seek(0);
        QImageReader reader(&file, "bmp");
        reader.setAutoDetectImageFormat(false);
        if (!reader.read(&image) || image.isNull()) {
            error = reader.errorString();
            return {};
        }
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    }
    return smaller ? image.scaled(atMost, Qt::IgnoreAspectRatio, Qt::SmoothTransformation) : image;
}

// Everything known of a picture before its pixels: on success the file is
// open and its header read, and the result holds its size and stamp.
DecodedPicture openPicture(const QString &path, QFile &file, Header &header)
{
    if (path.isEmpty() || QDir::isRelativePath(path))
        return failure(PictureFailure::NotFullPath, path,
                       Words::tr("フルパスではありません"));
    const QFileInfo info(path);
    if (!info.exists())
        return failure(PictureFailure::Missing, path, Words::tr("ファイルが見つかりません"));
    if (info.isDir())
        return failure(PictureFailure::NotAFile, path,
                       Words::tr("ファイルではなくフォルダーです"));
    // A pipe or a device could block the game forever or never end.
    if (!info.isFile())
        return failure(PictureFailure::NotAFile, path,
                       Words::tr("通常のファイルではありません"));

    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        const QString why = file.error() == QFileDevice::PermissionsError
                ? Words::tr("読み取りの権限がありません")
                : Words::tr("ファイルを開けません（%1）").arg(file.errorString());
        return failure(PictureFailure::Unreadable, path, why);
    }
    const qint64 fileSize = file.size();
    if (fileSize == 0)
        return failure(PictureFailure::Empty, path, Words::tr("ファイルが空です"));

    HeadBytes head;
    head.size = file.read(head.bytes.data(), qint64(head.bytes.size()));
    if (head.size <= 0)
        return failure(PictureFailure::Unreadable, path,
                       Words::tr("読み取りに失敗しました（%1）").arg(file.errorString()));
    if (head.size < 2 || head.bytes[0] != 'B' || head.bytes[1] != 'M')
        return failure(PictureFailure::NotABitmap, path,
                       Words::tr("ビットマップ（BMP）ファイルではありません"));
    if (head.size < FileHeaderSize + 4)
        return failure(PictureFailure::Damaged, path,
                       Words::tr("ファイルが途中で切れています（ヘッダーが不完全です）"));

    const Fault fault = checkHeader(head, fileSize, header);
    if (fault.kind != PictureFailure::None)
        return failure(fault.kind, path, fault.reason);
    if (fileSize > MaxFileSize)
        return failure(PictureFailure::TooLarge, path,
                       Words::tr("ファイルが大きすぎます（%1 バイト）").arg(fileSize));

    DecodedPicture result;
    result.fullSize = QSize(int(header.width), int(header.height));
    result.stamp = {fileSize, info.lastModified(), info.metadataChangeTime()};
    return result;
}

// The picture opened by openPicture(), decoded.
DecodedPicture withPixels(DecodedPicture opened, const QString &path, QFile &file, const Header &header,
                          QSize atMost)
{
    QString why;
    opened.pixels = decode(file, header, atMost, why);
    if (opened.pixels.isNull())
        return failure(PictureFailure::Damaged, path, Words::tr("ビットマップが壊れています（%1）").arg(why));
    return opened;
}

} // namespace

PictureResult loadPicture(const QString &path)
{
    DecodedPicture decoded = decodePicture(path);
    PictureResult result;
    result.failure = decoded.failure;
    result.error = decoded.error;
    if (decoded.ok())
        result.picture = QPixmap::fromImage(std::move(decoded.pixels));
    return result;
}

DecodedPicture decodePicture(const QString &path, QSize atMost)
{
    QFile file;
    Header header;
    DecodedPicture result = openPicture(path, file, header);
    return result.ok() ? withPixels(std::move(result), path, file, header, atMost) : result;
}

DecodedPicture checkPicture(const QString &path)
{
    QFile file;
    Header header;
    DecodedPicture result = openPicture(path, file, header);
    // Once the header agrees with the file's size, no bytes can be wrong
    // pixels of a plain 24-bit bitmap; any other kind is only known to be
    // sound once decoded.
    if (!result.ok() || isPlainRgb24(header))
        return result;
    return withPixels(std::move(result), path, file, header, {});
}
