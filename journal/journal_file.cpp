#include "journal/journal_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "journal/salvage.h"
#include "text/translate.h"

namespace vellaro::journal {
namespace {

namespace fs = std::filesystem;

// The files SQLite keeps beside a database in WAL mode.
constexpr const char* kCompanions[] = {"-wal", "-shm"};

bool Exists(const std::string& path) {
  std::error_code ignored;
  return fs::exists(fs::symlink_status(path, ignored));
}

[[noreturn]] void FailOn(const char* what, const std::string& path) {
  const int error = errno;
  std::string message = what;
  message += path;
  throw std::system_error(error, std::generic_category(), message);
}

// Moves `from` to `to` unless something is at `to` already. A hard link cannot replace an
// existing name, so no file that appeared in the meantime is overwritten; a file system
// without hard links falls back to a rename after a check.
bool MoveWithoutReplacing(const std::string& from, const std::string& to) {
  if (::link(from.c_str(), to.c_str()) == 0) {
    if (::unlink(from.c_str()) != 0) FailOn("cannot remove ", from);
    return true;
  }
  if (errno == EEXIST) return false;
  if (Exists(to)) return false;
  if (std::rename(from.c_str(), to.c_str()) != 0) FailOn("cannot move ", from);
  return true;
}

// Moves the damaged journal and its companions aside; returns the new name of the file.
std::string MoveAside(const std::string& path, int64_t now_ms) {
  std::string base = path;
  base += ".corrupt-";
  base += CompactUtc(now_ms);
  for (int n = 1;; ++n) {
    std::string aside = base;
    if (n > 1) {
      aside += '-';
      aside += std::to_string(n);
    }
    bool taken = false;
    for (const char* companion : kCompanions) taken = taken || Exists(aside + companion);
    if (taken || !MoveWithoutReplacing(path, aside)) continue;
    for (const char* companion : kCompanions) {
      if (Exists(path + companion)) MoveWithoutReplacing(path + companion, aside + companion);
    }
    return aside;
  }
}

OpenedJournal Off(std::string reason) {
  OpenedJournal off;
  off.status = {false, std::move(reason)};
  return off;
}

}  // namespace

std::string CompactUtc(int64_t ms_since_epoch) {
  const std::time_t seconds = static_cast<std::time_t>(ms_since_epoch / 1000);
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
                              WallClock now) {
  if (path.empty()) return Off(Tr("no data folder is known (HOME is not set)"));
  const fs::path folder = fs::path(path).parent_path();
  std::error_code made;
  fs::create_directories(folder, made);
  if (made) return Off(Tr("its folder cannot be made"));
  OpenedJournal opened;
  try {
    opened.journal = std::make_unique<Journal>(path, now);
    return opened;
  } catch (const JournalError& error) {
    if (error.fault() == JournalError::Fault::kNotOurs) return Off(error.what());
    if (error.fault() == JournalError::Fault::kUnavailable) {
      return Off(::access(folder.c_str(), W_OK) != 0 ? Tr("its folder cannot be written")
                                                     : Tr("its file cannot be opened"));
    }
  }
  // Damaged: kept for whoever wants to look at it, out of the way of the new one.
  std::string aside;
  try {
    aside = MoveAside(path, now());
  } catch (const std::system_error&) {
    return Off(Tr("it is damaged and cannot be moved aside"));
  }
  opened.notice = Tr("Journal damaged: moved aside, a new one started");
  opened.moved_aside = aside;
  try {
    Journal fresh(path, now);
    // What still reads and replays goes into the new one, the evening on show among it.
    Salvaged salvaged;
    opened.journal = SalvageInto(aside, std::move(fresh), salvaged, replays, now);
    opened.notice =
        TrFormat("Journal damaged: moved aside, a new one started; {1}", {SalvagedText(salvaged)});
  } catch (const JournalError&) {
    opened.status = {false, Tr("a new one cannot be started")};
  }
  return opened;
}

OpenedJournal OpenFileFor(Journal& journal, const std::string& path, const SessionCheck& replays,
                          WallClock now) {
  OpenedJournal opened = OpenJournalFile(path, replays, std::move(now));
  if (opened.journal == nullptr) {
    journal.StillWithoutFile(opened.status.reason);
  } else {
    journal.TakeFile(std::move(*opened.journal));
    opened.journal.reset();
  }
  return opened;
}

std::optional<StoredSession> SessionToResume(Journal& journal) {
  const std::optional<int64_t> last = LastOpenedSessionId(journal.database());
  if (!last) return std::nullopt;
  StoredSession session = LoadSession(journal.database(), *last);
  if (session.ended_ms) return std::nullopt;
  return session;
}

JournalAtStart PrepareJournal(const std::string& path, const SessionCheck& replays,
                              WallClock now) {
  JournalAtStart start;
  start.path = path;
  start.opened = OpenJournalFile(path, replays, std::move(now));
  if (start.opened.journal == nullptr) return start;
  try {
    start.to_resume = SessionToResume(*start.opened.journal);
  } catch (const BadRecord& error) {
    start.unreadable = error.what();
  } catch (const SqliteError& error) {
    start.unreadable = error.what();
  }
  return start;
}

}  // namespace vellaro::journal
