#include "storm.h"

#include <algorithm>
#include <sstream>

#include "game/history.h"
#include "game/text_number.h"
#include "support/game_peer.h"
#include "support/harness.h"

namespace vellaro::storm {

namespace {

using testing::step::Wait;

const Window& Controls(const Game& g) {
  return GamePeer::Controls(g);
}
const GameState& State(const Game& g) {
  return GamePeer::State(g);
}

const char* const kTexts[] = {"0",   "1", "5",  "10",  "1000", "5000",      "-3",
                              "abc", "",  " 7", "12x", "999",  "2147483648"};

// What a player does, in shares of a hundred: above all spins, clicks wherever the pointer
// lands and pauses short or long.
const testing::Mix& StormMix() {
  using testing::Always;
  using testing::Dice;
  static const testing::Mix mix = {
      {28, [](Dice& d) -> Step { return act::EnterNumber{d(37)}; }},
      {10, [](Dice& d) -> Step { return testing::step::PointAt{d(38)}; }},
      {24,
       [](Dice& d) -> Step {
         const int pace = d(20);
         return Wait{pace < 14 ? d(60) : pace < 19 ? 100 + d(1400) : 4000 + d(2000)};
       }},
      Always(6, act::Undo{}),
      {2, [](Dice& d) -> Step { return act::ChooseMode{d(3)}; }},
      {2, [](Dice& d) -> Step { return act::ChooseSystem{d(6)}; }},
      {2, [](Dice& d) -> Step { return act::TypeBaseStake{kTexts[d(std::size(kTexts))]}; }},
      Always(1, act::LeaveBaseStake{}),
      {3, [](Dice& d) -> Step { return act::SetSafeLevel{d(11)}; }},
      Always(2, act::ToggleShowStake{}),
      Always(2, act::ToggleAutomaticReset{}),
      Always(2, act::ToggleMinimalProfit{}),
      {6, [](Dice& d) -> Step { return testing::step::ClickTrend{d(6)}; }},
      Always(3, act::Recalculate{}),
      Always(1, act::CreateMatrix{}),
      Always(1, act::ResetMatrix{}),
      Always(2, act::ToggleCategoryRows{}),
      Always(3, act::ResetBets{}),
  };
  return mix;
}

template <typename... Kinds>
bool IsOneOf(const Step& a) {
  return (std::holds_alternative<Kinds>(a) || ...);
}

bool ResetsTheLedger(const Step& a) {
  return IsOneOf<act::ChooseSystem, act::TypeBaseStake, act::LeaveBaseStake,
                 act::ToggleAutomaticReset, act::ResetBets, act::ResetMatrix>(a);
}

// The pause, if the step is one.
int64_t Paused(const Step& a) {
  const auto* wait = std::get_if<Wait>(&a);
  return wait != nullptr ? wait->ms : -1;
}

int ChipsOnShow(const Game& g) {
  return static_cast<int>(std::count_if(Controls(g).Chip.begin(), Controls(g).Chip.end(),
                                        [](const Picture& chip) { return chip.visible; }));
}

// What the checks need to know of the moment before an action.
bool ModeRunning(const Game& g) {
  return GamePeer::Mode1Timer(g).running() || GamePeer::Mode2Timer(g).running() ||
         GamePeer::Mode3Timer(g).running() || GamePeer::Mode4Timer(g).running() ||
         GamePeer::Mode5Timer(g).running();
}

struct Before {
  bool open;
  bool undo_offered;
  bool animating;
  bool mode_running;
  int32_t balance, stake, win_streak, saved_balance;
};

Before Observe(const Game& g) {
  return {Controls(g).GameModes.enabled,
          Controls(g).UndoButton.visible,
          g.AnimationRunning(),
          ModeRunning(g),
          State(g).Balance,
          State(g).Stake,
          State(g).WinStreak,
          State(g).SavedBalance};
}

// History: every accepted spin less the undone ones; the strip shows the last eight; the
// running sums are those of the history.
void CheckHistory(const Game& g, const std::vector<int>& spins, std::ostream& bad) {
  TextLines expected;
  for (int n : spins) expected.push_back(IntToStr(n));
  if (Controls(g).NumbersList != expected) bad << "NumbersList differs from the accepted spins; ";
  for (size_t i = 0; i < 8; ++i) {
    const Label& slot = Controls(g).HisNum[i];
    if (i < spins.size()) {
      const int n = spins[spins.size() - 1 - i];
      if (slot.caption != IntToStr(n) || !(slot.background == PocketColour(n))) {
        bad << "strip slot " << i + 1 << " shows '" << slot.caption << "'; ";
      }
    } else if (!slot.caption.empty() || !(slot.background == kBlackPocket)) {
      bad << "strip slot " << i + 1 << " is not empty; ";
    }
  }

  int64_t total = 0;
  for (int n : spins) total += n;
  const int64_t deep_sum = total == 0 ? 0 : (total - 1) % 36 + 1;
  if (State(g).DeepSum != deep_sum || State(g).DeepRemainder != total % 3) {
    bad << "running sums " << State(g).DeepSum << "/" << State(g).DeepRemainder
        << " are not those of the "
        << "history (" << deep_sum << "/" << total % 3 << "); ";
  }
}

// Ledger: every change of the balance is a credit, a debit, a reset or an undo.
void CheckLedger(const Game& g, const Step& a, const Before& b, bool entered, std::ostream& bad) {
  const int64_t balance = State(g).Balance;
  const bool mode_completed = b.mode_running && !ModeRunning(g);
  bool ledger_ok = balance == b.balance;
  if (entered) {
    const bool won = State(g).LossStreak == 0 && State(g).WinStreak == b.win_streak + 1;
    if (won) ledger_ok = balance == std::min<int64_t>(INT32_MAX, b.balance + 2 * int64_t{b.stake});
  } else if (Paused(a) >= 0 && mode_completed && ChipsOnShow(g) == 1) {
    // A mode's choice was shown and debited once.
    ledger_ok = balance == std::max<int64_t>(INT32_MIN, int64_t{b.balance} - State(g).Stake);
  } else if (std::holds_alternative<act::Undo>(a) && b.undo_offered) {
    ledger_ok = balance == b.saved_balance;
  } else if (ResetsTheLedger(a)) {
    ledger_ok = ledger_ok || balance == 1000000 || balance == 1000000 - int64_t{b.stake} ||
                balance == 1000000 - int64_t{State(g).Stake};
  }
  if (!ledger_ok) bad << "balance went from " << b.balance << " to " << balance << "; ";
}

// Display: a chance's chip and field go together, its stake label never without them,
// and at most one chance is on show; a highlight is a clickable copy of its tile: one at
// most, and never over a hidden tile.
void CheckDisplay(const Game& g, const Step& a, const Before& b, std::ostream& bad) {
  const bool mode_completed = b.mode_running && !ModeRunning(g);
  for (int k = 0; k < kChances; ++k) {
    if (Controls(g).Chip[k].visible != Controls(g).Field[k].visible)
      bad << "chip and field of " << k << " differ; ";
    if (Controls(g).BetSizeShow[k].visible && !Controls(g).Chip[k].visible)
      bad << "stake label " << k << " alone; ";
    // A pause in which no mode chose has let the display timer tick since the last change
    // of the chips.
    if (Paused(a) >= 10 && !mode_completed &&
        Controls(g).BetSizeShow[k].visible !=
            (Controls(g).Chip[k].visible && Controls(g).ShowBetSize.checked)) {
      bad << "stake label " << k << " does not follow Show Bet; ";
    }
  }
  if (ChipsOnShow(g) > 1) bad << ChipsOnShow(g) << " chances on show; ";

  int highlights = 0;
  for (int n = 0; n < kNumbers; ++n) {
    if (!Controls(g).Image_Act[n].visible) continue;
    ++highlights;
    if (!Controls(g).Image[n].visible)
      bad << "the highlight of " << n << " lies over a hidden tile; ";
  }
  if (highlights > 1) bad << highlights << " highlights; ";
}

// The board: locked exactly while an animation runs. The undo control: both pictures
// together, only on an open board with credit, and offered at the end of every analysis
// that finds the credit.
void CheckBoard(const Game& g, const Step& a, const Before& b, std::ostream& bad) {
  const bool locked = !Controls(g).GameModes.enabled;
  if (locked != g.AnimationRunning()) bad << "board lock does not follow the animation; ";
  if (locked) {
    if (Controls(g).BetStrategy.enabled || Controls(g).Init_Bet.enabled ||
        Controls(g).ResetBetsButton.enabled) {
      bad << "a selector is enabled during an analysis; ";
    }
    const auto tiles = std::count_if(Controls(g).Image.begin(), Controls(g).Image.end(),
                                     [](const Picture& tile) { return tile.visible; });
    if (tiles > 1) bad << tiles << " tiles on the board during an analysis; ";
  } else {
    if (!Controls(g).BetStrategy.enabled || !Controls(g).Init_Bet.enabled ||
        !Controls(g).ResetBetsButton.enabled) {
      bad << "a selector is disabled on an open board; ";
    }
    if (Controls(g).CGauge1.progress != 0 || Controls(g).CGauge2.progress != 0)
      bad << "a gauge is not back at 0; ";
  }
  if (Controls(g).CGauge3.progress != 0) bad << "the matrix gauge is not back at 0; ";

  const bool completed = b.animating && !g.AnimationRunning();
  if (Controls(g).UndoButton.visible != Controls(g).ImageUndo.visible)
    bad << "undo button and arrow differ; ";
  if (Controls(g).UndoButton.visible && (locked || State(g).UndoCredit < 2))
    bad << "undo offered wrongly; ";
  if (Paused(a) >= 0 && completed && State(g).UndoCredit >= 2 && !Controls(g).UndoButton.visible) {
    bad << "undo not offered after an analysis; ";
  }
}

// Returns what is wrong after `a`, or "" if nothing is.
std::string Check(const Game& g, const Step& a, const Before& b, bool entered,
                  const std::vector<int>& spins) {
  std::ostringstream bad;
  CheckHistory(g, spins, bad);
  CheckLedger(g, a, b, entered, bad);
  CheckDisplay(g, a, b, bad);
  CheckBoard(g, a, b, bad);
  return bad.str();
}

// The number a step clicks where it enters one, else -1.
int NumberClicked(const Game& g, const Step& a) {
  if (const auto* enter = std::get_if<act::EnterNumber>(&a)) return enter->number;
  const auto* point = std::get_if<testing::step::PointAt>(&a);
  return point != nullptr && testing::ClickEnters(g, point->place) ? point->place : -1;
}

}  // namespace

std::vector<Step> RandomActions(uint64_t seed, size_t count) {
  testing::Dice dice(seed);
  std::vector<Step> steps;
  steps.reserve(count);
  while (steps.size() < count) steps.push_back(testing::RandomStep(dice, StormMix()));
  return steps;
}

std::optional<Failure> Play(const std::vector<Step>& steps, int64_t start_ms) {
  testing::Harness h(start_ms);
  Game& g = h.game;
  std::vector<int> spins;
  for (size_t i = 0; i < steps.size(); ++i) {
    const Step& a = steps[i];
    const Before before = Observe(g);
    const int clicked = NumberClicked(g, a);
    const bool entered = clicked >= 0 && before.open;
    try {
      testing::Apply(a, g, h.scheduler);
    } catch (const std::exception& e) {
      return Failure{i, std::string("an exception escaped: ") + e.what()};
    }
    if (entered) spins.push_back(clicked);
    if (std::holds_alternative<act::Undo>(a) && before.undo_offered && !spins.empty()) {
      spins.pop_back();
    }
    const std::string wrong = Check(g, a, before, entered, spins);
    if (!wrong.empty()) return Failure{i, wrong};
  }
  return std::nullopt;
}

}  // namespace vellaro::storm
