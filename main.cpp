// SPDX-License-Identifier: MIT
// Velmora: a vampire courts a maiden in one small window.
#include "application.h"
#include "applicationicon.h"
#include "audiodevice.h"
#include "desktopsession.h"
#include "fom.h"
#include "fontcheck.h"
#include "gamelanguage.h"
#include "qtmessagebox.h"
#include "random.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    // The desktop's language, chosen before a word is said.
    GameLanguage language;
    if (!DesktopSession::hasDisplay()) {
        const QString message = language.translate("DesktopSession", DesktopSession::noDisplayMessage());
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        return EXIT_FAILURE;
    }
    DesktopSession::keepToTheSessionBusThereIs();
    DesktopSession::guardPlatformStart(true);
    QApplication app(argc, argv);
    DesktopSession::guardPlatformStart(false);
    language.install();
    QApplication::setApplicationName(QStringLiteral("velmora"));
    QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    QApplication::setWindowIcon(applicationIcon());
    // Ties the window to its desktop entry, where Wayland looks up the icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.velmora.Velmora"));

    if (const QString warning = missingFontWarning(); !warning.isEmpty())
        std::fprintf(stderr, "%s\n", warning.toLocal8Bit().constData());

    SeededRandom random = SeededRandom::fromClock();
    AudioDevice audio;
    QtMessageBox messageBox;
    Fom fom({random, messageBox, audio, applicationDir()});
    if (!fom.Form_Load())
        return EXIT_FAILURE;
    fom.show();
    return app.exec();
}
