#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/settings.h"
#include "host/window_game.h"

namespace vellaro::host {

// The tables the player follows at once, in the window's order: each its own game with its
// own clock, timers and journal session (a WindowGame), all written through the first
// table's connection to the journal, so that the file has one writer. One table is on show.
// Free of the toolkit, as WindowGame is. Used by one thread at a time.
class Tables {
 public:
  // The window's first table, its journal kept (and its evening resumed) as for one table.
  explicit Tables(std::unique_ptr<WindowGame> first);
  Tables(const Tables&) = delete;
  Tables& operator=(const Tables&) = delete;

  size_t size() const { return tables_.size(); }
  // The table at `place` in the window's order, from 0. REQUIRES: place < size().
  WindowGame& at(size_t place) { return *tables_.at(place); }
  const WindowGame& at(size_t place) const { return *tables_.at(place); }
  // Its name as the player sees it: the one they typed, or "Table N" in their language.
  std::string Name(size_t place) const;

  size_t on_show() const { return on_show_; }
  WindowGame& Shown() { return at(on_show_); }
  // Shows the table at `place`. REQUIRES: place < size().
  void Show(size_t place);

  // Adds `table` (a game on its own clock, with nothing played) after the others, its
  // evening begun with `settings`, named `name` (none: "Table N"); returns it. The table on
  // show stays the same.
  WindowGame& Add(std::unique_ptr<WindowGame> table, const Settings& settings,
                  std::optional<std::string> name = std::nullopt);
  // Brings back `table` (a game on its own clock, with nothing played) after the others,
  // with `stored`, an evening open at a table when the window last closed or was killed
  // (journal::JournalAtStart::more_tables, in their order); returns it. The tables are
  // then told their places again, in case one could not be read back.
  WindowGame& Restore(std::unique_ptr<WindowGame> table, const journal::StoredSession& stored);
  // Names the table at `place` (none: "Table N" again); its evening is journaled under the
  // new name.
  void Rename(size_t place, std::optional<std::string> name);
  // Ends the evening of the table at `place` and removes the table; the tables after it
  // move up one place, and the one on show stays on show (the next, if it was this one).
  // Returns false, with nothing changed, for the last table (only its evening can be
  // ended) and while an analysis runs on the table.
  bool Close(size_t place);

 private:
  // Tells each table from `from` on its place, as the journal keeps it.
  void Renumber(size_t from);

  std::vector<std::unique_ptr<WindowGame>> tables_;
  size_t on_show_ = 0;
};

}  // namespace vellaro::host
