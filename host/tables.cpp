#include "host/tables.h"

#include <utility>

#include "journal/session_table.h"

namespace vellaro::host {

namespace {

int64_t Place(size_t index) {
  return static_cast<int64_t>(index);
}

}  // namespace

Tables::Tables(std::unique_ptr<WindowGame> first) {
  tables_.push_back(std::move(first));
}

std::string Tables::Name(size_t place) const {
  return journal::ShownName(at(place).table());
}

void Tables::Show(size_t place) {
  at(place);  // throws std::out_of_range for a place there is not
  on_show_ = place;
}

WindowGame& Tables::Add(std::unique_ptr<WindowGame> table, const Settings& settings,
                        std::optional<std::string> name) {
  WindowGame& added = *table;
  added.ShareJournalOf(*tables_.front());
  added.SetTable({std::move(name), Place(tables_.size())});
  tables_.push_back(std::move(table));
  added.BeginSession(settings);
  return added;
}

WindowGame& Tables::Restore(std::unique_ptr<WindowGame> table,
                            const journal::StoredSession& stored) {
  WindowGame& restored = *table;
  restored.ShareJournalOf(*tables_.front());
  tables_.push_back(std::move(table));
  restored.ResumeAtTable(stored);
  Renumber(0);
  return restored;
}

void Tables::Rename(size_t place, std::optional<std::string> name) {
  WindowGame& table = at(place);
  table.SetTable({std::move(name), Place(place)});
}

bool Tables::Close(size_t place) {
  if (tables_.size() <= 1 || at(place).game().AnalysisRunning()) return false;
  WindowGame& closing = at(place);
  // Its evening is over; the connection it wrote through stays with the other tables.
  if (journal::Journal* journal = closing.journal()) journal->EndSession();
  tables_.erase(tables_.begin() + static_cast<std::ptrdiff_t>(place));
  if (on_show_ > place || on_show_ == tables_.size()) --on_show_;
  Renumber(place);
  return true;
}

void Tables::Renumber(size_t from) {
  for (size_t i = from; i < tables_.size(); ++i) {
    WindowGame& table = *tables_[i];
    if (table.table().place != Place(i)) table.SetTable({table.table().name, Place(i)});
  }
}

}  // namespace vellaro::host
