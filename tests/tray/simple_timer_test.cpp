// Simple timers on their shared hidden window.
#include "tray/simple_timer.h"

#include <gtest/gtest.h>

#include <memory>

#include "support/test_support.h"

namespace velmora {
namespace {

using namespace std::chrono_literals;

void pumpFor(std::chrono::milliseconds time) { test::WaitUntil([] { return false; }, time); }

TEST(SimpleTimerTest, StartWithIntervalZeroFailsAndChangesNothing) {
  TSimpleTimer timer(0, [](TObjectSender) {});
  EXPECT_FALSE(timer.Start());
  EXPECT_FALSE(timer.Active());
  EXPECT_EQ(TSimpleTimerHandler::Instance()->ActiveTimers(), 0u);
}

TEST(SimpleTimerTest, OneShotFiresOnceAndIsInactiveInItsEvent) {
  int fired = 0;
  bool activeInEvent = true;
  TSimpleTimer* self = nullptr;
  TSimpleTimer timer(20, [&](TObjectSender) {
    ++fired;
    activeInEvent = self->Active();
  });
  self = &timer;
  timer.OneShot = true;
  ASSERT_TRUE(timer.Start());
  EXPECT_TRUE(test::WaitUntil([&] { return fired > 0; }, 5s));
  pumpFor(200ms);
  EXPECT_EQ(fired, 1);
  EXPECT_FALSE(activeInEvent);
  EXPECT_FALSE(timer.Active());
}

TEST(SimpleTimerTest, SameIntervalDoesNotRestartADifferentOneDoes) {
  int fired = 0;
  TSimpleTimer timer(300, [&](TObjectSender) { ++fired; });
  ASSERT_TRUE(timer.Start());
  // Rewriting the same interval at every look (far more often than the period) does
  // not hold the tick back, as restarting would.
  EXPECT_TRUE(test::WaitUntil([&] {
    timer.SetInterval(300);
    return fired > 0;
  }, 10s));

  timer.Stop(true);

  // A different interval restarts the platform timer with the new period: a timer of a
  // minute rewritten to 20 ms ticks soon.
  int slowFired = 0;
  TSimpleTimer slow(60000, [&](TObjectSender) { ++slowFired; });
  ASSERT_TRUE(slow.Start());
  slow.SetInterval(20);
  EXPECT_TRUE(slow.Active());
  EXPECT_TRUE(test::WaitUntil([&] { return slowFired > 0; }, 10s));
  EXPECT_EQ(TSimpleTimerHandler::Instance()->ActiveTimers(), 1u);  // restarted, not set twice
}

TEST(SimpleTimerTest, SuspendedByIntervalZeroOrAnEmptyEventAndResumed) {
  int fired = 0;
  TNotifyEvent count = [&](TObjectSender) { ++fired; };
  TSimpleTimer timer(20, count);
  ASSERT_TRUE(timer.Start());
  timer.SetInterval(0);
  EXPECT_TRUE(timer.Active());  // suspended, still meant to run
  fired = 0;
  pumpFor(150ms);
  EXPECT_EQ(fired, 0);
  timer.SetInterval(20);  // a non-zero interval resumes
  EXPECT_TRUE(test::WaitUntil([&] { return fired > 0; }, 5s));

  timer.SetOnTimer(nullptr);
  EXPECT_TRUE(timer.Active());
  timer.SetOnTimer(count);  // an event alone does not restart it
  fired = 0;
  pumpFor(150ms);
  EXPECT_EQ(fired, 0);
  EXPECT_TRUE(timer.Start());
  EXPECT_TRUE(test::WaitUntil([&] { return fired > 0; }, 5s));
}

TEST(SimpleTimerTest, TwoTimersTickIndependently) {
  int a = 0, b = 0;
  auto first = std::make_unique<TSimpleTimer>(20, [&](TObjectSender) { ++a; });
  TSimpleTimer second(20, [&](TObjectSender) { ++b; });
  ASSERT_TRUE(first->Start());
  ASSERT_TRUE(second.Start());
  EXPECT_TRUE(test::WaitUntil([&] { return a > 2 && b > 2; }, 5s));
  EXPECT_EQ(TSimpleTimerHandler::Instance()->ActiveTimers(), 2u);
  first.reset();
  EXPECT_NE(TSimpleTimerHandler::Instance(), nullptr);
  const int before = b;
  EXPECT_TRUE(test::WaitUntil([&] { return b > before + 2; }, 5s));
}

TEST(SimpleTimerTest, HiddenWindowGoesWithTheLastTimer) {
  HWND window = nullptr;
  {
    TSimpleTimer timer;
    ASSERT_NE(TSimpleTimerHandler::Instance(), nullptr);
    window = TSimpleTimerHandler::Instance()->Window();
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(TSimpleTimerHandler::Instance()->RefCount(), 1u);
  }
  EXPECT_EQ(TSimpleTimerHandler::Instance(), nullptr);
  EXPECT_FALSE(IsWindow(window));
  TSimpleTimer next;
  EXPECT_TRUE(IsWindow(TSimpleTimerHandler::Instance()->Window()));
}

}  // namespace
}  // namespace velmora
