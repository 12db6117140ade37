// SPDX-License-Identifier: MIT
// The game's start-up as the executable does it, in the desktop's language,
// the window filled from a given folder of pictures and sounds (bench/run.sh
// gives it the session bus the game would keep to): it prints how long after
// its launch the first frame of the title screen was drawn, then quits. On
// the way it marks when each step of the start-up was done, for the
// timeline.
#include "application.h"
#include "applicationicon.h"
#include "audiodevice.h"
#include "firstframe.h"
#include "fom.h"
#include "fontcheck.h"
#include "gamelanguage.h"
#include "launchclock.h"
#include "paintprobe.h"
#include "qtmessagebox.h"
#include "random.h"

#include <QApplication>
#include <QEvent>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <future>

namespace {

// Marks the first event of one kind that reaches an object, then lets go.
class FirstEventMark : public QObject
{
public:
    FirstEventMark(QObject *watched, QEvent::Type type, const char *mark)
        : QObject(watched)
        , m_type(type)
        , m_mark(mark)
    {
        watched->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == m_type) {
            printMark(m_mark);
            watched->removeEventFilter(this);
        }
        return false;
    }

private:
    QEvent::Type m_type;
    const char *m_mark;
};

} // namespace

int main(int argc, char **argv)
{
    printMark("main");
    GameLanguage language;
    QApplication app(argc, argv);
    language.install();
    printMark("application");
    if (argc != 2) {
        std::fprintf(stderr, "usage: startup_game <folder of the built pictures and sounds>\n");
        return EXIT_FAILURE;
    }
    SeededRandom random = SeededRandom::fromClock();
    AudioDevice audio(AudioDevice::OpenLater{});
    QtMessageBox messageBox;
    Fom fom({random, messageBox, audio, withTrailingSeparator(QString::fromLocal8Bit(argv[1])), language.code()});
    printMark("window-built");
    // The fonts are looked over on another core while the pictures are read
    // and the window is shown, after the window is built, as the game does.
    // The title's words cannot be drawn before the fonts are ready, and
    // the timeline marks when that is.
    std::future<QString> fontWarning = std::async(std::launch::async, [] {
        QString warning = missingFontWarning();
        printMark("fonts");
        return warning;
    });
    if (!fom.Form_Load())
        return EXIT_FAILURE;
    printMark("loaded");
    // The title picture covers the window: it is what the first frame draws.
    auto *probe = new PaintProbe(fom.findChild<QWidget *>(QStringLiteral("ImgStt")));
    QObject::connect(probe, &PaintProbe::painted, &app, [probe] {
        printFirstFrame();
        probe->disconnect();
        QCoreApplication::quit();
    });
    fom.show();
    if (const QString warning = fontWarning.get(); !warning.isEmpty())
        std::fprintf(stderr, "%s\n", warning.toLocal8Bit().constData());
    afterFirstFrame(fom.windowHandle(), [&fom] {
        fom.openSoundDevice();
        QGuiApplication::setWindowIcon(applicationWindowIcon());
    });
    printMark("shown");
    // Between the window shown and its first frame: the window system's
    // answer, then the painting.
    new FirstEventMark(fom.windowHandle(), QEvent::Expose, "exposed");
    new FirstEventMark(fom.findChild<QWidget *>(QStringLiteral("ImgStt")), QEvent::Paint, "painting");
    return app.exec();
}
