// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QString>
#include <QTemporaryDir>

// A folder of stand-in game files for window tests: every picture the game
// reads, each a small bitmap of a colour of its own so a test can tell from
// a pixel which file a control shows, and the four sounds as short tones
// (the music as long as a test asks).
class GameFiles
{
public:
    explicit GameFiles(int musicMilliseconds = 1000);

    QString dir() const; // ends in "/"
    QString path(const QString &name) const;
    void remove(const QString &name);

    static QColor colourOf(const QString &pictureName);
    static const QStringList &pictureNames();

private:
    void writePicture(const QString &name);
    void writeTone(const QString &name, int milliseconds);

    QTemporaryDir m_dir;
};
