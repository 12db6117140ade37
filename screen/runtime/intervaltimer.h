// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QTimer>

// A timer control. While enabled it raises Timer every interval()
// milliseconds, the first time one full interval after it was enabled. An
// interval of 0 (or less) keeps it silent even while enabled. Writing the
// interval, even the same value, starts a full interval again; enabling a
// timer that already runs changes nothing. Ticks keep to the millisecond:
// a late tick does not push back the ones after it.
class IntervalTimer : public QObject
{
    Q_OBJECT

public:
    explicit IntervalTimer(QObject *parent = nullptr);

    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }

    void setInterval(int milliseconds);
    int interval() const { return m_interval; }

signals:
    void Timer();

private:
    void rearm();

    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = false;
};
