// SPDX-License-Identifier: MIT
#include "audiodevice.h"
#include "commandbutton.h"
#include "controlfactory.h"
#include "endings.h"
#include "fom.h"
#include "gamefiles.h"
#include "image.h"
#include "intervaltimer.h"
#include "label.h"
#include "layout.h"
#include "optionbutton.h"
#include "picturebox.h"
#include "recordingmessagebox.h"
#include "scriptedrandom.h"
#include "shape.h"
#include "twips.h"

#include <QAccessible>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace {

const float TopR = std::nextafter(1.0f, 0.0f);

// Draws that give mood 0, 1 or 2 from floor(r * 3).
float moodDraw(int mood)
{
    return (static_cast<float>(mood) + 0.5f) / 3.0f;
}

class FomTest : public ::testing::Test
{
protected:
    void SetUp() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }

    // Builds the window over stand-in files, loads it and shows it.
    bool start(int musicMilliseconds = 1000, bool deviceLater = false)
    {
        files = std::make_unique<GameFiles>(musicMilliseconds);
        return load(deviceLater);
    }

    bool load(bool deviceLater = false)
    {
        audio = deviceLater ? std::make_unique<AudioDevice>(AudioDevice::OpenLater{}) : std::make_unique<AudioDevice>();
        fom = std::make_unique<Fom>(FomServices{random, boxes, *audio, files->dir()});
        if (!fom->Form_Load())
            return false;
        fom->show();
        return true;
    }

    template<typename T> T *ctl(const char *name) const
    {
        T *found = fom->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    CommandButton *com(int index) const { return ctl<CommandButton>(index == 0 ? "Com(0)" : index == 1 ? "Com(1)" : "Com(2)"); }
    Image *img() const { return ctl<Image>("Img"); }

    // Pictures are told apart by their colour.
    QRgb shown() const { return img()->picture().toImage().pixel(0, 0) & RGB_MASK; }
    static QRgb picture(const char *name) { return GameFiles::colourOf(QString::fromLatin1(name)).rgb() & RGB_MASK; }
    static QRgb picture(const std::string_view name)
    {
        return picture(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).toLatin1().constData());
    }

public:
    // The moves a scripted round is made of, open to the helpers that play
    // one out on any test of this fixture.
    void startRound(int mood, float intervalDraw = 0.0f)
    {
        random.push({intervalDraw, moodDraw(mood)});
        QTest::mouseClick(ctl<Image>("ImgStt"), Qt::LeftButton);
    }

    // A mood tick that lands on the given mood (which must differ from the current one).
    void tickMood(int mood)
    {
        random.push({0.0f, moodDraw(mood)});
        emit ctl<IntervalTimer>("Tim")->Timer();
    }

    void press(int index, std::initializer_list<float> draws)
    {
        random.push(draws);
        QTest::mousePress(com(index), Qt::LeftButton);
    }

    void click(int index, std::initializer_list<float> draws)
    {
        press(index, draws);
        QTest::mouseRelease(com(index), Qt::LeftButton);
    }

    // A real double-click, through the window as the windowing system delivers
    // it: press, release, then a second press that Qt makes a double-click.
    void doubleClick(QWidget *target)
    {
        const QPoint at = target->mapTo(fom.get(), target->rect().center());
        QTest::mouseDClick(fom->windowHandle(), Qt::LeftButton, {}, at);
    }

    // A key as the window system delivers it: to the window, which hands it
    // to whatever holds the focus there. Each comes at an instant of its
    // own, unless the test gives one.
    void key(bool press, int code, Qt::KeyboardModifiers modifiers = {}, bool autoRepeat = false, quint64 at = 0)
    {
        QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, code, modifiers, QString(), autoRepeat);
        event.setTimestamp(at ? at : ++m_instant);
        QCoreApplication::sendEvent(fom->windowHandle(), &event);
    }

    // A test that waits for the event loop stops the round's clocks first,
    // so that only the test moves the round.
    void stopTheClocks()
    {
        for (const char *name : {"Tim", "BldTim", "DayTim"})
            ctl<IntervalTimer>(name)->setEnabled(false);
    }

    // Lets go of the key that holds an action button: the button comes up
    // once the release has proved no half of a repeat.
    void releaseKey(int index, int code, Qt::KeyboardModifiers modifiers = {})
    {
        key(false, code, modifiers);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !com(index)->isDown(); })) << index;
    }

protected:
    std::int16_t gauge(GaugeIndex index) const { return fom->state().Gauge[index]; }

    std::unique_ptr<GameFiles> files;
    ScriptedRandom random;
    RecordingMessageBox boxes;
    std::unique_ptr<AudioDevice> audio;
    std::unique_ptr<Fom> fom;
    quint64 m_instant = 1000;
};

// ---- phases -----------------------------------------------------------

struct PhaseRow
{
    const char *control;
    bool title, playing, ended;
};

// Which controls each screen shows, control by control.
const PhaseRow PhaseTable[] = {
    {"ImgStt", true, false, false},    {"Img", false, true, true},
    {"NanPic", true, false, false},    {"Label1(0)", false, true, true},
    {"Label1(1)", false, true, true},  {"Label1(2)", false, true, true},
    {"Label1(3)", false, true, true},  {"BldPic", false, true, true},
    {"Pic", false, true, true},        {"Com(0)", false, true, false},
    {"Com(1)", false, true, false},    {"Com(2)", false, true, false},
    {"DayLbl", false, true, true},     {"TtlLbl", false, false, true},
};

