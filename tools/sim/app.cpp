#include "tools/sim/app.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>
#include <optional>
#include <span>
#include <string>

#include "betting/system_file.h"
#include "env/regular_file.h"
#include "export/file_replace.h"
#include "export/report_charts.h"
#include "game/text_number.h"
#include "replay/replay.h"
#include "replay/spin_list.h"
#include "replay/spin_log.h"
#include "session/evening_page.h"
#include "text/translate.h"
#include "tools/sim/evenings.h"
#include "tools/sim/interval_rule.h"
#include "tools/sim/journal_command.h"
#include "tools/sim/options.h"
#include "tools/sim/person_text.h"
#include "tools/sim/progress.h"
#include "tools/sim/report.h"
#include "tools/sim/run_setup.h"
#include "tools/sim/runs_page.h"
#include "tools/sim/statistics.h"
#include "tools/sim/summary.h"
#include "tools/sim/trace.h"

namespace vellaro::sim {

using namespace vellaro::replay;

namespace {

constexpr std::string_view kProgram = "vellaro-sim";

std::string CannotRead(const std::string& file, std::string_view reason) {
  return TrFormat("cannot read {1}: {2}", {"'" + file + "'", reason});
}

int Fail(std::ostream& err, const std::string& message) {
  err << kProgram << ": " << message << '\n';
  return kExitBadInput;
}

// The largest CSV read: it is held whole while its spins are taken from it, in two passes,
// unlike a log, which is read line by line. A million rows (as many as a log's entries) of
// 64 bytes each, dates and amounts beside the spins, fit.
constexpr size_t kLargestCsv = size_t{64} << 20;

// What a CSV's error says, as a log's does: the file, the line and column, the reason.
std::string CsvMessage(const std::string& file, const SpinListError& e) {
  if (!e.place()) return file + ": " + e.reason();
  return file + ":" + std::to_string(e.place()->line) + ":" + std::to_string(e.place()->column) +
         ": " + e.reason();
}

// The entries of a CSV log: its spins, each at the line of its row; nothing once the
// reason has been reported.
std::optional<std::vector<Entry>> ReadCsv(const CommandLine& line, std::istream& in,
                                          std::ostream& err) {
  std::string text;
  try {
    if (line.file == "-") {
      text = ReadSpinText(in, "standard input", kLargestCsv);
    } else {
      text = ReadSpinFileText(line.file, "'" + line.file + "'", kLargestCsv);
    }
  } catch (const SpinListError& e) {
    Fail(err, e.reason());
    return std::nullopt;
  }
  SpinListOptions options;
  options.format = SpinFormat::kCsv;
  options.column = line.column.value_or("");
  options.most = kMostLogEntries;
  SpinList list;
  try {
    list = ParseSpinList(text, options);
  } catch (const SpinListError& e) {
    err << CsvMessage(line.file, e) << '\n';
    return std::nullopt;
  }
  // A column found rather than named is said, as the window's dialog says it: a wrong one
  // would read as a list of good numbers.
  if (!line.column && list.columns.size() > 1) {
    err << kProgram << ": "
        << TrFormat("spins read from column '{1}' ({2} of {3})",
                    {QuotedText(list.columns[list.column]), std::to_string(list.column + 1),
                     std::to_string(list.columns.size())})
        << '\n';
  }
  std::vector<Entry> entries;
  entries.reserve(list.spins.size());
  for (size_t i = 0; i < list.spins.size(); ++i) entries.push_back({list.lines[i], list.spins[i]});
  return entries;
}

// The entries of FILE's log, or nothing once the reason has been reported.
std::optional<std::vector<Entry>> ReadEntries(const CommandLine& line, std::istream& in,
                                              std::ostream& err) {
  const std::string& file = line.file;
  if (line.column || IsCsvName(file)) return ReadCsv(line, in, err);
  try {
    if (file == "-") return ReadLog(in, file);
    // A FIFO, a device or a folder is refused before anything is read.
    RegularFileStream stream(file);
    return ReadLog(stream, file);
  } catch (const FileReadError& e) {
    Fail(err, CannotRead(file, e.what()));
    return std::nullopt;
  } catch (const InputError& e) {
    err << e.what() << '\n';
    return std::nullopt;
  } catch (const std::runtime_error& e) {
    Fail(err, CannotRead(file, e.what()));
    return std::nullopt;
  }
}

// Writes what is left in `out`'s buffer; a command whose output did not all go out has
// failed, whatever it computed.
int Flushed(std::ostream& out, std::ostream& err) {
  out.flush();
  if (out) return kExitOk;
  err << kProgram << ": " << Tr("cannot write the output") << '\n';
  return kExitFailed;
}

// The files the run reads: the report page never goes over one of them.
FilesInUse InputsOf(const CommandLine& line) {
  FilesInUse inputs = line.system_files;
  if (!line.random_spins && line.file != "-") inputs.push_back(line.file);
  return inputs;
}

// Writes the report page to `file`; says why not on `err`.
bool WritePage(const std::string& file, const std::string& html, const CommandLine& line,
               std::ostream& err) {
  try {
    ReplaceFileAtomically(file, html, InputsOf(line));
    return true;
  } catch (const FileWriteError& e) {
    err << kProgram << ": "
        << TrFormat("cannot write the report page {1}: {2}", {"'" + file + "'", e.what()}) << '\n';
    return false;
  }
}

// The evenings --runs plays: the six built-in systems and every --system-file with
// --system all, else the one system asked for.
EveningsPlan PlanOf(const RunSetup& setup, const Host& host) {
  const CommandLine& line = setup.line;
  EveningsPlan plan;
  plan.options.settings = line.settings;
  plan.options.timing = {*line.clock_s, line.gap_ms};
  if (line.all_systems) {
    for (int system = 0; system < kSystems; ++system) plan.systems.push_back(system);
    plan.files = setup.files;
  } else if (setup.files.empty()) {
    plan.systems.push_back(line.settings.system);
  } else {
    plan.files = setup.files;
  }
  plan.evenings = *line.runs;
  plan.spins = *line.spins_per_run;
  plan.seed = *line.seed;
  plan.threads = line.threads.value_or(host.cores);
  return plan;
}

// The Monte Carlo report of --runs.
int ReportEvenings(const RunSetup& setup, std::ostream& out, std::ostream& err, const Host& host) {
  const CommandLine& line = setup.line;
  const EveningsPlan plan = PlanOf(setup, host);

  std::optional<ProgressLine> progress;
  ProgressReport report_progress;
  if (host.err_is_terminal) {
    const unsigned __int128 total = static_cast<unsigned __int128>(plan.evenings) * plan.spins *
                                    (plan.systems.size() + plan.files.size());
    progress.emplace(err, static_cast<uint64_t>(std::min<unsigned __int128>(total, UINT64_MAX)),
                     host.steady_ns);
    report_progress = [&progress](uint64_t done) { progress->Show(done); };
  }
  std::vector<std::vector<Evening>> evenings;
  std::optional<RunShapes> shapes;
  if (line.report) {
    shapes.emplace();
    shapes->sampled = SampledSpins(static_cast<int64_t>(plan.spins), kFanPoints);
  }
  try {
    evenings = PlayEvenings(plan, report_progress, std::chrono::milliseconds(250),
                            shapes ? &*shapes : nullptr);
  } catch (const std::bad_alloc&) {
    if (progress) progress->Clear();
    const size_t systems = plan.systems.size() + plan.files.size();
    err << kProgram << ": "
        << TrFormat(
               "not enough memory to keep {1} of {2} ({3} bytes each); ask for fewer --runs",
               {CountedText(static_cast<int64_t>(plan.evenings), N_("{1} evening"),
                            N_("{1} evenings")),
                CountedText(static_cast<int64_t>(systems), N_("{1} system"), N_("{1} systems")),
                std::to_string(sizeof(Evening))})
        << '\n';
    return kExitFailed;
  }
  if (progress) progress->Clear();

  std::vector<SystemSpread> spreads;
  for (size_t s = 0; s < evenings.size(); ++s) {
    const PlayedSystem system = s < plan.systems.size() ? PlayedSystem(plan.systems[s])
                                                        : plan.files[s - plan.systems.size()];
    spreads.push_back({system, plan.spins, SpreadOf(evenings[s]), line.settings.limits});
  }
  WriteReport(out, err, setup, spreads);
  if (Flushed(out, err) != kExitOk) return kExitFailed;
  // With CSV the settings and the note go to standard error: they are part of the report
  // asked for, and a report that lost them has failed as one that lost a row would.
  if (line.format == Format::kCsv && !err.flush()) return kExitFailed;
  if (!line.report) return kExitOk;
  const std::string page = ReportHtml(RunsPage(setup, spreads, evenings, *shapes));
  return WritePage(*line.report, page, line, err) ? kExitOk : kExitFailed;
}

class NoRows final : public RowSink {
 public:
  void Add(const Row&) override {}
};

// The undo or redo the window would not offer, if the log has one. Only those can be
// refused, so the log is replayed up to the last of them, and not at all when it has none.
std::optional<Entry> RefusedUndo(const ReplayOptions& options, std::span<const Entry> entries) {
  const auto last_undo =
      std::find_if(entries.rbegin(), entries.rend(), [](const Entry& e) { return !e.spin(); });
  if (last_undo == entries.rend()) return std::nullopt;
  LogSource source(entries.first(static_cast<size_t>(entries.rend() - last_undo)));
  NoRows none;
  return Replay(options, source, none);
}

// Passes the trace on, and the rows to `said`: what the summary would say of a bet a
// session limit held back at the end, which the trace's columns cannot say.
class StopWatchingTrace final : public RowSink {
 public:
  StopWatchingTrace(std::ostream& out, Summary& said) : trace_(out), said_(said) {}
  void Add(const Row& row) override {
    trace_.Add(row);
    said_.Add(row);
  }

