#include "tools/sim/app.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "tools/sim/input.h"
#include "tools/sim/options.h"
#include "tools/sim/replay.h"
#include "tools/sim/summary.h"
#include "tools/sim/trace.h"

namespace vellaro::sim {

namespace {

constexpr std::string_view kProgram = "vellaro-sim";

int Fail(std::ostream& err, const std::string& message) {
  err << kProgram << ": " << message << '\n';
  return kExitBadInput;
}

// The text of FILE, or nothing once the reason has been reported.
std::optional<std::string> ReadInput(const std::string& file, std::istream& in, std::ostream& err) {
  try {
    if (file == "-") return ReadAll(in);
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) {
      Fail(err, "cannot read '" + file + "': " + std::strerror(EISDIR));
      return std::nullopt;
    }
    std::ifstream stream(file, std::ios::binary);
    if (!stream) {
      Fail(err, "cannot read '" + file + "': " + std::strerror(errno));
      return std::nullopt;
    }
    return ReadAll(stream);
  } catch (const std::runtime_error& e) {
    Fail(err, "cannot read '" + file + "': " + e.what());
    return std::nullopt;
  }
}

}  // namespace

int RunSim(const std::vector<std::string_view>& args, std::istream& in, std::ostream& out,
           std::ostream& err, uint32_t now_s) {
  CommandLine line;
  try {
    line = ParseCommandLine(args);
  } catch (const UsageError& e) {
    return Fail(err, e.what());
  }
  if (line.help) {
    out << HelpText();
    return out ? kExitOk : kExitFailed;
  }
  if (line.version) {
    out << kProgram << ' ' << VELLARO_VERSION << '\n';
    return out ? kExitOk : kExitFailed;
  }

  // The whole log is checked before the first row goes out.
  std::vector<Entry> entries;
  std::unique_ptr<EntrySource> source;
  if (line.random_spins) {
    source = std::make_unique<WheelSource>(*line.seed, *line.random_spins);
  } else {
    const std::optional<std::string> text = ReadInput(line.file, in, err);
    if (!text) return kExitBadInput;
    try {
      entries = ParseLog(*text, line.file);
    } catch (const InputError& e) {
      err << e.what() << '\n';
      return kExitBadInput;
    }
    source = std::make_unique<LogSource>(entries);
  }

  ReplayOptions options;
  options.settings = line.settings;
  options.timing = {line.clock_s.value_or(now_s), line.gap_ms};

  std::optional<Entry> refused;
  if (line.summary) {
    Summary summary;
    refused = Replay(options, *source, summary);
    if (!refused) summary.Print(out);
  } else {
    TraceWriter trace(out);
    refused = Replay(options, *source, trace);
  }
  out.flush();
  if (refused) {
    err << line.file << ':' << refused->line << ": undo is not offered here\n";
    return kExitBadInput;
  }
  if (!out) {
    err << kProgram << ": cannot write the output\n";
    return kExitFailed;
  }
  return kExitOk;
}

}  // namespace vellaro::sim
