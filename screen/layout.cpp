// SPDX-License-Identifier: MIT
#include "layout.h"

namespace Layout {

namespace {

using enum Kind;

const Row Rows[] = {
    {.name = "NanPic", .kind = PictureBox, .left = 120, .top = 5520, .width = 4095, .height = 975,
     .backColor = 0x00000000},
    {.name = "Opt", .index = 0, .kind = OptionButton, .container = "NanPic", .left = 120, .top = 360,
     .width = 1335, .height = 375, .caption = QT_TRANSLATE_NOOP("Layout", "軽い"), .backColor = 0x000000FF},
    {.name = "Opt", .index = 1, .kind = OptionButton, .container = "NanPic", .left = 1440, .top = 360,
     .width = 1215, .height = 375, .caption = QT_TRANSLATE_NOOP("Layout", "普通"), .backColor = 0x000000FF,
     .selected = true},
    {.name = "Opt", .index = 2, .kind = OptionButton, .container = "NanPic", .left = 2640, .top = 360,
     .width = 1215, .height = 375, .caption = QT_TRANSLATE_NOOP("Layout", "重い"), .backColor = 0x000000FF},
    {.name = "Label2", .kind = Label, .container = "NanPic", .left = 120, .top = 120, .width = 3735, .height = 255,
     .caption = QT_TRANSLATE_NOOP("Layout", "難易度"), .foreColor = 0x00FFFFFF},
    {.name = "BldTim", .kind = Timer, .interval = 100, .enabled = true},
    {.name = "DayTim", .kind = Timer, .interval = 2500, .enabled = false},
    {.name = "Pic", .kind = PictureBox, .left = 120, .top = 5520, .width = 3975, .height = 375,
     .backColor = 0x00008080, .accessibleName = QT_TRANSLATE_NOOP("Layout", "危険度")},
    {.name = "Shp", .kind = Shape, .container = "Pic", .left = 120, .top = 0, .width = 1935, .height = 255,
     .backColor = 0x0000FFFF},
    {.name = "BldPic", .kind = PictureBox, .left = 120, .top = 4800, .width = 3975, .height = 375,
     .backColor = 0x00000080, .accessibleName = QT_TRANSLATE_NOOP("Layout", "吸血鬼度")},
    {.name = "BldShp", .kind = Shape, .container = "BldPic", .left = 120, .top = 0, .width = 1935, .height = 255,
     .backColor = 0x000000FF},
    {.name = "BakSongTim", .kind = Timer, .interval = 0, .enabled = true},
    // The music player MMC(0) stands here in the window's order; it has no
    // face, so the sound players live outside this table.
    {.name = "Com", .index = 2, .kind = CommandButton, .left = 2760, .top = 4080, .width = 1335, .height = 375,
     .caption = QT_TRANSLATE_NOOP("Layout", "通常態度"), .backColor = 0x00C0C0FF},
    {.name = "Com", .index = 1, .kind = CommandButton, .left = 1440, .top = 4080, .width = 1335, .height = 375,
     .caption = QT_TRANSLATE_NOOP("Layout", "愛の言葉"), .backColor = 0x008080FF},
    {.name = "Com", .index = 0, .kind = CommandButton, .left = 120, .top = 4080, .width = 1335, .height = 375,
     .caption = QT_TRANSLATE_NOOP("Layout", "吸血"), .backColor = 0x000000FF},
    {.name = "Tim", .kind = Timer, .interval = 500, .enabled = true},
    {.name = "TtlLbl", .kind = Label, .left = 120, .top = 4200, .width = 3975, .height = 375, .foreColor = 0x00FFFFFF,
     .fontPoints = 11.25, .centred = true},
    {.name = "Label1", .index = 3, .kind = Label, .left = 960, .top = 6120, .width = 375, .height = 375,
     .caption = QT_TRANSLATE_NOOP("Layout", "日"), .foreColor = 0x00E0E0E0, .fontPoints = 18},
    {.name = "DayLbl", .kind = Label, .left = 120, .top = 6000, .width = 735, .height = 495, .caption = "0",
     .backColor = 0x00404040, .foreColor = 0x00FFFFFF, .fontPoints = 18, .centred = true},
    {.name = "E2", .index = 0, .kind = Image, .left = 0, .top = 2160, .width = 615, .height = 855, .visible = false},
    // The footer names the game's version as %1, so that a translation
    // outlives a new version.
    {.name = "Label1", .index = 2, .kind = Label, .left = 1320, .top = 6120, .width = 3000, .height = 420,
     //: The footer; %1 is the game's version.
     .caption = QT_TRANSLATE_NOOP("Layout", "　画面をクリックするとスタートに戻るよ　｛Velmora…｝Ver.%1"),
     .foreColor = 0x00000000},
    {.name = "Label1", .index = 1, .kind = Label, .left = 120, .top = 5280, .width = 2175, .height = 255,
     .caption = QT_TRANSLATE_NOOP("Layout", "危険度"), .foreColor = 0x00FFFFFF},
    {.name = "Label1", .index = 0, .kind = Label, .left = 120, .top = 4560, .width = 2175, .height = 255,
     .caption = QT_TRANSLATE_NOOP("Layout", "吸血鬼度"), .foreColor = 0x00FFFFFF},
    {.name = "E", .index = 0, .kind = Image, .left = 0, .top = 360, .width = 615, .height = 735, .visible = false},
    {.name = "ImgStt", .kind = Image, .left = 720, .top = 360, .width = 5055, .height = 3615,
     .accessibleName = QT_TRANSLATE_NOOP("Layout", "タイトル画面：クリックでスタート")},
    {.name = "Img", .kind = Image, .left = 120, .top = 120, .width = 3975, .height = 3975,
     .accessibleName = QT_TRANSLATE_NOOP("Layout", "彼女の姿：クリックでスタートに戻る")},
};

} // namespace

std::span<const Row> rows()
{
    return Rows;
}

} // namespace Layout
