// SPDX-License-Identifier: MIT
// How soon a press on an action button shows: from a mouse press delivered
// to the button to the end of the repaint that puts the reaction on screen.
// The game's window is built as the executable builds it and each press
// starts from a fresh round, so no press can end one; a bare window with a
// push button that swaps a label's picture is measured the same way, as the
// floor of the stack. The floor's two pictures are the game's own first mood
// and its reaction to "吸血", drawn for the size they are shown at: from
// <floor-pictures> in the laid-out window, and the game's own under
// QT_SCALE_FACTOR=2, where the window is twice the size.
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

std::vector<double> measureGame(const QString &assets, int presses)
{
    SeededRandom random = SeededRandom::fromClock();
    AudioDevice audio;
    QtMessageBox messageBox;
    Fom fom({random, messageBox, audio, withTrailingSeparator(assets)});
    if (!fom.Form_Load())
        return {};
    fom.show();
    if (!QTest::qWaitForWindowExposed(&fom))
        return {};
    auto *title = fom.findChild<Image *>(QStringLiteral("ImgStt"));
    auto *img = fom.findChild<Image *>(QStringLiteral("Img"));
    auto *bite = fom.findChild<QWidget *>(QStringLiteral("Com(0)"));
    PaintProbe probe(img);

    std::vector<double> samples;
    int overtaken = 0;
    for (int i = 0; i < presses; ++i) {
        QTest::mouseClick(title, Qt::LeftButton);
        if (!waitForRepaint(probe, [] { return true; }))
            return {};
        // The main picture brings along the words of the store it shows.
        const QString reaction =
                fom.findChild<Image *>(QStringLiteral("E2(%1)").arg(fom.state().Mood * 3))->accessibleDescription();
        const auto ms = timePress(bite, probe, [&] { return img->accessibleDescription() == reaction; });
        // A mood change that came first replaced the reaction: no sample.
        if (ms)
            samples.push_back(*ms);
        else
            ++overtaken;
        QTest::mouseRelease(bite, Qt::LeftButton);
        QTest::mouseClick(img, Qt::LeftButton);
    }
    if (overtaken)
        std::printf("  (%d presses overtaken by a mood change, left out)\n", overtaken);
    return samples;
}

std::vector<double> measureFloor(const QString &pictures, int presses)
{
    QWidget window;
    auto *label = new QLabel(&window);
    auto *button = new QPushButton(QStringLiteral("吸血"), &window);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(label);
    layout->addWidget(button);
    QPixmap calm(pictures + QStringLiteral("0.bmp"));
    QPixmap reaction(pictures + QStringLiteral("00.bmp"));
    if (calm.isNull() || reaction.isNull())
        return {};
    calm.setDevicePixelRatio(window.devicePixelRatioF());
    reaction.setDevicePixelRatio(window.devicePixelRatioF());
    label->setPixmap(calm);
    QObject::connect(button, &QPushButton::pressed, label, [&] { label->setPixmap(reaction); });
    QObject::connect(button, &QPushButton::released, label, [&] { label->setPixmap(calm); });
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return {};
    PaintProbe probe(label);

    std::vector<double> samples;
    for (int i = 0; i < presses; ++i) {
        const auto ms = timePress(button, probe, [&] { return label->pixmap().cacheKey() == reaction.cacheKey(); });
        if (ms)
            samples.push_back(*ms);
        QTest::mouseRelease(button, Qt::LeftButton);
        waitForRepaint(probe, [] { return true; });
    }
    return samples;
}

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
    const std::vector<double> floor =
            measureFloor(twice ? build : withTrailingSeparator(QString::fromLocal8Bit(argv[2])), presses);
    const std::vector<double> game = measureGame(build, presses);
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