enum class Screen { Title, Playing, Ended };

void expectScreen(const Fom &fom, Screen screen)
{
    for (const PhaseRow &row : PhaseTable) {
        const auto *widget = fom.findChild<QWidget *>(QString::fromLatin1(row.control));
        ASSERT_NE(widget, nullptr) << row.control;
        const bool expected = screen == Screen::Title ? row.title : screen == Screen::Playing ? row.playing : row.ended;
        EXPECT_EQ(widget->isVisible(), expected) << row.control;
    }
    for (const char *name : {"Tim", "BldTim", "DayTim"})
        EXPECT_EQ(fom.findChild<IntervalTimer *>(QString::fromLatin1(name))->isEnabled(), screen == Screen::Playing) << name;
    EXPECT_TRUE(fom.findChild<IntervalTimer *>(QStringLiteral("BakSongTim"))->isEnabled());
    for (const char *store : {"E(0)", "E(1)", "E(2)", "E2(0)", "E2(8)"}) {
        const auto *image = fom.findChild<QWidget *>(QString::fromLatin1(store));
        ASSERT_NE(image, nullptr) << store;
        EXPECT_FALSE(image->isVisible()) << store;
    }
}

TEST_F(FomTest, ShowsTheControlsOfEachPhase)
{
    ASSERT_TRUE(start());
    expectScreen(*fom, Screen::Title);

    startRound(2);
    expectScreen(*fom, Screen::Playing);
    EXPECT_EQ(shown(), picture("2.bmp"));
    EXPECT_EQ(ctl<Label>("DayLbl")->caption(), "0");

    // Four bites in the wary mood push danger past its mark.
    for (int i = 0; i < 4; ++i)
        click(0, {TopR, TopR, TopR});
    expectScreen(*fom, Screen::Ended);

    QTest::mouseClick(img(), Qt::LeftButton);
    expectScreen(*fom, Screen::Title);
}

TEST_F(FomTest, StartsWithTheNormalLevelAndTheMusicLoopAtTheMusicsLength)
{
    // Longer than a 16-bit count of milliseconds can hold.
    ASSERT_TRUE(start(40000));
    EXPECT_EQ(ctl<IntervalTimer>("BakSongTim")->interval(), 40000);
    EXPECT_EQ(ctl<IntervalTimer>("BldTim")->interval(), 300);
    EXPECT_TRUE(ctl<OptionButton>("Opt(1)")->value());
    EXPECT_TRUE(fom->soundPlayers()[0].isPlaying());
    EXPECT_FALSE(fom->soundPlayers()[1].isPlaying());
}

// The game shows its window before it opens its sound device: the players
// are opened and the loop armed all the same, and the music sounds as soon
// as the device is there.
TEST_F(FomTest, StartsTheMusicWhenTheDeviceOpensAfterTheWindow)
{
    ASSERT_TRUE(start(40000, true));
    EXPECT_EQ(ctl<IntervalTimer>("BakSongTim")->interval(), 40000);
    EXPECT_FALSE(fom->soundPlayers()[0].isPlaying());

    fom->openSoundDevice();
    EXPECT_TRUE(fom->soundPlayers()[0].isPlaying());
    EXPECT_FALSE(fom->soundPlayers()[1].isPlaying());
}

TEST_F(FomTest, ARoundStartsWithDayZeroEmptyBarsAndTheDrawnMoodAndInterval)
{
    ASSERT_TRUE(start());
    startRound(1, 0.5f);
    EXPECT_EQ(fom->state().Mood, 1);
    EXPECT_EQ(ctl<IntervalTimer>("Tim")->interval(), 1400); // 0.5 * 1200 + 800
    EXPECT_EQ(ctl<Shape>("Shp")->width(), 0);
    EXPECT_EQ(ctl<Shape>("BldShp")->width(), 0);
    EXPECT_EQ(ctl<Label>("DayLbl")->caption(), "0");
}

// The art is drawn for a window twice the laid-out size: a stored picture
// keeps every pixel of its file, whatever size the window has now.
TEST_F(FomTest, KeepsStoredPicturesAtTheirFullResolution)
{
    files = std::make_unique<GameFiles>();
    QImage large(1200, 900, QImage::Format_RGB32);
    large.fill(GameFiles::colourOf(QStringLiteral("0.bmp")));
    ASSERT_TRUE(large.save(files->path(QStringLiteral("0.bmp")), "BMP"));
    ASSERT_TRUE(load());

    EXPECT_EQ(ctl<Image>("E(0)")->picture().size(), large.size());
    startRound(0);
    EXPECT_EQ(shown(), picture("0.bmp"));
}

TEST_F(FomTest, EveryControlAPlayerActsOnHasAJapaneseAccessibleName)
{
    ASSERT_TRUE(start());
    for (const char *name : {"Com(0)", "Com(1)", "Com(2)", "Opt(0)", "Opt(1)", "Opt(2)", "Img", "ImgStt"}) {
        const QString accessible = ctl<QWidget>(name)->accessibleName();
        const bool japanese = std::any_of(accessible.begin(), accessible.end(),
                                          [](QChar c) { return c.unicode() >= 0x3040; });
        EXPECT_TRUE(japanese) << name << ": " << accessible.toStdString();
    }
    EXPECT_EQ(ctl<QWidget>("Com(1)")->accessibleName(), "愛の言葉");
    EXPECT_EQ(ctl<QWidget>("Com(1)")->accessibleDescription(), "2 キー");
}

