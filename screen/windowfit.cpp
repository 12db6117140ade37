// SPDX-License-Identifier: MIT
#include "windowfit.h"

#include "desktop.h"
#include "twips.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>

WindowFit::WindowFit(QWidget *window, QSize clientTwips)
    : QObject(window)
    , m_window(window)
    , m_clientTwips(clientTwips)
    , m_layout(window, clientTwips)
{
    window->resize(twipsToPixels(clientTwips.width()), twipsToPixels(clientTwips.height()));
    window->installEventFilter(this);
}

void WindowFit::place(QWidget *control, const QRect &twips)
{
    m_layout.place(control, twips);
}

void WindowFit::fitToScreen()
{
    const QSize laidOut(twipsToPixels(m_clientTwips.width()), twipsToPixels(m_clientTwips.height()));
    const QRect available = m_window->screen()->availableGeometry();
    const QSize frame = m_window->frameGeometry().size() - m_window->size();
    const QSize fitted = fittedSize(laidOut, available.size() - frame);
    m_window->resize(fitted);
    m_window->setMinimumSize(fitted.boundedTo(laidOut / 2));
    const auto inside = [](int wanted, int first, int length, int extent) {
        return std::clamp(wanted, first, std::max(first, first + extent - length));
    };
    m_window->move(inside(twipsToPixels(100), available.left(), fitted.width() + frame.width(), available.width()),
                   inside(twipsToPixels(0), available.top(), fitted.height() + frame.height(), available.height()));
    keepProportions();
}

bool WindowFit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::Resize:
        // The player may resize or maximise the window: the whole screen
        // follows, from the twips of the layout.
        m_layout.fit(m_window->size());
        emit scaled(m_layout.factor());
        break;
    case QEvent::Move:
        // The window manager's frame is unknown until it has framed the
        // window: only then can the opening size allow for it, once.
        if (!m_framed && m_window->frameGeometry().size() != m_window->size()) {
            m_framed = true;
            if (m_window->windowState() == Qt::WindowNoState)
                fitToScreen();
        }
        break;
    case QEvent::Show:
        // Showing writes the window's size hints afresh, after this event.
        QMetaObject::invokeMethod(this, &WindowFit::keepProportions, Qt::QueuedConnection);
        break;
    default:
        break;
    }
    return false;
}

// Where the window manager allows, the player's resizing keeps the layout's
// proportions; elsewhere the layout is centred in whatever shape it gets.
void WindowFit::keepProportions()
{
    Desktop::keepProportions(m_window, m_clientTwips);
}
