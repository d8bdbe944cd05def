// Writes the seed corpora of the journal's fuzzers with the journal's own writer: a few
// small journals as the window leaves them (stored_session/), and each of their blocks of
// events, behind the byte that picks the block's first seq (event_block/).
//
//   vellaro_journal_seeds FOLDER     (scripts/make-corpus.sh --journals runs it)

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

#include "betting/system_file.h"
#include "journal/journal.h"
#include "journal/stored_session.h"
#include "support/journaled_game.h"

namespace {

namespace fs = std::filesystem;
namespace act = vellaro::act;
using vellaro::testing::JournaledGame;

// A journal of one session, ended: the default options, a dozen spins with bets settled.
void OneSession(const std::string& path) {
  JournaledGame g(path);
  for (const int n : {17, 3, 0, 22, 5, 31, 8, 14, 36, 1, 19, 27}) g.h.Spin(n);
  g.journal.EndSession();
}

// Two sessions: the first ended; the second, on show, started from other options, with an
// undo, a redo, a limit and a change of system.
void TwoSessions(const std::string& path) {
  {
    JournaledGame g(path);
    for (const int n : {2, 4, 6, 8, 10, 12}) g.h.Spin(n);
    g.journal.EndSession();
  }
  vellaro::Settings settings;
  settings.system = static_cast<vellaro::BettingSystem>(2);
  settings.base = 5;
  settings.auto_reset = true;
  settings.trends[1] = true;
  settings.mode = vellaro::Mode::kSmart;
  JournaledGame g(path, settings);
  for (const int n : {9, 13, 0, 21, 24, 7, 30}) g.h.Spin(n);
  g.h.game.Apply(act::Undo{});
  g.h.FinishAnalysis();
  g.h.game.Apply(act::Redo{});
  g.h.FinishAnalysis();
  g.h.game.Apply(act::SetLimit{vellaro::LimitKind::kStopLoss, 40});
  g.h.game.Apply(act::ChooseSystem{1});
  for (const int n : {11, 32, 15}) g.h.Spin(n);
}

// A session that started with a system the player wrote and changed to another of theirs.
void OwnSystems(const std::string& path) {
  const std::string first =
      "name = Capped\nkind = multiply\non_loss = times 3 plus 2\non_win = times 2\n"
      "floor = 2\ncap = 50\nstart = 4\nsafeguards = reset\n";
  const std::string second =
      "name = 1-3-2-6\nkind = sequence\nsequence = 1 3 2 6\non_win = next\non_loss = reset\n"
      "at_end = reset\n";
  vellaro::Settings settings;
  settings.custom_system = first;
  if (!vellaro::ParseSystemFile(first).system) throw std::logic_error("the first system");
  JournaledGame g(path, settings);
  for (const int n : {5, 16, 27, 34, 1, 12}) g.h.Spin(n);
  g.h.game.Apply(act::ChooseWrittenSystem{*vellaro::ParseSystemFile(second).system});
  for (const int n : {23, 0, 18}) g.h.Spin(n);
}

// A journal with its tables and no session yet: the window's first start.
void NoSession(const std::string& path) {
  vellaro::journal::Journal journal(path);
}

void WriteBlocks(const std::string& journal, const fs::path& folder) {
  vellaro::journal::Database db = vellaro::journal::OpenForReading(journal);
  vellaro::journal::Statement blocks(db, "SELECT events FROM event_blocks ORDER BY 1");
  for (int k = 1; blocks.Step(); ++k) {
    std::ofstream out(folder / (fs::path(journal).stem().string() + "_" + std::to_string(k)),
                      std::ios::binary);
    out.put('\0');
    const std::string_view bytes = blocks.Blob(0);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: vellaro_journal_seeds FOLDER\n";
    return 2;
  }
  const fs::path root = argv[1];
  const fs::path sessions = root / "stored_session";
  const fs::path blocks = root / "event_block";
  fs::remove_all(sessions);
  fs::remove_all(blocks);
  fs::create_directories(sessions);
  fs::create_directories(blocks);
  const struct {
    const char* name;
    void (*write)(const std::string&);
  } kJournals[] = {{"one_session", OneSession},
                   {"two_sessions", TwoSessions},
                   {"own_systems", OwnSystems},
                   {"no_session", NoSession}};
  for (const auto& journal : kJournals) {
    const std::string path = (sessions / journal.name).string();
    journal.write(path);  // closed: the WAL is in the file and gone
    if (fs::exists(path + "-wal")) {
      std::cerr << "vellaro_journal_seeds: " << path << "-wal was left\n";
      return 1;
    }
    WriteBlocks(path, blocks);
    // The reader's -wal and -shm (empty of anything but its index) are not seeds.
    fs::remove(path + "-wal");
    fs::remove(path + "-shm");
  }
  return 0;
}
