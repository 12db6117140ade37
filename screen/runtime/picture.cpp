// SPDX-License-Identifier: MIT
#include "picture.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <future>
#include <thread>

struct Picture::Data
{
    QPixmap given;        // art the caller gave, kept whole
    QString path;         // where loaded art is read again from
    PictureStamp stamp;   // what that file was at start-up
    QSize fullSize;
    bool opaque = true;
    QSize firstShownAt;
    QImage art;           // loaded art, while it is kept
    QPixmap copy;
    bool changedOnDisk = false;
    bool unread = false;  // checked, its pixels not read yet
};

namespace {

QImage smoothlyScaled(const QImage &image, QSize size)
{
    return image.size() == size ? image : image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Files are read and decoded on other threads as well as this one, each
// taking the next file not yet taken.
std::vector<DecodedPicture> decodeAll(const std::vector<Picture::File> &files)
{
    std::vector<DecodedPicture> decoded(files.size());
    std::atomic<std::size_t> next = 0;
    const auto decodeNext = [&] {
        for (std::size_t i = next++; i < files.size(); i = next++)
            decoded[i] = files[i].pixelsWhenNeeded ? checkPicture(files[i].path)
                                                   : decodePicture(files[i].path, files[i].shownAt);
    };
    const std::size_t helpers = std::min<std::size_t>(std::max(std::thread::hardware_concurrency(), 1U) - 1,
                                                      files.size() / 2);
    std::vector<std::future<void>> running;
    for (std::size_t i = 0; i < helpers; ++i)
        running.push_back(std::async(std::launch::async, decodeNext));
    decodeNext();
    for (std::future<void> &helper : running)
        helper.get();
    return decoded;
}

} // namespace

Picture::Picture(const QPixmap &art)
{
    if (art.isNull())
        return;
    d = std::make_shared<Data>();
    d->given = art;
    d->fullSize = art.size();
    d->opaque = !art.hasAlphaChannel();
}

Picture Picture::load(const QString &path, QSize shownAt, QString &error)
{
    const std::vector<Picture> pictures = loadAll({{path, shownAt}}, error);
    return pictures.empty() ? Picture() : pictures.front();
}

std::vector<Picture> Picture::loadAll(const std::vector<File> &files, QString &error)
{
    std::vector<Picture> pictures(files.size());
    for (Picture &picture : pictures)
        picture.d = std::make_shared<Data>();
    if (!readInto(pictures, files, error))
        return {};
    return pictures;
}

bool Picture::readAll(const std::vector<Picture> &pictures, QString &error)
{
    std::vector<Picture> unread;
    std::vector<File> files;
    for (const Picture &picture : pictures) {
        if (picture.d && picture.d->unread) {
            unread.push_back(picture);
            files.push_back({picture.d->path, picture.d->firstShownAt});
        }
    }
    return readInto(unread, files, error);
}

// Pixmaps are made here, on the thread that paints them.
bool Picture::readInto(const std::vector<Picture> &pictures, const std::vector<File> &files, QString &error)
{
    std::vector<DecodedPicture> decoded = decodeAll(files);
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!decoded[i].ok()) {
            error = decoded[i].error;
            return false;
        }
        pictures[i].keep(std::move(decoded[i]), files[i].path, files[i].shownAt);
    }
    return true;
}

// The file as it is now is the picture, also where it has changed since it
// was checked: nothing of the old one was ever shown.
void Picture::keep(DecodedPicture &&decoded, const QString &path, QSize shownAt) const
{
    Data &data = *d;
    data.path = path;
    data.stamp = decoded.stamp;
    data.fullSize = decoded.fullSize;
    data.opaque = !decoded.pixels.hasAlphaChannel();
    data.firstShownAt = shownAt;
    data.unread = decoded.pixels.isNull();
    if (data.unread)
        return;
    if (decoded.pixels.size() == decoded.fullSize) {
        data.art = std::move(decoded.pixels);
        scaledTo(shownAt);
    } else {
        data.copy = QPixmap::fromImage(std::move(decoded.pixels));
    }
}

// A picture shown before it was read is read on its own; one that can no
// longer be read stays blank and says why on the terminal.
bool Picture::readIfUnread() const
{
    if (!d->unread)
        return true;
    QString error;
    if (readAll({*this}, error))
        return true;
    std::fprintf(stderr, "velmora: %s\n", qPrintable(error));
    return false;
}

QSize Picture::size() const
{
    return d ? d->fullSize : QSize();
}

bool Picture::isOpaque() const
{
    return d && d->opaque;
}

QPixmap Picture::art() const
{
    if (!d)
        return {};
    if (!d->given.isNull())
        return d->given;
    if (!readIfUnread())
        return {};
    return QPixmap::fromImage(fullArt());
}

QPixmap Picture::scaledTo(QSize deviceSize) const
{
    if (!d || deviceSize.isEmpty())
        return {};
    if (!readIfUnread())
        return {};
    Data &data = *d;
    if (data.copy.size() == deviceSize)
        return data.copy;
    if (!data.given.isNull()) {
        data.copy = data.given.size() == deviceSize ? data.given
                                                    : QPixmap::fromImage(smoothlyScaled(data.given.toImage(), deviceSize));
        return data.copy;
    }
    const QImage art = fullArt();
    // The old copy goes before the new one is made: never two at a time.
    data.copy = QPixmap();
    data.copy = QPixmap::fromImage(smoothlyScaled(art, deviceSize));
    const bool larger = deviceSize.width() > data.firstShownAt.width() || deviceSize.height() > data.firstShownAt.height();
    const bool noLargerThanTheCopy = art.width() <= deviceSize.width() && art.height() <= deviceSize.height();
    data.art = (larger || noLargerThanTheCopy) && !data.changedOnDisk ? art : QImage();
    return data.copy;
}

QImage Picture::fullArt() const
{
    if (!d->art.isNull())
        return d->art;
    if (!d->changedOnDisk) {
        DecodedPicture decoded = decodePicture(d->path);
        if (decoded.ok() && decoded.stamp == d->stamp)
            return std::move(decoded.pixels);
        d->changedOnDisk = true;
        std::fprintf(stderr, "velmora: %s has changed since the game started; its picture is scaled from the copy "
                             "in memory instead\n", qPrintable(d->path));
    }
    return smoothlyScaled(d->copy.toImage(), d->fullSize);
}
