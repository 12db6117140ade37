#include "intervaltimer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>

#include <vector>

namespace {

// Short intervals keep the suite fast; the checks are about order and
// lower bounds, which a busy machine can only make later, never earlier.
constexpr int Interval = 60;
constexpr int Patience = 2000;

class IntervalTimerTest : public ::testing::Test
{
protected:
    IntervalTimer timer;
    QSignalSpy ticks{&timer, &IntervalTimer::Timer};
    QElapsedTimer clock;
};

TEST_F(IntervalTimerTest, firstTickComesAFullIntervalAfterEnabling)
{
    timer.setInterval(Interval);
    clock.start();
    timer.setEnabled(true);
    ASSERT_TRUE(ticks.wait(Patience));
    EXPECT_GE(clock.elapsed(), Interval - 1);
}

TEST_F(IntervalTimerTest, anIntervalOfZeroNeverFires)
{
    timer.setEnabled(true);
    timer.setInterval(0);
    EXPECT_FALSE(ticks.wait(3 * Interval));
    EXPECT_TRUE(timer.isEnabled());
}

TEST_F(IntervalTimerTest, writingTheIntervalStartsAFullIntervalAgain)
{
    timer.setInterval(Interval);
    timer.setEnabled(true);
    clock.start();
    QTimer::singleShot(Interval / 2, &timer, [this] { timer.setInterval(Interval); });
    ASSERT_TRUE(ticks.wait(Patience));
    EXPECT_GE(clock.elapsed(), Interval / 2 + Interval - 1);
}

TEST_F(IntervalTimerTest, enablingARunningTimerDoesNotRestartIt)
{
    timer.setInterval(Interval);
    timer.setEnabled(true);
    clock.start();
    QTimer::singleShot(Interval / 2, &timer, [this] { timer.setEnabled(true); });
    ASSERT_TRUE(ticks.wait(Patience));
    EXPECT_LT(clock.elapsed(), Interval / 2 + Interval - 1);
}

TEST_F(IntervalTimerTest, disablingStopsItAndReenablingWaitsAFullInterval)
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
TEST_F(IntervalTimerTest, ticksKeepToTheirScheduleWithoutDrift)
{
    constexpr int Period = 125;
    constexpr int Count = 16;
    std::vector<qint64> times;
    QObject::connect(&timer, &IntervalTimer::Timer, [&] { times.push_back(clock.elapsed()); });
    timer.setInterval(Period);
    clock.start();
    timer.setEnabled(true);
    while (ticks.count() < Count)
        ASSERT_TRUE(ticks.wait(Patience));
    timer.setEnabled(false);
    for (int n = 1; n <= Count; ++n)
        EXPECT_GE(times[n - 1], n * Period - 1) << "tick " << n << " came early";
    EXPECT_LT(times.back(), Count * Period + Period / 2);
}

} // namespace
