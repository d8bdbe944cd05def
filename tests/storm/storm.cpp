#include "storm.h"

#include <algorithm>
#include <sstream>

#include "game/history.h"
#include "game/text_number.h"
#include "support/game_peer.h"
#include "support/harness.h"

namespace vellaro::storm {

namespace {

const char* const kTexts[] = {"0",   "1", "5",  "10",  "1000", "5000",      "-3",
                              "abc", "",  " 7", "12x", "999",  "2147483648"};

const char* KindName(Kind kind) {
  switch (kind) {
    case Kind::kTile:
      return "kTile";
    case Kind::kPoint:
      return "kPoint";
    case Kind::kUndo:
      return "kUndo";
    case Kind::kMode:
      return "kMode";
    case Kind::kSystem:
      return "kSystem";
    case Kind::kTypeBase:
      return "kTypeBase";
    case Kind::kLeaveBase:
      return "kLeaveBase";
    case Kind::kSafeLevel:
      return "kSafeLevel";
    case Kind::kShowBet:
      return "kShowBet";
    case Kind::kAutoReset:
      return "kAutoReset";
    case Kind::kMinProfit:
      return "kMinProfit";
    case Kind::kTrendOn:
      return "kTrendOn";
    case Kind::kTrendOff:
      return "kTrendOff";
    case Kind::kReCalculate:
      return "kReCalculate";
    case Kind::kCreateMatrix:
      return "kCreateMatrix";
    case Kind::kResetMatrix:
      return "kResetMatrix";
    case Kind::kCatRows:
      return "kCatRows";
    case Kind::kResetBets:
      return "kResetBets";
    case Kind::kWait:
      return "kWait";
  }
  return "?";
}

constexpr int kBackgroundPlace = kNumbers;

// What a click at a number's place lands on: its highlight or its tile enter the number;
// the crossed-out picture beneath takes nothing.
bool ClickEnters(const Game& g, int place) {
  return place != kBackgroundPlace &&
         (g.controls().Image[place].visible || g.controls().Image_Act[place].visible);
}

// The pointer over a number's place (or the background), and a click where it enters.
void PointAt(Game& g, int place) {
  if (place == kBackgroundPlace) {
    g.Apply(act::PointerOver{act::FramePart::kHead});
    return;
  }
  if (g.controls().Image[place].visible) g.Apply(act::PointerOver{act::FramePart::kNumber, place});
  if (ClickEnters(g, place)) g.Apply(act::EnterNumber{place});
}

// A click on a trend's switch, where the picture that takes it is on show.
void SwitchTrend(Game& g, bool on, int trend) {
  if (on) {
    g.Apply(act::PointerOver{act::FramePart::kIdleTrend, trend});
    if (g.controls().Trend_1[trend].visible) g.Apply(act::SwitchTrendOn{trend});
  } else if (g.controls().Trend_2[trend].visible) {
    g.Apply(act::ClickActiveTrend{trend});
  }
}

void Perform(testing::Harness& h, const Action& a) {
  Game& g = h.game;
  switch (a.kind) {
    case Kind::kTile:
      g.Apply(act::EnterNumber{a.value});
      break;
    case Kind::kPoint:
      PointAt(g, a.value);
      break;
    case Kind::kUndo:
      g.Apply(act::Undo{});
      break;
    case Kind::kMode:
      g.Apply(act::ChooseMode{a.value});
      break;
    case Kind::kSystem:
      g.Apply(act::ChooseSystem{a.value});
      break;
    case Kind::kTypeBase:
      g.Apply(act::TypeBaseStake{a.text});
      break;
    case Kind::kLeaveBase:
      g.Apply(act::LeaveBaseStake{});
      break;
    case Kind::kSafeLevel:
      g.Apply(act::SetSafeLevel{a.value});
      break;
    case Kind::kShowBet:
      g.Apply(act::ToggleShowStake{});
      break;
    case Kind::kAutoReset:
      g.Apply(act::ToggleAutomaticReset{});
      break;
    case Kind::kMinProfit:
      g.Apply(act::ToggleMinimalProfit{});
      break;
    case Kind::kTrendOn:
    case Kind::kTrendOff:
      SwitchTrend(g, a.kind == Kind::kTrendOn, a.value);
      break;
    case Kind::kReCalculate:
      g.Apply(act::Recalculate{});
      break;
    case Kind::kCreateMatrix:
      g.Apply(act::CreateMatrix{});
      break;
    case Kind::kResetMatrix:
      g.Apply(act::ResetMatrix{});
      break;
    case Kind::kCatRows:
      g.Apply(act::ToggleCategoryRows{});
      break;
    case Kind::kResetBets:
      g.Apply(act::ResetBets{});
      break;
    case Kind::kWait:
      h.Wait(a.value);
      break;
  }
}

bool ResetsTheLedger(Kind kind) {
  switch (kind) {
    case Kind::kSystem:
    case Kind::kTypeBase:
    case Kind::kLeaveBase:
    case Kind::kAutoReset:
    case Kind::kResetBets:
    case Kind::kResetMatrix:
      return true;
    default:
      return false;
  }
}

int ChipsOnShow(const Game& g) {
  return static_cast<int>(std::count_if(g.controls().Chip.begin(), g.controls().Chip.end(),
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
  return {g.controls().GameModes.enabled,
          g.controls().UndoButton.visible,
          g.AnimationRunning(),
          ModeRunning(g),
          g.state().Balance,
          g.state().Stake,
          g.state().WinStreak,
          g.state().SavedBalance};
}

// History: every accepted spin less the undone ones; the strip shows the last eight; the
// running sums are those of the history.
void CheckHistory(const Game& g, const std::vector<int>& spins, std::ostream& bad) {
  TextLines expected;
  for (int n : spins) expected.push_back(IntToStr(n));
  if (g.controls().NumbersList != expected) bad << "NumbersList differs from the accepted spins; ";
  for (size_t i = 0; i < 8; ++i) {
    const Label& slot = g.controls().HisNum[i];
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
  if (g.state().DeepSum != deep_sum || g.state().DeepRemainder != total % 3) {
    bad << "running sums " << g.state().DeepSum << "/" << g.state().DeepRemainder
        << " are not those of the "
        << "history (" << deep_sum << "/" << total % 3 << "); ";
  }
}

// Ledger: every change of the balance is a credit, a debit, a reset or an undo.
void CheckLedger(const Game& g, const Action& a, const Before& b, bool entered, std::ostream& bad) {
  const int64_t balance = g.state().Balance;
  const bool mode_completed = b.mode_running && !ModeRunning(g);
  bool ledger_ok = balance == b.balance;
  if (entered) {
    const bool won = g.state().LossStreak == 0 && g.state().WinStreak == b.win_streak + 1;
    if (won) ledger_ok = balance == std::min<int64_t>(INT32_MAX, b.balance + 2 * int64_t{b.stake});
  } else if (a.kind == Kind::kWait && mode_completed && ChipsOnShow(g) == 1) {
    // A mode's choice was shown and debited once.
    ledger_ok = balance == std::max<int64_t>(INT32_MIN, int64_t{b.balance} - g.state().Stake);
  } else if (a.kind == Kind::kUndo && b.undo_offered) {
    ledger_ok = balance == b.saved_balance;
  } else if (ResetsTheLedger(a.kind)) {
    ledger_ok = ledger_ok || balance == 1000000 || balance == 1000000 - int64_t{b.stake} ||
                balance == 1000000 - int64_t{g.state().Stake};
  }
  if (!ledger_ok) bad << "balance went from " << b.balance << " to " << balance << "; ";
}

// Display: a chance's chip and field go together, its stake label never without them,
// and at most one chance is on show; a highlight is a clickable copy of its tile: one at
// most, and never over a hidden tile.
void CheckDisplay(const Game& g, const Action& a, const Before& b, std::ostream& bad) {
  const bool mode_completed = b.mode_running && !ModeRunning(g);
  for (int k = 0; k < kChances; ++k) {
    if (g.controls().Chip[k].visible != g.controls().Field[k].visible)
      bad << "chip and field of " << k << " differ; ";
    if (g.controls().BetSizeShow[k].visible && !g.controls().Chip[k].visible)
      bad << "stake label " << k << " alone; ";
    // A pause in which no mode chose has let the display timer tick since the last change
    // of the chips.
    if (a.kind == Kind::kWait && a.value >= 10 && !mode_completed &&
        g.controls().BetSizeShow[k].visible !=
            (g.controls().Chip[k].visible && g.controls().ShowBetSize.checked)) {
      bad << "stake label " << k << " does not follow Show Bet; ";
    }
  }
  if (ChipsOnShow(g) > 1) bad << ChipsOnShow(g) << " chances on show; ";

  int highlights = 0;
  for (int n = 0; n < kNumbers; ++n) {
    if (!g.controls().Image_Act[n].visible) continue;
    ++highlights;
    if (!g.controls().Image[n].visible)
      bad << "the highlight of " << n << " lies over a hidden tile; ";
  }
  if (highlights > 1) bad << highlights << " highlights; ";
}

// The board: locked exactly while an animation runs. The undo control: both pictures
// together, only on an open board with credit, and offered at the end of every analysis
// that finds the credit.
void CheckBoard(const Game& g, const Action& a, const Before& b, std::ostream& bad) {
  const bool locked = !g.controls().GameModes.enabled;
  if (locked != g.AnimationRunning()) bad << "board lock does not follow the animation; ";
  if (locked) {
    if (g.controls().BetStrategy.enabled || g.controls().Init_Bet.enabled ||
        g.controls().ResetBetsButton.enabled) {
      bad << "a selector is enabled during an analysis; ";
    }
    const auto tiles = std::count_if(g.controls().Image.begin(), g.controls().Image.end(),
                                     [](const Picture& tile) { return tile.visible; });
    if (tiles > 1) bad << tiles << " tiles on the board during an analysis; ";
  } else {
    if (!g.controls().BetStrategy.enabled || !g.controls().Init_Bet.enabled ||
        !g.controls().ResetBetsButton.enabled) {
      bad << "a selector is disabled on an open board; ";
    }
    if (g.controls().CGauge1.progress != 0 || g.controls().CGauge2.progress != 0)
      bad << "a gauge is not back at 0; ";
  }
  if (g.controls().CGauge3.progress != 0) bad << "the matrix gauge is not back at 0; ";

  const bool completed = b.animating && !g.AnimationRunning();
  if (g.controls().UndoButton.visible != g.controls().ImageUndo.visible)
    bad << "undo button and arrow differ; ";
  if (g.controls().UndoButton.visible && (locked || g.state().UndoCredit < 2))
    bad << "undo offered wrongly; ";
  if (a.kind == Kind::kWait && completed && g.state().UndoCredit >= 2 &&
      !g.controls().UndoButton.visible) {
    bad << "undo not offered after an analysis; ";
  }
}

// Returns what is wrong after `a`, or "" if nothing is.
std::string Check(const Game& g, const Action& a, const Before& b, bool entered,
                  const std::vector<int>& spins) {
  std::ostringstream bad;
  CheckHistory(g, spins, bad);
  CheckLedger(g, a, b, entered, bad);
  CheckDisplay(g, a, b, bad);
  CheckBoard(g, a, b, bad);
  return bad.str();
}

}  // namespace

std::string Describe(const Action& a) {
  std::string text = std::string("{Kind::") + KindName(a.kind) + ", " + std::to_string(a.value);
  if (a.kind == Kind::kTypeBase) text += ", \"" + a.text + "\"";
  return text + "}";
}

std::vector<Action> RandomActions(uint64_t seed, size_t count) {
  std::mt19937_64 random(seed);
  auto below = [&](int n) { return static_cast<int>(random() % static_cast<uint64_t>(n)); };
  std::vector<Action> actions;
  actions.reserve(count);
  while (actions.size() < count) {
    const int roll = below(100);
    Action a{Kind::kWait};
    if (roll < 28) {
      a = {Kind::kTile, below(37)};
    } else if (roll < 38) {
      a = {Kind::kPoint, below(38)};
    } else if (roll < 62) {
      const int pace = below(20);
      a.value = pace < 14 ? below(60) : pace < 19 ? 100 + below(1400) : 4000 + below(2000);
    } else if (roll < 68) {
      a.kind = Kind::kUndo;
    } else if (roll < 70) {
      a = {Kind::kMode, below(3)};
    } else if (roll < 72) {
      a = {Kind::kSystem, below(6)};
    } else if (roll < 74) {
      a = {Kind::kTypeBase, 0, kTexts[below(std::size(kTexts))]};
    } else if (roll < 75) {
      a.kind = Kind::kLeaveBase;
    } else if (roll < 78) {
      a = {Kind::kSafeLevel, below(11)};
    } else if (roll < 80) {
      a.kind = Kind::kShowBet;
    } else if (roll < 82) {
      a.kind = Kind::kAutoReset;
    } else if (roll < 84) {
      a.kind = Kind::kMinProfit;
    } else if (roll < 88) {
      a = {Kind::kTrendOn, below(6)};
    } else if (roll < 90) {
      a = {Kind::kTrendOff, below(6)};
    } else if (roll < 93) {
      a.kind = Kind::kReCalculate;
    } else if (roll < 94) {
      a.kind = Kind::kCreateMatrix;
    } else if (roll < 95) {
      a.kind = Kind::kResetMatrix;
    } else if (roll < 97) {
      a.kind = Kind::kCatRows;
    } else {
      a.kind = Kind::kResetBets;
    }
    actions.push_back(a);
  }
  return actions;
}

std::optional<Failure> Play(const std::vector<Action>& actions, int64_t start_ms) {
  testing::Harness h(start_ms);
  Game& g = h.game;
  std::vector<int> spins;
  for (size_t i = 0; i < actions.size(); ++i) {
    const Action& a = actions[i];
    const Before before = Observe(g);
    const bool clicked =
        a.kind == Kind::kTile || (a.kind == Kind::kPoint && ClickEnters(g, a.value));
    const bool entered = clicked && before.open;
    try {
      Perform(h, a);
    } catch (const std::exception& e) {
      return Failure{i, std::string("an exception escaped: ") + e.what()};
    }
    if (entered) spins.push_back(a.value);
    if (a.kind == Kind::kUndo && before.undo_offered && !spins.empty()) spins.pop_back();
    const std::string wrong = Check(g, a, before, entered, spins);
    if (!wrong.empty()) return Failure{i, wrong};
  }
  return std::nullopt;
}

std::vector<Action> Shrink(std::vector<Action> actions, const FailureFinder& first_failure) {
  const std::optional<size_t> first = first_failure(actions);
  if (!first) return actions;
  actions.resize(*first + 1);
  // Remove ever smaller chunks while the list still fails.
  for (size_t chunk = actions.size() / 2; chunk >= 1; chunk /= 2) {
    for (size_t at = 0; at + chunk <= actions.size();) {
      std::vector<Action> fewer = actions;
      fewer.erase(fewer.begin() + static_cast<ptrdiff_t>(at),
                  fewer.begin() + static_cast<ptrdiff_t>(at + chunk));
      if (const std::optional<size_t> f = first_failure(fewer)) {
        fewer.resize(*f + 1);
        actions = std::move(fewer);
      } else {
        at += chunk;
      }
    }
  }
  return actions;
}

}  // namespace vellaro::storm
