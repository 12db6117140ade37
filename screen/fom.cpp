// SPDX-License-Identifier: MIT
#include "fom.h"

#include "proportionhint.h"
#include "assetfiles.h"
#include "clocks.h"
#include "commandbutton.h"
#include "controlfactory.h"
#include "endings.h"
#include "image.h"
#include "intervaltimer.h"
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
#include "twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QShowEvent>

#include <algorithm>
#include <cstdio>

namespace {

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace

Fom::Fom(const FomServices &services, QWidget *parent)
    : QWidget(parent)
    , m_random(services.random)
    , m_messageBox(services.messageBox)
    , AppDir(services.appDir)
    , m_layout(this, QSize(Layout::ClientWidth, Layout::ClientHeight))
    , MMC(services.audio)
{
    setWindowTitle(QString::fromUtf8(Layout::Caption));
    resize(twipsToPixels(Layout::ClientWidth), twipsToPixels(Layout::ClientHeight));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, bgrColor(Layout::WindowColor));
    setPalette(palette);
    setFont(gothicFont(9));
    buildLayout();
    placeControls();
    connectHandlers();
}

// Start-up: everything that lasts for the whole run. Pictures that a round
// shows again and again are read once, here; a picture that cannot be read
// stops the start-up before the window is ever shown.
bool Fom::Form_Load()
{
    // The random source was seeded from the clock when it was made.
    fitToScreen();
    // The title picture covers the whole window. It is drawn for the client
    // area, so it is stretched over that rather than the outer frame, whose
    // size differs from one window manager to the next. It is placed before
    // it is read, to be read for the size it is shown at.
    m_layout.place(ImgStt, QRect(0, 0, Layout::ClientWidth, Layout::ClientHeight));
    if (!loadInto(ImgStt, TitlePictureName, *ImgStt))
        return false;
    for (int i = 1; i < MoodCount; ++i)
        loadElement(E, "E");
    for (int k = 1; k < MoodCount * ActionCount; ++k)
        loadElement(E2, "E2");
    int k = 0;
    for (int i = 0; i < MoodCount; ++i) {
        if (!loadInto(E[i], moodPictureName(i), *Img))
            return false;
        for (int j = 0; j < ActionCount; ++j) {
            if (!loadInto(E2[k], reactionPictureName(i, j), *Img))
                return false;
            ++k;
        }
    }
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
        if (!loadInto(Img, picture, *Img))
            return;
    }
    TtlLbl->setCaption(text(ending.title));
    for (std::string_view box : ending.boxes)
        m_messageBox.show(text(box));
    loadInto(Img, FinalEndPicture, *Img);
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
    // Showing writes the window's size hints afresh, after this event.
    QMetaObject::invokeMethod(this, &Fom::keepProportions, Qt::QueuedConnection);
}

void Fom::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

// The player may resize or maximise the window: the whole screen follows,
// from the twips of the layout.
void Fom::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_layout.fit(size());
    for (OptionButton *option : Opt)
        option->setScale(m_layout.factor());
    for (CommandButton *button : Com)
        button->setScale(m_layout.factor());
}

// Every control of the layout is placed from its twips; shapes are left to
// the panel that holds them, which places them in its own scale.
void Fom::placeControls()
{
    for (const Layout::Row &row : Layout::rows()) {
        if (row.kind == Layout::Kind::Timer || row.kind == Layout::Kind::Shape)
            continue;
        if (auto *widget = findChild<QWidget *>(controlName(row.name, row.index)))
            m_layout.place(widget, QRect(row.left, row.top, row.width, row.height));
    }
}

// The window manager's frame is unknown until it has framed the window:
// only then can the opening size allow for it, once.
void Fom::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    if (m_framed || frameGeometry().size() == size())
        return;
    m_framed = true;
    if (windowState() == Qt::WindowNoState)
        fitToScreen();
}

// The window opens as laid out, at left 100, top 0 twips. On a screen too
// small for it, frame included, it opens as large as fits, in the same
// proportions, and moves in only as far as it must to be seen whole.
void Fom::fitToScreen()
{
    const QSize laidOut(twipsToPixels(Layout::ClientWidth), twipsToPixels(Layout::ClientHeight));
    const QRect available = screen()->availableGeometry();
    const QSize frame = frameGeometry().size() - size();
    const QSize fitted = fittedSize(laidOut, available.size() - frame);
    resize(fitted);
    setMinimumSize(fitted.boundedTo(laidOut / 2));
    const auto inside = [](int wanted, int first, int length, int extent) {
        return std::clamp(wanted, first, std::max(first, first + extent - length));
    };
    move(inside(twipsToPixels(100), available.left(), fitted.width() + frame.width(), available.width()),
         inside(twipsToPixels(0), available.top(), fitted.height() + frame.height(), available.height()));
    keepProportions();
}