QAccessibleInterface *accessible(QWidget *widget)
{
    QAccessibleInterface *found = QAccessible::queryAccessibleInterface(widget);
    EXPECT_NE(found, nullptr) << widget->objectName().toStdString();
    return found;
}

// A screen reader must read what the screen shows: her mood and, while a
// button is held, her reaction, changing with the picture.
TEST_F(FomTest, ThePicturesDescriptionSaysHerMoodAndHerReactionAsTheyChange)
{
    ASSERT_TRUE(start());
    startRound(0);
    QAccessibleInterface *picture = accessible(img());
    EXPECT_EQ(picture->role(), QAccessible::Graphic);
    const QString dreamy = picture->text(QAccessible::Description);
    tickMood(1);
    const QString warm = picture->text(QAccessible::Description);
    EXPECT_NE(warm, dreamy);

    press(1, {0.0f, 0.0f});
    const QString touched = picture->text(QAccessible::Description);
    EXPECT_TRUE(touched.startsWith(warm)) << touched.toStdString();
    EXPECT_NE(touched, warm);
    QTest::mouseRelease(com(1), Qt::LeftButton);
    EXPECT_EQ(picture->text(QAccessible::Description), warm);
}

TEST_F(FomTest, TheDayAndTheBarsReadAsTheScreenShowsThem)
{
    ASSERT_TRUE(start());
    startRound(2);
    emit ctl<IntervalTimer>("DayTim")->Timer();
    EXPECT_EQ(accessible(ctl<QWidget>("DayLbl"))->text(QAccessible::Name), "1");

    click(0, {TopR, TopR, TopR}); // vampirism +2, danger +29
    for (const auto &[box, caption, value] : {std::tuple{"BldPic", "Label1(0)", 2}, {"Pic", "Label1(1)", 29}}) {
        QAccessibleInterface *bar = accessible(ctl<QWidget>(box));
        EXPECT_EQ(bar->text(QAccessible::Name), ctl<Label>(caption)->caption()) << box;
        ASSERT_NE(bar->valueInterface(), nullptr) << box;
        EXPECT_EQ(bar->valueInterface()->currentValue().toInt(), value) << box;
    }
    // Past its full mark the bar fills its box, and says no more than that.
    for (int i = 0; i < 3; ++i)
        click(0, {TopR, TopR, TopR});
    EXPECT_GT(gauge(Danger), 100);
    EXPECT_EQ(accessible(ctl<QWidget>("Pic"))->valueInterface()->currentValue().toInt(), 100);
}

TEST_F(FomTest, ShowingTheWindowAgainDoesNotResetTheRound)
{
    ASSERT_TRUE(start());
    startRound(0);
    fom->hide();
    fom->show();
    expectScreen(*fom, Screen::Playing);
}

// ---- window size -------------------------------------------------------

struct WindowSizeCase
{
    const char *name;
    QSize window; // the laid-out window is 287 x 438 at the offscreen 96 dpi
    double factor;
    QPoint origin;
};

void PrintTo(const WindowSizeCase &c, std::ostream *os)
{
    *os << c.name;
}

class FomWindowSize : public FomTest, public ::testing::WithParamInterface<WindowSizeCase>
{
};

// Every control lies where its twips put it at the factor that fits the
// window, with its font sized by the same factor; a window of other
// proportions shows the layout centred.
TEST_P(FomWindowSize, PlacesEveryControlAndFontFromItsTwipsAtTheFittingFactor)
{
    const WindowSizeCase &c = GetParam();
    ASSERT_TRUE(start());
    fom->resize(c.window);
    ASSERT_TRUE(QTest::qWaitFor([&] { return fom->size() == c.window; }));

    for (const Layout::Row &row : Layout::rows()) {
        if (row.kind == Layout::Kind::Timer || row.kind == Layout::Kind::Shape || qstrcmp(row.name, "ImgStt") == 0)
            continue;
        const QString name = controlName(row.name, row.index);
        const auto *control = fom->findChild<QWidget *>(name);
        ASSERT_NE(control, nullptr) << name.toStdString();
        QRect expected = twipsRect(row.left, row.top, row.width, row.height, c.factor);
        if (control->parentWidget() == fom.get())
            expected.translate(c.origin);
        EXPECT_EQ(control->geometry(), expected) << name.toStdString();
        const qreal laidOutPoints = row.fontPoints > 0 ? row.fontPoints : fom->font().pointSizeF();
        EXPECT_DOUBLE_EQ(control->font().pointSizeF(), laidOutPoints * c.factor) << name.toStdString();
    }
    // The title picture covers the laid-out client area, not the window.
    EXPECT_EQ(ctl<Image>("ImgStt")->geometry(),
              twipsRect(0, 0, Layout::ClientWidth, Layout::ClientHeight, c.factor).translated(c.origin));
}

INSTANTIATE_TEST_SUITE_P(Sizes, FomWindowSize,
                         ::testing::Values(WindowSizeCase{"TwiceTheLaidOutSize", {574, 876}, 2.0, {0, 0}},
                                           WindowSizeCase{"TallerThanItsProportions", {287, 876}, 1.0, {0, 219}}));

