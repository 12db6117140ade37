// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
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

// The largest side and pixel count accepted: far beyond any game picture,
// small enough that decoding never allocates more than about 128 MB.
inline constexpr qint64 MaxPictureSide = 16384;
inline constexpr qint64 MaxPicturePixels = 32LL * 1024 * 1024;
