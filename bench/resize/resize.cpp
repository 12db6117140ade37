// SPDX-License-Identifier: MIT
// How soon the window shows itself whole at a new size: the game's window,
// built as the executable builds it, is resized in small steps from the
// laid-out size to twice it and back, as a player's drag of its corner
// does, first on the title screen and then in a round. Each step is a size
// the window has not had before, timed from the resize to the end of the
// repaint that shows the window at that size.
//
//     resize <build-folder> [steps each way]
//
// Besides its table it prints a line for bench/run.sh:
// "figure resize <median> <p90> <max> <resizes>", in ms.
#include "application.h"
#include "audiodevice.h"
#include "fom.h"
#include "image.h"
#include "paintprobe.h"
#include "qtmessagebox.h"
#include "random.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

constexpr double FrameMs = 1000.0 / 60.0;

// Up from the laid-out size to twice it, then back down, never the same
// size twice in a row.
std::vector<QSize> dragSizes(QSize laidOut, int steps)
{
    std::vector<QSize> sizes;
    for (int i = 1; i <= steps; ++i)
        sizes.push_back(laidOut * (1.0 + double(i) / steps));
    for (int i = steps - 1; i >= 0; --i)
        sizes.push_back(laidOut * (1.0 + (double(i) + 0.5) / steps));
    return sizes;
}

// The probe watches the picture the screen shows, which every resize
// repaints with the rest of the window.
std::optional<std::vector<double>> drag(Fom &fom, PaintProbe &probe, const std::vector<QSize> &sizes)
{
    std::vector<double> samples;
    for (const QSize &size : sizes) {
        QElapsedTimer clock;
        clock.start();
        fom.resize(size);
        if (!waitForRepaint(probe, [&] { return fom.size() == size; }))
            return std::nullopt;
        samples.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    return samples;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int steps = argc == 3 ? std::atoi(argv[2]) : 24;
    if ((argc != 2 && argc != 3) || steps < 1 || steps > 500) {
        std::fprintf(stderr, "usage: resize <build-folder> [steps each way, 1..500]\n");
        return EXIT_FAILURE;
    }
    SeededRandom random = SeededRandom::fromClock();
    AudioDevice audio;
    QtMessageBox messageBox;
    Fom fom({random, messageBox, audio, withTrailingSeparator(QString::fromLocal8Bit(argv[1]))});
    if (!fom.Form_Load())
        return EXIT_FAILURE;
    fom.show();
    if (!QTest::qWaitForWindowExposed(&fom))
        return EXIT_FAILURE;
    const QSize laidOut = fom.size();
    const std::vector<QSize> sizes = dragSizes(laidOut, steps);
    auto *titlePicture = fom.findChild<Image *>(QStringLiteral("ImgStt"));
    PaintProbe titleProbe(titlePicture);
    const auto title = drag(fom, titleProbe, sizes);
    QTest::mouseClick(titlePicture, Qt::LeftButton);
    PaintProbe roundProbe(fom.findChild<Image *>(QStringLiteral("Img")));
    const auto round = drag(fom, roundProbe, sizes);
    if (!title || !round) {
        std::fprintf(stderr, "resize: the window did not repaint at a new size within %d ms\n", PaintTimeoutMs);
        return EXIT_FAILURE;
    }
    std::vector<double> samples = *title;
    samples.insert(samples.end(), round->begin(), round->end());
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    const double median = samples[n / 2];
    const double p90 = samples[(n * 9 + 9) / 10 - 1];
    std::printf("From a resize of the game's window to its repaint at the new size, %zu steps from %dx%d to twice "
                "that and back, on the title and in a round:\n", n, laidOut.width(), laidOut.height());
    std::printf("  median %.2f ms, 90th percentile %.2f ms, worst %.2f ms (aim: the 90th percentile within one "
                "60 Hz frame, %.1f ms)\n", median, p90, samples.back(), FrameMs);
    std::printf("figure resize %.3f %.3f %.3f %zu\n", median, p90, samples.back(), n);
    return EXIT_SUCCESS;
}
