// SPDX-License-Identifier: MIT
// The floor of the stack: the smallest Qt Widgets program that starts the
// way the game does in kind. It loops a wave through SDL2_mixer, loads the
// title and twelve more BMPs into pixmaps and shows the title in a window of
// the game's laid-out size. Its pictures are drawn for the size they are
// shown at, so it scales nothing. It prints how long after its launch its
// first frame was drawn and quits; with --stay it stays open instead (the
// baseline of idle CPU and memory). With --repaint it stays open and
// repaints what a round of the game repaints, at a round's pace at the
// normal level, to show what that costs any Qt window: the danger bar
// grows every 300 ms, her picture changes every 1.4 s (the mean of a
// mood's 0.8 to 2 s) and the day number every 2.5 s.
//
//     startup_floor <folder of stt.bmp, 0.bmp ... 22.bmp> <wave> [--stay|--repaint]
//
// The folder's pictures are those of the laid-out window, 287 x 438 and
// 265 x 265 pixels, or twice that when QT_SCALE_FACTOR=2 doubles the window.
#include "launchclock.h"
#include "paintprobe.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// A bar of one colour, as the game draws its gauges.
class Bar : public QWidget
{
public:
    explicit Bar(QWidget *parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), Qt::yellow); }
};

// Where the game shows her picture, its danger bar and the day, at the
// laid-out size.
void repaintLikeARound(QWidget &window, const std::vector<QPixmap> &pictures)
{
    auto *picture = new QLabel(&window);
    picture->setGeometry(8, 8, 265, 265);
    picture->setPixmap(pictures[1]);
    auto *box = new QWidget(&window);
    box->setGeometry(8, 368, 265, 25);
    box->setAutoFillBackground(true);
    auto *bar = new Bar(box);
    bar->setGeometry(0, 0, 0, 25);
    auto *day = new QLabel(QStringLiteral("0"), &window);
    day->setGeometry(8, 400, 49, 33);
    QFont large = day->font();
    large.setPointSize(18);
    day->setFont(large);

    auto every = [&window](int ms, auto step) {
        auto *timer = new QTimer(&window);
        QObject::connect(timer, &QTimer::timeout, &window, step);
        timer->start(ms);
    };
    // One and a half of a hundred steps on average, as the drift adds.
    every(300, [bar] { bar->resize((bar->width() + 4) % 268, bar->height()); });
    every(1400, [picture, &pictures, shown = std::size_t(1)]() mutable {
        shown = shown % (pictures.size() - 1) + 1;
        picture->setPixmap(pictures[shown]);
    });
    every(2500, [day, number = 0]() mutable { day->setText(QString::number(++number % 32)); });
}

} // namespace

int main(int argc, char **argv)
{
    printMark("main");
    QApplication app(argc, argv);
    printMark("application");
    const bool repaint = argc == 4 && std::strcmp(argv[3], "--repaint") == 0;
    if (argc != 3 && !(argc == 4 && (repaint || std::strcmp(argv[3], "--stay") == 0))) {
        std::fprintf(stderr, "usage: startup_floor <folder of the pictures> <wave> [--stay|--repaint]\n");
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
    if (repaint) {
        window.setWindowTitle(QStringLiteral("Velmora floor repainting"));
        repaintLikeARound(window, pictures);
    }
    window.show();
    printMark("shown");
    const int status = app.exec();
    Mix_HaltChannel(-1);
    Mix_FreeChunk(music);
    Mix_CloseAudio();
    SDL_Quit();
    return status;
}
