// SPDX-License-Identifier: MIT
// The floor of the stack: the smallest Qt Widgets program that starts the
// way the game does in kind. It loops a wave through SDL2_mixer, loads the
// title and twelve more BMPs into pixmaps and shows the title in a window of
// the game's laid-out size. Its pictures are drawn for the size they are
// shown at, so it scales nothing. It prints how long after its launch its
// first frame was drawn and quits; with --stay it stays open instead (the
// baseline of idle CPU and memory).
//
//     startup_floor <folder of stt.bmp, 0.bmp ... 22.bmp> <wave> [--stay]
//
// The folder's pictures are those of the laid-out window, 287 x 438 and
// 265 x 265 pixels, or twice that when QT_SCALE_FACTOR=2 doubles the window.
#include "launchclock.h"
#include "paintprobe.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

int main(int argc, char **argv)
{
    printMark("main");
    QApplication app(argc, argv);
    printMark("application");
    if (argc != 3 && !(argc == 4 && std::strcmp(argv[3], "--stay") == 0)) {
        std::fprintf(stderr, "usage: startup_floor <folder of the pictures> <wave> [--stay]\n");
        return EXIT_FAILURE;
    }
    const bool stay = argc == 4;

    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 || Mix_OpenAudio(44100, AUDIO_S16SYS, 1, 512) != 0) {
        std::fprintf(stderr, "startup_floor: no audio device: %s\n", SDL_GetError());
        return EXIT_FAILURE;
    }
    Mix_Chunk *music = Mix_LoadWAV(argv[2]);
    if (!music) {
        std::fprintf(stderr, "startup_floor: %s\n", SDL_GetError());
        return EXIT_FAILURE;
    }
    Mix_PlayChannel(-1, music, -1);
    printMark("sound");

    QWidget window;
    window.setWindowTitle(QStringLiteral("Velmora floor"));
    window.setFixedSize(287, 438);
    const QString folder = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    std::vector<QPixmap> pictures;
    for (const char *name : {"stt", "0", "00", "01", "02", "1", "10", "11", "12", "2", "20", "21", "22"}) {
        QPixmap picture(folder + QLatin1String(name) + QLatin1String(".bmp"));
        if (picture.isNull()) {
            std::fprintf(stderr, "startup_floor: cannot load %s.bmp from %s\n", name, argv[1]);
            return EXIT_FAILURE;
        }
        picture.setDevicePixelRatio(window.devicePixelRatioF());
        pictures.push_back(picture);
    }
    auto *title = new QLabel(&window);
    title->setPixmap(pictures.front());
    title->setGeometry(window.rect());
    printMark("pictures");

    auto *probe = new PaintProbe(title);
    QObject::connect(probe, &PaintProbe::painted, &app, [stay, probe] {
        printFirstFrame();
        probe->disconnect();
        if (!stay)
            QCoreApplication::quit();
    });
    window.show();
    printMark("shown");
    const int status = app.exec();
    Mix_HaltChannel(-1);
    Mix_FreeChunk(music);
    Mix_CloseAudio();
    SDL_Quit();
    return status;
}
