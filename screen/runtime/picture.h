// SPDX-License-Identifier: MIT
#pragma once

#include "pictureloader.h"

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <memory>
#include <vector>

// A picture as the window holds it: read from its file once, at start-up
// or, where its file was only checked then, the first time it is needed,
// and kept as one copy for the size it is shown at, in the screen's own
// pixel format, so that painting it is a plain copy of pixels. A copy is
// made once per size, the first time the picture is shown at that size,
// and replaces the copy for the size before; every handle to the picture
// (the store that holds it and the image showing it) shares that copy.
//
// The full-resolution art is kept only where a copy will need it again:
// while the picture is shown larger than it was first made for, or where
// the art is no larger than its copy anyway. Otherwise it is let go, and
// read again from the file the first time a new size needs it. A file that
// has changed since the picture was read is not used: the copy held is
// scaled instead, a little softer, and the change is said on the terminal.
class Picture
{
public:
    Picture() = default;
    // A picture whose art the caller gives; it is kept whole.
    explicit Picture(const QPixmap &art);

    // Reads and checks the file as the picture loader does and makes the
    // copy for an area of shownAt device pixels. When the file cannot be
    // used, the picture is null and error says which file and why.
    static Picture load(const QString &path, QSize shownAt, QString &error);

    struct File
    {
        QString path;
        QSize shownAt;
        // Only checked now, as checkPicture() does: the pixels are read
        // the first time the picture is needed, or by readAll().
        bool pixelsWhenNeeded = false;
    };
    // Loads several pictures as load() does, reading and decoding the files
    // on every core the machine has: the pictures come back in the order of
    // the files. When a file cannot be used, none comes back, and error
    // names the first such file in that order and why.
    static std::vector<Picture> loadAll(const std::vector<File> &files, QString &error);
    // Reads the pixels of those pictures not read yet, as loadAll() does.
    // When a file can no longer be used, error names the first such file and
    // why, and false comes back.
    static bool readAll(const std::vector<Picture> &pictures, QString &error);

    bool isNull() const { return !d; }
    // The art's own size, in pixels.
    QSize size() const;
    // Whether it covers all it is drawn over: it has no transparent parts.
    bool isOpaque() const;
    // The art at its full resolution, read again from its file if it was let go.
    QPixmap art() const;
    // The copy for an area of the given size in device pixels.
    QPixmap scaledTo(QSize deviceSize) const;

private:
    struct Data;
    // Reads each file into the picture at its place, in order.
    static bool readInto(const std::vector<Picture> &pictures, const std::vector<File> &files, QString &error);
    void keep(DecodedPicture &&decoded, const QString &path, QSize shownAt) const;
    bool readIfUnread() const;
    QImage fullArt() const;

    std::shared_ptr<Data> d;
};
