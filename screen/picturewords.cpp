// SPDX-License-Identifier: MIT
#include "picturewords.h"

#include "actions.h"
#include "gamestate.h"
#include "image.h"

#include <QCoreApplication>

namespace {

// Mood by mood, as the pictures draw her.
const char *const MoodWords[MoodCount] = {
    QT_TRANSLATE_NOOP("PictureWords", "夢見心地：紫の月の下でまどろみ、首すじを無防備にさらしている"),
    QT_TRANSLATE_NOOP("PictureWords", "打ち解けている：ろうそくの灯りの中で手を組み、こちらに微笑みかけている"),
    QT_TRANSLATE_NOOP("PictureWords", "警戒している：冷たい緑の光の中で身を引き、襟元に手をやって横目でうかがっている"),
};

// Her reaction while a button is held, by mood and by button: "吸血",
// "愛の言葉", "通常態度".
const char *const ReactionWords[MoodCount][ActionCount] = {
    {QT_TRANSLATE_NOOP("PictureWords", "吸血への反応：マントに包まれても夢の中でほとんど身じろぎしない。首に小さな二つの痕"),
     QT_TRANSLATE_NOOP("PictureWords", "愛の言葉への反応：言葉は夢の中に届き、ハートに囲まれて眠ったまま微笑む"),
     QT_TRANSLATE_NOOP("PictureWords", "通常態度への反応：そばに紅茶が置かれ、少し目を開けてまたまどろむ")},
    {QT_TRANSLATE_NOOP("PictureWords", "吸血への反応：痛みに驚き、ろうそくの灯りが赤く染まる"),
     QT_TRANSLATE_NOOP("PictureWords", "愛の言葉への反応：言葉が届き、頬を染めて喜ぶ。ハートと薔薇"),
     QT_TRANSLATE_NOOP("PictureWords", "通常態度への反応：ろうそくのそばで紅茶を前に、くつろいで耳を傾ける")},
    {QT_TRANSLATE_NOOP("PictureWords", "吸血への反応：気づいて身を引き、悲鳴を上げる。部屋が赤い光に満ちる"),
     QT_TRANSLATE_NOOP("PictureWords", "愛の言葉への反応：ひとことも信じず、ハートが砕ける"),
     QT_TRANSLATE_NOOP("PictureWords", "通常態度への反応：礼儀正しさに安心し、紅茶を前に眉がゆるむ")},
};

QString words(const char *japanese)
{
    return QCoreApplication::translate("PictureWords", japanese);
}

} // namespace

void describePictures(const std::vector<Image *> &moods, const std::vector<Image *> &reactions)
{
    for (std::size_t mood = 0; mood < moods.size() && mood < MoodCount; ++mood) {
        moods[mood]->setAccessibleDescription(words(MoodWords[mood]));
        for (std::size_t action = 0; action < ActionCount && mood * ActionCount + action < reactions.size(); ++action)
            reactions[mood * ActionCount + action]->setAccessibleDescription(
                    //: Her mood (%1), then her reaction (%2).
                    words(QT_TRANSLATE_NOOP("PictureWords", "%1。%2"))
                            .arg(words(MoodWords[mood]), words(ReactionWords[mood][action])));
    }
}
