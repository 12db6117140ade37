// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

// Loads the game's pictures: Windows bitmaps (BMP) named by a full path.
// Nothing is trusted before it is checked: the file must be a regular file
// that can be read, its header must describe a bitmap of a sane size that
// the file really holds in full, and Qt's reader must decode it without an
// error. Any failure comes back as a reason and a message for the player
// that names the full path, in the language the application speaks; the
// caller decides whether it is fatal.
enum class PictureFailure {
    None,
    NotFullPath,  // a relative path would depend on the working directory
    Missing,
    NotAFile,     // a folder, a device, a pipe...
    Unreadable,   // no permission, or reading failed
    Empty,
    NotABitmap,   // another format, or no picture at all
    Damaged,      // a bitmap with a broken or truncated body
    TooLarge,     // a header claiming a size no game picture has
};

struct PictureResult
{
    QPixmap picture;
    PictureFailure failure = PictureFailure::None;
    QString error;

    bool ok() const { return failure == PictureFailure::None; }
};

PictureResult loadPicture(const QString &path);

// What a picture file was when it was read: the same file, untouched since,
// has the same stamp; one rewritten or put in its place has another.
struct PictureStamp
{
    qint64 bytes = -1;
    QDateTime modified;
    QDateTime changed;

    bool operator==(const PictureStamp &) const = default;
};

struct DecodedPicture
{
    QImage pixels;
    QSize fullSize; // the picture's own size, whatever size the pixels have
    PictureStamp stamp;
    PictureFailure failure = PictureFailure::None;
    QString error;

    bool ok() const { return failure == PictureFailure::None; }
};

// Reads and checks a picture file exactly as loadPicture() does. Given a
// size smaller than the picture's own, the pixels come back smoothly scaled
// down to it, without the full picture ever being held; otherwise at the
// picture's own size. Opaque pixels come in the 32-bit format a screen
// takes as it is.
DecodedPicture decodePicture(const QString &path, QSize atMost = {});

// Checks a picture file as decodePicture() does, and no further than that
// takes: an uncompressed 24-bit bitmap, as the game's own pictures are,
// comes back with its size and stamp but no pixels, since none of its bytes
// can be wrong once its header agrees with the file; any other is decoded.
DecodedPicture checkPicture(const QString &path);

// The largest side and pixel count accepted: far beyond any game picture,
// small enough that decoding never allocates more than about 128 MB.
inline constexpr qint64 MaxPictureSide = 16384;
inline constexpr qint64 MaxPicturePixels = 32LL * 1024 * 1024;