// A window manager maximises to the screen's shape: the layout is as large
// as the screen's height allows, centred on the window's grey.
TEST_F(FomTest, AMaximisedWindowShowsTheLayoutAsLargeAsFitsCentredOnItsBackColour)
{
    ASSERT_TRUE(start());
    const QSize laidOut = fom->size();
    fom->showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return fom->size() != laidOut; }));
    ASSERT_GT(fom->width() * laidOut.height(), fom->height() * laidOut.width()) << "the screen must be wider than the layout";

    const QRect title = ctl<Image>("ImgStt")->geometry();
    EXPECT_EQ(title.height(), fom->height());
    EXPECT_LE(std::abs(title.center().x() - fom->rect().center().x()), 1);
    EXPECT_EQ(fom->grab().toImage().pixel(0, 0) & RGB_MASK, bgrColor(Layout::WindowColor).rgb() & RGB_MASK);
}

// Where a label's caption leaves ink, line by line, in pixels of the
// laid-out label: the laid-out label (factor 1) finds its lines, runs of
// rows with ink, and draws the border between two lines halfway between
// them; at other factors the borders move with the label. A character that
// goes to another line takes its ink along. Faint smoothing is no ink.
struct LineInk
{
    int left = 1 << 20;
    int right = -1;
};

std::vector<LineInk> inkByLine(Label &label, double factor, std::vector<double> &borders)
{
    const QImage image = label.grab().toImage();
    const QColor back = label.palette().color(QPalette::Window);
    std::vector<std::vector<int>> contrast(image.height(), std::vector<int>(image.width()));
    int strongest = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            contrast[y][x] = std::max({std::abs(c.red() - back.red()), std::abs(c.green() - back.green()),
                                       std::abs(c.blue() - back.blue())});
            strongest = std::max(strongest, contrast[y][x]);
        }
    }
    const auto ink = [&](int v) { return v * 2 > strongest; };
    const auto inked = [&](int y) { return std::any_of(contrast[y].begin(), contrast[y].end(), ink); };
    for (int y = 0, lastInked = -1; factor == 1.0 && y < image.height(); ++y) {
        if (inked(y) && lastInked >= 0 && lastInked < y - 1)
            borders.push_back((lastInked + y) / 2.0);
        lastInked = inked(y) ? y : lastInked;
    }
    std::vector<LineInk> lines(borders.size() + 1);
    for (int y = 0; y < image.height(); ++y) {
        LineInk &line = lines[std::count_if(borders.begin(), borders.end(), [&](double b) { return y > b * factor; })];
        for (int x = 0; x < image.width(); ++x) {
            if (ink(contrast[y][x])) {
                line.left = std::min(line.left, int(std::lround(x / factor)));
                line.right = std::max(line.right, int(std::lround(x / factor)));
            }
        }
    }
    return lines;
}

class FomTextScale : public FomTest, public ::testing::WithParamInterface<double>
{
};

// Fonts come only in whole pixel sizes, yet every caption grows and shrinks
// with the window as a picture of the laid-out window would: each of its
// lines keeps its characters and its extent at any factor.
TEST_P(FomTextScale, EveryLabelBreaksItsCaptionWhereTheLaidOutWindowDoes)
{
    ASSERT_TRUE(start());
    startRound(0);
    const auto longest = std::max_element(allEndings().begin(), allEndings().end(),
                                          [](const Ending &a, const Ending &b) { return a.title.size() < b.title.size(); });
    ctl<Label>("TtlLbl")->setCaption(QString::fromUtf8(longest->title.data(), qsizetype(longest->title.size())));
    const QList<Label *> labels = fom->findChildren<Label *>();
    std::vector<std::vector<double>> borders(labels.size());
    std::vector<std::vector<LineInk>> laidOut;
    for (qsizetype i = 0; i < labels.size(); ++i)
        laidOut.push_back(inkByLine(*labels[i], 1.0, borders[i]));

    const QSize laidOutSize = fom->size();
    const QSize size = (QSizeF(laidOutSize) * GetParam()).toSize();
    fom->resize(size);
    ASSERT_TRUE(QTest::qWaitFor([&] { return fom->size() == size; }));
    const double factor = std::min(double(size.width()) / laidOutSize.width(),
                                   double(size.height()) / laidOutSize.height());
    for (qsizetype i = 0; i < labels.size(); ++i) {
        const std::vector<LineInk> scaled = inkByLine(*labels[i], factor, borders[i]);
        for (std::size_t line = 0; line < scaled.size(); ++line) {
            const std::string where = labels[i]->objectName().toStdString() + " line " + std::to_string(line);
            EXPECT_NEAR(scaled[line].left, laidOut[i][line].left, 5) << where;
            EXPECT_NEAR(scaled[line].right, laidOut[i][line].right, 5) << where;
        }
    }
}

// 0.55 is the window that QT_SCALE_FACTOR=2 fits on a 640 x 480 screen.
INSTANTIATE_TEST_SUITE_P(Factors, FomTextScale, ::testing::Values(0.55, 0.9, 1.1, 1.5, 2.0));

// ---- presses ----------------------------------------------------------

