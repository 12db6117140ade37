// SPDX-License-Identifier: MIT
#pragma once

#include "scaledlayout.h"

#include <QObject>

class QWidget;

// Fits the game's window to the screen and its layout to the window. The
// window makes one WindowFit for itself, which gives it its laid-out size,
// and hands it each control once with
// place(), its rectangle in twips; start-up calls fitToScreen() to open the
// window at its laid-out size and place. From then on WindowFit follows the
// window's own events: every resize lays the controls out again at the
// factor that fits (and tells it through scaled()), the first move after
// the window manager has framed the window fits the framed window to the
// screen once more, and every showing asks the window manager again to keep
// the layout's proportions.
class WindowFit : public QObject
{
    Q_OBJECT

public:
    WindowFit(QWidget *window, QSize clientTwips);

    void place(QWidget *control, const QRect &twips);
    // The window opens as laid out, at left 100, top 0 twips. On a screen
    // too small for it, frame included, it opens as large as fits, in the
    // same proportions, and moves in only as far as it must to be seen whole.
    void fitToScreen();

signals:
    // The layout's factor after a resize: 1 as laid out, 2 at twice the size.
    void scaled(double factor);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void keepProportions();

    QWidget *m_window;
    QSize m_clientTwips;
    ScaledLayout m_layout;
    bool m_framed = false;
};
