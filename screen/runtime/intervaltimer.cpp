// SPDX-License-Identifier: MIT
#include "intervaltimer.h"

IntervalTimer::IntervalTimer(QObject *parent)
    : QObject(parent)
{
    // A coarse timer may fire up to 5 % early or late; over the 32 ticks of a
    // round's days that would move its end by seconds.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &IntervalTimer::Timer);
}

void IntervalTimer::setEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    rearm();
}

void IntervalTimer::setInterval(int milliseconds)
{
    m_interval = milliseconds;
    rearm();
}

void IntervalTimer::rearm()
{
    if (m_enabled && m_interval > 0)
        m_timer.start(m_interval);
    else
        m_timer.stop();
}
