// SPDX-License-Identifier: MIT
#include "paintprobe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

PaintProbe::PaintProbe(QWidget *widget)
    : QObject(widget)
{
    widget->installEventFilter(this);
}

namespace {

const QEvent::Type RepaintDone = static_cast<QEvent::Type>(QEvent::registerEventType());

} // namespace

bool PaintProbe::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Paint && !m_pending) {
        m_pending = true;
        QCoreApplication::postEvent(this, new QEvent(RepaintDone), Qt::HighEventPriority);
    }
    return false;
}

void PaintProbe::customEvent(QEvent *event)
{
    if (event->type() != RepaintDone)
        return;
    m_pending = false;
    emit painted();
}

// Runs the event loop until the probe reports a repaint after which done()
// holds; false when none comes in time.
bool waitForRepaint(PaintProbe &probe, const std::function<bool()> &done)
{
    QEventLoop loop;
    bool reached = false;
    const auto connection = QObject::connect(&probe, &PaintProbe::painted, &loop, [&] {
        if (done()) {
            reached = true;
            loop.quit();
        }
    });
    QTimer::singleShot(PaintTimeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(connection);
    return reached;
}
