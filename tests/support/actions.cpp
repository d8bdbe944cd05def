#include "support/actions.h"

#include <iterator>
#include <string_view>

#include "betting/system_file.h"
#include "support/game_peer.h"

namespace vellaro::testing {

namespace {

// Does a step on a game; a player's action goes to Game::Apply as it is.
struct Doer {
  Game& game;
  VirtualScheduler& time;

  bool operator()(const step::Wait& s) const {
    time.AdvanceBy(s.ms);
    return true;
  }
  bool operator()(const step::PointAt& s) const {
    if (s.place == step::kBackground) {
      game.Apply(act::PointerOver{act::FramePart::kHead});
      return true;
    }
    if (GamePeer::Controls(game).Image[s.place].visible) {
      game.Apply(act::PointerOver{act::FramePart::kNumber, s.place});
    }
    if (ClickEnters(game, s.place)) game.Apply(act::EnterNumber{s.place});
    return true;
  }
  bool operator()(const step::ClickTrend& s) const {
    if (game.CurrentSettings().trends[static_cast<size_t>(s.chance)]) {
      game.Apply(act::ClickActiveTrend{s.chance});
      return true;
    }
    if (s.pointed) game.Apply(act::PointerOver{act::FramePart::kIdleTrend, s.chance});
    game.Apply(act::SwitchTrendOn{s.chance});
    return true;
  }
  bool operator()(const step::Gesture& s) const {
    for (const PlayerAction& a : s.actions) game.Apply(a);
    return true;
  }
  bool operator()(const step::RandomMode& /*s*/) const {
    Settings settings = game.CurrentSettings();
    settings.mode = Mode::kRandom;
    game.Configure(settings);
    return true;
  }
  bool operator()(const step::WrittenSystem& s) const {
    game.Apply(act::ChooseWrittenSystem{*ParseSystemFile(WrittenSystemText(s.which)).system});
    return true;
  }
  bool operator()(const step::Host& /*s*/) const { return false; }
  template <typename Action>
  bool operator()(const Action& a) const {
    game.Apply(a);
    return true;
  }
};

// The names of the alternatives of Step, in its order.
constexpr const char* kStepNames[] = {"act::EnterNumber",
                                      "act::Undo",
                                      "act::Redo",
                                      "act::ChooseMode",
                                      "act::ChooseSystem",
                                      "act::ChooseWrittenSystem",
                                      "act::TypeBaseStake",
                                      "act::LeaveBaseStake",
                                      "act::TypeOnWins",
                                      "act::TypeAddToBet",
                                      "act::SetSafeLevel",
                                      "act::SwitchTrendOn",
                                      "act::ClickActiveTrend",
                                      "act::ResetBets",
                                      "act::Recalculate",
                                      "act::CreateMatrix",
                                      "act::ResetMatrix",
                                      "act::ToggleCategoryRows",
                                      "act::ToggleShowStake",
                                      "act::ToggleAutomaticReset",
                                      "act::ToggleMinimalProfit",
                                      "act::SetLimit",
                                      "act::ContinueAnyway",
                                      "act::FocusTaken",
                                      "act::ToggleOptions",
                                      "act::PointerOver",
                                      "step::Wait",
                                      "step::PointAt",
                                      "step::ClickTrend",
                                      "step::Gesture",
                                      "step::RandomMode",
                                      "step::WrittenSystem",
                                      "step::Host"};
static_assert(std::size(kStepNames) == std::variant_size_v<Step>);

constexpr std::string_view kLimitKinds[] = {"kBankroll", "kStopLoss", "kTakeProfit", "kTableMax",
                                            "kMaxLosses"};
constexpr std::string_view kFrameParts[] = {"kHead", "kNumber",  "kClose",    "kMinimize",
                                            "kSave", "kOptions", "kIdleTrend"};
constexpr std::string_view kHostEvents[] = {"kNewSession", "kRestart",       "kJournalFails",
                                            "kDiskFull",   "kJournalWrites", "kJournalFolder"};

std::string Quoted(const std::string& text) {
  return '"' + text + '"';
}

// What goes between the braces of a step's C++: its values; none for a plain click.
struct Values {
  std::string operator()(const act::EnterNumber& a) const { return std::to_string(a.number); }
  std::string operator()(const act::Undo& a) const { return a.bet_said_again ? "" : "false"; }
  std::string operator()(const act::ChooseMode& a) const { return std::to_string(a.index); }
  std::string operator()(const act::ChooseSystem& a) const { return std::to_string(a.index); }
  std::string operator()(const act::ChooseWrittenSystem& /*a*/) const {
    return "/* a system the player wrote: step::WrittenSystem rebuilds one */";
  }
  std::string operator()(const act::TypeBaseStake& a) const { return Quoted(a.text); }
  std::string operator()(const act::TypeOnWins& a) const { return Quoted(a.text); }
  std::string operator()(const act::TypeAddToBet& a) const { return Quoted(a.text); }
  std::string operator()(const act::SetSafeLevel& a) const { return std::to_string(a.position); }
  std::string operator()(const act::SwitchTrendOn& a) const { return std::to_string(a.chance); }
  std::string operator()(const act::ClickActiveTrend& a) const { return std::to_string(a.chance); }
  std::string operator()(const act::ToggleAutomaticReset& a) const {
    return a.limits_asked_again ? "" : "false";
  }
  std::string operator()(const act::SetLimit& a) const {
    return "LimitKind::" + std::string(kLimitKinds[static_cast<size_t>(a.limit)]) + ", " +
           (a.value ? std::to_string(*a.value) : "std::nullopt");
  }
  std::string operator()(const act::PointerOver& a) const {
    return "act::FramePart::" + std::string(kFrameParts[static_cast<size_t>(a.part)]) + ", " +
           std::to_string(a.index);
  }
  std::string operator()(const step::Wait& s) const { return std::to_string(s.ms); }
  std::string operator()(const step::PointAt& s) const { return std::to_string(s.place); }
  std::string operator()(const step::ClickTrend& s) const {
    return std::to_string(s.chance) + (s.pointed ? "" : ", false");
  }
  std::string operator()(const step::Gesture& s) const {
    std::string text = "{";
    for (const PlayerAction& a : s.actions) {
      text += (text.size() > 1 ? ", " : "") +
              Describe(std::visit([](const auto& x) { return Step(x); }, a));
    }
    return text + "}";
  }
  std::string operator()(const step::WrittenSystem& s) const { return std::to_string(s.which); }
  std::string operator()(const step::Host& s) const {
    return "step::HostEvent::" + std::string(kHostEvents[static_cast<size_t>(s.event)]);
  }
  template <typename Plain>
  std::string operator()(const Plain& /*a*/) const {
    return "";
  }
};

}  // namespace

step::Gesture BaseStakeTyped(const std::string& text) {
  return {{act::TypeBaseStake{text}, act::LeaveBaseStake{}}};
}

const char* WrittenSystemText(int which) {
  if (which == 0) {
    return "name = Mein D'Alembert\nkind = multiply\non_loss = plus 1\non_win = minus 1\n"
           "floor = 1\n";
  }
  return "name = Fibonacci\nkind = sequence\nsequence = 1 1 2 3 5 8 13 21 34 55 89 144\n"
         "on_loss = next\non_win = back 2\nat_end = stay\n";
}

bool ClickEnters(const Game& game, int place) {
  const Window& controls = GamePeer::Controls(game);
  return place != step::kBackground &&
         (controls.Image[place].visible || controls.Image_Act[place].visible);
}

bool Apply(const Step& step, Game& game, VirtualScheduler& time) {
  return std::visit(Doer{game, time}, step);
}

std::string Describe(const Step& step) {
  return kStepNames[step.index()] + ("{" + std::visit(Values{}, step) + "}");
}

std::string Describe(const std::vector<Step>& steps, const std::string& indent) {
  std::string text;
  for (const Step& s : steps) text += indent + Describe(s) + ",\n";
  return text;
}

Step RandomStep(Dice& dice, const Mix& mix) {
  int roll = dice(100);
  for (const Share& share : mix) {
    if (roll < share.percent) return share.draw(dice);
    roll -= share.percent;
  }
  return mix.back().draw(dice);
}

Share Always(int percent, Step step) {
  return {percent, [step = std::move(step)](Dice& /*dice*/) { return step; }};
}

std::vector<Step> Shrink(std::vector<Step> steps, const FailureFinder& first_failure) {
  const std::optional<size_t> first = first_failure(steps);
  if (!first) return steps;
  steps.resize(*first + 1);
  for (size_t chunk = steps.size() / 2; chunk >= 1; chunk /= 2) {
    for (size_t at = 0; at + chunk <= steps.size();) {
      std::vector<Step> fewer = steps;
      fewer.erase(fewer.begin() + static_cast<ptrdiff_t>(at),
                  fewer.begin() + static_cast<ptrdiff_t>(at + chunk));
      if (const std::optional<size_t> f = first_failure(fewer)) {
        fewer.resize(*f + 1);
        steps = std::move(fewer);
      } else {
        at += chunk;
      }
    }
  }
  return steps;
}

}  // namespace vellaro::testing
