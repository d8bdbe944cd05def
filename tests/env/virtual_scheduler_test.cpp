#include "env/virtual_scheduler.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vellaro {
namespace {

struct Recorder {
  VirtualScheduler scheduler{1000};
  std::vector<std::string> ticks;
  std::function<void()> Log(std::string name) {
    return [this, name] { ticks.push_back(name + "@" + std::to_string(scheduler.NowMs())); };
  }
};

TEST(VirtualScheduler, TicksAtMultiplesOfTheIntervalFromTheStart) {
  Recorder r;
  Timer timer(r.scheduler, 20, false, r.Log("t"));
  r.scheduler.AdvanceBy(5);
  timer.Start();  // at 1005
  r.scheduler.AdvanceBy(60);
  EXPECT_EQ(r.ticks, (std::vector<std::string>{"t@1025", "t@1045", "t@1065"}));
  EXPECT_EQ(r.scheduler.NowMs(), 1065);
}

TEST(VirtualScheduler, TiesGoFirstInFirstOut) {
  Recorder r;
  Timer a(r.scheduler, 10, true, r.Log("a"));
  Timer b(r.scheduler, 20, true, r.Log("b"));
  r.scheduler.AdvanceBy(40);
  // At 1020 a was re-armed after its tick at 1010, after b was armed: b goes first.
  EXPECT_EQ(r.ticks,
            (std::vector<std::string>{"a@1010", "b@1020", "a@1020", "a@1030", "b@1040", "a@1040"}));
}

TEST(VirtualScheduler, ARestartedTimerGoesBehindTheTimersAlreadyDueAtItsInstant) {
  Recorder r;
  Timer a(r.scheduler, 10, true, r.Log("a"));
  Timer b(r.scheduler, 20, true, r.Log("b"));
  Timer c(r.scheduler, 30, true, r.Log("c"));
  r.scheduler.AdvanceBy(10);
  b.Stop();
  b.Start();  // due at 1030, like c, which was armed first
  r.scheduler.AdvanceBy(20);
  EXPECT_EQ(r.ticks, (std::vector<std::string>{"a@1010", "a@1020", "c@1030", "b@1030", "a@1030"}));
  ASSERT_TRUE(r.scheduler.NextDueMs());
  EXPECT_EQ(*r.scheduler.NextDueMs(), 1040);
}

TEST(VirtualScheduler, ATickThatStopsOrRetunesItsTimerHasTheLastWord) {
  Recorder r;
  int count = 0;
  Timer* self = nullptr;
  Timer timer(r.scheduler, 10, true, [&] {
    ++count;
    if (count == 2) self->SetInterval(30);
    if (count == 3) self->Stop();
  });
  self = &timer;
  r.scheduler.AdvanceBy(1000);
  EXPECT_EQ(count, 3);
  EXPECT_FALSE(r.scheduler.NextDueMs().has_value());
}

TEST(VirtualScheduler, StartingARunningTimerDoesNotRestartIt) {
  Recorder r;
  Timer timer(r.scheduler, 50, true, r.Log("t"));
  r.scheduler.AdvanceBy(30);
  timer.Start();
  r.scheduler.AdvanceBy(20);
  EXPECT_EQ(r.ticks, (std::vector<std::string>{"t@1050"}));
}

TEST(VirtualScheduler, ADestroyedTimerNeverTicksAndZeroIntervalNeverTicks) {
  Recorder r;
  { Timer gone(r.scheduler, 10, true, r.Log("gone")); }
  Timer idle(r.scheduler, 0, true, r.Log("idle"));
  r.scheduler.AdvanceBy(100);
  EXPECT_TRUE(r.ticks.empty());
}

TEST(VirtualScheduler, RunUntilTrueStopsAtTheTickThatMakesItTrueOrAtTheLimit) {
  Recorder r;
  int count = 0;
  Timer timer(r.scheduler, 40, true, [&] { ++count; });
  EXPECT_TRUE(r.scheduler.RunUntilTrue([&] { return count == 3; }, 1000));
  EXPECT_EQ(r.scheduler.NowMs(), 1120);
  EXPECT_FALSE(r.scheduler.RunUntilTrue([&] { return count == 100; }, 200));
  EXPECT_EQ(r.scheduler.NowMs(), 1320);
  EXPECT_EQ(count, 8);
}

TEST(VirtualClock, ReadsWholeSecondsOfVirtualTime) {
  VirtualScheduler scheduler(1'699'999'999'500);
  VirtualClock clock(scheduler);
  EXPECT_EQ(clock.NowSeconds(), 1'699'999'999u);
  scheduler.AdvanceBy(500);
  EXPECT_EQ(clock.NowSeconds(), 1'700'000'000u);
}

}  // namespace
}  // namespace vellaro