TEST_F(FomTest, APressPlaysItsSoundShowsTheReactionMovesTheGaugesAndRedrawsTheBars)
{
    ASSERT_TRUE(start());
    startRound(1);

    press(0, {TopR, 0.0f, TopR}); // vampirism +2, love -0, danger +19
    EXPECT_TRUE(fom->soundPlayers()[1].isPlaying());
    EXPECT_FALSE(fom->soundPlayers()[2].isPlaying());
    EXPECT_EQ(shown(), picture("10.bmp"));
    EXPECT_EQ(gauge(Vampirism), 2);
    EXPECT_EQ(gauge(Danger), 19);
    // The bars are drawn in gauge points: a box of 100 points.
    const int boxWidth = ctl<PictureBox>("Pic")->width();
    EXPECT_NEAR(ctl<Shape>("Shp")->width(), boxWidth * 19 / 100.0, 1.0);
    EXPECT_NEAR(ctl<Shape>("BldShp")->width(), ctl<PictureBox>("BldPic")->width() * 2 / 100.0, 1.0);

    QTest::mouseRelease(com(0), Qt::LeftButton);
    EXPECT_EQ(shown(), picture("1.bmp"));
}

TEST_F(FomTest, EachMoodAndActionShowsItsOwnReaction)
{
    ASSERT_TRUE(start());
    startRound(0);
    const char *reactions[3][3] = {{"00.bmp", "01.bmp", "02.bmp"},
                                   {"10.bmp", "11.bmp", "12.bmp"},
                                   {"20.bmp", "21.bmp", "22.bmp"}};
    for (int mood : {0, 1, 2}) {
        if (mood != fom->state().Mood)
            tickMood(mood);
        for (int action : {0, 1, 2}) {
            random.setFallback(0.0f);
            press(action, {});
            EXPECT_EQ(shown(), picture(reactions[mood][action])) << mood << action;
            QTest::mouseRelease(com(action), Qt::LeftButton);
        }
    }
}

TEST_F(FomTest, OrdinaryMannerInTheDreamyMoodDrawsNothingButStillChecksDanger)
{
    ASSERT_TRUE(start());
    startRound(0);
    // The drift alone takes danger to 100 without ending the round.
    random.setFallback(TopR);
    for (int tick = 0; tick < 50; ++tick)
        emit ctl<IntervalTimer>("BldTim")->Timer();
    EXPECT_EQ(gauge(Danger), 100);
    EXPECT_EQ(fom->state().phase, Phase::Playing);
    const int drawsBefore = random.drawCount();

    click(2, {});
    EXPECT_EQ(random.drawCount(), drawsBefore);
    EXPECT_EQ(fom->state().phase, Phase::Ended);
    EXPECT_EQ(ctl<Label>("TtlLbl")->caption(), "<<永久の幕>>");
}

TEST_F(FomTest, AMoodTickReplacesAHeldReactionAndTheReleaseShowsTheNewMood)
{
    ASSERT_TRUE(start());
    startRound(1);
    press(1, {0.0f, 0.0f});
    EXPECT_EQ(shown(), picture("11.bmp"));
    tickMood(2);
    EXPECT_EQ(shown(), picture("2.bmp"));
    QTest::mouseRelease(com(1), Qt::LeftButton);
    EXPECT_EQ(shown(), picture("2.bmp"));
}

// ---- endings ----------------------------------------------------------

struct EndingRun
{
    const char *title;
    bool lightLevel;
    void (*play)(FomTest &test);
};

class FomEnding : public FomTest, public ::testing::WithParamInterface<EndingRun>
{
};

void bitesToTheFullMark(FomTest &test, float dangerDraw)
{
    // Mood 0 bites: vampirism +9 each; the twelfth reaches 108.
    for (int i = 0; i < 12; ++i)
        test.click(0, {TopR, dangerDraw});
}

const EndingRun EndingRuns[] = {
    {"<<吸血鬼狩りの夜>>", false,
     [](FomTest &test) {
         test.startRound(0);
         bitesToTheFullMark(test, TopR); // danger +9 each: 108 at the end
     }},
    {"<<憎しみの片割れ>>", false,
     [](FomTest &test) {
         test.startRound(0);
         for (int i = 0; i < 6; ++i)
             test.click(0, {TopR, 0.0f}); // vampirism 54, danger 30
         test.tickMood(1);
         for (int i = 0; i < 4; ++i)
             test.click(2, {TopR}); // danger -9 each, floored at 0
         test.tickMood(0);
         for (int i = 0; i < 6; ++i)
             test.click(0, {TopR, 0.0f}); // vampirism 108, danger 30
     }},
    {"<<青の夜>>", false,
     [](FomTest &test) {
         test.startRound(0);
         for (int i = 0; i < 8; ++i)
             test.click(1, {TopR}); // love 112
         bitesToTheFullMark(test, 0.0f);
     }},
    // The same round on the light level is no love story.
    {"<<吸血鬼狩りの夜>>", true,
     [](FomTest &test) {
         test.startRound(0);
         for (int i = 0; i < 8; ++i)
             test.click(1, {TopR});
         bitesToTheFullMark(test, 0.0f); // danger 60
     }},
    {"<<半妖の君>>", false,
     [](FomTest &test) {
         test.startRound(0);
         for (int i = 0; i < 6; ++i)
             test.click(0, {TopR, TopR}); // vampirism 54, danger 54
         test.tickMood(2);
         for (int i = 0; i < 2; ++i)
             test.click(0, {0.0f, 0.0f, TopR}); // danger +29 each: 112
     }},
    {"<<永久の幕>>", false,
     [](FomTest &test) {
         test.startRound(2);
         for (int i = 0; i < 4; ++i)
             test.click(0, {TopR, TopR, TopR});
     }},
};

