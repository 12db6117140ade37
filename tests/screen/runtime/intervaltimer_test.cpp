// SPDX-License-Identifier: MIT
#include "intervaltimer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Short intervals keep the suite fast; the checks are about order and
// lower bounds, which a busy machine can only make later, never earlier.
// Where a tick must not come too late, it races a reference timer on the
// same event loop: overdue timers fire in the order of their deadlines, so a
// busy machine delays both alike and the order still tells.
constexpr int Interval = 60;
constexpr int Patience = 2000;

class IntervalTimerTest : public ::testing::Test
{
protected:
    // Arms a precise one-shot timer; what came before it is in order().
    void armReference(int milliseconds)
    {
        reference.setSingleShot(true);
        reference.setTimerType(Qt::PreciseTimer);
        QObject::connect(&reference, &QTimer::timeout, [this] { events.push_back('R'); });
        reference.start(milliseconds);
    }
    std::string order() const { return events; }

    IntervalTimer timer;
    QSignalSpy ticks{&timer, &IntervalTimer::Timer};
    QElapsedTimer clock;
    QTimer reference;
    std::string events;
    QMetaObject::Connection tickLog = QObject::connect(&timer, &IntervalTimer::Timer, [this] { events.push_back('T'); });
};

TEST_F(IntervalTimerTest, FirstTickComesAFullIntervalAfterEnabling)
{
    timer.setInterval(Interval);
    clock.start();
    timer.setEnabled(true);
    ASSERT_TRUE(ticks.wait(Patience));
    EXPECT_GE(clock.elapsed(), Interval - 1);
}

TEST_F(IntervalTimerTest, AnIntervalOfZeroNeverFires)
{
    timer.setEnabled(true);
    timer.setInterval(0);
    EXPECT_FALSE(ticks.wait(3 * Interval));
    EXPECT_TRUE(timer.isEnabled());
}

TEST_F(IntervalTimerTest, WritingTheIntervalStartsAFullIntervalAgain)
{
    timer.setInterval(Interval);
    timer.setEnabled(true);
    clock.start();
    QTimer::singleShot(Interval / 2, &timer, [this] { timer.setInterval(Interval); });
    ASSERT_TRUE(ticks.wait(Patience));
    EXPECT_GE(clock.elapsed(), Interval / 2 + Interval - 1);
}

TEST_F(IntervalTimerTest, EnablingARunningTimerDoesNotRestartIt)
{
    timer.setInterval(Interval);
    timer.setEnabled(true);
    // A restarted timer would tick a full interval after the second enabling,
    // behind the reference armed at that moment for three quarters of one.
    QTimer::singleShot(Interval / 2, &timer, [this] {
        timer.setEnabled(true);
        armReference(Interval * 3 / 4);
    });
    QSignalSpy referenceFired(&reference, &QTimer::timeout);
    ASSERT_TRUE(referenceFired.wait(Patience));
    EXPECT_EQ(order().substr(0, 2), "TR");
}

TEST_F(IntervalTimerTest, DisablingStopsItAndReenablingWaitsAFullInterval)
{
    timer.setInterval(Interval);
    timer.setEnabled(true);
    ASSERT_TRUE(ticks.wait(Patience));
    timer.setEnabled(false);
    EXPECT_FALSE(ticks.wait(2 * Interval));
    ASSERT_EQ(ticks.count(), 1);

    clock.start();
    timer.setEnabled(true);
    ASSERT_TRUE(ticks.wait(Patience));
    EXPECT_GE(clock.elapsed(), Interval - 1);
}

// The day clock's last tick must come at 32 intervals, not a few percent
// early or late: a late tick must not push back the rest.
TEST_F(IntervalTimerTest, TicksKeepToTheirScheduleWithoutDrift)
{
    constexpr int Period = 125;
    constexpr int Count = 16;
    std::vector<qint64> times;
    QObject::connect(&timer, &IntervalTimer::Timer, [&] { times.push_back(clock.elapsed()); });
    timer.setInterval(Period);
    clock.start();
    timer.setEnabled(true);
    // Drift of half a period over the count would put the last tick behind it.
    armReference(Count * Period + Period / 2);
    QSignalSpy referenceFired(&reference, &QTimer::timeout);
    ASSERT_TRUE(referenceFired.wait(Count * Period + Patience));
    timer.setEnabled(false);
    ASSERT_GE(times.size(), std::size_t{Count});
    for (int n = 1; n <= Count; ++n)
        EXPECT_GE(times[n - 1], n * Period - 1) << "tick " << n << " came early";
    EXPECT_EQ(order().substr(0, Count + 1), std::string(Count, 'T') + 'R');
}

} // namespace
