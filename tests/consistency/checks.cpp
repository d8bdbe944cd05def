#include "consistency/checks.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string_view>

#include "export/game_log.h"
#include "export/svg_canvas.h"
#include "front/next_bet.h"
#include "journal/stored_session.h"
#include "replay/session_replay.h"
#include "replay/stored_replay.h"
#include "replay/what_if.h"
#include "session/evening_page.h"
#include "session/risk.h"
#include "session/risk_text.h"
#include "session/spin_statistics.h"
#include "support/game_peer.h"
#include "tools/sim/journal_command.h"
#include "tools/sim/options.h"
#include "tools/sim/summary.h"
#include "tools/sim/trace.h"

namespace vellaro::consistency {

namespace {

std::string Text(const RealResult::Counts& c) {
  std::ostringstream out;
  out << "spins " << c.spins << ", shown " << c.bets_shown << ", won " << c.bets_won << ", lost "
      << c.bets_lost << ", staked " << c.units_staked << ", net " << c.net;
  return out.str();
}

std::string Text(const sim::Summary::Counts& c) {
  std::ostringstream out;
  out << "spins " << c.spins << ", shown " << c.bets_shown << ", won " << c.bets_won << ", lost "
      << c.bets_lost << ", staked " << c.units_staked << ", net " << c.result;
  return out.str();
}

const char* Text(replay::HeldBack outcome) {
  switch (outcome) {
    case replay::HeldBack::kPlayedAnyway:
      return "played anyway";
    case replay::HeldBack::kLetThrough:
      return "let through";
    case replay::HeldBack::kDiscarded:
      return "discarded";
    case replay::HeldBack::kLeft:
      break;
  }
  return "left";
}

std::string Text(const replay::Row& r) {
  std::ostringstream out;
  out << "line " << r.entry.line << " number " << r.entry.number << " result "
      << static_cast<int>(r.result) << " spin " << r.spin_count << " chance " << r.bet_chance
      << " shown " << r.shown << " stake " << r.stake << " balance " << r.balance << " target "
      << r.target << " streaks " << r.win_streak << '/' << r.loss_streak << " deep " << r.deep_sum
      << '/' << r.deep_remainder << " real (" << Text(r.real) << ")";
  if (r.withheld)
    out << " held back (stake " << r.withheld->stake << ", " << Text(r.held_back) << ")";
  return out.str();
}

// What the window shows of a row (its time aside: the window's clock is not the replay's).
bool SameShown(const replay::Row& a, const replay::Row& b) {
  return a.entry == b.entry && a.result == b.result && a.spin_count == b.spin_count &&
         a.bet_chance == b.bet_chance && a.shown == b.shown && a.stake == b.stake &&
         a.balance == b.balance && a.target == b.target && a.win_streak == b.win_streak &&
         a.loss_streak == b.loss_streak && a.deep_sum == b.deep_sum &&
         a.deep_remainder == b.deep_remainder && a.real == b.real && a.withheld == b.withheld &&
         a.held_back == b.held_back;
}

bool SameBesidesTheRow(const replay::Row& a, const replay::Row& b) {
  replay::Row x = a;
  x.entry = b.entry;
  x.result = b.result;
  return SameShown(x, b);
}

bool SameRisk(const RiskInputs& a, const RiskInputs& b) {
  return a.system_name == b.system_name && a.rules.system == b.rules.system &&
         a.rules.base_unit == b.rules.base_unit && a.rules.safe_level == b.rules.safe_level &&
         a.rules.on_wins == b.rules.on_wins && a.rules.add_to_bet == b.rules.add_to_bet &&
         a.rules.limit == b.rules.limit && a.state.stake == b.state.stake &&
         a.state.loss_streak == b.state.loss_streak &&
         a.state.up_trend_wins == b.state.up_trend_wins && a.state.custom == b.state.custom &&
         a.limits == b.limits;
}

bool SameCounts(const RealResult::Counts& real, const sim::Summary::Counts& summary) {
  return real.spins == static_cast<int64_t>(summary.spins) &&
         real.bets_shown == static_cast<int64_t>(summary.bets_shown) &&
         real.bets_won == static_cast<int64_t>(summary.bets_won) &&
         real.bets_lost == static_cast<int64_t>(summary.bets_lost) &&
         real.units_staked == summary.units_staked && real.net == summary.result;
}

std::vector<int> Numbers(const std::vector<std::string>& list) {
  std::vector<int> numbers;
  numbers.reserve(list.size());
  for (const std::string& n : list) numbers.push_back(std::stoi(n));
  return numbers;
}

// The numbers in the history at the end of a stored session, as the panel counts them
// (app/panel/journal_reading.cpp HistoryOf) to know the journal's last session is this
// evening.
std::vector<int> HistoryOf(const journal::StoredSession& session) {
  std::vector<int> history;
  for (const journal::StoredEvent& stored : session.events) {
    if (const auto* spin = std::get_if<SpinAccepted>(&stored.event)) {
      history.push_back(spin->number);
    } else if (std::holds_alternative<SpinUndone>(stored.event) && !history.empty()) {
      history.pop_back();
    } else if (const auto* redo = std::get_if<SpinRedone>(&stored.event)) {
      history.push_back(redo->number);
    }
  }
  return history;
}

bool SameStatistics(const SpinStatistics& a, const SpinStatistics& b) {
  if (a.list() != b.list() || a.zeros() != b.zeros()) return false;
  for (int k = 0; k < kChances; ++k) {
    const ChanceStatistics x = a.chance(k), y = b.chance(k);
    if (x.hits != y.hits || x.share != y.share || x.current_run != y.current_run ||
        x.longest_run != y.longest_run || x.since_last != y.since_last) {
      return false;
    }
  }
  for (int n = 0; n < kNumbers; ++n) {
    if (a.number(n).hits != b.number(n).hits || a.number(n).since_last != b.number(n).since_last) {
      return false;
    }
  }
  return true;
}

// Rows to a summary, to a trace and to a list, as one replay gives them.
class Rows final : public replay::RowSink {
 public:
  explicit Rows(bool limits_set) : summary(limits_set), trace(trace_text) {}
  void Add(const replay::Row& row) override {
    summary.Add(row);
    trace.Add(row);
    rows.push_back(row);
  }
  sim::Summary summary;
  std::ostringstream trace_text;
  sim::TraceWriter trace;
  std::vector<replay::Row> rows;
};

// Runs `replay` into `rows`, also telling `also` every event.
void Run(replay::StoredReplay& replay, replay::StoredReplayOptions options, Rows& rows,
         std::function<void(const GameEvent&)> also = {}) {
  options.listener = std::move(also);
  replay.Run(options, rows);
}

bool SetsALimit(const journal::StoredSession& session) {
  if (session.settings.limits.Any()) return true;
  for (const journal::StoredEvent& e : session.events) {
    const auto* change = std::get_if<SettingChanged>(&e.event);
    if (change != nullptr && change->setting >= Setting::kBankroll && change->value >= 0)
      return true;
  }
  return false;
}

// A line of vellaro-sim's summary: "bets shown: 29" gives 29.
std::optional<int64_t> Figure(const std::string& text, std::string_view label) {
  const size_t at = text.find(label);
  if (at == std::string::npos) return std::nullopt;
  return std::stoll(text.substr(at + label.size()));
}

struct Cli {
  int status = 0;
  std::string out, err;
};
Cli RunSim(const std::vector<std::string>& args) {
  std::vector<std::string_view> views(args.begin(), args.end());
  std::ostringstream out, err;
  Cli cli;
  cli.status = sim::RunJournalCommand(views, out, err);
  cli.out = out.str();
  cli.err = err.str();
  return cli;
}

class Comparison {
 public:
  explicit Comparison(std::vector<Disagreement>& found) : found_(found) {}
  size_t session = 0;
  void Expect(bool agree, const std::string& check, const std::string& detail) {
    if (!agree) found_.push_back({check, detail, session});
  }

