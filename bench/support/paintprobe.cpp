// SPDX-License-Identifier: MIT
#include "paintprobe.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

PaintProbe::PaintProbe(QWidget *widget)
    : QObject(widget)
{
    widget->installEventFilter(this);
}

bool PaintProbe::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Paint && !m_pending) {
        m_pending = true;
        QTimer::singleShot(0, this, [this] {
            m_pending = false;
            emit painted();
        });
    }
    return false;
}
