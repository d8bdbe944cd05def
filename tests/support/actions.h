#pragma once

// The one vocabulary the tests drive a game with: the player's own actions
// (front/player_action.h) and the few steps a test takes that are not one of them (time
// passing, a click wherever the pointer lands, the window's journal in trouble); one way to
// do a step, one generator of random steps from a mix of shares, and one way to print a step
// as the C++ that rebuilds it, for a failing case's message. The storm, the consistency
// evenings and the session scripts all play these.

#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include "env/virtual_scheduler.h"
#include "front/game.h"

namespace vellaro::testing {

namespace step {

// The player pauses: `ms` of virtual time pass and the timers tick.
struct Wait {
  int64_t ms = 0;
};

// The pointer onto number `place` (kBackground: the head picture) and a click there, which
// enters the number where its tile or highlight lies on top: the crossed-out picture beneath
// takes nothing, and the pointer over it lights nothing.
inline constexpr int kBackground = kNumbers;
struct PointAt {
  int place = 0;
};

// A click on the tab of trend `chance` that is on show: the active one while the trend is
// on, else the idle one's switch-on picture, after the pointer crossed it (`pointed`; a game
// replayed from a journal, which keeps no pointer, compares only with one clicked without).
struct ClickTrend {
  int chance = 0;
  bool pointed = true;
};

// Several actions of one gesture, played as one: text typed and the edit left.
struct Gesture {
  std::vector<PlayerAction> actions;
};

// Mode 1, which no entry of the mode box selects: the options applied again as a whole.
struct RandomMode {};

// A system the player wrote, picked from its file: 0 a D'Alembert, 1 a Fibonacci (which
// keeps its place in the sequence).
struct WrittenSystem {
  int which = 0;
};

// What happens to the window around the game rather than to the game: the caller does it.
enum class HostEvent {
  kNewSession,     // "New session"
  kRestart,        // the window closed and started again: it resumes the session
  kJournalFails,   // the journal's writes fail from now on (a folder made read-only)
  kDiskFull,       // the journal's file may not grow from now on (a full disk)
  kJournalWrites,  // ... and both succeed again
  kJournalFolder,  // the journal's folder, which could not be made at start, can be made
};
struct Host {
  HostEvent event = HostEvent::kNewSession;
};

}  // namespace step

template <typename Actions, typename... More>
struct Extended;
template <typename... Actions, typename... More>
struct Extended<std::variant<Actions...>, More...> {
  using type = std::variant<Actions..., More...>;
};

using Step = Extended<PlayerAction, step::Wait, step::PointAt, step::ClickTrend, step::Gesture,
                      step::RandomMode, step::WrittenSystem, step::Host>::type;

// Text typed into the base stake and the edit left, as one gesture.
step::Gesture BaseStakeTyped(const std::string& text);

// The text of written system `which` (step::WrittenSystem).
const char* WrittenSystemText(int which);

// Whether a click at number `place` enters it now (step::PointAt).
bool ClickEnters(const Game& game, int place);

// Does `step` on `game` as the window passes it on, letting time pass on `time` for a
// step::Wait. Returns false, doing nothing, for a step::Host: the window's to do.
bool Apply(const Step& step, Game& game, VirtualScheduler& time);

// The C++ that rebuilds the step; the list one step a line, each indented by `indent`.
std::string Describe(const Step& step);
std::string Describe(const std::vector<Step>& steps, const std::string& indent = "    ");

// Numbers drawn evenly from a seed.
class Dice {
 public:
  explicit Dice(uint64_t seed) : rng_(seed) {}
  // One of 0 .. n-1.
  int operator()(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

 private:
  std::mt19937_64 rng_;
};

// A kind of step with its share of a hundred rolls and how its values are drawn.
struct Share {
  int percent = 0;
  std::function<Step(Dice&)> draw;
};
// The shares in the order their rolls are counted; they add up to 100.
using Mix = std::vector<Share>;

// A step drawn from `mix`: a roll of 0 .. 99, then the values of the share it falls in.
Step RandomStep(Dice& dice, const Mix& mix);

// A share whose step has no values to draw.
Share Always(int percent, Step step);

// The shortest list found that still fails, by removing ever smaller chunks of steps while
// it does. `first_failure` gives the index of the step after which a list fails.
using FailureFinder = std::function<std::optional<size_t>(const std::vector<Step>&)>;
std::vector<Step> Shrink(std::vector<Step> steps, const FailureFinder& first_failure);

}  // namespace vellaro::testing
