#pragma once

// A journal of four sessions whose third is lost to a damaged page, as a journal a disk
// fault left: the first two ended, the fourth the evening on show. Opening it fails SQLite's
// check, so a start salvages it; what a salvage must keep is known (`kept`). And a start in
// a child process killed at a chosen moment, for the tests of what a kill leaves.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "journal/journal_damage.h"
#include "journal/stored_session.h"
#include "support/journaled_game.h"
#include "support/temp_folder.h"

namespace vellaro::testing {

struct DamagedJournal {
  // Spins of the four sessions; the third's must fill pages of its own.
  explicit DamagedJournal(std::vector<int> spins = {300, 200, 1500, 6}) {
    const std::string path = folder.File("written.sqlite");
    std::vector<int64_t> pages;  // the file's pages once each session is written
    for (size_t k = 0; k < spins.size(); ++k) {
      JournaledGame g(path);
      for (int i = 0; i < spins[k]; ++i) g.h.Spin((i * 7 + static_cast<int>(k) * 5 + 3) % 37);
      if (k + 1 < spins.size()) g.journal.EndSession();
      pages.push_back(g.journal.database().QueryInt("PRAGMA page_count"));
    }
    // The third session's pages, the last first: the first whose damage loses it alone.
    for (int64_t page = pages[2]; page > pages[1]; --page) {
      file = folder.File("damaged-" + std::to_string(page) + ".sqlite");
      std::filesystem::copy_file(path, file);
      Damage(page);
      if (KeepsAllButTheThird()) return;
    }
    throw std::logic_error("no page of the third session loses it alone");
  }

  // Overwrites the head of `page` (from 1), where SQLite keeps the kind of the page.
  void Damage(int64_t page) const {
    std::fstream out(file, std::ios::in | std::ios::out | std::ios::binary);
    out.seekp((page - 1) * 4096);
    out.write("\xff\xff\xff\xff\xff\xff\xff\xff", 8);
    if (!out.flush()) throw std::runtime_error("cannot damage " + file);
  }

  bool KeepsAllButTheThird() {
    const journal::DamageSurvey survey = journal::SurveyDamage(file);
    std::vector<int64_t> reading;
    for (const journal::SessionSummary& s : survey.reading) reading.push_back(s.id);
    if (reading != std::vector<int64_t>{1, 2, 4}) return false;
    journal::Database db = journal::OpenForReading(file);
    kept.clear();
    for (const int64_t id : reading) kept.push_back(journal::LoadSession(db, id));
    return db.QueryText("PRAGMA quick_check") != "ok";
  }

  // Puts a copy of the damaged journal at `path`.
  void CopyTo(const std::string& path) const {
    std::filesystem::copy_file(file, path, std::filesystem::copy_options::overwrite_existing);
  }

  TempFolder folder;
  std::string file;                          // the damaged journal
  std::vector<journal::StoredSession> kept;  // what still reads, in order: 1, 2 and 4
};

// Runs `start` in a child process, which `arm` may set up to kill itself (SIGKILL) at some
// moment; returns whether it was killed.
inline bool KilledInChild(const std::function<void()>& start,
                          const std::function<void()>& arm = {}) {
  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) {
    if (arm) arm();
    try {
      start();
    } catch (...) {
      _exit(2);
    }
    _exit(0);
  }
  int status = 0;
  if (waitpid(child, &status, 0) != child) throw std::runtime_error("waitpid failed");
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return false;
  if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) return true;
  throw std::runtime_error("the start ended with status " + std::to_string(status));
}

}  // namespace vellaro::testing
