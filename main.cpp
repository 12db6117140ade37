// SPDX-License-Identifier: MIT
// Velmora: a vampire courts a maiden in one small window.
#include "application.h"
#include "applicationicon.h"
#include "audiodevice.h"
#include "desktop.h"
#include "firstframe.h"
#include "fom.h"
#include "fontcheck.h"
#include "gamelanguage.h"
#include "qtmessagebox.h"
#include "random.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <future>
#include <optional>

int main(int argc, char **argv)
{
    // The desktop's language, chosen before a word is said.
    GameLanguage language;
    const QString noDisplay = language.translate("Desktop", Desktop::noDisplayMessage());
    if (!Desktop::hasDisplay()) {
        std::fprintf(stderr, "%s\n", noDisplay.toLocal8Bit().constData());
        return EXIT_FAILURE;
    }
    Desktop::avoidLaunchingASessionBus();
    std::optional<QApplication> app;
    {
        Desktop::PlatformStartGuard guard(noDisplay);
        app.emplace(argc, argv);
    }
    language.install();
    QApplication::setApplicationName(QStringLiteral("velmora"));
    QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    // Ties the window to its desktop entry, where Wayland looks up the icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VELMORA_APP_ID));

    Desktop::nameSoundStream();
    SeededRandom random = SeededRandom::fromClock();
    AudioDevice audio(AudioDevice::OpenLater{});
    QtMessageBox messageBox;
    Fom fom({random, messageBox, audio, assetDir(), language.code()});
    // The fonts are looked over on another core while the title picture is
    // read and the window is shown: showing it waits for the same font files
    // anyway, and a missing font is only a line on the terminal. Not while the
    // window is built: its first accessible name starts the screen reader's
    // bridge, which waits for a thread of its own to reach the session bus,
    // and on two cores a third thread only delays that one. The check reads
    // the environment, so nothing may write to it from here on.
    std::future<QString> fontWarning = std::async(std::launch::async, missingFontWarning);
    if (!fom.Form_Load())
        return EXIT_FAILURE;
    fom.show();
    if (const QString warning = fontWarning.get(); !warning.isEmpty())
        std::fprintf(stderr, "%s\n", warning.toLocal8Bit().constData());
    // What the first frame need not wait for. SDL and the forty libraries it
    // brings would add a third to the time before it; the music was started
    // with the window and is heard from here, a moment after it. The icon's
    // PNGs are read last: the desktop takes the icon when it comes, as it
    // does any change of it.
    afterFirstFrame(fom.windowHandle(), [&fom] {
        fom.openSoundDevice();
        QGuiApplication::setWindowIcon(applicationWindowIcon());
    });
    return QApplication::exec();
}
