// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The game's modal message box, as a service the window is given. show()
// returns only once the player has dismissed the box; the window keeps
// waiting in its handler meanwhile. A text may hold CR LF line breaks.
// showError() is the same box with a critical icon, for the message that
// precedes the end of the program.
class MessageBox
{
public:
    virtual ~MessageBox() = default;

    virtual void show(const QString &text) = 0;
    virtual void showError(const QString &text) = 0;
};
