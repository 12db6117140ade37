// SPDX-License-Identifier: MIT
// How soon a press on an action button shows: from a mouse press delivered
// to the button to the end of the repaint that puts the reaction on screen.
// The game's window is built as the executable builds it and each press
// starts from a fresh round, so no press can end one; a bare window with a
// push button that swaps a label's picture is measured the same way, as
// the floor of the stack, one press of each in turn. The floor's two
// pictures are the game's own first mood and its reaction to "吸血", drawn
// for the size they are shown at: from <floor-pictures> in the laid-out
// window, and the game's own under QT_SCALE_FACTOR=2, where the window is
// twice the size.
//
//     press <build-folder> <floor-pictures> [presses]
//
// Besides its table it prints one line per series for bench/run.sh:
// "figure press <1x|2x> <floor|game> <median> <p90> <max> <presses>", in ms.
#include "application.h"
#include "audiodevice.h"
#include "fom.h"
#include "image.h"
#include "paintprobe.h"
#include "qtmessagebox.h"
#include "random.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <vector>

namespace {

constexpr double FrameMs = 1000.0 / 60.0;

// Times one press: from just before the press is delivered to the end of
// the repaint after which shown() holds.
std::optional<double> timePress(QWidget *button, PaintProbe &probe, const std::function<bool()> &shown)
{
    // Each press starts with the window system done with every frame before
    // it: a round's first frame is far larger than the floor's last, and the
    // press's repaint would first wait for the X server to finish it.
    QGuiApplication::sync();
    QElapsedTimer clock;
    clock.start();
    QTest::mousePress(button, Qt::LeftButton);
    if (!waitForRepaint(probe, shown))
        return std::nullopt;
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// The game's window: each press starts from a fresh round, so that no press
// can end one, and the picture is clicked back to the title after it.
class GameSide
{
public:
    explicit GameSide(const QString &assets)
        : m_random(SeededRandom::fromClock())
        , m_fom({m_random, m_messageBox, m_audio, withTrailingSeparator(assets)})
    {
    }

    bool open()
    {
        if (!m_fom.Form_Load())
            return false;
        m_fom.show();
        if (!QTest::qWaitForWindowExposed(&m_fom))
            return false;
        m_title = m_fom.findChild<Image *>(QStringLiteral("ImgStt"));
        m_img = m_fom.findChild<Image *>(QStringLiteral("Img"));
        m_bite = m_fom.findChild<QWidget *>(QStringLiteral("Com(0)"));
        m_probe.emplace(m_img);
        return true;
    }

    // False when no round could be started; a press overtaken by a mood
    // change, which replaced the reaction first, gives no sample.
    bool press(std::vector<double> &samples)
    {
        QTest::mouseClick(m_title, Qt::LeftButton);
        if (!waitForRepaint(*m_probe, [] { return true; }))
            return false;
        // The main picture brings along the words of the store it shows.
        const QString reaction =
                m_fom.findChild<Image *>(QStringLiteral("E2(%1)").arg(m_fom.state().Mood * 3))->accessibleDescription();
        if (const auto ms = timePress(m_bite, *m_probe, [&] { return m_img->accessibleDescription() == reaction; }))
            samples.push_back(*ms);
        else
            ++overtaken;
        QTest::mouseRelease(m_bite, Qt::LeftButton);
        QTest::mouseClick(m_img, Qt::LeftButton);
        return true;
    }

    int overtaken = 0;

private:
    SeededRandom m_random;
    AudioDevice m_audio;
    QtMessageBox m_messageBox;
    Fom m_fom;
    Image *m_title = nullptr;
    Image *m_img = nullptr;
    QWidget *m_bite = nullptr;
    std::optional<PaintProbe> m_probe;
};

// A bare window with a push button that swaps a label's picture, beside the
// game's window rather than under it.
class FloorSide
{
public:
    bool open(const QString &pictures)
    {
        auto *label = new QLabel(&m_window);
        m_button = new QPushButton(QStringLiteral("吸血"), &m_window);
        auto *layout = new QVBoxLayout(&m_window);
        layout->addWidget(label);
        layout->addWidget(m_button);
        m_calm = QPixmap(pictures + QStringLiteral("0.bmp"));
        m_reaction = QPixmap(pictures + QStringLiteral("00.bmp"));
        if (m_calm.isNull() || m_reaction.isNull())
            return false;
        m_calm.setDevicePixelRatio(m_window.devicePixelRatioF());
        m_reaction.setDevicePixelRatio(m_window.devicePixelRatioF());
        label->setPixmap(m_calm);
        QObject::connect(m_button, &QPushButton::pressed, label, [this, label] { label->setPixmap(m_reaction); });
        QObject::connect(m_button, &QPushButton::released, label, [this, label] { label->setPixmap(m_calm); });
        m_window.move(m_window.screen()->availableGeometry().center().x(), 0);
        m_window.show();
        if (!QTest::qWaitForWindowExposed(&m_window))
            return false;
        m_label = label;
        m_probe.emplace(label);
        return true;
    }

    void press(std::vector<double> &samples)
    {
        if (const auto ms = timePress(m_button, *m_probe,
                                      [this] { return m_label->pixmap().cacheKey() == m_reaction.cacheKey(); }))
            samples.push_back(*ms);
        QTest::mouseRelease(m_button, Qt::LeftButton);
        waitForRepaint(*m_probe, [] { return true; });
    }

private:
    QWidget m_window;
    QLabel *m_label = nullptr;
    QPushButton *m_button = nullptr;
    QPixmap m_calm;
    QPixmap m_reaction;
    std::optional<PaintProbe> m_probe;
};

struct Spread
{
    double median = 0;
    double p90 = 0;
    double max = 0;
};

Spread spread(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    return {samples[n / 2], samples[(n * 9 + 9) / 10 - 1], samples.back()};
}

void printRow(const char *size, const char *name, const std::vector<double> &samples)
{
    const Spread s = spread(samples);
    std::printf("  %-6s median %6.2f ms, 90th percentile %6.2f ms, worst %6.2f ms (%zu presses)\n", name, s.median,
                s.p90, s.max, samples.size());
    std::printf("figure press %s %s %.3f %.3f %.3f %zu\n", size, name, s.median, s.p90, s.max, samples.size());
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int presses = argc == 4 ? std::atoi(argv[3]) : 100;
    if ((argc != 3 && argc != 4) || presses < 1 || presses > 1000) {
        std::fprintf(stderr, "usage: press <build-folder> <floor-pictures> [presses, 1..1000]\n");
        return EXIT_FAILURE;
    }
    const QString build = withTrailingSeparator(QString::fromLocal8Bit(argv[1]));
    const bool twice = app.devicePixelRatio() > 1.5;
    const char *size = twice ? "2x" : "1x";
    std::printf("From a press on \"吸血\" to the end of the repaint showing the reaction, at %s:\n",
                twice ? "twice the laid-out size (QT_SCALE_FACTOR=2)" : "the laid-out size");
    FloorSide floorSide;
    GameSide gameSide(build);
    if (!floorSide.open(twice ? build : withTrailingSeparator(QString::fromLocal8Bit(argv[2]))) || !gameSide.open()) {
        std::fprintf(stderr, "press: a window could not be opened\n");
        return EXIT_FAILURE;
    }
    // One press each in turn, so that whatever else the machine does over
    // the run falls on both alike.
    std::vector<double> floor;
    std::vector<double> game;
    for (int i = 0; i < presses; ++i) {
        floorSide.press(floor);
        if (!gameSide.press(game))
            break;
    }
    if (gameSide.overtaken)
        std::printf("  (%d presses overtaken by a mood change, left out)\n", gameSide.overtaken);
    if (floor.empty() || game.empty()) {
        std::fprintf(stderr, "press: no press could be timed\n");
        return EXIT_FAILURE;
    }
    printRow(size, "floor", floor);
    printRow(size, "game", game);
    const Spread f = spread(floor);
    const Spread g = spread(game);
    std::printf("  game/floor: median %.2fx, 90th percentile %.2fx (aim: at most 1.0x); game median %.2f of one "
                "60 Hz frame (%.1f ms)\n", g.median / f.median, g.p90 / f.p90, g.median / FrameMs, FrameMs);
    return EXIT_SUCCESS;
}
