// SPDX-License-Identifier: MIT
// The floor of the stack: a Qt Widgets application that shows one empty
// window of the game's size. It prints how long after its launch its first
// frame was drawn and quits; with --stay it stays open instead (the idle
// baseline).
#include "launchclock.h"
#include "paintprobe.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const bool stay = argc > 1 && std::strcmp(argv[1], "--stay") == 0;

    QWidget window;
    window.setWindowTitle(QStringLiteral("Velmora floor"));
    window.setFixedSize(287, 438);
    auto *probe = new PaintProbe(&window);
    QObject::connect(probe, &PaintProbe::painted, &app, [stay, probe] {
        if (const auto elapsed = sinceLaunchNs())
            std::printf("first-frame-ns %lld\n", static_cast<long long>(*elapsed));
        std::fflush(stdout);
        probe->disconnect();
        if (!stay)
            QCoreApplication::quit();
    });
    window.show();
    return app.exec();
}
