#pragma once

#include <iterator>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "front/game.h"

namespace vellaro::testing {

// Records every event a game says, and a short name of each for asserting the order.
struct EventRecorder {
  explicit EventRecorder(Game& game) {
    game.AddListener([this](const GameEvent& e) { events.push_back(e); });
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const GameEvent& e : events) names.push_back(NameOf(e));
    return names;
  }
  static std::string NameOf(const GameEvent& e) {
    static constexpr const char* kNames[] = {
        "SpinAccepted",   "SpinUndone",    "AnalysisStarted", "AnalysisEnded", "BetShown",
        "BetTracked",     "BetSettled",    "LedgerReset",     "ModeChanged",   "SystemChanged",
        "SettingChanged", "MatrixCreated", "MatrixDiscarded", "Recalculated",  "ChoiceSeeded",
        "BetWithheld",    "SpinRedone"};
    static_assert(std::size(kNames) == std::variant_size_v<GameEvent>);
    return kNames[e.index()];
  }
  // The last event of kind E, or null if there is none.
  template <typename E>
  const E* LastIf() const {
    for (auto it = events.rbegin(); it != events.rend(); ++it) {
      if (const E* e = std::get_if<E>(&*it)) return e;
    }
    return nullptr;
  }
  template <typename E>
  const E& Last() const {
    if (const E* e = LastIf<E>()) return *e;
    throw std::logic_error("no such event");
  }
  template <typename E>
  int Count() const {
    int n = 0;
    for (const GameEvent& e : events) n += std::holds_alternative<E>(e) ? 1 : 0;
    return n;
  }
  std::vector<GameEvent> events;
};

}  // namespace vellaro::testing
