// SPDX-License-Identifier: MIT
#include "gamekeys.h"

#include <QKeyEvent>

int actionOfKey(const QKeyEvent &event)
{
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    switch (event.key()) {
    case Qt::Key_1:
        return 0;
    case Qt::Key_2:
        return 1;
    case Qt::Key_3:
        return 2;
    case Qt::Key_End:
        return keypad ? 0 : -1;
    case Qt::Key_Down:
        return keypad ? 1 : -1;
    case Qt::Key_PageDown:
        return keypad ? 2 : -1;
    default:
        return -1;
    }
}
