// Replays every session of tests/sim/corpus in-process and compares what vellaro-sim prints
// with what it printed when the session was written (scripts/make-corpus.sh). A change of
// behaviour made on purpose is recorded by running that script again.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "sim_support.h"
#include "support/file_text.h"

namespace vellaro::sim {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kOptionsPrefix = "# vellaro-sim ";

// The options written on the session's first line, one word each.
std::vector<std::string> OptionsOf(const std::string& log) {
  std::vector<std::string> words;
  if (!log.starts_with(kOptionsPrefix)) return words;
  std::istringstream line(
      log.substr(kOptionsPrefix.size(), log.find('\n') - kOptionsPrefix.size()));
  for (std::string word; line >> word;) words.push_back(word);
  return words;
}

// "" when the texts are equal; otherwise where they first differ, by line, with both lines.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
  if (expected == actual) return "";
  const auto e =
      std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end()).first;
  const size_t at = static_cast<size_t>(e - expected.begin());
  const size_t line = static_cast<size_t>(std::count(expected.begin(), e, '\n')) + 1;
  const size_t start = expected.rfind('\n', at == 0 ? 0 : at - 1);
  const size_t from = at == 0 || start == std::string::npos ? 0 : start + 1;
  const auto line_at = [from](const std::string& text) {
    if (from >= text.size()) return std::string("(end of output)");
    return text.substr(from, text.find('\n', from) - from);
  };
  return "line " + std::to_string(line) + "\n  expected: " + line_at(expected) +
         "\n  actual:   " + line_at(actual);
}

struct Session {
  fs::path log;
  std::vector<std::string> options;
};

std::vector<Session> Sessions() {
  std::vector<Session> sessions;
  for (const fs::directory_entry& entry : fs::directory_iterator(SIM_CORPUS)) {
    if (entry.path().extension() != ".log") continue;
    sessions.push_back({entry.path(), OptionsOf(testing::ReadAll(entry.path()))});
  }
  std::sort(sessions.begin(), sessions.end(),
            [](const Session& a, const Session& b) { return a.log < b.log; });
  return sessions;
}

// Runs the session with `extra` options and compares with the file of `suffix`.
// Returns whether they agree; a difference is reported once, with its place.
bool Agrees(const Session& session, std::string_view extra, const std::string& suffix) {
  std::vector<std::string_view> args(session.options.begin(), session.options.end());
  if (!extra.empty()) args.push_back(extra);
  // On standard input, as recorded: the output then names no folder.
  args.push_back("-");
  const testing::Run run = testing::RunProgram(args, testing::ReadAll(session.log));
  const std::string name = session.log.stem().string() + suffix;
  if (run.status != kExitOk) {
    ADD_FAILURE() << name << ": vellaro-sim exited " << run.status << ": " << run.err;
    return false;
  }
  fs::path expected_path = session.log;
  expected_path.replace_extension(suffix);
  const std::string difference = FirstDifference(testing::ReadAll(expected_path), run.out);
  if (!difference.empty()) {
    ADD_FAILURE() << name << ": differs from the recorded output at " << difference
                  << "\n(scripts/make-corpus.sh records a change made on purpose)";
    return false;
  }
  return true;
}

TEST(CorpusReplay, EverySessionPrintsWhatItPrintedWhenRecorded) {
  const std::vector<Session> sessions = Sessions();
  ASSERT_GE(sessions.size(), 100u) << "the corpus in " << SIM_CORPUS << " is missing";
  int failures = 0;
  for (const Session& session : sessions) {
    ASSERT_FALSE(session.options.empty()) << session.log << " has no options line";
    const bool trace = Agrees(session, "", ".trace.csv");
    const bool summary = Agrees(session, "--summary", ".summary.txt");
    if ((!trace || !summary) && ++failures == 3) {
      FAIL() << "stopped after three sessions that differ";
    }
  }
}

// The sessions cover what they are there to cover: every mode with every system, each
// option, and undos.
TEST(CorpusReplay, CoversEveryModeSystemAndOption) {
  std::set<std::string> pairs, options;
  int undos = 0;
  for (const Session& session : Sessions()) {
    std::string mode, system;
    for (size_t i = 0; i < session.options.size(); ++i) {
      const std::string& word = session.options[i];
      options.insert(word);
      if (i + 1 < session.options.size() && word == "--mode") mode = session.options[i + 1];
      if (i + 1 < session.options.size() && word == "--system") system = session.options[i + 1];
    }
    pairs.insert(mode + " " + system);
    const std::string log = testing::ReadAll(session.log);
    for (size_t at = log.find("\nundo"); at != std::string::npos; at = log.find("\nundo", at + 1)) {
      ++undos;
    }
  }
  EXPECT_EQ(pairs.size(), 30u);
  for (const char* option :
       {"--safe-level", "--trend", "--auto-reset", "--min-profit", "--cat-rows", "--learn",
        "--on-wins", "--add-to-bet", "--clock", "--gap-ms", "--base"}) {
    EXPECT_TRUE(options.contains(option)) << option;
  }
  EXPECT_GE(undos, 100);
}

}  // namespace
}  // namespace vellaro::sim
