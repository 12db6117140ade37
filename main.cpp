// Velmora: a vampire courts a maiden in one small window.
#include "application.h"
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

    SeededRandom random = SeededRandom::fromClock();
    AudioDevice audio;
    QtMessageBox messageBox;
    Fom fom({random, messageBox, audio, applicationDir()});
    if (!fom.Form_Load())
        return EXIT_FAILURE;
    fom.show();
    return app.exec();
}
