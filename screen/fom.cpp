// SPDX-License-Identifier: MIT
#include "fom.h"

#include "application.h"
#include "assetfiles.h"
#include "audiodevice.h"
#include "clocks.h"
#include "commandbutton.h"
#include "controlfactory.h"
#include "endings.h"
#include "gamekeys.h"
#include "gamelanguage.h"
#include "image.h"
#include "intervaltimer.h"
#include "keyrepeats.h"
#include "label.h"
#include "layout.h"
#include "levels.h"
#include "messagebox.h"
#include "optionbutton.h"
#include "optiongroup.h"
#include "picturebox.h"
#include "picturewords.h"
#include "picture.h"
#include "shape.h"
#include "utf8.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QShowEvent>

#include <cstdio>

Fom::Fom(const FomServices &services, QWidget *parent)
    : QWidget(parent)
    , m_random(services.random)
    , m_messageBox(services.messageBox)
    , m_audio(services.audio)
    , AppDir(services.appDir)
    , m_language(services.language)
    , m_fit(this, QSize(Layout::ClientWidth, Layout::ClientHeight))
    , MMC(services.audio)
{
    designWindow(this);
    // Nothing inside takes the focus, so every key comes here.
    setFocusPolicy(Qt::StrongFocus);
    m_keys = new KeyRepeats(this);
    buildLayout();
    connectHandlers();
}

// Start-up: everything that lasts for the whole run. Every picture is
// checked here, so that one that cannot be read stops the start-up before
// the window is ever shown. The title is read here too; the pictures that a
// round shows again and again are read once, when the first round starts,
// so that the title shows without waiting for them.
bool Fom::Form_Load()
{
    // The random source was seeded from the clock when it was made.
    m_fit.fitToScreen();
    // The title picture covers the whole window. It is drawn for the client
    // area, so it is stretched over that rather than the outer frame, whose
    // size differs from one window manager to the next. It is placed before
    // it is read, to be read for the size it is shown at.
    m_fit.place(ImgStt, QRect(0, 0, Layout::ClientWidth, Layout::ClientHeight));
    for (int i = 1; i < MoodCount; ++i)
        E.push_back(createElement(*E[0], "E", i));
    for (int k = 1; k < MoodCount * ActionCount; ++k)
        E2.push_back(createElement(*E2[0], "E2", k));
    std::vector<PictureFor> pictures{{ImgStt, std::string(TitlePictureName), ImgStt}};
    int k = 0;
    for (int i = 0; i < MoodCount; ++i) {
        pictures.push_back({.image = E[i], .fileName = moodPictureName(i), .shownIn = Img, .pixelsWhenNeeded = true});
        for (int j = 0; j < ActionCount; ++j)
            pictures.push_back({.image = E2[k++], .fileName = reactionPictureName(i, j), .shownIn = Img,
                                .pixelsWhenNeeded = true});
    }
    if (!loadInto(pictures))
        return false;
    describePictures(E, E2);
    setFullMarks(m_state);
    BldPic->setScale(0, 0, m_state.GaugeMax[Vampirism], 1);
    Pic->setScale(0, 0, m_state.GaugeMax[Danger], 1);
    Opt_Click(DefaultLevel);
    for (int i = 1; i < SoundPlayers::MaxCount; ++i)
        MMC.load(i);
    for (int i = 0; i < MMC.count(); ++i) {
        MMC[i].setFileName(assetPath(soundFileName(i)).toStdString());
        MMC[i].setCommand(Command::Open);
    }
    // The loop must equal the music's real length, however long it is.
    const std::int32_t musicLength = MMC[0].length();
    MMC.RestartSound(0);
    BakSongTim->setInterval(musicLength);
    // A sound server may go away and come back while the game runs; once a
    // second is soon enough to hear the music again and costs nothing.
    m_soundCheck.start(1000);
    return true;
}

// The title reset: the round state back to zero and the title screen shown.
void Fom::Form_Activate()
{
    resetToTitle(m_state);
    ImgStt->setVisible(true);
    Img->setVisible(false);
    for (Label *label : Label1)
        label->setVisible(false);
    BldPic->setVisible(false);
    Pic->setVisible(false);
    DrawBars();
    for (CommandButton *button : Com)
        button->setVisible(false);
    DayLbl->setVisible(false);
    Tim->setEnabled(false);
    DayTim->setEnabled(false);
    BldTim->setEnabled(false);
    NanPic->setVisible(true);
    TtlLbl->setVisible(false);
}

// Closing the window ends the game at once, in whatever phase: no ending.
void Fom::Form_Unload()
{
    MMC.closeAll();
    QCoreApplication::exit(m_failed ? EXIT_FAILURE : EXIT_SUCCESS);
}

