// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Watches one widget and emits painted() once a repaint that painted it has
// finished, the window's backing store flushed to the window system
// included: the widget's paint event only opens that repaint, so the signal
// comes from the first thing the event loop does after it, ahead of any
// other work posted meanwhile (a program may well queue its own work for
// after its first frame). Several paint events of the same repaint give one
// signal. The probe is a child of the widget.
class PaintProbe : public QObject
{
    Q_OBJECT

public:
    explicit PaintProbe(QWidget *widget);

signals:
    void painted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void customEvent(QEvent *event) override;

private:
    bool m_pending = false;
};

// How long a benchmark waits for a repaint before it gives up on it.
inline constexpr int PaintTimeoutMs = 5000;

// Runs the event loop until the probe reports a repaint after which done()
// holds; false when none comes within PaintTimeoutMs.
bool waitForRepaint(PaintProbe &probe, const std::function<bool()> &done);
