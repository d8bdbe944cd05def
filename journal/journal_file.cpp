#include "journal/journal_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace vellaro::journal {
namespace {

namespace fs = std::filesystem;

// The files SQLite keeps beside a database in WAL mode.
constexpr const char* kCompanions[] = {"-wal", "-shm"};

bool Exists(const std::string& path) {
  std::error_code ignored;
  return fs::exists(fs::symlink_status(path, ignored));
}

// Moves `from` to `to` unless something is at `to` already. A hard link cannot replace an
// existing name, so no file that appeared in the meantime is overwritten; a file system
// without hard links falls back to a rename after a check.
bool MoveWithoutReplacing(const std::string& from, const std::string& to) {
  if (::link(from.c_str(), to.c_str()) == 0) {
    if (::unlink(from.c_str()) != 0) {
      throw std::system_error(errno, std::generic_category(), "cannot remove " + from);
    }
    return true;
  }
  if (errno == EEXIST) return false;
  if (Exists(to)) return false;
  if (std::rename(from.c_str(), to.c_str()) != 0) {
    throw std::system_error(errno, std::generic_category(), "cannot move " + from);
  }
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

std::string FileName(const std::string& path) {
  return fs::path(path).filename().string();
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

OpenedJournal OpenJournalFile(const std::string& path, WallClock now) {
  if (path.empty()) return Off("no data folder is known (HOME is not set)");
  std::error_code made;
  fs::create_directories(fs::path(path).parent_path(), made);
  if (made) {
    std::string reason = "its folder cannot be made (";
    reason += made.message();
    reason += ')';
    return Off(std::move(reason));
  }
  OpenedJournal opened;
  try {
    opened.journal = std::make_unique<Journal>(path, now);
    return opened;
  } catch (const JournalError& error) {
    if (error.fault() == JournalError::Fault::kUnavailable) {
      std::string reason = "it cannot be opened (";
      reason += error.what();
      reason += ')';
      return Off(std::move(reason));
    }
  }
  // Damaged: kept for whoever wants to look at it, out of the way of the new one.
  std::string aside;
  try {
    aside = MoveAside(path, now());
  } catch (const std::system_error& error) {
    std::string reason = "it is damaged and cannot be moved aside (";
    reason += error.what();
    reason += ')';
    return Off(std::move(reason));
  }
  opened.notice = "The journal was damaged. It was moved aside as ";
  opened.notice += FileName(aside);
  opened.notice += " and a new one was started.";
  try {
    opened.journal = std::make_unique<Journal>(path, now);
  } catch (const JournalError& error) {
    std::string reason = "a new one cannot be started (";
    reason += error.what();
    reason += ')';
    opened.status = {false, std::move(reason)};
  }
  return opened;
}

std::optional<StoredSession> SessionToResume(Journal& journal) {
  const std::optional<int64_t> last = LastSessionId(journal.database());
  if (!last) return std::nullopt;
  StoredSession session = LoadSession(journal.database(), *last);
  if (session.ended_ms) return std::nullopt;
  return session;
}

}  // namespace vellaro::journal
