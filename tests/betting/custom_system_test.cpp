// The systems a player writes, played by the game, against plain models of each kind written
// here from the rules as a player reads them (not from the engine's code), over one fixed
// log of wins and losses.

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "betting/system_file.h"
#include "betting/system_preview.h"
#include "betting_fixture.h"
#include "game/game_error.h"
#include "support/game_peer.h"

namespace vellaro {
namespace {

using testing::Betting;

// Long losing runs, wins in ones and twos, a run of wins: reaches the end of a sequence,
// crosses a line off entirely and closes grind cycles.
constexpr std::string_view kLog = "LLLLWLWWLLLLLLLLWWWLWLLWWWWWWLLWLLLLLLLLLWLWWWWWWWWW";

CustomSystem Read(const std::string& text) {
  SystemFileResult read = ParseSystemFile(text);
  EXPECT_TRUE(read.system.has_value()) << text << "\n" << (read.error ? read.error->message : "");
  return read.system.value_or(CustomSystem{});
}

// The stake in units after each settlement of kLog, as the model plays it. `loss_moves`
// says whether a loss passes the SAFE LEVEL (the losses in a row so far).
struct Model {
  int64_t floor = 1;
  int64_t cap = 0;
  int64_t Bound(int64_t u) const { return std::max(cap > 0 ? std::min(u, cap) : u, floor); }
};

std::vector<int64_t> Play(int safe_level, auto&& win, auto&& loss) {
  std::vector<int64_t> stakes;
  int streak = 0;
  for (const char c : kLog) {
    if (c == 'W') {
      streak = 0;
      stakes.push_back(win());
    } else {
      ++streak;
      stakes.push_back(streak > safe_level ? loss() : stakes.empty() ? -1 : stakes.back());
    }
  }
  return stakes;
}

class CustomSystems : public Betting {
 protected:
  // The stakes the game shows after each settlement of kLog, in units of `base`.
  std::vector<int64_t> Played(const std::string& text, int base, int safe_level) {
    g.Apply(act::ChooseWrittenSystem{Read(text)});
    g.Apply(act::TypeBaseStake{std::to_string(base)});
    GamePeer::Controls(g).SafeLevel.position = safe_level;
    first_ = GamePeer::State(g).Stake;
    std::vector<int64_t> stakes;
    for (const char c : kLog) {
      Settle(c == 'W');
      EXPECT_EQ(GamePeer::State(g).Stake % base, 0);
      stakes.push_back(GamePeer::State(g).Stake / base);
    }
    return stakes;
  }
  // A model's "no move yet" marker (-1) is the first stake.
  static std::vector<int64_t> From(std::vector<int64_t> model, int64_t first) {
    for (int64_t& s : model) {
      if (s != -1) break;
      s = first;
    }
    return model;
  }
  int32_t first_ = 0;
};

TEST_F(CustomSystems, SequenceWithBackTwoOnAWinStaysAtTheEndAndIsCutToTheCap) {
  const std::vector<int64_t> seq = {1, 1, 2, 3, 5, 8, 13, 21};
  Model m{.floor = 1, .cap = 10};
  size_t place = 0;
  const auto stake = [&] { return m.Bound(seq[place]); };
  const std::vector<int64_t> model = Play(
      0,
      [&] {
        place = place >= 2 ? place - 2 : 0;
        return stake();
      },
      [&] {
        place = std::min(place + 1, seq.size() - 1);
        return stake();
      });
  const std::vector<int64_t> played = Played(
      "name = Fibonacci\nkind = sequence\nsequence = 1 1 2 3 5 8 13 21\n"
      "on_loss = next\non_win = back 2\ncap = 10\n",
      5, 0);
  EXPECT_EQ(first_, 5);
  EXPECT_EQ(played, From(model, 1));
  EXPECT_EQ(*std::max_element(played.begin(), played.end()), 10);  // the cap cut 13 and 21
}

TEST_F(CustomSystems, SequenceStartingAgainAtItsEndWithASafeLevel) {
  // 1-3-2-6: a win moves on, a loss starts again, and after the fourth win so does a win.
  const std::vector<int64_t> seq = {1, 3, 2, 6};
  size_t place = 0;
  const std::vector<int64_t> model = Play(
      2,
      [&] {
        place = place + 1 < seq.size() ? place + 1 : 0;
        return seq[place];
      },
      [&] {
        place = 0;
        return seq[place];
      });
  EXPECT_EQ(Played("name = 1-3-2-6\nkind = sequence\nsequence = 1 3 2 6\non_win = next\n"
                   "on_loss = reset\nat_end = reset\n",
                   3, 2),
            From(model, 1));
}

TEST_F(CustomSystems, MultiplyTimesTwoPlusOneWithAFloorAndACapPastTheSafeLevel) {
  Model m{.floor = 2, .cap = 40};
  int64_t u = 2;
  const std::vector<int64_t> model = Play(
      1,
      [&] {
        u = m.Bound(2);
        return u;
      },
      [&] {
        u = m.Bound(u * 2 + 1);
        return u;
      });
  EXPECT_EQ(Played("name = Grand\nkind = multiply\non_loss = times 2 plus 1\non_win = reset\n"
                   "start = 2\nfloor = 2\ncap = 40\n",
                   7, 1),
            From(model, 2));
}

TEST_F(CustomSystems, DAlembertNeverGoesBelowItsFloor) {
  Model m{.floor = 3};
  int64_t u = 4;
  const std::vector<int64_t> model = Play(
      0,
      [&] {
        u = m.Bound(u - 2);
        return u;
      },
      [&] {
        u = m.Bound(u + 1);
        return u;
      });
  const std::vector<int64_t> played = Played(
      "name = D'Alembert\nkind = multiply\non_loss = plus 1\non_win = minus 2\n"
      "start = 4\nfloor = 3\n",
      2, 0);
  EXPECT_EQ(played, From(model, 4));
  EXPECT_EQ(*std::min_element(played.begin(), played.end()), 3);
}

// With a floor, a loss appends the stake that was bet (lifted to the floor), not the line's
// ends.
TEST_F(CustomSystems, LabouchereCrossesOffAppendsAndStartsAnEmptiedLineAgain) {
  struct Case {
    int safe_level;
    int64_t floor;
    int64_t cap;
  };
  for (const auto& [safe_level, floor, cap] : {Case{0, 1, 0}, Case{1, 1, 0}, Case{0, 6, 9}}) {
    const Model m{.floor = floor, .cap = cap};
    std::vector<int64_t> line = {1, 2, 3, 4};
    const auto stake = [&] {
      return m.Bound(line.size() == 1 ? line[0] : line.front() + line.back());
    };
    int restarts = 0;
    const std::vector<int64_t> model = Play(
        safe_level,
        [&] {
          line.erase(line.begin());
          if (!line.empty()) line.pop_back();
          if (line.empty()) {
            line = {1, 2, 3, 4};
            ++restarts;
          }
          return stake();
        },
        [&] {
          line.push_back(stake());
          return stake();
        });
    g.Apply(act::ResetBets{});
    // The line's first plus last (5) is below a floor of 6: the first stake is set.
    const std::string capped = "floor = " + std::to_string(floor) +
                               "\nstart = " + std::to_string(std::max<int64_t>(floor, 5)) + "\n" +
                               (cap > 0 ? "cap = " + std::to_string(cap) + "\n" : "");
    EXPECT_EQ(
        Played("name = Labouchere\nkind = labouchere\nline = 1 2 3 4\n" + capped, 4, safe_level),
        From(model, 5))
        << "SAFE LEVEL " << safe_level << ", floor " << floor << ", cap " << cap;
    EXPECT_GT(restarts, 0);
  }
}

TEST_F(CustomSystems, OscarsGrindEndsEachCycleAtPlusOneAndStartsTheNextAtOneUnit) {
  Model m{.floor = 1, .cap = 3};
  int64_t u = 1;
  int64_t net = 0;
  int cycles = 0;
  const std::vector<int64_t> model = Play(
      0,
      [&] {
        net += u;
        if (net >= 1) {
          net = 0;
          ++cycles;
          u = 1;
        } else {
          u = m.Bound(std::min(u + 1, 1 - net));
        }
        return u;
      },
      [&] {
        net -= u;
        return u;
      });
  EXPECT_EQ(Played("name = Oscar\nkind = oscars-grind\ncap = 3\n", 10, 0), From(model, 1));
  EXPECT_GT(cycles, 2);
}

// Every preset the package ships, read from its file, against the system as a player
// knows it by name.
// The rules a shipped preset is named for, written out by hand: what its start sets, and the
// stake after a win and after a loss. The models share the state they step through.
struct Preset {
  std::string file;
  std::function<void()> start;
  std::function<int64_t()> win;
  std::function<int64_t()> loss;
};

struct PresetState {
  size_t place = 0;
  int64_t u = 1;
  int64_t net = 0;
  std::vector<int64_t> line;
  int64_t Labouchere() const { return line.size() == 1 ? line[0] : line.front() + line.back(); }
};

// The presets that climb a ladder of stakes on a loss.
std::vector<Preset> LadderPresets(PresetState& s) {
  static const std::vector<int64_t> fibonacci = {1,  1,  2,  3,   5,   8,   13,  21,
                                                 34, 55, 89, 144, 233, 377, 610, 987};
  return {
      {"fibonacci", [&] { s.place = 0; },
       [&] {
         s.place = s.place >= 2 ? s.place - 2 : 0;
         return fibonacci[s.place];
       },
       [&] {
         s.place = std::min<size_t>(s.place + 1, 15);
         return fibonacci[s.place];
       }},
      {"dalembert", [&] { s.u = 1; }, [&] { return s.u = std::max<int64_t>(s.u - 1, 1); },
       [&] { return ++s.u; }},
      {"grand-martingale", [&] { s.u = 1; }, [&] { return s.u = 1; },
       [&] { return s.u = 2 * s.u + 1; }},
  };
}

// The presets that follow a cycle of wins, or a line of numbers, or a target.
std::vector<Preset> CyclePresets(PresetState& s) {
  return {
      {"paroli", [&] { s.place = 0; },
       [&] {
         s.place = (s.place + 1) % 3;
         return int64_t{1} << s.place;
       },
       [&] {
         s.place = 0;
         return int64_t{1};
       }},
      {"1-3-2-6", [&] { s.place = 0; },
       [&] {
         s.place = (s.place + 1) % 4;
         return std::array<int64_t, 4>{1, 3, 2, 6}[s.place];
       },
       [&] {
         s.place = 0;
         return int64_t{1};
       }},
      {"labouchere",
       [&] {
         s.line = {1, 2, 3, 4};
       },
       [&] {
         s.line.erase(s.line.begin());
         if (!s.line.empty()) s.line.pop_back();
         if (s.line.empty()) s.line = {1, 2, 3, 4};
         return s.Labouchere();
       },
       [&] {
         s.line.push_back(s.Labouchere());
         return s.Labouchere();
       }},
      {"oscars-grind",
       [&] {
         s.u = 1;
         s.net = 0;
       },
       [&] {
         s.net += s.u;
         s.u = s.net >= 1 ? 1 : std::min(s.u + 1, 1 - s.net);
         if (s.net >= 1) s.net = 0;
         return s.u;
       },
       [&] {
         s.net -= s.u;
         return s.u;
       }},
  };
}

TEST_F(CustomSystems, EveryShippedPresetPlaysAsTheSystemItIsNamedFor) {
  PresetState state;
  std::vector<Preset> presets = LadderPresets(state);
  for (Preset& preset : CyclePresets(state)) presets.push_back(std::move(preset));
  for (const Preset& preset : presets) {
    const std::string path = std::string(VELLARO_SYSTEMS_DIR) + "/" + preset.file + ".system";
    const SystemFileResult read = LoadSystemFile(path);
    ASSERT_TRUE(read.system) << path;
    preset.start();
    const std::vector<int64_t> model = Play(0, preset.win, preset.loss);
    g.Apply(act::ResetBets{});
    EXPECT_EQ(Played(read.system->text, 3, 0), model) << preset.file;
  }
}

// Reset Bets, a change of base unit and a change of system each start the system over:
// the place, the line and the cycle, not the stake alone.
TEST_F(CustomSystems, EveryResetOfTheLedgerStartsTheSystemOver) {
  const std::vector<std::string> texts = {
      "name = S\nkind = sequence\nsequence = 1 2 4 8\non_loss = next\non_win = stay\n",
      "name = L\nkind = labouchere\nline = 1 1 1\n", "name = O\nkind = oscars-grind\n",
      "name = M\nkind = multiply\non_loss = times 3\non_win = stay\n"};
  for (const std::string& text : texts) {
    for (int how = 0; how < 3; ++how) {
      g.Apply(act::ChooseWrittenSystem{Read(text)});
      g.Apply(act::TypeBaseStake{"2"});
      const CustomProgress fresh = GamePeer::BettingOwn(g).progress;
      const int32_t first = GamePeer::State(g).Stake;
      for (const char c : std::string_view("LLWLL")) Settle(c == 'W');
      ASSERT_NE(GamePeer::State(g).Stake, first) << text;
      if (how == 0) g.Apply(act::ResetBets{});
      if (how == 1) {
        g.Apply(act::TypeBaseStake{"3"});
        g.Apply(act::TypeBaseStake{"2"});
      }
      if (how == 2) g.Apply(act::ChooseWrittenSystem{Read(text)});
      EXPECT_EQ(GamePeer::State(g).Stake, first) << text << how;
      EXPECT_EQ(GamePeer::BettingOwn(g).progress, fresh) << text << how;
    }
  }
}

TEST_F(CustomSystems, TheBoxOffersThePlayersSystemOnlyWhileItIsSelected) {
  g.Apply(act::ChooseWrittenSystem{Read("name = Mine\nkind = oscars-grind\n")});
  ASSERT_EQ(GamePeer::Controls(g).BetStrategy.items.size(), size_t{kBettingSystems + 1});
  EXPECT_EQ(GamePeer::Controls(g).BetStrategy.items.back(), "Mine");
  EXPECT_EQ(GamePeer::Controls(g).BetStrategy.index, kCustomSystemIndex);
  EXPECT_EQ(g.CurrentSettings().custom_system, "name = Mine\nkind = oscars-grind\n");
  g.Apply(act::ChooseSystem{kParlay});
  EXPECT_EQ(g.SelectedCustomSystem(), nullptr);
  EXPECT_EQ(GamePeer::Controls(g).BetStrategy.items.size(), size_t{kBettingSystems});
  EXPECT_TRUE(g.CurrentSettings().custom_system.empty());
  // Configure takes the text; one that does not read changes nothing.
  Settings s = g.CurrentSettings();
  s.custom_system = "name = Mine\nkind = oscars-grind\n";
  g.Configure(s);
  EXPECT_NE(g.SelectedCustomSystem(), nullptr);
  s.custom_system = "name = Broken\nkind = pyramid\n";
  EXPECT_THROW(g.Configure(s), GameError);
  EXPECT_EQ(g.SelectedCustomSystem()->rules.name, "Mine");
}

TEST(SystemPreview, ShowsTheStakesAfterLossesInARowAndAfterOneWin) {
  const SystemPreview fib = PreviewStakes(
      Read("name = F\nkind = sequence\nsequence = 1 1 2 3 5\non_loss = next\non_win = back 2\n")
          .rules,
      6);
  EXPECT_EQ(fib.after_losses, (std::vector<int64_t>{1, 2, 3, 5, 5, 5}));
  EXPECT_EQ(fib.after_win, 1);
  const SystemPreview lab =
      PreviewStakes(Read("name = L\nkind = labouchere\nline = 1 2 3\n").rules, 3);
  EXPECT_EQ(lab.after_losses, (std::vector<int64_t>{5, 6, 7}));  // 1 2 3 4, then 5, then 6 appended
  EXPECT_EQ(lab.after_win, 2);                                   // only 2 is left
}

}  // namespace
}  // namespace vellaro