 private:
  TraceWriter trace_;
  Summary& said_;
};

// With the trace on standard output, what a repeat of the run needs and the trace cannot
// say goes to standard error.
void NoteWhatTheTraceCannotSay(const RunSetup& setup, std::ostream& err) {
  const CommandLine& line = setup.line;
  // A file may change after the run: its name says which system the trace followed.
  if (!setup.files.empty()) {
    err << kProgram << ": "
        << TrFormat("system {1}, read from {2}",
                    {setup.files.front().Name(), line.system_files.front()})
        << '\n';
  }
  if (line.seed && !setup.seed_given) {
    const std::string seed = std::to_string(*line.seed);
    err << kProgram << ": "
        << TrFormat("seed {1} drawn for this run; --seed {1} repeats it", {seed}) << '\n';
  }
  if (!setup.clock_given && ModeDrawsFromTheClock(line.settings.mode)) {
    err << kProgram << ": "
        << TrFormat(
               "mode {1} chooses with random numbers seeded from the clock; --clock {2} "
               "repeats this run",
               {std::to_string(static_cast<int32_t>(line.settings.mode)),
                std::to_string(*line.clock_s)})
        << '\n';
  }
}

// One replay, of the log or of --random's wheel, printed as a trace or a summary.
// The report page of the one replay; false, with the reason, if it cannot be written.
bool WriteEveningPage(const RunSetup& setup, const SessionTrack& track, const Summary& said,
                      const NextBet& next, std::ostream& err) {
  const CommandLine& line = setup.line;
  const std::string title =
      line.random_spins  ? CountedText(static_cast<int64_t>(*line.random_spins),
                                       N_("vellaro-sim: {1} spin of a fair wheel"),
                                       N_("vellaro-sim: {1} spins of a fair wheel"))
      : line.file == "-" ? std::string(Tr("vellaro-sim: the evening of standard input"))
                         : TrFormat("vellaro-sim: the evening of {1}", {line.file});
  EveningPageText text = said.PageText(title, SetupLines(setup));
  text.next_bet = NextBetLines(next);
  return WritePage(*line.report, EveningPageHtml(text, track), line, err);
}

int ReplayOnce(const RunSetup& setup, std::istream& in, std::ostream& out, std::ostream& err);

// Why the log's undo or redo `entry` is refused.
const char* NotOffered(const Entry& entry) {
  return entry.redo() ? Tr("redo is not offered here") : Tr("undo is not offered here");
}

}  // namespace

int RunSim(const std::vector<std::string_view>& all_args, std::istream& in, std::ostream& out,
           std::ostream& err, const Host& host) {
  const std::vector<std::string_view> args = WithoutLanguage(all_args);
  if (UsesJournal(args)) return RunJournalCommand(args, out, err);
  CommandLine line;
  try {
    line = ParseCommandLine(args);
  } catch (const UsageError& e) {
    return Fail(err, e.what());
  }
  if (line.help) {
    out << (line.help_systems ? SystemFileHelpText() : HelpText());
    return Flushed(out, err);
  }
  if (line.version) {
    out << kProgram << ' ' << VELLARO_VERSION << '\n';
    return Flushed(out, err);
  }

  RunSetup setup{line, line.clock_s.has_value(), line.seed.has_value(), {}};
  for (const std::string& path : line.system_files) {
    SystemFileResult read = LoadSystemFile(path);
    if (!read.system) return Fail(err, DescribeSystemFileError(path, *read.error));
    setup.files.emplace_back(std::move(*read.system));
  }
  if (!line.all_systems && !setup.files.empty()) setup.files.front().SelectIn(setup.line.settings);
  if (!line.clock_s) setup.line.clock_s = host.now_s;
  if ((line.random_spins || line.runs) && !line.seed) setup.line.seed = host.draw_seed();
  if (line.runs) return ReportEvenings(setup, out, err, host);
  return ReplayOnce(setup, in, out, err);
}

namespace {

int ReplayOnce(const RunSetup& setup, std::istream& in, std::ostream& out, std::ostream& err) {
  const CommandLine& line = setup.line;
  // The whole log is checked before the first row goes out.
  std::vector<Entry> entries;
  std::unique_ptr<EntrySource> source;
  if (line.random_spins) {
    source = std::make_unique<WheelSource>(*setup.line.seed, *line.random_spins);
  } else {
    std::optional<std::vector<Entry>> read = ReadEntries(line, in, err);
    if (!read) return kExitBadInput;
    entries = std::move(*read);
    source = std::make_unique<LogSource>(entries);
  }

  const ReplayOptions options{line.settings, {*setup.line.clock_s, line.gap_ms}, false, {}, {}};
  // The report page's evening hears the one replay that makes the output.
  SessionTrack track;
  ReplayOptions heard = options;
  if (line.report) heard.listener = [&track](const GameEvent& event) { track.On(event); };
  NextBet next;
  heard.at_end = [&next](const Game& game) { next = NextBetOf(game); };

  // An undo the window would not offer is an error, and no output goes out before an
  // error: the trace, which goes out row by row, starts only once the log has none.
  // Where the replay ends anyway: a bet held back after it stops nothing.
  std::optional<uint64_t> last_line = line.random_spins;
  if (!entries.empty()) last_line = entries.back().line;
  std::optional<Entry> refused;
  // What the summary prints, or (with the trace) standard error and the page say of a limit.
  Summary summary(line.settings.limits.Any(), last_line);
  if (line.summary) {
    refused = Replay(heard, *source, summary);
    if (!refused) {
      PrintSetup(out, setup);
      // A random wheel is where a long run is read as a test of the system: the note comes
      // before the figures it warns about.
      if (line.random_spins) {
        out << Wrapped(UnboundedStakesSummaryNote(PlayedBy(setup), line.settings.limits));
      }
      PrintNextBet(out, next);  // before the figures: the last line stays the limits'
      summary.Print(out);
    }
  } else {
    refused = RefusedUndo(options, entries);
    if (!refused) {
      StopWatchingTrace trace(out, summary);
      Replay(heard, *source, trace);
    }
  }
  if (refused) {
    err << line.file << ':' << refused->line << ": " << NotOffered(*refused) << '\n';
    return kExitBadInput;
  }
  if (Flushed(out, err) != kExitOk) return kExitFailed;
  if (line.report && !WriteEveningPage(setup, track, summary, next, err)) return kExitFailed;
  const std::optional<std::string> held_at_the_end = summary.HeldAtTheEnd();
  if (held_at_the_end && !line.summary) err << kProgram << ": " << *held_at_the_end << '\n';
  if (!line.summary) NoteWhatTheTraceCannotSay(setup, err);
  return kExitOk;
}

}  // namespace

}  // namespace vellaro::sim