// The start of a round. The timers come last, once every play control is
// shown: the day clock, then the drift, then the mood.
void Fom::ImgStt_Click()
{
    if (!readRoundPictures())
        return;
    ImgStt->setVisible(false);
    Tim->setInterval(startRound(m_state, m_random));
    Img->setPicture(*E[m_state.Mood]);
    Img->setVisible(true);
    NanPic->setVisible(false);
    for (Label *label : Label1)
        label->setVisible(true);
    BldPic->setVisible(true);
    Pic->setVisible(true);
    for (CommandButton *button : Com)
        button->setVisible(true);
    DayTim->setEnabled(true);
    DayLbl->setVisible(true);
    DayLbl->setCaption(QString::number(m_state.Day));
    BldTim->setEnabled(true);
    Tim->setEnabled(true);
}

void Fom::Img_Click()
{
    Form_Activate();
}

void Fom::Opt_Click(int Index)
{
    if (const auto driftInterval = chooseLevel(m_state, Index))
        BldTim->setInterval(*driftInterval);
}

void Fom::Com_MouseDown(int Index)
{
    MMC.RestartSound(Index + 1);
    Img->setPicture(*E2[m_state.Mood * ActionCount + Index]);
    applyAction(m_state, static_cast<Action>(Index), m_random);
    DrawBars();
    if (const auto kind = endCheck(m_state, Opt[0]->value()))
        GameEnd(*kind);
}

void Fom::Com_MouseUp(int)
{
    // A release can still arrive after the press, or a day tick while the
    // button was held, ended the round: the ending's last picture stays.
    if (m_state.phase != Phase::Playing)
        return;
    Img->setPicture(*E[m_state.Mood]);
}

void Fom::Tim_Timer()
{
    Tim->setInterval(changeMood(m_state, m_random));
    Img->setPicture(*E[m_state.Mood]);
}

void Fom::BldTim_Timer()
{
    drift(m_state, m_random);
    DrawBars();
}

void Fom::DayTim_Timer()
{
    if (advanceDay(m_state))
        GameEnd(EndingKind::Danger);
    else
        DayLbl->setCaption(QString::number(m_state.Day));
}

void Fom::BakSongTim_Timer()
{
    MMC.RestartSound(m_state.SongIdx);
}

void Fom::openSoundDevice()
{
    if (m_audio.open())
        restartMusic();
}

void Fom::checkSoundDevice()
{
    if (m_audio.recover())
        restartMusic();
}

// The music starts over as soon as there is sound, not at the end of its
// loop, which then runs a whole length from here: writing the interval
// starts it again.
void Fom::restartMusic()
{
    MMC.RestartSound(m_state.SongIdx);
    BakSongTim->setInterval(BakSongTim->interval());
}

void Fom::DrawBars()
{
    BldShp->Move(0, 0, m_state.Gauge[Vampirism], 1);
    Shp->Move(0, 0, m_state.Gauge[Danger], 1);
}

// Plays an ending out: the game timers stop first, so nothing moves while
// its boxes are open; the bars keep what they showed when the round ended.
void Fom::GameEnd(EndingKind Kind)
{
    Tim->setEnabled(false);
    BldTim->setEnabled(false);
    DayTim->setEnabled(false);
    m_state.phase = Phase::Ended;
    TtlLbl->setVisible(true);
    for (CommandButton *button : Com)
        button->setVisible(false);
    const Ending &ending = chooseEnding(Kind, m_state);
    for (std::string_view picture : ending.pictures) {
        if (!loadInto(Img, picture))
            return;
    }
    TtlLbl->setCaption(playerText("Endings", ending.title));
    for (std::string_view box : ending.boxes)
        m_messageBox.show(playerText("Endings", box));
    loadInto(Img, FinalEndPicture);
}

