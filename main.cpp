#include "fom.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Fom fom;
    fom.show();
    return app.exec();
}
