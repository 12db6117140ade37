// Velmora: a vampire courts a maiden in one small window.
#include "application.h"
#include "applicationicon.h"
#include "audiodevice.h"
#include "fom.h"
#include "qtmessagebox.h"
#include "random.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velmora"));
    QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    QApplication::setWindowIcon(applicationIcon());
    // Ties the window to its desktop entry, where Wayland looks up the icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.velmora.Velmora"));

    SeededRandom random = SeededRandom::fromClock();
    AudioDevice audio;
    QtMessageBox messageBox;
    Fom fom({random, messageBox, audio, applicationDir()});
    if (!fom.Form_Load())
        return EXIT_FAILURE;
    fom.show();
    return app.exec();
}
