#include "tools/sim/journal_command.h"

#include <algorithm>
#include <optional>
#include <string>

#include "env/virtual_scheduler.h"
#include "export/file_replace.h"
#include "export/game_log.h"
#include "journal/event_record.h"
#include "journal/session_replay.h"
#include "journal/stored_session.h"
#include "tools/sim/app.h"
#include "tools/sim/options.h"
#include "tools/sim/trace.h"

namespace vellaro::sim {
namespace {

struct JournalCommand {
  std::string file;
  bool list = false;
  std::optional<std::string> session;  // an id or "last"
  std::optional<BettingSystem> system;
  std::optional<std::string> export_log;
};

class JournalUsage : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

JournalCommand Parse(const std::vector<std::string_view>& args) {
  JournalCommand command;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= args.size()) throw JournalUsage(std::string(arg) + " needs a value");
      return std::string(args[++i]);
    };
    if (arg == "--journal") {
      command.file = value();
    } else if (arg == "--list") {
      command.list = true;
    } else if (arg == "--session") {
      command.session = value();
    } else if (arg == "--export-log") {
      command.export_log = value();
    } else if (arg == "--system") {
      const std::string name = value();
      for (int s = 0; s < kSystems; ++s) {
        if (SystemWord(s) == name) command.system = static_cast<BettingSystem>(s);
      }
      if (!command.system) throw JournalUsage("--system " + name + ": no such betting system");
    } else {
      throw JournalUsage(std::string(arg) +
                         " does not combine with --journal (which takes --list, or --session "
                         "with --system and --export-log)");
    }
  }
  if (command.list == command.session.has_value()) {
    throw JournalUsage("--journal needs either --list or --session ID|last");
  }
  if (command.list && (command.system || command.export_log)) {
    throw JournalUsage("--list does not combine with --system or --export-log");
  }
  return command;
}

int List(journal::Database& db, std::ostream& out) {
  out << "id,started,ended,spins,bets_shown,net_units\n";
  for (const int64_t id : journal::SessionIds(db)) {
    const journal::SessionSummary s = journal::Summarize(journal::LoadSession(db, id));
    out << s.id << ',' << journal::IsoUtc(s.started_ms) << ','
        << (s.ended_ms ? journal::IsoUtc(*s.ended_ms) : std::string()) << ',' << s.spins << ','
        << s.bets_shown << ',' << s.net_units << '\n';
  }
  return kExitOk;
}

int ReplayStored(journal::Database& db, const JournalCommand& command, std::ostream& out,
                 std::ostream& err) {
  int64_t id = 0;
  if (*command.session == "last") {
    const auto last = journal::LastSessionId(db);
    if (!last) {
      err << "vellaro-sim: the journal holds no session\n";
      return kExitBadInput;
    }
    id = *last;
  } else {
    try {
      size_t used = 0;
      id = std::stoll(*command.session, &used);
      if (used != command.session->size()) throw std::invalid_argument("id");
    } catch (const std::exception&) {
      err << "vellaro-sim: --session takes a session id or last\n";
      return kExitBadInput;
    }
  }
  journal::StoredSession session;
  try {
    session = journal::LoadSession(db, id);
  } catch (const std::out_of_range& e) {
    err << "vellaro-sim: " << e.what() << '\n';
    return kExitBadInput;
  }

  VirtualScheduler scheduler(session.started_ms);
  VirtualClock time(scheduler);
  journal::ReplayClock clock(time);
  RunOptions run;
  run.display_timers = false;
  Game game(Env{clock, scheduler}, run);
  TraceWriter trace(out);
  Result settled = Result::kNone;
  game.AddListener(
      [&settled](const GameEvent& event) {
        settled = std::get<BetSettled>(event).won ? Result::kWin : Result::kLoss;
      },
      EventBit<BetSettled>());
  uint64_t line = 0;
  journal::SessionReplayOptions options;
  options.exact = !command.system;
  options.system = command.system;
  options.after_entry = [&](const GameEvent& entry) {
    Row row;
    row.entry.line = ++line;
    if (const auto* spin = std::get_if<SpinAccepted>(&entry)) row.entry.number = spin->number;
    row.at_ms = scheduler.NowMs();
    row.result = settled;
    settled = Result::kNone;
    FillFromGame(game, row);
    trace.Add(row);
  };
  try {
    journal::ReplaySession(session, game, scheduler, clock, options);
  } catch (const journal::ReplayDiverged& e) {
    err << "vellaro-sim: " << e.what() << '\n';
    return kExitFailed;
  }
  if (command.export_log) {
    try {
      ReplaceFileAtomically(*command.export_log, GameLogText(game.controls().NumbersList));
    } catch (const FileWriteError& e) {
      err << "vellaro-sim: " << e.what() << '\n';
      return kExitFailed;
    }
  }
  out.flush();
  return out ? kExitOk : kExitFailed;
}

}  // namespace

bool UsesJournal(const std::vector<std::string_view>& args) {
  return std::find(args.begin(), args.end(), "--journal") != args.end();
}

int RunJournalCommand(const std::vector<std::string_view>& args, std::ostream& out,
                      std::ostream& err) {
  JournalCommand command;
  try {
    command = Parse(args);
  } catch (const JournalUsage& e) {
    err << "vellaro-sim: " << e.what() << '\n';
    return kExitBadInput;
  }
  try {
    journal::Database db = journal::OpenForReading(command.file);
    if (command.list) return List(db, out);
    return ReplayStored(db, command, out, err);
  } catch (const journal::SqliteError& e) {
    err << "vellaro-sim: " << command.file << ": " << e.what() << '\n';
    return kExitBadInput;
  } catch (const journal::BadRecord& e) {
    err << "vellaro-sim: " << command.file << ": " << e.what() << '\n';
    return kExitBadInput;
  }
}

}  // namespace vellaro::sim
