// Fuzzes vellaro-sim's option parser and log reader: whatever the command line and the log,
// the program ends with status 0 (and at most its notes or the settings of a CSV report on
// standard error), or with status 2 and exactly one of its error messages.
//
// An input is the arguments, one per line, then a line "--log--", then the log itself.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/sim/app.h"
#include "tools/sim/options.h"

namespace {

using vellaro::sim::CommandLine;

bool IsOneOfTheMessages(const std::string& err) {
  static const std::regex kMessages(
      "vellaro-sim: [^\n]*\n"
      "|-:[0-9]+: '[^\n]*' is not a spin number \\(0 to 36\\), \"undo\" or \"redo\"\n"
      "|-:[0-9]+: the line is longer than 65536 bytes \\('[^\n]*'\\)\n"
      "|-:[0-9]+: (undo|redo) is not offered here\n"
      "|-:[0-9]+:[0-9]+: '[^\n]*' is not a spin number \\(0 to 36\\)\n"
      "|-: [^\n]*\n");
  return std::regex_match(err, kMessages);
}

// What a run that went well may write to standard error: notes on a drawn seed or clock,
// the session limit that ended the replay, or the setup lines of a CSV report, which may
// end with the report's note on stakes without bound (a wrapped paragraph: none of its
// lines is one of the program's messages).
bool IsOnlyNotes(std::string err) {
  const size_t note = err.starts_with("note: ") ? 0 : err.find("\nnote: ");
  if (note != std::string::npos) {
    const std::string paragraph = err.substr(note);
    if (paragraph.find("\nvellaro-sim: ") != std::string::npos ||
        paragraph.find("\n-:") != std::string::npos || paragraph.back() != '\n') {
      return false;
    }
    err.resize(note == 0 ? 0 : note + 1);
  }
  static const std::regex kNotes(
      "(vellaro-sim: [^\n]* repeats (it|this run)\n"
      "|vellaro-sim: stopped by a session limit at line [0-9]+: [^\n]*\n"
      "|vellaro-sim: a session limit held back the bet after the last line [0-9]+: [^\n]*\n"
      "|(settings|input|clock|seed|mode [0-9]+ chooses)[^\n]*\n)*");
  return std::regex_match(err, kNotes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  constexpr std::string_view kSeparator = "\n--log--\n";
  const size_t split = input.find(kSeparator);
  const std::string_view head = split == std::string_view::npos ? input : input.substr(0, split);
  const std::string log(split == std::string_view::npos ? std::string_view()
                                                        : input.substr(split + kSeparator.size()));

  std::vector<std::string_view> args;
  for (size_t at = 0; at <= head.size();) {
    const size_t end = std::min(head.find('\n', at), head.size());
    if (end > at) args.push_back(head.substr(at, end - at));
    at = end + 1;
  }
  // A report page is built from the input like the rest, but written to the fuzzer's own
  // file, never under a name the input makes up in the folder the fuzzer runs in.
  static const std::string report_path =
      (std::filesystem::temp_directory_path() / "vellaro_sim_fuzzer_report.html").string();
  static const std::string report_option = "--report=" + report_path;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--report" && i + 1 < args.size()) args[i + 1] = report_path;
    if (args[i].starts_with("--report=")) args[i] = report_option;
  }
  // Files other than standard input (a log, a system file) are not the fuzzer's business,
  // and a long random wheel is slow by design, not a hang.
  try {
    const CommandLine line = vellaro::sim::ParseCommandLine(args);
    if (line.file != "-" || !line.system_files.empty()) return 0;
    if (line.random_spins && *line.random_spins > 2000) return 0;
    if (line.runs && *line.runs * *line.spins_per_run > 2000) return 0;
  } catch (const vellaro::sim::UsageError&) {
  }

  // The journal's replay writes the exported log wherever it is told.
  if (std::find(args.begin(), args.end(), "--export-log") != args.end()) return 0;

  std::istringstream in(log);
  std::ostringstream out, err;
  vellaro::sim::Host host;
  host.now_s = 1'700'000'000;
  host.draw_seed = [] { return uint64_t{99}; };
  host.steady_ns = [] { return int64_t{0}; };
  host.cores = 2;
  const int status = vellaro::sim::RunSim(args, in, out, err, host);
  if (status == vellaro::sim::kExitOk) {
    if (!IsOnlyNotes(err.str())) std::abort();
  } else if (status != vellaro::sim::kExitBadInput || !IsOneOfTheMessages(err.str())) {
    std::abort();
  }
  return 0;
}
