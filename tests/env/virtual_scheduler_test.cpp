#include "env/virtual_scheduler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vellaro {
namespace {

struct Recorder {
  VirtualScheduler scheduler{1000};
  std::vector<std::string> ticks;
  std::function<void()> Log(const std::string& name) {
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

// A timer whose ticks add 1 to a count and can be repeated: every run offered is logged as
// "n@time of the tick just run", and at most `take` of it is taken.
struct Counter {
  explicit Counter(VirtualScheduler& s, int32_t interval, int64_t take_at_most = 1'000'000)
      : timer(
            s, interval, true, [this] { ++count; },
            [this, &s, take_at_most](int64_t n) {
              offers.push_back(std::to_string(n) + "@" + std::to_string(s.NowMs()));
              const int64_t taken = std::min(n, take_at_most);
              count += taken;
              return taken;
            }) {}
  int64_t count = 0;
  std::vector<std::string> offers;
  Timer timer;
};

TEST(VirtualScheduler, RepeatedTicksStayWithinTheSecondAndEndAtTheLastTickTaken) {
  VirtualScheduler scheduler(1'000'960);
  Counter c(scheduler, 20);
  // 980 is the last tick of its second: nothing to repeat.
  ASSERT_TRUE(scheduler.RunNextTicks(1'010'000));
  EXPECT_EQ(c.count, 1);
  EXPECT_EQ(scheduler.NowMs(), 1'000'980);
  // 1'001'000, and its repeats 1'001'020 .. 1'001'980.
  ASSERT_TRUE(scheduler.RunNextTicks(1'010'000));
  EXPECT_EQ(c.count, 51);
  EXPECT_EQ(scheduler.NowMs(), 1'001'980);
  EXPECT_EQ(c.offers, (std::vector<std::string>{"49@1001000"}));
  // Every tick by the deadline, each counted once, whichever way they come.
  scheduler.RunUntil(1'004'000);
  EXPECT_EQ(c.count, (1'004'000 - 1'000'980) / 20 + 1);  // 980 .. 4000
  EXPECT_EQ(scheduler.NowMs(), 1'004'000);
}

TEST(VirtualScheduler, ARepeatStopsAtTheDeadlineAndBeforeAnotherTimersTick) {
  VirtualScheduler scheduler(0);
  Counter c(scheduler, 10);
  ASSERT_TRUE(scheduler.RunNextTicks(45));  // 10, then 20, 30, 40
  EXPECT_EQ(c.offers, (std::vector<std::string>{"3@10"}));
  EXPECT_EQ(scheduler.NowMs(), 40);
  std::vector<int64_t> other_ticks;
  Timer other(scheduler, 35, true, [&] { other_ticks.push_back(c.count); });  // due at 75
  scheduler.RunUntil(200);
  // The other timer sees the count as single ticks would have left it: 50, 60, 70 before
  // 75; 80, 90, 100 before 110; and so on.
  // At 110 and 180 both are due: `other` was armed first, so it goes first, as it would
  // between single ticks.
  EXPECT_EQ(other_ticks, (std::vector<int64_t>{7, 10, 14, 17}));
  EXPECT_EQ(c.count, 20);
  // 210, whose repeats would come after `other` at 215: none.
  ASSERT_TRUE(scheduler.RunNextTicks(1000));
  EXPECT_EQ(scheduler.NowMs(), 210);
  EXPECT_EQ(c.count, 21);
}

TEST(VirtualScheduler, APartlyTakenRepeatLeavesTheRestToSingleTicks) {
  VirtualScheduler scheduler(0);
  Counter c(scheduler, 10, /*take_at_most=*/2);
  ASSERT_TRUE(scheduler.RunNextTicks(1000));  // 10, and 20, 30 repeated
  EXPECT_EQ(scheduler.NowMs(), 30);
  EXPECT_EQ(c.count, 3);
  ASSERT_TRUE(scheduler.NextDueMs());
  EXPECT_EQ(*scheduler.NextDueMs(), 40);
  // RunNextTick and RunUntilTrue never repeat: a check between ticks sees every one.
  ASSERT_TRUE(scheduler.RunNextTick(1000));
  EXPECT_EQ(c.count, 4);
  EXPECT_TRUE(scheduler.RunUntilTrue([&] { return c.count == 6; }, 1000));
  EXPECT_EQ(scheduler.NowMs(), 60);
  EXPECT_EQ(c.offers, (std::vector<std::string>{"98@10"}));
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
