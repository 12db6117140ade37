// SPDX-License-Identifier: MIT
#pragma once

#include "actions.h"
#include "gamestate.h"
#include "levels.h"
#include "soundplayers.h"
#include "windowfit.h"

#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <array>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

class AudioDevice;
class CommandButton;
class Image;
class Label;
class MessageBox;
class OptionButton;
class OptionGroup;
class PictureBox;
class RandomSource;
class Shape;
class IntervalTimer;
class KeyRepeats;

// What the window needs from outside: the one random source of the run, the
// message box, the audio device, and the folder its pictures and sounds are
// read from (ending in "/").
struct FomServices
{
    RandomSource &random;
    MessageBox &messageBox;
    AudioDevice &audio;
    QString appDir;
    // The language the game speaks ("en"): a picture with words in it is
    // shown as drawn in that language where the folder holds it so.
    QString language = {};
};

// The game's one window. It owns every control and the game state for the
// whole run. Construct it, call Form_Load once (it loads every stored picture
// and opens the sound players; false means start-up failed and was already
// reported), then show it: the first showing runs the title reset. From then
// on the controls' events drive the handlers, each of which calls the rules
// and moves controls; an audio device lost meanwhile is opened again when it
// can be, and the music starts over. The game opens its device only once the
// window is on screen (openSoundDevice): the players are opened and the music
// started before that all the same, and sound from then on. The window keeps
// the keyboard's focus and hands each key to the handler a mouse would reach
// on the screen shown.
// Closing the window stops and closes the players and quits the
// application.
class Fom : public QWidget
{
    Q_OBJECT

public:
    explicit Fom(const FomServices &services, QWidget *parent = nullptr);

    bool Form_Load();
    void openSoundDevice();
    const GameState &state() const { return m_state; }
    SoundPlayers &soundPlayers() { return MMC; }
    bool hasFailed() const { return m_failed; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    void Form_Activate();
    void Form_Unload();
    void ImgStt_Click();
    void Img_Click();
    void Opt_Click(int Index);
    void Com_MouseDown(int Index);
    void Com_MouseUp(int Index);
    void Tim_Timer();
    void BldTim_Timer();
    void DayTim_Timer();
    void BakSongTim_Timer();
    void checkSoundDevice();
    void restartMusic();

    void DrawBars();
    void GameEnd(EndingKind Kind);

    void buildLayout();
    void connectHandlers();
    void scaleButtonFaces(double factor);
    QString assetPath(std::string_view fileName) const;
    // A picture file and the image it goes into, read for the size of the
    // image it will be shown in.
    struct PictureFor
    {
        Image *image;
        std::string fileName;
        const Image *shownIn;
        bool pixelsWhenNeeded = false; // only checked until a round needs it
    };
    bool loadInto(const std::vector<PictureFor> &pictures);
    bool readRoundPictures();
    // One picture, read for the image it goes into.
    bool loadInto(Image *image, std::string_view fileName);
    void fail(const QString &message);

    GameState m_state;
    RandomSource &m_random;
    MessageBox &m_messageBox;
    AudioDevice &m_audio;
    QString AppDir;
    QString m_language;
    bool m_activated = false;
    bool m_failed = false;
    WindowFit m_fit;
    KeyRepeats *m_keys = nullptr;
    OptionGroup *m_options = nullptr;

    PictureBox *NanPic = nullptr;
    std::array<OptionButton *, std::size(Levels)> Opt{};
    IntervalTimer *BldTim = nullptr;
    IntervalTimer *DayTim = nullptr;
    PictureBox *Pic = nullptr;
    Shape *Shp = nullptr;
    PictureBox *BldPic = nullptr;
    Shape *BldShp = nullptr;
    IntervalTimer *BakSongTim = nullptr;
    SoundPlayers MMC;
    QTimer m_soundCheck;
    std::array<CommandButton *, ActionCount> Com{};
    IntervalTimer *Tim = nullptr;
    Label *TtlLbl = nullptr;
    std::array<Label *, 4> Label1{};
    Label *DayLbl = nullptr;
    std::vector<Image *> E2;
    std::vector<Image *> E;
    Image *ImgStt = nullptr;
    Image *Img = nullptr;
};
