#include "journal/journal_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <iterator>
#include <system_error>

#include "journal/salvage.h"
#include "journal/salvage_file.h"
#include "text/translate.h"

namespace vellaro::journal {
namespace {

namespace fs = std::filesystem;

OpenedJournal Off(std::string reason) {
  OpenedJournal off;
  off.status = {false, std::move(reason)};
  return off;
}

void Told(OpenedJournal& opened, const SalvageDone& done) {
  opened.notice = TrFormat("Journal damaged: moved aside, a new one started; {1}", {done.detail});
  opened.moved_aside = done.aside;
}

}  // namespace

std::string CompactUtc(int64_t ms_since_epoch) {
  const auto seconds = static_cast<std::time_t>(ms_since_epoch / 1000);
  std::tm utc{};
  gmtime_r(&seconds, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &utc);
  return text;
}

std::string JournalPathFor(const char* xdg_data_home, const char* home) {
  fs::path data;
  if (xdg_data_home != nullptr && xdg_data_home[0] == '/') {
    data = xdg_data_home;
  } else if (home != nullptr && home[0] != '\0') {
    data = fs::path(home) / ".local" / "share";
  } else {
    return {};
  }
  return (data / "vellaro" / "journal.sqlite").string();
}

std::string DefaultJournalPath() {
  return JournalPathFor(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

OpenedJournal OpenJournalFile(const std::string& path, const SessionCheck& replays,
                              const WallClock& now, const SalvageProbe& probe) {
  if (path.empty()) return Off(Tr("no data folder is known (HOME is not set)"));
  const fs::path folder = fs::path(path).parent_path();
  std::error_code made;
  fs::create_directories(folder, made);
  if (made) return Off(Tr("its folder cannot be made"));
  OpenedJournal opened;
  try {
    // A salvage killed once its copy was complete is finished before the file is opened.
    if (std::optional<SalvageDone> done = FinishLeftOverSalvage(path, probe)) Told(opened, *done);
    opened.journal = std::make_unique<Journal>(path, now);
    return opened;
  } catch (const std::system_error&) {
    return Off(Tr("it is damaged and cannot be moved aside"));
  } catch (const JournalError& error) {
    if (error.fault() == JournalError::Fault::kNotOurs) return Off(error.what());
    if (error.fault() == JournalError::Fault::kUnavailable) {
      return Off(::access(folder.c_str(), W_OK) != 0 ? Tr("its folder cannot be written")
                                                     : Tr("its file cannot be opened"));
    }
  }
  // Damaged: what still reads and replays goes into a new one, the evening on show among it,
  // and the damaged file is kept for whoever wants to look at it, out of the way.
  try {
    Told(opened, SalvageDamaged(path, replays, now, probe));
  } catch (const std::system_error&) {
    return Off(Tr("it is damaged and cannot be moved aside"));
  } catch (const JournalError&) {
    return Off(Tr("a new one cannot be started"));
  }
  try {
    opened.journal = std::make_unique<Journal>(path, now);
  } catch (const JournalError&) {
    opened.status = {false, Tr("a new one cannot be started")};
  }
  return opened;
}

OpenedJournal OpenFileFor(Journal& journal, const std::string& path, const SessionCheck& replays,
                          const WallClock& now) {
  OpenedJournal opened = OpenJournalFile(path, replays, now);
  if (opened.journal == nullptr) {
    journal.StillWithoutFile(opened.status.reason);
  } else {
    journal.TakeFile(std::move(*opened.journal));
    opened.journal.reset();
  }
  return opened;
}

std::optional<StoredSession> SessionToResume(Journal& journal) {
  const std::vector<int64_t> open = SessionsAtTables(journal.database());
  if (open.empty()) return std::nullopt;
  return LoadSession(journal.database(), open.front());
}

std::vector<StoredSession> SessionsToResume(Journal& journal, std::string& unreadable) {
  std::vector<StoredSession> sessions;
  for (const int64_t id : SessionsAtTables(journal.database())) {
    try {
      sessions.push_back(LoadSession(journal.database(), id));
    } catch (const BadRecord& error) {
      unreadable = error.what();
      journal.LeaveTable(id);
    } catch (const SqliteError& error) {
      unreadable = error.what();
      journal.LeaveTable(id);
    }
  }
  return sessions;
}

JournalAtStart PrepareJournal(const std::string& path, const SessionCheck& replays,
                              const WallClock& now) {
  JournalAtStart start;
  start.path = path;
  start.opened = OpenJournalFile(path, replays, now);
  if (start.opened.journal == nullptr) return start;
  try {
    std::vector<StoredSession> tables = SessionsToResume(*start.opened.journal, start.unreadable);
    if (!tables.empty()) {
      start.to_resume = std::move(tables.front());
      start.more_tables.assign(std::make_move_iterator(tables.begin() + 1),
                               std::make_move_iterator(tables.end()));
    }
  } catch (const SqliteError& error) {  // the list of sessions itself
    start.unreadable = error.what();
  }
  return start;
}

}  // namespace vellaro::journal
