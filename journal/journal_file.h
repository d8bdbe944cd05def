#pragma once

// Where the window keeps its journal, and what it does when the file cannot be used. The
// window keeps working either way: a damaged journal is moved aside and a new one started,
// with a notice for the player; a journal that cannot be opened at all is left alone and
// the window runs without one, saying why.

#include <memory>
#include <optional>
#include <string>

#include "journal/journal.h"
#include "journal/salvage.h"
#include "journal/salvage_file.h"
#include "journal/stored_session.h"

namespace vellaro::journal {

// <xdg_data_home>/vellaro/journal.sqlite, or <home>/.local/share/vellaro/journal.sqlite when
// XDG_DATA_HOME is unset, empty or relative (as the XDG rules say). Empty when neither
// gives a place.
std::string JournalPathFor(const char* xdg_data_home, const char* home);
// The same, from the environment.
std::string DefaultJournalPath();

// The reasons and the notice are short: the window shows them in one line.
struct OpenedJournal {
  std::unique_ptr<Journal> journal;  // none when the file cannot be used at all
  JournalStatus status;              // off, with the reason, when there is no journal
  std::string notice;                // for the player, once: a damaged file was moved aside
  std::string moved_aside;           // where it went
};

// Opens the journal at `path`, making its folder if needed. A file that is no database or
// fails its check is moved aside, with its -wal and -shm files, as
// "<path>.corrupt-<UTC time>" (e.g. journal.sqlite.corrupt-20261208T132900Z, with "-2", "-3",
// ... added when that name is taken: nothing is overwritten) and a new journal is started.
// What still reads of the damaged file and `replays` copies goes into the new one
// (SalvageInto), built beside it and put in its place so that a kill loses nothing
// (salvage_file.h); a salvage a killed start left complete is finished first, and said. A
// file that is not ours (another program's database, a later Vellaro's journal) is left byte
// for byte, the journal off with the reason CheckIsJournal gives. `probe` hears each step of
// a salvage. Never throws for a fault of the file.
OpenedJournal OpenJournalFile(const std::string& path, const SessionCheck& replays,
                              const WallClock& now = SystemWallClockMs,
                              const SalvageProbe& probe = {});

// Opens the file at `path` again for `journal`, which has none (Journal::WithoutFile): the
// window's retry, at each spin, of a journal it could not open at start. If the file opens,
// the journal writes what waits to it from its next commit; if not, the journal says why.
// Returns what OpenJournalFile says, its journal taken. Never throws for a fault of the
// file.
OpenedJournal OpenFileFor(Journal& journal, const std::string& path, const SessionCheck& replays,
                          const WallClock& now = SystemWallClockMs);

// The session open at the first of the window's tables (SessionsAtTables): the one a
// window of one table resumes. Throws BadRecord if it cannot be read back.
std::optional<StoredSession> SessionToResume(Journal& journal);

// Every session open at a table, read back in the order of the tables: what the window
// brings back at its start. One that cannot be read back is left out and leaves its table
// (Journal::LeaveTable), so that the next start does not stumble on it again; `unreadable`
// gets why.
std::vector<StoredSession> SessionsToResume(Journal& journal, std::string& unreadable);

// What the window needs of its journal at start: the journal opened, and the session to
// resume read back. Reading a long session takes a good part of the start-up; this is free
// of the toolkit, so it runs on another thread while the toolkit starts.
struct JournalAtStart {
  std::string path;  // where the journal is, or should be
  OpenedJournal opened;
  std::optional<StoredSession> to_resume;  // the first table's
  std::vector<StoredSession> more_tables;  // the other tables', in their order
  std::string unreadable;  // why a table's session cannot be read back, if one cannot
};
JournalAtStart PrepareJournal(const std::string& path, const SessionCheck& replays,
                              const WallClock& now = SystemWallClockMs);

// "20261208T132900Z".
std::string CompactUtc(int64_t ms_since_epoch);

}  // namespace vellaro::journal
