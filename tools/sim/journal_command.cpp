#include "tools/sim/journal_command.h"

#include <algorithm>
#include <optional>
#include <sstream>
#include <string>

#include "betting/system_file.h"
#include "env/regular_file.h"
#include "export/file_replace.h"
#include "front/game_view.h"
#include "journal/event_record.h"
#include "journal/journal_damage.h"
#include "journal/schema.h"
#include "journal/stored_session.h"
#include "replay/stored_replay.h"
#include "session/evening_page.h"
#include "text/translate.h"
#include "tools/sim/app.h"
#include "tools/sim/options.h"
#include "tools/sim/report.h"
#include "tools/sim/summary.h"
#include "tools/sim/trace.h"

namespace vellaro::sim {

using namespace vellaro::replay;

namespace {

struct JournalCommand {
  std::string file;
  bool list = false;
  std::optional<std::string> table;    // the list's sessions at the table of this name
  std::optional<std::string> session;  // an id or "last"
  std::optional<BettingSystem> system;
  std::optional<std::string> export_log;
  std::optional<std::string> report;
  bool summary = false;
};

class JournalUsage : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One row per option --journal takes: the parser below and the help both read it.
struct JournalOption {
  OptionHelp help;
  void (*apply)(JournalCommand&, const std::string& value);  // a flag gets an empty value
};

const JournalOption kJournalOptions[] = {
    {{"--journal", "FILE", N_("read the sessions the window journaled in FILE")},
     [](JournalCommand& c, const std::string& v) { c.file = v; }},
    {{"--list", "", N_("list them, one CSV line per session")},
     [](JournalCommand& c, const std::string&) { c.list = true; }},
    {{"--table", "NAME", N_("... only those played at the table NAME")},
     [](JournalCommand& c, const std::string& v) { c.table = v; }},
    {{"--session", "ID",
      N_("replay session ID, or last (the evening continued\n"
         "last), and print its trace")},
     [](JournalCommand& c, const std::string& v) { c.session = v; }},
    {{"--system", "NAME", N_("... with another betting system throughout (a what-if)")},
     [](JournalCommand& c, const std::string& v) {
       for (int s = 0; s < kSystems; ++s) {
         if (SystemWord(s) == v) c.system = static_cast<BettingSystem>(s);
       }
       if (!c.system) throw JournalUsage(TrFormat("--system {1}: no such betting system", {v}));
     }},
    {{"--summary", "", N_("... and print what it came to instead of the trace")},
     [](JournalCommand& c, const std::string&) { c.summary = true; }},
    {{"--export-log", "FILE", N_("... and write its spins to FILE as a game log")},
     [](JournalCommand& c, const std::string& v) { c.export_log = v; }},
    {{"--report", "FILE", N_("... and write its report page (HTML) to FILE")},
     [](JournalCommand& c, const std::string& v) { c.report = v; }},
};

JournalCommand Parse(const std::vector<std::string_view>& args) {
  JournalCommand command;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    const auto row = std::find_if(std::begin(kJournalOptions), std::end(kJournalOptions),
                                  [&](const JournalOption& o) { return o.help.name == arg; });
    if (row == std::end(kJournalOptions)) {
      throw JournalUsage(
          TrFormat("{1} does not combine with --journal (which takes --list with --table, or "
                   "--session with --system, --summary, --export-log and --report)",
                   {arg}));
    }
    std::string value;
    if (!row->help.value_name.empty()) {
      if (i + 1 >= args.size()) throw JournalUsage(TrFormat("{1} needs a value", {arg}));
      value = std::string(args[++i]);
    }
    row->apply(command, value);
  }
  if (command.list == command.session.has_value()) {
    throw JournalUsage(Tr("--journal needs either --list or --session ID|last"));
  }
  if (command.list && (command.system || command.export_log || command.summary || command.report)) {
    throw JournalUsage(
        Tr("--list does not combine with --system, --summary, --export-log or --report"));
  }
  if (command.table && !command.list) throw JournalUsage(Tr("--table goes with --list"));
  return command;
}

// The table's name is the one the player sees, and the one --table picks by.
int List(journal::Database& db, const JournalCommand& command, std::ostream& out) {
  out << "id,started,ended,spins,bets_shown,net_units,table\n";
  for (const journal::SessionSummary& s : journal::ListSessions(db)) {
    const std::string table = journal::ShownName(s.table);
    if (command.table && table != *command.table) continue;
    out << s.id << ',' << journal::IsoUtc(s.started_ms) << ','
        << (s.ended_ms ? journal::IsoUtc(*s.ended_ms) : std::string()) << ',' << s.spins << ','
        << s.bets_shown << ',' << s.net_units << ',' << CsvField(table) << '\n';
  }
  return kExitOk;
}

// "last": the evening continued last, started or taken up again, whichever table it was
// played at. The known sessions are read first, so that a damaged file is said to be one.
std::optional<int64_t> LastEvening(journal::Database& db) {
  const std::optional<int64_t> known = journal::LastKnownSessionId(db);
  if (!known) return std::nullopt;
  return journal::LastOpenedSessionId(db).value_or(*known);
}

// Whether the player set a session limit at any point of the session.
bool SetsALimit(const journal::StoredSession& session) {
  return std::any_of(
      session.events.begin(), session.events.end(), [](const journal::StoredEvent& e) {
        const auto* change = std::get_if<SettingChanged>(&e.event);
        return change != nullptr && change->setting >= Setting::kBankroll && change->value >= 0;
      });
}

// The journal keeps the text of a system file with its session: that copy is played,
// whatever became of the file since, and named before the summary.
void NameTheKeptSystem(const Settings& settings, std::ostream& out) {
  if (settings.custom_system.empty()) return;
  const SystemFileResult kept = ParseSystemFile(settings.custom_system);
  if (kept.system) {
    out << TrFormat("system: {1}, as the journal kept it", {kept.system->rules.name}) << '\n';
  }
}

// Before the summary's figures: the system the journal kept (unless a what-if plays
// another), then the system and the next bet where the evening ends. The last line stays
// the limits'.
void PrintHead(const journal::StoredSession& session, const JournalCommand& command,
               const Game& game, std::ostream& out) {
  if (!command.system) NameTheKeptSystem(session.settings, out);
  PrintNextBet(out, NextBetOf(game));
}

// The report page of the stored session replayed; false, with the reason, if it cannot be
// written.
bool WriteStoredPage(const JournalCommand& command, int64_t id, const SessionTrack& track,
                     const Game& game, std::ostream& err) {
  const std::string_view what_if =
      command.system ? SystemWord(static_cast<int>(*command.system)) : std::string_view();
  try {
    EveningPageText text = StoredEveningText("vellaro-sim", command.file, id, what_if);
    text.next_bet = NextBetLines(NextBetOf(game));
    ReplaceFileAtomically(*command.report, EveningPageHtml(text, track),
                          DatabaseFiles(command.file));
  } catch (const FileWriteError& e) {
    err << "vellaro-sim: "
        << TrFormat("cannot write the report page {1}: {2}",
                    {"'" + *command.report + "'", e.what()})
        << '\n';
    return false;
  }
  return true;
}

int ReplayStored(journal::Database& db, const JournalCommand& command, std::ostream& out,
                 std::ostream& err) {
  int64_t id = 0;
  if (*command.session == "last") {
    const auto last = LastEvening(db);
    if (!last) {
      err << "vellaro-sim: " << Tr("the journal holds no session") << '\n';
      return kExitBadInput;
    }
    id = *last;
  } else {
    try {
      size_t used = 0;
      id = std::stoll(*command.session, &used);
      if (used != command.session->size()) throw std::invalid_argument("id");
    } catch (const std::exception&) {
      err << "vellaro-sim: " << Tr("--session takes a session id or last") << '\n';
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

  StoredReplay replay(session);
  StoredReplayOptions options;
  options.system = command.system;
  SessionTrack track;
  if (command.report) options.listener = [&track](const GameEvent& event) { track.On(event); };
  try {
    if (command.summary) {
      Summary summary(SetsALimit(session));
      replay.Run(options, summary);
      PrintHead(session, command, replay.game(), out);
      summary.Print(out);
    } else {
      TraceWriter trace(out);
      replay.Run(options, trace);
    }
  } catch (const replay::ReplayDiverged& e) {
    err << "vellaro-sim: " << e.what() << '\n';
    return kExitFailed;
  }
  if (command.report && !WriteStoredPage(command, id, track, replay.game(), err))
    return kExitFailed;
  if (command.export_log) {
    try {
      ReplaceFileAtomically(*command.export_log, GameView(replay.game()).LogText(),
                            DatabaseFiles(command.file));
    } catch (const FileWriteError& e) {
      err << "vellaro-sim: " << e.what() << '\n';
      return kExitFailed;
    }
  }
  return kExitOk;
}

// Says which file is damaged and which of its sessions still read.
int Damaged(const std::string& file, std::string_view detail, std::ostream& err) {
  err << "vellaro-sim: " << journal::DamageText(file, detail, journal::SurveyDamage(file)) << '\n';
  return kExitBadInput;
}

}  // namespace

std::vector<OptionHelp> JournalOptions() {
  std::vector<OptionHelp> rows;
  for (const JournalOption& option : kJournalOptions) rows.push_back(option.help);
  return rows;
}

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
  // SQLite would wait on a FIFO for a writer, and call a folder a disk I/O error.
  try {
    CheckNotSpecialFile(command.file);
  } catch (const FileReadError& e) {
    err << "vellaro-sim: " << command.file << ": " << e.what() << '\n';
    return kExitBadInput;
  }
  // Nothing goes out before an error: what a command prints waits here until it is done.
  std::ostringstream buffered;
  int status = kExitOk;
  try {
    journal::Database db = journal::OpenForReading(command.file);
    status = command.list ? List(db, command, buffered) : ReplayStored(db, command, buffered, err);
  } catch (const journal::SqliteError& e) {
    if (journal::IsDamage(e)) return Damaged(command.file, e.reason(), err);
    err << "vellaro-sim: " << command.file << ": " << e.what() << '\n';
    return kExitBadInput;
  } catch (const journal::BadRecord& e) {
    return Damaged(command.file, e.what(), err);
  } catch (const journal::NotAJournal& e) {
    err << "vellaro-sim: " << command.file << ": " << e.what() << '\n';
    return kExitBadInput;
  }
  if (status != kExitOk) return status;
  out << buffered.view();
  out.flush();
  if (out) return kExitOk;
  err << "vellaro-sim: " << Tr("cannot write the output") << '\n';
  return kExitFailed;
}

}  // namespace vellaro::sim
