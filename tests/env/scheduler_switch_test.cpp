#include "env/scheduler_switch.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "env/virtual_scheduler.h"

namespace vellaro {
namespace {

// Two virtual schedulers standing for the resume and the event loop, their times apart so
// that a tick says which one delivered it.
struct Switched {
  VirtualScheduler before{1000};
  VirtualScheduler after{50'000};
  SchedulerSwitch hub{before};
  std::vector<std::string> ticks;
  std::function<void()> Log(const std::string& name) {
    return [this, name] {
      const VirtualScheduler& by = &hub.target() == &before ? before : after;
      ticks.push_back(name + "@" + std::to_string(by.NowMs()));
    };
  }
};

TEST(SchedulerSwitch, RunningTimersMoveOverWithTheirCountdownsRestartedInArmingOrder) {
  Switched s;
  Timer b(s.hub, 20, true, s.Log("b"));
  Timer a(s.hub, 20, true, s.Log("a"));
  s.before.AdvanceBy(30);  // each ticked once, at 1020; both now due at 1040
  s.hub.SwitchTo(s.after);
  s.before.AdvanceBy(100);
  EXPECT_EQ(s.ticks, (std::vector<std::string>{"b@1020", "a@1020"}))
      << "the old scheduler no longer ticks them";
  s.after.AdvanceBy(40);
  EXPECT_EQ(s.ticks, (std::vector<std::string>{"b@1020", "a@1020", "b@50020", "a@50020", "b@50040",
                                               "a@50040"}));
}

TEST(SchedulerSwitch, StoppedTimersStayStoppedAndLaterChangesGoToTheNewScheduler) {
  Switched s;
  Timer idle(s.hub, 10, false, s.Log("idle"));
  Timer stopped(s.hub, 10, true, s.Log("stopped"));
  stopped.Stop();
  s.hub.SwitchTo(s.after);
  s.after.AdvanceBy(50);
  EXPECT_TRUE(s.ticks.empty());
  idle.Start();
  stopped.SetInterval(25);  // still stopped
  s.after.AdvanceBy(20);
  EXPECT_EQ(s.ticks, (std::vector<std::string>{"idle@50060", "idle@50070"}));
  EXPECT_FALSE(s.before.NextDueMs());
}

TEST(SchedulerSwitch, ATimerEndedAfterTheSwitchIsForgottenByBoth) {
  Switched s;
  auto timer = std::make_unique<Timer>(s.hub, 10, true, s.Log("t"));
  Timer other(s.hub, 15, true, s.Log("o"));
  s.hub.SwitchTo(s.after);
  timer.reset();
  s.after.AdvanceBy(30);
  EXPECT_EQ(s.ticks, (std::vector<std::string>{"o@50015", "o@50030"}));
  // Switching back hands over only the timer that still exists.
  s.hub.SwitchTo(s.before);
  s.before.AdvanceBy(15);
  EXPECT_EQ(s.ticks.back(), "o@1015");
  EXPECT_FALSE(s.after.NextDueMs());
}

TEST(SchedulerSwitch, ATimerRetunedOnTheOldSchedulerKeepsItsNewInterval) {
  Switched s;
  Timer t(s.hub, 10, true, s.Log("t"));
  t.SetInterval(40);
  s.hub.SwitchTo(s.hub.target());  // to the same scheduler: nothing moves
  s.before.AdvanceBy(40);
  EXPECT_EQ(s.ticks, (std::vector<std::string>{"t@1040"}));
  s.hub.SwitchTo(s.after);
  s.after.AdvanceBy(79);
  EXPECT_EQ(s.ticks, (std::vector<std::string>{"t@1040", "t@50040"}));
}

}  // namespace
}  // namespace vellaro
