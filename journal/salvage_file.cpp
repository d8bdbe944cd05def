#include "journal/salvage_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

#include "journal/journal_damage.h"
#include "journal/journal_file.h"
#include "journal/stored_session.h"

namespace vellaro::journal {
namespace {

namespace fs = std::filesystem;

// The files SQLite keeps beside a database in WAL mode.
constexpr const char* kCompanions[] = {"-wal", "-shm"};
// The copy while it is made, once it is complete, and the damaged file once it is aside.
constexpr const char* kCopyName = ".salvage";
constexpr const char* kReadyName = ".salvaged-";
constexpr const char* kAsideName = ".corrupt-";

bool Exists(const std::string& path) {
  std::error_code ignored;
  return fs::exists(fs::symlink_status(path, ignored));
}

[[noreturn]] void FailOn(const char* what, const std::string& path, int error) {
  throw std::system_error(error, std::generic_category(), what + path);
}

void Report(const SalvageProbe& probe, SalvageStep step) {
  if (probe) probe(step);
}

// Syncs the file or folder at `path` to the disk, then tells `probe` that `step` is done.
void Sync(const std::string& path, int flags, const SalvageProbe& probe, SalvageStep step) {
  const int fd = ::open(path.c_str(), flags | O_RDONLY | O_CLOEXEC);
  if (fd < 0) FailOn("cannot open ", path, errno);
  const int synced = ::fsync(fd);
  const int error = errno;
  ::close(fd);
  if (synced != 0) FailOn("cannot sync ", path, error);
  Report(probe, step);
}

// The folder's entries (a new name, a name gone) are on the disk only once it is synced.
void SyncFolderOf(const std::string& path, const SalvageProbe& probe, SalvageStep step) {
  Sync(fs::path(path).parent_path().string(), O_DIRECTORY, probe, step);
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat x {};
  struct stat y {};
  return ::stat(a.c_str(), &x) == 0 && ::stat(b.c_str(), &y) == 0 && x.st_dev == y.st_dev &&
         x.st_ino == y.st_ino;
}

// Moves `from` to `to` unless another file is at `to`. A hard link cannot replace an
// existing name, so no file that appeared in the meantime is overwritten; the same file at
// `to` already is a move cut off between its link and its unlink. A file system without hard
// links falls back to a rename after a check.
bool MoveWithoutReplacing(const std::string& from, const std::string& to) {
  if (::link(from.c_str(), to.c_str()) != 0) {
    if (errno == EEXIST) {
      if (!SameFile(from, to)) return false;
    } else {
      if (Exists(to)) return false;
      if (std::rename(from.c_str(), to.c_str()) != 0) FailOn("cannot move ", from, errno);
      return true;
    }
  }
  if (::unlink(from.c_str()) != 0) FailOn("cannot remove ", from, errno);
  return true;
}

void RemoveWithCompanions(const std::string& path) {
  for (const std::string end : {"", "-wal", "-shm", "-journal"}) {
    if (::unlink((path + end).c_str()) != 0 && errno != ENOENT) {
      FailOn("cannot remove ", path + end, errno);
    }
  }
}

// "20261208T132900Z", or "20261208T132900Z-2", ... if a file already has the name the damaged
// file or one of its companions would take, or the complete copy's.
std::string FreeSuffix(const std::string& path, int64_t now_ms) {
  const std::string stamp = CompactUtc(now_ms);
  for (int n = 1;; ++n) {
    std::string suffix = n == 1 ? stamp : stamp + "-" + std::to_string(n);
    // A few names, each tried once in a salvage: the sums read as the names they make.
    // NOLINTBEGIN(performance-inefficient-string-concatenation)
    const std::string aside = path + kAsideName + suffix;
    bool taken = Exists(aside) || Exists(path + kReadyName + suffix);
    // NOLINTEND(performance-inefficient-string-concatenation)
    for (const char* companion : kCompanions) taken = taken || Exists(aside + companion);
    if (!taken) return suffix;
  }
}

// Moves what is left of the damaged journal at `path` to `aside`, its -wal and -shm with it
// (a WAL left under the journal's name would be read into the copy), then the complete copy
// at `ready` into its place. Cut off anywhere, it is done again from the start.
void PutInPlace(const std::string& path, const std::string& ready, const std::string& aside,
                const SalvageProbe& probe) {
  for (const std::string end : {"", "-wal", "-shm"}) {
    if (Exists(path + end) && !MoveWithoutReplacing(path + end, aside + end)) {
      FailOn("cannot move aside ", path + end, EEXIST);
    }
  }
  Report(probe, SalvageStep::kDamagedAside);
  if (std::rename(ready.c_str(), path.c_str()) != 0) FailOn("cannot move ", ready, errno);
  SyncFolderOf(path, probe, SalvageStep::kInPlace);
}

// What a start that finishes another's salvage tells: the sessions in the copy are those
// saved, the rest of those the damaged file names are lost.
std::string RecountedText(const std::string& journal, const std::string& damaged) {
  int64_t saved = 0;
  try {
    Database db = OpenForReading(journal);
    saved = static_cast<int64_t>(SessionIds(db).size());
  } catch (const std::exception&) {  // the journal's own open says what is wrong with it
  }
  const DamageSurvey survey = SurveyDamage(damaged);
  const auto named = static_cast<int64_t>(survey.reading.size() + survey.not_reading.size());
  return SalvagedText(saved, std::max<int64_t>(named - saved, 0));
}

// Writes what can be saved of `path` into `copy`, all of it in the copy's main file.
Salvaged WriteCopy(const std::string& path, const std::string& copy, const SessionCheck& replays,
                   const WallClock& now) {
  Salvaged salvaged;
  std::unique_ptr<Journal> journal = SalvageInto(path, Journal(copy, now), salvaged, replays, now);
  // What could not be written waits in memory: the copy is not complete.
  if (journal->waiting() != 0) {
    throw JournalError(JournalError::Fault::kUnavailable, journal->status().reason);
  }
  try {
    // The rename below carries the main file alone: a WAL would stay under the old name.
    if (journal->database().QueryInt("PRAGMA wal_checkpoint(TRUNCATE)") != 0) {
      throw JournalError(JournalError::Fault::kUnavailable, "the copy's WAL is busy");
    }
  } catch (const SqliteError& error) {
    throw JournalError(JournalError::Fault::kUnavailable, error.what());
  }
  return salvaged;
}

}  // namespace

std::optional<SalvageDone> FinishLeftOverSalvage(const std::string& path,
                                                 const SalvageProbe& probe) {
  const fs::path file(path);
  const std::string prefix = file.filename().string() + kReadyName;
  std::vector<std::string> suffixes;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(file.parent_path(), error)) {
    const std::string name = entry.path().filename().string();
    if (name.size() > prefix.size() && name.starts_with(prefix)) {
      suffixes.push_back(name.substr(prefix.size()));
    }
  }
  if (suffixes.empty()) return std::nullopt;
  // There is one at most: a start finishes it before it can make another.
  const std::string suffix = *std::min_element(suffixes.begin(), suffixes.end());
  SalvageDone done{path + kAsideName + suffix, {}};
  PutInPlace(path, path + kReadyName + suffix, done.aside, probe);
  done.detail = RecountedText(path, done.aside);
  return done;
}

SalvageDone SalvageDamaged(const std::string& path, const SessionCheck& replays,
                           const WallClock& now, const SalvageProbe& probe) {
  const std::string copy = path + kCopyName;
  // A copy a killed salvage left half made: its sessions would be copied twice.
  RemoveWithCompanions(copy);
  const Salvaged salvaged = WriteCopy(path, copy, replays, now);
  // Closed, the copy has no WAL; an index left beside it is of no use to anyone.
  for (const char* companion : kCompanions) ::unlink((copy + companion).c_str());
  Report(probe, SalvageStep::kCopied);
  Sync(copy, 0, probe, SalvageStep::kCopySynced);
  const std::string suffix = FreeSuffix(path, now());
  const std::string ready = path + kReadyName + suffix;
  // From here on the copy is complete: a start finishes what a kill cuts off.
  if (std::rename(copy.c_str(), ready.c_str()) != 0) FailOn("cannot move ", copy, errno);
  SyncFolderOf(path, probe, SalvageStep::kReady);
  SalvageDone done{path + kAsideName + suffix, SalvagedText(salvaged)};
  PutInPlace(path, ready, done.aside, probe);
  return done;
}

}  // namespace vellaro::journal