TEST_P(FomEnding, PlaysOutItsTitlePicturesAndBoxesThenLeavesTheFinalPicture)
{
    const EndingRun &run = GetParam();
    ASSERT_TRUE(start());
    if (run.lightLevel)
        QTest::mouseClick(ctl<OptionButton>("Opt(0)"), Qt::LeftButton);

    const Ending *ending = nullptr;
    for (const Ending &candidate : allEndings())
        if (candidate.title == run.title)
            ending = &candidate;
    ASSERT_NE(ending, nullptr);

    // While the boxes are open the title is up, the last of the ending's own
    // pictures is shown and nothing of the round runs any more.
    int boxesSeen = 0;
    boxes.setHook([&](const QString &) {
        ++boxesSeen;
        EXPECT_EQ(ctl<Label>("TtlLbl")->caption(), QString::fromUtf8(run.title));
        EXPECT_TRUE(ctl<Label>("TtlLbl")->isVisible());
        EXPECT_EQ(shown(), picture(ending->pictures.back()));
        EXPECT_FALSE(ctl<IntervalTimer>("Tim")->isEnabled());
        EXPECT_FALSE(ctl<IntervalTimer>("DayTim")->isEnabled());
        EXPECT_FALSE(ctl<IntervalTimer>("BldTim")->isEnabled());
    });

    run.play(*this);

    EXPECT_EQ(fom->state().phase, Phase::Ended);
    QStringList expectedBoxes;
    for (std::string_view box : ending->boxes)
        expectedBoxes.append(QString::fromUtf8(box.data(), static_cast<qsizetype>(box.size())));
    EXPECT_EQ(boxes.texts(), expectedBoxes);
    EXPECT_EQ(boxesSeen, expectedBoxes.size());
    EXPECT_EQ(shown(), picture("end.bmp"));
    EXPECT_TRUE(boxes.errors().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(AllFive, FomEnding, ::testing::ValuesIn(EndingRuns));

TEST_F(FomTest, TheReleaseOfThePressThatEndedTheRoundKeepsTheFinalPicture)
{
    ASSERT_TRUE(start());
    startRound(2);
    for (int i = 0; i < 3; ++i)
        click(0, {TopR, TopR, TopR});
    press(0, {TopR, TopR, TopR});
    ASSERT_EQ(fom->state().phase, Phase::Ended);
    QTest::mouseRelease(com(0), Qt::LeftButton);
    EXPECT_EQ(shown(), picture("end.bmp"));
}

TEST_F(FomTest, TheDayClockCountsTo31AndEndsTheRoundOnTheNextTick)
{
    ASSERT_TRUE(start());
    startRound(0);
    auto *dayClock = ctl<IntervalTimer>("DayTim");
    EXPECT_EQ(dayClock->interval(), 2500);
    for (int day = 1; day <= 31; ++day)
        emit dayClock->Timer();
    EXPECT_EQ(ctl<Label>("DayLbl")->caption(), "31");
    EXPECT_EQ(fom->state().phase, Phase::Playing);

    emit dayClock->Timer();
    EXPECT_EQ(fom->state().phase, Phase::Ended);
    EXPECT_EQ(ctl<Label>("DayLbl")->caption(), "31");
    EXPECT_EQ(ctl<Label>("TtlLbl")->caption(), "<<永久の幕>>");
}

TEST_F(FomTest, ADayTickWhileAButtonIsHeldCanEndTheRoundAndTheReleaseKeepsTheEnding)
{
    ASSERT_TRUE(start());
    startRound(0);
    for (int day = 1; day <= 31; ++day)
        emit ctl<IntervalTimer>("DayTim")->Timer();
    press(1, {0.0f});
    emit ctl<IntervalTimer>("DayTim")->Timer();
    QTest::mouseRelease(com(1), Qt::LeftButton);
    EXPECT_EQ(shown(), picture("end.bmp"));
}

// ---- back to the title --------------------------------------------------

TEST_F(FomTest, AClickOnThePictureAbandonsTheRoundWithoutAnEnding)
{
    ASSERT_TRUE(start());
    startRound(1);
    click(0, {TopR, 0.0f, TopR});
    emit ctl<IntervalTimer>("DayTim")->Timer();

    QTest::mouseClick(img(), Qt::LeftButton);

    expectScreen(*fom, Screen::Title);
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_EQ(gauge(Vampirism), 0);
    EXPECT_EQ(gauge(Danger), 0);
    EXPECT_EQ(fom->state().Day, 0);
    EXPECT_EQ(fom->state().Mood, 1); // kept until the next round draws one
    EXPECT_EQ(ctl<Shape>("Shp")->width(), 0);
}

TEST_F(FomTest, AfterAnEndingTheTitleHidesTheEndingTitleAndTheNextEndingReplacesIt)
{
    ASSERT_TRUE(start());
    startRound(2);
    for (int i = 0; i < 4; ++i)
        click(0, {TopR, TopR, TopR});
    QTest::mouseClick(img(), Qt::LeftButton);
    EXPECT_FALSE(ctl<Label>("TtlLbl")->isVisible());

    startRound(0);
    EXPECT_EQ(ctl<Label>("DayLbl")->caption(), "0");
    bitesToTheFullMark(*this, TopR);
    EXPECT_EQ(ctl<Label>("TtlLbl")->caption(), "<<吸血鬼狩りの夜>>");
}

// The first click swaps the title and the main picture under the pointer;
// the second press of the double-click must not act on the other one.
TEST_F(FomTest, ADoubleClickOnEitherPictureCountsAsOneClick)
{
    ASSERT_TRUE(start());
    random.push({0.0f, moodDraw(2)});
    doubleClick(ctl<Image>("ImgStt"));
    expectScreen(*fom, Screen::Playing);

    for (int i = 0; i < 4; ++i)
        click(0, {TopR, TopR, TopR});
    expectScreen(*fom, Screen::Ended);
    doubleClick(img());
    expectScreen(*fom, Screen::Title);
}

TEST_F(FomTest, AQuickDoublePressOnAnActionButtonCountsAsTwoPresses)
{
    ASSERT_TRUE(start());
    startRound(0);
    random.push({TopR, 0.0f, TopR, 0.0f});
    doubleClick(com(0));
    EXPECT_EQ(gauge(Vampirism), 18);
    EXPECT_EQ(shown(), picture("0.bmp"));
}

// ---- keys ---------------------------------------------------------------

TEST_F(FomTest, TheActionKeysHoldTheirButtonsDownAsTheMouseDoes)
{
    ASSERT_TRUE(start());
    startRound(1);
    stopTheClocks();
    random.push({TopR, 0.0f, TopR}); // vampirism +2, love -0, danger +19
    key(true, Qt::Key_1);
    EXPECT_TRUE(com(0)->isDown());
    EXPECT_TRUE(fom->soundPlayers()[1].isPlaying());
    EXPECT_EQ(shown(), picture("10.bmp"));
    EXPECT_EQ(gauge(Danger), 19);

    // Held, the key repeats: marked as such, or as a release and a press
    // at one instant. Either way it stays the one press, held.
    key(false, Qt::Key_1, {}, true);
    key(true, Qt::Key_1, {}, true);
    key(false, Qt::Key_1, {}, false, 5000);
    key(true, Qt::Key_1, {}, false, 5000);
    EXPECT_FALSE(QTest::qWaitFor([&] { return !com(0)->isDown(); }, 200));
    EXPECT_EQ(shown(), picture("10.bmp"));

    // The keypad's 2 pressed meanwhile is a press of its own, and each
    // release is its own.
    random.push({TopR, TopR}); // love +9, danger -4
    key(true, Qt::Key_2, Qt::KeypadModifier);
    EXPECT_EQ(shown(), picture("11.bmp"));
    EXPECT_EQ(gauge(Danger), 15);
    releaseKey(0, Qt::Key_1);
    EXPECT_TRUE(com(1)->isDown());
    EXPECT_EQ(shown(), picture("1.bmp"));
    releaseKey(1, Qt::Key_2, Qt::KeypadModifier);
    EXPECT_EQ(random.remaining(), 0u);
}

// Clicks and resizing leave the keys with the window.
TEST_F(FomTest, OnTheTitleTheArrowsMoveTheLevelAndSpaceStartsTheRound)
{
    ASSERT_TRUE(start());
    key(true, Qt::Key_1); // no action button on the title
    EXPECT_FALSE(fom->soundPlayers()[1].isPlaying());
    key(true, Qt::Key_Left);
    EXPECT_TRUE(ctl<OptionButton>("Opt(0)")->value());
    EXPECT_EQ(ctl<IntervalTimer>("BldTim")->interval(), 400);
    key(true, Qt::Key_Up); // the first has no neighbour before it
    EXPECT_TRUE(ctl<OptionButton>("Opt(0)")->value());

    QTest::mouseClick(ctl<OptionButton>("Opt(1)"), Qt::LeftButton);
    key(true, Qt::Key_Down);
    EXPECT_TRUE(ctl<OptionButton>("Opt(2)")->value());
    EXPECT_EQ(ctl<IntervalTimer>("BldTim")->interval(), 250);

    fom->resize(574, 876);
    ASSERT_TRUE(QTest::qWaitFor([&] { return fom->size() == QSize(574, 876); }));
    random.push({0.0f, moodDraw(2)});
    key(true, Qt::Key_Space);
    expectScreen(*fom, Screen::Playing);
    EXPECT_EQ(shown(), picture("2.bmp"));
}

TEST_F(FomTest, EscapeAbandonsTheRoundAndAfterTheEndingEnterReturnsToTheTitle)
{
    ASSERT_TRUE(start());
    startRound(2);
    key(true, Qt::Key_Return); // nothing to start in a round
    expectScreen(*fom, Screen::Playing);
    key(true, Qt::Key_Escape);
    expectScreen(*fom, Screen::Title);

    startRound(2);
    stopTheClocks();
    for (int i = 0; i < 4; ++i) {
        random.push({TopR, TopR, TopR});
        key(true, Qt::Key_1);
        releaseKey(0, Qt::Key_1);
    }
    expectScreen(*fom, Screen::Ended);
    // The Enter that closed the last box goes on repeating into the window
    // until it comes up, marked as repeats or not: the ending stays.
    key(true, Qt::Key_Return, {}, true);
    key(false, Qt::Key_Return, {}, false, 7000);
    key(true, Qt::Key_Return, {}, false, 7000);
    key(false, Qt::Key_Return);
    expectScreen(*fom, Screen::Ended);
    key(true, Qt::Key_Enter, Qt::KeypadModifier);
    expectScreen(*fom, Screen::Title);
}

// ---- level --------------------------------------------------------------

TEST_F(FomTest, TheChosenLevelReachesTheDriftTimerAndTheFirstMoodInterval)
{
    ASSERT_TRUE(start());
    QTest::mouseClick(ctl<OptionButton>("Opt(2)"), Qt::LeftButton);
    EXPECT_EQ(ctl<IntervalTimer>("BldTim")->interval(), 250);
    EXPECT_FALSE(ctl<IntervalTimer>("BldTim")->isEnabled());

    startRound(0, TopR);
    EXPECT_EQ(ctl<IntervalTimer>("Tim")->interval(), 1500);
    EXPECT_TRUE(ctl<IntervalTimer>("BldTim")->isEnabled());

    // Back on the title the level stays chosen for the next round.
    QTest::mouseClick(img(), Qt::LeftButton);
    EXPECT_TRUE(ctl<OptionButton>("Opt(2)")->value());
    EXPECT_EQ(ctl<IntervalTimer>("BldTim")->interval(), 250);
}

// ---- broken files -------------------------------------------------------

class FomMissingPicture : public FomTest, public ::testing::WithParamInterface<const char *>
{
};

TEST_P(FomMissingPicture, AtStartUpStopsBeforeTheWindowIsShownAndNamesTheFile)
{
    files = std::make_unique<GameFiles>();
    files->remove(QString::fromLatin1(GetParam()));
    // The box waits for the player while events go on: no timer may reach
    // the half-loaded window then.
    bool anyTimerRunning = true;
    boxes.setHook([&](const QString &) {
        anyTimerRunning = false;
        for (const auto *timer : fom->findChildren<IntervalTimer *>())
            anyTimerRunning = anyTimerRunning || timer->isEnabled();
    });

    EXPECT_FALSE(load());
    EXPECT_FALSE(anyTimerRunning);
    EXPECT_FALSE(fom->isVisible());
    ASSERT_EQ(boxes.errors().size(), 1);
    EXPECT_TRUE(boxes.errors().front().contains(files->path(QString::fromLatin1(GetParam()))))
        << boxes.errors().front().toStdString();
    EXPECT_TRUE(fom->hasFailed());
}

INSTANTIATE_TEST_SUITE_P(StoredPictures, FomMissingPicture, ::testing::Values("stt.bmp", "0.bmp", "12.bmp", "22.bmp"));

// The round's pictures are read when the first round starts: one lost since
// start-up stops the game there, named, before anything of the round shows.
TEST_F(FomTest, ARoundPictureLostAfterStartUpStopsTheFirstRoundAndNamesTheFile)
{
    files = std::make_unique<GameFiles>();
    ASSERT_TRUE(load());
    files->remove(QStringLiteral("12.bmp"));
    startRound(0);

    ASSERT_EQ(boxes.errors().size(), 1);
    EXPECT_TRUE(boxes.errors().front().contains(files->path(QStringLiteral("12.bmp"))));
    EXPECT_TRUE(ctl<Image>("ImgStt")->isVisible());
    EXPECT_FALSE(ctl<IntervalTimer>("DayTim")->isEnabled());
    EXPECT_TRUE(fom->hasFailed());
}

TEST_F(FomTest, AMissingEndPictureIsOnlyNoticedByItsEndingAndNamesTheFile)
{
    files = std::make_unique<GameFiles>();
    files->remove(QStringLiteral("end2.bmp"));
    ASSERT_TRUE(load());
    startRound(2);
    for (int i = 0; i < 4; ++i)
        click(0, {TopR, TopR, TopR});

    ASSERT_EQ(boxes.errors().size(), 1);
    EXPECT_TRUE(boxes.errors().front().contains(files->path(QStringLiteral("end2.bmp"))));
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_TRUE(fom->hasFailed());
}

TEST_F(FomTest, MissingSoundsLeaveTheGamePlayableAndSilent)
{
    files = std::make_unique<GameFiles>();
    for (const char *name : {"0.wav", "1.wav", "2.wav", "3.wav"})
        files->remove(QString::fromLatin1(name));
    ASSERT_TRUE(load());
    EXPECT_EQ(ctl<IntervalTimer>("BakSongTim")->interval(), 0);
    startRound(0);
    click(0, {TopR, TopR});
    EXPECT_EQ(gauge(Vampirism), 9);
    EXPECT_FALSE(fom->soundPlayers()[1].isPlaying());
}

TEST_F(FomTest, ClosingTheWindowStopsEverySoundPlayer)
{
    ASSERT_TRUE(start());
    startRound(0);
    press(0, {TopR, TopR});
    fom->close();
    for (int i = 0; i < fom->soundPlayers().count(); ++i) {
        EXPECT_FALSE(fom->soundPlayers()[i].isPlaying()) << i;
        EXPECT_FALSE(fom->soundPlayers()[i].isOpen()) << i;
    }
}

} // namespace
