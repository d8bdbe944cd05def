#include "replay/what_if.h"

#include "replay/replay.h"
#include "replay/stored_replay.h"

namespace vellaro::replay {

namespace {

// Keeps what the rows say of the real result (RealResult, as the game counted it): the net
// after each entry, an undo taking the last spin's point back as the game takes the spin
// back, and the counts after the last row. vellaro-sim's summary reads the same rows.
class RealPerSpin final : public RowSink {
 public:
  explicit RealPerSpin(WhatIfLine& line) : line_(line) {}
  void Add(const Row& row) override {
    if (row.entry.undo()) {
      if (!line_.net_per_spin.empty()) line_.net_per_spin.pop_back();
    } else {  // a spin, or a redo that brings one back
      line_.net_per_spin.push_back(row.real.net);
    }
    line_.counts = row.real;
  }

 private:
  WhatIfLine& line_;
};

}  // namespace

ReplayOptions WhatIfOptions(const SessionSpins& session, BettingSystem system) {
  ReplayOptions options;
  options.settings = session.settings;
  options.settings.system = system;
  options.settings.custom_system.clear();
  options.timing = session.timing;
  return options;
}

WhatIfLine ReplayUnder(const SessionSpins& session, const std::string& custom) {
  WhatIfLine line;
  line.custom = custom;
  line.net_per_spin.reserve(session.entries.size());
  ReplayOptions options = WhatIfOptions(session, kMartingale);
  options.settings.custom_system = custom;
  LogSource source(session.entries);
  RealPerSpin sink(line);
  Replay(options, source, sink);
  return line;
}

std::optional<WhatIfLine> OwnSystemWhatIf(const SessionSpins& session) {
  if (session.settings.custom_system.empty()) return std::nullopt;
  return ReplayUnder(session, session.settings.custom_system);
}

WhatIfLine ReplayUnder(const journal::StoredSession& session, const std::string& custom) {
  WhatIfLine line;
  line.custom = custom;
  StoredReplayOptions options;
  options.custom_system = custom;
  RealPerSpin sink(line);
  StoredReplay(session).Run(options, sink);
  return line;
}

std::string OwnSystemOf(const journal::StoredSession& session) {
  // Newest first; std::views::reverse would say it, but Clang 14, the sanitizers' compiler,
  // cannot compile libstdc++ 12's views.
  // NOLINTNEXTLINE(modernize-loop-convert)
  for (auto it = session.events.rbegin(); it != session.events.rend(); ++it) {
    const auto* change = std::get_if<SystemChanged>(&it->event);
    if (change != nullptr && !change->custom.empty()) return change->custom;
  }
  return session.settings.custom_system;
}

std::optional<WhatIfLine> OwnSystemWhatIf(const journal::StoredSession& session) {
  const std::string custom = OwnSystemOf(session);
  if (custom.empty()) return std::nullopt;
  return ReplayUnder(session, custom);
}

WhatIfLine ReplayUnder(const SessionSpins& session, BettingSystem system) {
  WhatIfLine line;
  line.system = system;
  line.net_per_spin.reserve(session.entries.size());
  LogSource source(session.entries);
  RealPerSpin sink(line);
  Replay(WhatIfOptions(session, system), source, sink);
  return line;
}

vellaro::SessionTrack TrackOf(const SessionSpins& session) {
  vellaro::SessionTrack track;
  ReplayOptions options = WhatIfOptions(session, session.settings.system);
  options.listener = [&track](const GameEvent& event) { track.On(event); };
  LogSource source(session.entries);
  struct Ignore final : RowSink {
    void Add(const Row&) override {}
  } ignore;
  Replay(options, source, ignore);
  return track;
}

std::array<WhatIfLine, kBettingSystems> WhatIf(const SessionSpins& session) {
  std::array<WhatIfLine, kBettingSystems> lines;
  for (int s = 0; s < kBettingSystems; ++s) {
    lines[static_cast<size_t>(s)] = ReplayUnder(session, static_cast<BettingSystem>(s));
  }
  return lines;
}

WhatIfLine ReplayUnder(const journal::StoredSession& session, BettingSystem system) {
  WhatIfLine line;
  line.system = system;
  StoredReplayOptions options;
  options.system = system;
  RealPerSpin sink(line);
  StoredReplay(session).Run(options, sink);
  return line;
}

std::array<WhatIfLine, kBettingSystems> WhatIf(const journal::StoredSession& session) {
  std::array<WhatIfLine, kBettingSystems> lines;
  for (int s = 0; s < kBettingSystems; ++s) {
    lines[static_cast<size_t>(s)] = ReplayUnder(session, static_cast<BettingSystem>(s));
  }
  return lines;
}

StoredEvening EveningOf(const journal::StoredSession& session) {
  StoredEvening evening;
  StoredReplayOptions options;
  options.listener = [&evening](const GameEvent& event) { evening.track.On(event); };
  struct Ignore final : RowSink {
    void Add(const Row&) override {}
  } ignore;
  StoredReplay replay(session);
  replay.Run(options, ignore);
  evening.risk = vellaro::RiskInputsOf(replay.game());
  return evening;
}

}  // namespace vellaro::replay