// Where the window manager allows, the player's resizing keeps the layout's
// proportions; elsewhere the layout is centred in whatever shape it gets.
void Fom::keepProportions()
{
    keepAspectRatio(this, QSize(Layout::ClientWidth, Layout::ClientHeight));
}

// A new element of an image array is a copy of its first: same place,
// hidden, a store for one picture.
void Fom::loadElement(std::vector<Image *> &array, const char *name)
{
    const Image *first = array.front();
    auto *element = new Image(this);
    element->setObjectName(controlName(name, static_cast<int>(array.size())));
    element->setGeometry(first->geometry());
    element->setStretch(first->stretch());
    element->setVisible(false);
    array.push_back(element);
}

// Every file of the game is found here: in the application's folder.
QString Fom::assetPath(std::string_view fileName) const
{
    return AppDir + text(fileName);
}

// A picture is read once, whole, and kept as a copy for the image it is
// shown in, at that image's size now: the mood and reaction pictures are
// stored for the main picture. The art is drawn for a window twice the
// laid-out size; a larger window later has its copies made from it then.
bool Fom::loadInto(Image *image, std::string_view fileName, const Image &shownIn)
{
    QString error;
    const Picture picture = Picture::load(assetPath(fileName), shownIn.deviceSize(), error);
    if (picture.isNull()) {
        fail(error);
        return false;
    }
    image->setPicture(picture);
    return true;
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
    QList<QWidget *> frontToBack;
    for (const Layout::Row &row : Layout::rows()) {
        QWidget *container = qstrcmp(row.container, "Fom") == 0 ? this : control<QWidget>(row.container);
        QObject *created = createControl(row, container);
        if (auto *widget = qobject_cast<QWidget *>(created))
            frontToBack.append(widget);
    }
    for (auto it = frontToBack.crbegin(); it != frontToBack.crend(); ++it)
        (*it)->raise();

    NanPic = control<PictureBox>("NanPic");
    controlArray(Opt, "Opt");
    controlArray(Com, "Com");
    BldTim = control<IntervalTimer>("BldTim");
    DayTim = control<IntervalTimer>("DayTim");
    Pic = control<PictureBox>("Pic");
    Shp = control<Shape>("Shp");
    BldPic = control<PictureBox>("BldPic");
    BldShp = control<Shape>("BldShp");
    BakSongTim = control<IntervalTimer>("BakSongTim");
    Tim = control<IntervalTimer>("Tim");
    TtlLbl = control<Label>("TtlLbl");
    controlArray(Label1, "Label1");
    DayLbl = control<Label>("DayLbl");
    E2 = {control<Image>("E2", 0)};
    E = {control<Image>("E", 0)};
    ImgStt = control<Image>("ImgStt");
    Img = control<Image>("Img");
}

void Fom::connectHandlers()
{
    connect(ImgStt, &Image::Click, this, &Fom::ImgStt_Click);
    connect(Img, &Image::Click, this, &Fom::Img_Click);
    auto *options = new OptionGroup(this);
    for (OptionButton *option : Opt)
        options->add(option);
    connect(options, &OptionGroup::Click, this, &Fom::Opt_Click);
    for (CommandButton *button : Com) {
        connect(button, &CommandButton::MouseDown, this, &Fom::Com_MouseDown);
        connect(button, &CommandButton::MouseUp, this, &Fom::Com_MouseUp);
    }
    connect(Tim, &IntervalTimer::Timer, this, &Fom::Tim_Timer);
    connect(BldTim, &IntervalTimer::Timer, this, &Fom::BldTim_Timer);
    connect(DayTim, &IntervalTimer::Timer, this, &Fom::DayTim_Timer);
    connect(BakSongTim, &IntervalTimer::Timer, this, &Fom::BakSongTim_Timer);
}

// A layout row renamed, dropped or given another kind stops the game here,
// as the window is built, in every build: never a null control later on.
template<typename T>
T *Fom::control(const char *name, int index) const
{
    T *found = findChild<T *>(controlName(name, index));
    if (!found)
        qFatal("velmora: the layout has no control %s of the kind the window needs", qPrintable(controlName(name, index)));
    return found;
}

template<typename T, std::size_t N>
void Fom::controlArray(std::array<T *, N> &array, const char *name) const
{
    for (std::size_t i = 0; i < N; ++i)
        array[i] = control<T>(name, static_cast<int>(i));
}
