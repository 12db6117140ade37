// SPDX-License-Identifier: MIT
// How soon a press on an action button shows: from a mouse press delivered
// to the button to the end of the repaint that puts the reaction on screen.
// The game's window is built as the executable builds it and each press
// starts from a fresh round, so no press can end one; a bare window with a
// push button that swaps a label's picture is measured the same way, as the
// floor of the stack.
//
//     press <assets-folder> [presses]
#include "application.h"
#include "audiodevice.h"
#include "fom.h"
#include "image.h"
#include "paintprobe.h"
#include "qtmessagebox.h"
#include "random.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <vector>

namespace {

constexpr int PaintTimeoutMs = 5000;
constexpr double FrameMs = 1000.0 / 60.0;

// Runs the event loop until the probe reports a repaint after which done()
// holds; false when none comes in time.
bool waitForRepaint(PaintProbe &probe, const std::function<bool()> &done)
{
    QEventLoop loop;
    bool reached = false;
    const auto connection = QObject::connect(&probe, &PaintProbe::painted, &loop, [&] {
        if (done()) {
            reached = true;
            loop.quit();
        }
    });
    QTimer::singleShot(PaintTimeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(connection);
    return reached;
}

// Times one press: from just before the press is delivered to the end of
// the repaint after which shown() holds.
std::optional<double> timePress(QWidget *button, PaintProbe &probe, const std::function<bool()> &shown)
{
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
        const QPixmap reaction = fom.findChild<Image *>(QStringLiteral("E2(%1)").arg(fom.state().Mood * 3))->picture();
        const auto ms = timePress(bite, probe, [&] { return img->picture().cacheKey() == reaction.cacheKey(); });
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

std::vector<double> measureFloor(int presses)
{
    QWidget window;
    auto *label = new QLabel(&window);
    auto *button = new QPushButton(QStringLiteral("吸血"), &window);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(label);
    layout->addWidget(button);
    QPixmap calm(265, 265);
    calm.fill(Qt::darkRed);
    QPixmap reaction(265, 265);
    reaction.fill(Qt::white);
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

void printRow(const char *name, std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const double median = samples[samples.size() / 2];
    const double high = samples[samples.size() * 95 / 100];
    std::printf("  %-6s median %6.2f ms, 95th percentile %6.2f ms, worst %6.2f ms (%zu presses)\n", name, median,
                high, samples.back(), samples.size());
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int presses = argc == 3 ? std::atoi(argv[2]) : 30;
    if ((argc != 2 && argc != 3) || presses < 1 || presses > 1000) {
        std::fprintf(stderr, "usage: press <folder of the built pictures and sounds> [presses, 1..1000]\n");
        return EXIT_FAILURE;
    }
    std::printf("From a press on \"吸血\" to the end of the repaint showing the reaction:\n");
    const std::vector<double> floor = measureFloor(presses);
    const std::vector<double> game = measureGame(QString::fromLocal8Bit(argv[1]), presses);
    if (floor.empty() || game.empty()) {
        std::fprintf(stderr, "press: no press could be timed\n");
        return EXIT_FAILURE;
    }
    printRow("floor", floor);
    printRow("game", game);
    std::vector<double> sorted = game;
    std::sort(sorted.begin(), sorted.end());
    std::printf("  game median %.2f ms = %.2f of one 60 Hz frame (%.1f ms; aim: within one)\n",
                sorted[sorted.size() / 2], sorted[sorted.size() / 2] / FrameMs, FrameMs);
    return EXIT_SUCCESS;
}