// The keys reach the handlers a mouse reaches, and only where the screen
// shows the control the mouse would use. A key held down is one press: its
// repeats do nothing, also those of the key that closed an ending's last
// box, and a release acts only once it has proved no repeat.
void Fom::keyPressEvent(QKeyEvent *event)
{
    if (m_keys->isRepeat(*event))
        return;
    if (const int action = actionOfKey(*event); action >= 0 && Com[action]->isVisible()) {
        Com[action]->pressKey(KeyRepeats::physicalKey(*event));
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (ImgStt->isVisible())
            ImgStt_Click();
        else if (m_state.phase == Phase::Ended)
            Img_Click();
        break;
    case Qt::Key_Escape:
        if (Img->isVisible())
            Img_Click();
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        // The arrows move the difficulty as between any radio buttons.
        if (NanPic->isVisible())
            m_options->selectNeighbour(event->key() == Qt::Key_Left || event->key() == Qt::Key_Up ? -1 : +1);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void Fom::keyReleaseEvent(QKeyEvent *event)
{
    const int action = actionOfKey(*event);
    if (action < 0) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    m_keys->whenReleased(*event, [this, action, key = KeyRepeats::physicalKey(*event)] {
        Com[action]->releaseKey(key);
    });
}

void Fom::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Only the first showing after start-up is the activation; the window
    // coming back to the front later leaves the round as it is.
    if (!m_activated) {
        m_activated = true;
        Form_Activate();
    }
}

void Fom::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

// The buttons' bevels and the options' marks grow and shrink with the
// window, as their captions do.
void Fom::scaleButtonFaces(double factor)
{
    for (OptionButton *option : Opt)
        option->setScale(factor);
    for (CommandButton *button : Com)
        button->setScale(factor);
}

// Every file of the game is found here: in the folder chosen at start-up.
QString Fom::assetPath(std::string_view fileName) const
{
    return ::assetPath(AppDir, m_language, fromUtf8(fileName));
}

// A picture is read once, whole, and kept as a copy for the image it is
// shown in, at that image's size now: the mood and reaction pictures are
// stored for the main picture. The art is drawn for a window twice the
// laid-out size; a larger window later has its copies made from it then.
// Pictures read together are read side by side, and the first of them that
// cannot be used is the one the player is told of.
bool Fom::loadInto(const std::vector<PictureFor> &pictures)
{
    std::vector<Picture::File> files;
    for (const PictureFor &picture : pictures)
        files.push_back({assetPath(picture.fileName), picture.shownIn->deviceSize(), picture.pixelsWhenNeeded});
    QString error;
    const std::vector<Picture> loaded = Picture::loadAll(files, error);
    if (loaded.empty()) {
        fail(error);
        return false;
    }
    for (std::size_t i = 0; i < pictures.size(); ++i)
        pictures[i].image->setPicture(loaded[i]);
    return true;
}

bool Fom::readRoundPictures()
{
    std::vector<Picture> pictures;
    for (const std::vector<Image *> *store : {&E, &E2}) {
        for (const Image *image : *store)
            pictures.push_back(image->held());
    }
    QString error;
    if (Picture::readAll(pictures, error))
        return true;
    fail(error);
    return false;
}

bool Fom::loadInto(Image *image, std::string_view fileName)
{
    return loadInto({{image, std::string(fileName), image}});
}

// A picture the game cannot do without: say which file and why, in the
// terminal and on screen, and end with a failure status.
void Fom::fail(const QString &message)
{
    m_failed = true;
    // Nothing may move behind the error box: at start-up the laid-out mood
    // and drift timers are still running over stores not yet filled.
    for (IntervalTimer *timer : {Tim, BldTim, DayTim, BakSongTim})
        timer->setEnabled(false);
    std::fprintf(stderr, "velmora: %s\n", message.toLocal8Bit().constData());
    m_messageBox.showError(message);
    QCoreApplication::exit(EXIT_FAILURE);
}

void Fom::buildLayout()
{
    for (const auto &[control, twips] : createControls(this))
        m_fit.place(control, twips);
    NanPic = findControl<PictureBox>(this, "NanPic");
    findControls(this, Opt, "Opt");
    findControls(this, Com, "Com");
    BldTim = findControl<IntervalTimer>(this, "BldTim");
    DayTim = findControl<IntervalTimer>(this, "DayTim");
    Pic = findControl<PictureBox>(this, "Pic");
    Shp = findControl<Shape>(this, "Shp");
    BldPic = findControl<PictureBox>(this, "BldPic");
    BldShp = findControl<Shape>(this, "BldShp");
    BakSongTim = findControl<IntervalTimer>(this, "BakSongTim");
    Tim = findControl<IntervalTimer>(this, "Tim");
    TtlLbl = findControl<Label>(this, "TtlLbl");
    findControls(this, Label1, "Label1");
    DayLbl = findControl<Label>(this, "DayLbl");
    E2 = {findControl<Image>(this, "E2", 0)};
    E = {findControl<Image>(this, "E", 0)};
    ImgStt = findControl<Image>(this, "ImgStt");
    Img = findControl<Image>(this, "Img");
}

void Fom::connectHandlers()
{
    connect(ImgStt, &Image::Click, this, &Fom::ImgStt_Click);
    connect(Img, &Image::Click, this, &Fom::Img_Click);
    m_options = new OptionGroup(this);
    for (OptionButton *option : Opt)
        m_options->add(option);
    connect(m_options, &OptionGroup::Click, this, &Fom::Opt_Click);
    for (CommandButton *button : Com) {
        connect(button, &CommandButton::MouseDown, this, &Fom::Com_MouseDown);
        connect(button, &CommandButton::MouseUp, this, &Fom::Com_MouseUp);
    }
    connect(Tim, &IntervalTimer::Timer, this, &Fom::Tim_Timer);
    connect(BldTim, &IntervalTimer::Timer, this, &Fom::BldTim_Timer);
    connect(DayTim, &IntervalTimer::Timer, this, &Fom::DayTim_Timer);
    connect(BakSongTim, &IntervalTimer::Timer, this, &Fom::BakSongTim_Timer);
    connect(&m_fit, &WindowFit::scaled, this, &Fom::scaleButtonFaces);
    connect(&m_soundCheck, &QTimer::timeout, this, &Fom::checkSoundDevice);
}