 private:
  std::vector<Disagreement>& found_;
};

// The Risk tab's first two lines: the system and the next bet.
std::vector<std::string> RiskTabHead(const SessionTruth& t) {
  std::istringstream text(RiskTextOf(t.risk, t.counts, std::nullopt).text);
  std::vector<std::string> lines(2);
  for (std::string& line : lines) std::getline(text, line);
  return lines;
}

// The window's own places: its readout, the game's count for the limits, the panel's track
// and statistics, the exported log.
void CompareWindow(const SessionTruth& t, Comparison& c) {
  c.Expect(t.counts == t.game_counts, "readout vs the game's count for its limits",
           Text(t.counts) + " | " + Text(t.game_counts));
  c.Expect(t.counts.spins == t.spins_in_history, "readout spins vs the history",
           std::to_string(t.counts.spins) + " | " + std::to_string(t.spins_in_history));
  const std::vector<int> history = Numbers(t.numbers);
  std::vector<int> track_numbers;
  int64_t net = 0, settled = 0;
  for (const TrackPoint& p : t.points) {
    track_numbers.push_back(p.number);
    if (p.bet_stake > 0) {
      ++settled;
      net += p.bet_won ? p.bet_stake : -p.bet_stake;
    }
  }
  c.Expect(
      track_numbers == history, "track vs the history",
      std::to_string(track_numbers.size()) + " | " + std::to_string(history.size()) + " spins");
  c.Expect(net == t.counts.net && settled == t.counts.bets_won + t.counts.bets_lost,
           "track's settled bets vs readout",
           "net " + std::to_string(net) + " settled " + std::to_string(settled) + " | " +
               Text(t.counts));
  c.Expect(t.points.empty() ? t.counts.net == 0 : t.points.back().net == t.counts.net,
           "track's last point vs readout", Text(t.counts));
  c.Expect(t.track.result().counts() == t.counts, "track's result vs readout",
           Text(t.track.result().counts()) + " | " + Text(t.counts));
  c.Expect(SameStatistics(t.track.statistics(), SpinStatistics(history)),
           "panel statistics vs a recount of the history", "");
  std::string log;
  for (int n : track_numbers) log += std::to_string(n) + "\r\n";
  c.Expect(GameLogText(t.numbers) == log, "exported log vs the track", "");
  c.Expect(t.saved_log == log, "the file Save wrote vs the track", "");
  // The Risk tab names the system of the window's box.
  c.Expect(t.risk.system_name == t.system_box, "Risk tab's system vs the window's box",
           t.risk.system_name + " | " + t.system_box);
  // The Risk tab's system and the first stake of its list are the next bet's, and so is the
  // banner's stake: the stake "Continue anyway" shows.
  const LosingRun run = NextLosses(t.risk.rules, t.risk.state, 1);
  const int64_t first = run.stakes.empty() ? -1 : run.stakes.front();
  c.Expect(t.risk.system_name == t.next.system && first == t.next.stake,
           "Risk tab's system and first stake vs the next bet",
           t.risk.system_name + " " + std::to_string(first) + " | " + NextBetLine(t.next));
  c.Expect(t.next.withheld == t.withheld, "the next bet vs the banner", NextBetLine(t.next));
  if (t.withheld) {
    c.Expect(first == t.withheld->stake, "Risk tab's first stake vs the banner's held-back stake",
             std::to_string(first) + " | " + std::to_string(t.withheld->stake));
  }
  // The panel's "Save report..." of this evening names them as its Risk tab does.
  EveningPageText page{"", {}, "", NextBetLines(t.next)};
  const std::string page_html = EveningPageHtml(page, t.track);
  for (const std::string& line : RiskTabHead(t)) {
    c.Expect(page_html.find("<p>" + EscapeMarkup(line) + "</p>") != std::string::npos,
             "the panel's report page vs its Risk tab", line);
  }
  c.Expect(!t.not_resumed, "the window started again vs the session it had", "not resumed");
  for (const std::string& lost : t.lost_by_restart) {
    c.Expect(false, "the resumed window vs the window before its restart", lost);
  }
}

// The panel's what-if of the six systems.
using WhatIfLines = std::array<replay::WhatIfLine, kBettingSystems>;

// The past evening in the panel.
void ComparePastEvening(const SessionTruth& t, const journal::StoredSession& s, Comparison& c) {
  try {
    const replay::StoredEvening evening = replay::EveningOf(s);
    const auto& points = evening.track.points();
    bool same = points.size() == t.points.size();
    for (size_t i = 0; same && i < points.size(); ++i) {
      const TrackPoint &a = points[i], &b = t.points[i];
      same = a.number == b.number && a.net == b.net && a.bet_stake == b.bet_stake &&
             a.bet_won == b.bet_won && a.reset == b.reset && a.setting == b.setting;
    }
    c.Expect(same, "panel's past evening vs the live track", "");
    c.Expect(evening.track.result().counts() == t.counts, "panel's past evening vs readout",
             Text(evening.track.result().counts()) + " | " + Text(t.counts));
    c.Expect(SameRisk(evening.risk, t.risk), "panel's past Risk tab vs the live one", "");
    c.Expect(evening.risk.next == t.next, "panel's past next bet vs the live one",
             NextBetLine(evening.risk.next) + " | " + NextBetLine(t.next));
  } catch (const replay::ReplayDiverged& e) {
    c.Expect(false, "panel's past evening diverged", e.what());
  }
}

// The what-if: the panel's six lines against the backtester's --system replay.
void CompareWhatIf(const SessionTruth& t, const journal::StoredSession& s, const WhatIfLines& lines,
                   Comparison& c) {
  for (int system = 0; system < kBettingSystems; ++system) {
    const replay::WhatIfLine& line = lines[static_cast<size_t>(system)];
    Rows under(false);
    replay::StoredReplayOptions what_if;
    what_if.system = static_cast<BettingSystem>(system);
    replay::StoredReplay replay_under(s);
    Run(replay_under, what_if, under);
    c.Expect(SameCounts(line.counts, under.summary.counts()),
             std::string("what-if vs --session N --system ") + std::string(sim::SystemWord(system)),
             Text(line.counts) + " | " + Text(under.summary.counts()));
    // The system played throughout, under its own name, is what the player got.
    if (!t.system_changed && s.settings.custom_system.empty() && s.settings.system == system) {
      c.Expect(line.counts.net == t.counts.net && line.counts.bets_shown == t.counts.bets_shown,
               "what-if of the system played vs readout",
               Text(line.counts) + " | " + Text(t.counts));
    }
  }
}

// The program itself, on the same file.
void CompareCli(const Played& played, const SessionTruth& t, const journal::StoredSession& s,
                const journal::SessionSummary& listed, const sim::Summary::Counts& sum,
                const WhatIfLines& lines, Comparison& c) {
  const std::string id = std::to_string(s.id);
  const Cli list = RunSim({"--journal", played.journal_path, "--list"});
  std::ostringstream expected;
  expected << id << ',' << journal::IsoUtc(listed.started_ms) << ','
           << (listed.ended_ms ? journal::IsoUtc(*listed.ended_ms) : "") << ',' << t.counts.spins
           << ',' << t.counts.bets_shown << ',' << t.counts.net << ','
           << journal::ShownName(listed.table) << '\n';
  c.Expect(list.status == 0 && list.out.find(expected.str()) != std::string::npos,
           "vellaro-sim --list vs readout", expected.str() + " not in\n" + list.out);
  const std::string page_path = played.journal_path + ".html";
  const Cli summary = RunSim(
      {"--journal", played.journal_path, "--session", id, "--summary", "--report", page_path});
  c.Expect(summary.status == 0 &&
               Figure(summary.out, "bets shown: ") == static_cast<int64_t>(sum.bets_shown) &&
               Figure(summary.out, "net result of the shown bets, from 0: ") == sum.result,
           "vellaro-sim --summary vs the summary it is made of", summary.out + summary.err);
  // The system and the next bet, as the Risk tab says them: the summary's lines and the
  // report page's paragraphs.
  const std::vector<std::string> head = RiskTabHead(t);
  const std::string &system = head[0], &next = head[1];
  c.Expect(summary.out.find(system + "\n" + next + "\n") != std::string::npos,
           "vellaro-sim --summary's next bet vs the window's",
           system + "\n" + next + " not in\n" + summary.out);
  std::ifstream page_file(page_path, std::ios::binary);
  const std::string page_text{std::istreambuf_iterator<char>(page_file),
                              std::istreambuf_iterator<char>()};
  c.Expect(page_text.find("<p>" + EscapeMarkup(system) + "</p>") != std::string::npos &&
               page_text.find("<p>" + EscapeMarkup(next) + "</p>") != std::string::npos,
           "vellaro-sim --report's next bet vs the window's", system + "\n" + next);
  const std::string word(sim::SystemWord(t.settings.system));
  const Cli under =
      RunSim({"--journal", played.journal_path, "--session", id, "--system", word, "--summary"});
  const replay::WhatIfLine& line = lines[static_cast<size_t>(t.settings.system)];
  c.Expect(under.status == 0 && Figure(under.out, "bets shown: ") == line.counts.bets_shown &&
               Figure(under.out, "net result of the shown bets, from 0: ") == line.counts.net,
           "panel's what-if vs vellaro-sim --system " + word,
           Text(line.counts) + " | " + under.out + under.err);
}

// The journal's places for one stored session.
void CompareStored(const Played& played, const SessionTruth& t, const journal::StoredSession& s,
                   const journal::SessionSummary& listed, Comparison& c, bool run_cli) {
  c.Expect(listed.spins == t.counts.spins && listed.bets_shown == t.counts.bets_shown &&
               listed.net_units == t.counts.net,
           "session list vs readout",
           "list spins " + std::to_string(listed.spins) + ", shown " +
               std::to_string(listed.bets_shown) + ", net " + std::to_string(listed.net_units) +
               " | " + Text(t.counts));
  c.Expect(HistoryOf(s) == Numbers(t.numbers), "journal's history vs the game log", "");

  // The exact replay: vellaro-sim --session N (trace, --summary, --export-log).
  Rows rows(SetsALimit(s));
  RealResult replayed;
  replay::StoredReplay replay(s);
  try {
    Run(replay, {}, rows, [&replayed](const GameEvent& e) { replayed.On(e); });
  } catch (const replay::ReplayDiverged& e) {
    c.Expect(false, "exact replay diverged",
             std::string(e.what()) + " at seq " + std::to_string(e.seq()));
    return;
  }
  c.Expect(replayed.counts() == t.counts, "replay's events vs readout",
           Text(replayed.counts()) + " | " + Text(t.counts));
  c.Expect(rows.rows.size() == t.rows.size(), "trace rows vs the window's entries",
           std::to_string(rows.rows.size()) + " | " + std::to_string(t.rows.size()));
  for (size_t i = 0; i < std::min(rows.rows.size(), t.rows.size()); ++i) {
    if (!SameShown(rows.rows[i], t.rows[i])) {
      c.Expect(false, "trace row vs what the window showed",
               Text(rows.rows[i]) + " | " + Text(t.rows[i]));
      break;
    }
  }
  replay::Row end;
  replay::FillFromGame(replay.game(), end);
  c.Expect(SameBesidesTheRow(end, t.last), "replay's end vs the window's end",
           Text(end) + " | " + Text(t.last));
  c.Expect(replay.game().CurrentSettings() == t.settings && replay.game().Limits() == t.limits,
           "replay's settings and limits vs the window's", "");
  c.Expect(replay.game().WithheldBet() == t.withheld, "replay's held-back bet vs the banner", "");
  c.Expect(NextBetOf(replay.game()) == t.next, "replay's next bet vs the window's",
           NextBetLine(NextBetOf(replay.game())) + " | " + NextBetLine(t.next));
  c.Expect(GameLogText(GamePeer::Controls(replay.game()).NumbersList) == GameLogText(t.numbers),
           "--export-log vs the window's log", "");
  const std::string trace = rows.trace_text.str();
  const size_t trace_lines = static_cast<size_t>(std::count(trace.begin(), trace.end(), '\n'));
  c.Expect(trace_lines == rows.rows.size() + 1, "trace lines vs rows", "");

  const sim::Summary::Counts& sum = rows.summary.counts();
  c.Expect(SameCounts(t.counts, sum), "--summary vs readout", Text(sum) + " | " + Text(t.counts));
  const bool stop_agrees = rows.summary.stopped().has_value() == t.withheld.has_value() &&
                           (!t.withheld || rows.summary.stopped()->withheld == *t.withheld);
  c.Expect(stop_agrees, "--summary's stop vs the banner",
           std::string("summary ") + (rows.summary.stopped() ? "stopped" : "not stopped") +
               " | window " + (t.withheld ? "holds a bet back" : "holds nothing back"));

  ComparePastEvening(t, s, c);
  const auto lines = replay::WhatIf(s);
  CompareWhatIf(t, s, lines, c);
  if (run_cli) CompareCli(played, t, s, listed, sum, lines, c);
}

}  // namespace

std::vector<Disagreement> CompareJournal(const std::string& path) {
  std::vector<Disagreement> found;
  Comparison c(found);
  journal::Database db = journal::OpenForReading(path);
  const std::vector<journal::SessionSummary> list = journal::ListSessions(db);
  for (size_t i = 0; i < list.size(); ++i) {
    c.session = i;
    const journal::StoredSession s = journal::LoadSession(db, list[i].id);
    RealResult events;
    for (const journal::StoredEvent& e : s.events) events.On(e.event);
    Rows rows(SetsALimit(s));
    RealResult replayed;
    replay::StoredReplay replay(s);
    try {
      Run(replay, {}, rows, [&replayed](const GameEvent& e) { replayed.On(e); });
    } catch (const replay::ReplayDiverged& e) {
      c.Expect(false, "exact replay diverged", e.what());
      continue;
    }
    c.Expect(replayed.counts() == events.counts(), "replay's events vs the journal's",
             Text(replayed.counts()) + " | " + Text(events.counts()));
    c.Expect(SameCounts(events.counts(), rows.summary.counts()), "--summary vs session list",
             Text(rows.summary.counts()) + " | " + Text(events.counts()));
    const auto& withheld = replay.game().WithheldBet();
    c.Expect(rows.summary.stopped().has_value() == withheld.has_value(),
             "--summary's stop vs the replayed banner", "");
    const auto lines = replay::WhatIf(s);
    for (int system = 0; system < kBettingSystems; ++system) {
      Rows under(false);
      replay::StoredReplayOptions what_if;
      what_if.system = static_cast<BettingSystem>(system);
      replay::StoredReplay replay_under(s);
      Run(replay_under, what_if, under);
      const replay::WhatIfLine& line = lines[static_cast<size_t>(system)];
      c.Expect(
          SameCounts(line.counts, under.summary.counts()),
          std::string("what-if vs --session N --system ") + std::string(sim::SystemWord(system)),
          Text(line.counts) + " | " + Text(under.summary.counts()));
    }
  }
  return found;
}

std::vector<Disagreement> Compare(const Played& played) {
  std::vector<Disagreement> found;
  Comparison c(found);
  for (size_t i = 0; i < played.sessions.size(); ++i) {
    c.session = i;
    CompareWindow(played.sessions[i], c);
  }
  if (!played.journal_has_file) return found;
  journal::Database db = journal::OpenForReading(played.journal_path);
  const std::vector<journal::SessionSummary> list = journal::ListSessions(db);
  c.session = 0;
  c.Expect(list.size() == played.sessions.size(), "session list vs sessions played",
           std::to_string(list.size()) + " | " + std::to_string(played.sessions.size()));
  for (size_t i = 0; i < std::min(list.size(), played.sessions.size()); ++i) {
    c.session = i;
    const journal::StoredSession stored = journal::LoadSession(db, list[i].id);
    CompareStored(played, played.sessions[i], stored, list[i], c,
                  /*run_cli=*/i + 1 == played.sessions.size());
  }
  return found;
}

}  // namespace vellaro::consistency
