#pragma once

// The writer of the journal: sessions and, in order, every event of their games, in one
// SQLite file.
//
// Durability. Events wait in memory only while an analysis runs or an action recorded as a
// whole (Batch) goes on; everything else, and the accepted spin or undo that starts an
// analysis, is committed as soon as it happens (or its action ends), so a
// spin is on disk before the board lets the next one be entered, and the choice the window
// shows is on disk when its analysis ends. A commit writes the few pages it changes to the
// WAL: its cost does not grow with the session.
//
// Blocks. The events go, packed (event_block.h), into a row of event_blocks that grows
// commit by commit until it holds kBlockBytes; the next commit starts a new row. A session
// of 10,000 spins is then a few hundred rows instead of 20,000 (one per commit), and a
// resume reads it back several times faster: SQLite's cost is per row.
//
// The file runs in WAL mode with synchronous=NORMAL: a commit is in the WAL, in the system's
// page cache, when it returns, so a killed process (kill -9, a crash) loses nothing. Against
// a power cut, which can lose what the disk has not been told to keep, every
// kSpinsPerDurableCommit-th spin is committed with synchronous=FULL, which syncs the WAL and
// with it every commit before: a power cut keeps the file sound and loses at most the spins
// since that commit. Syncing every commit (FULL throughout) costs an fsync, about 6 ms on
// the development machine, two or three times per spin; NORMAL costs a few microseconds.
//
// Faults. A write that fails (a full disk, a folder made read-only) turns the journal off
// with a reason; what failed stays in memory and is written, in order, at the next commit
// that succeeds. A journal whose file could not be opened at all (WithoutFile) keeps
// everything in memory the same way until it is given one (TakeFile).

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/events.h"
#include "game/settings.h"
#include "journal/event_record.h"
#include "journal/session_table.h"
#include "journal/sqlite.h"

namespace vellaro::journal {

// The journal file cannot be used. kCorrupt: it is no database or fails its check (so it
// may be moved aside); kUnavailable: it cannot be opened or written at all (a read-only or
// missing folder); kNotOurs: it is another program's database or a later Vellaro's journal,
// and what() says which, for the player. A file of the last two must be left alone.
class JournalError : public std::runtime_error {
 public:
  enum class Fault { kCorrupt, kUnavailable, kNotOurs };
  JournalError(Fault fault, const std::string& what) : std::runtime_error(what), fault_(fault) {}
  Fault fault() const { return fault_; }

 private:
  Fault fault_;
};

struct JournalStatus {
  bool on = true;
  std::string reason;  // why the journal is off, for the player
};

// Milliseconds since the Unix epoch, UTC.
using WallClock = std::function<int64_t()>;
int64_t SystemWallClockMs();

inline constexpr int kSpinsPerDurableCommit = 10;
// The size at which a block of events is closed. A block a little over it, with its key,
// still fits in one page of the file (SQLite moves what passes about 1,000 bytes of a row
// of a 4 KB page to an overflow page, which a commit would write as well).
inline constexpr size_t kBlockBytes = 768;

class Journal {
 public:
  // Opens `path`, creating the file if needed, checks it (PRAGMA quick_check) and brings
  // its schema up to date, through SQLite's VFS `vfs` (none: the default). Throws
  // JournalError.
  explicit Journal(const std::string& path, WallClock now = SystemWallClockMs,
                   const char* vfs = nullptr);
  // A journal of another table of the same window: it writes its own session through this
  // one's connection to the file (one writer), or waits for a file as this one does. Each
  // table's events then wait and commit as one journal's do, and a spin of one table is
  // committed while another table's analysis runs.
  std::unique_ptr<Journal> ForAnotherTable();
  // A journal whose file cannot be opened now: it is off, for `reason`, and keeps
  // everything it is given in memory, in order, until it takes a file (TakeFile).
  static std::unique_ptr<Journal> WithoutFile(std::string reason,
                                              WallClock now = SystemWallClockMs);
  ~Journal();
  Journal(const Journal&) = delete;
  Journal& operator=(const Journal&) = delete;

  // Starts a new session whose game began with `settings`, played at `table`; the events
  // recorded from now on are its own. Ends the current one first, if any.
  void StartSession(const Settings& settings, const SessionTable& table = {});
  // Goes on writing to stored session `id` (after its game was resumed).
  void ContinueSession(int64_t id);
  // Opens stored session `id` again, ended or not, and goes on writing to it (once its game
  // has been replayed): the current session, if another, is ended in the same commit, and
  // `id` becomes the session opened last, the one a window resumes at its start until it
  // ends. The player's evening goes on as one session, whatever was played in between.
  // Returns false, with nothing changed, if the write failed (status() says why). Throws
  // std::out_of_range if there is no such session. REQUIRES: HasFile().
  bool ReopenSession(int64_t id);
  // The current session is played at `table` from now on (a table renamed, or moved in the
  // order of tables), and so is the next one started. Written as an event is.
  void SetTable(const SessionTable& table);
  // Session `id`, which could not be read back at a start, is no longer open at a table (it
  // stays unended, as it was): the window starts afresh there. Returns false if the write
  // failed. REQUIRES: HasFile(), and `id` is not the current session.
  bool LeaveTable(int64_t id);
  // Marks the current session as ended; the events recorded from now on belong to none
  // until the next StartSession.
  void EndSession();
  // The session being written to, once its row is on disk.
  std::optional<int64_t> session() const { return session_; }

  // Records one event of the game (Game::AddListener).
  void Record(const GameEvent& event);

  // One action of the player, recorded as a whole: the events it brings (a trend switched
  // on and the other of its pair switched off, a system and its reset of the ledger) are
  // committed together when the batch ends, so a kill between two of them cannot leave
  // half a click on disk. A front end opens one around each action it passes to the game.
  // Batches nest; outside any, each event is committed as it comes (analyses aside).
  class Batch {
   public:
    explicit Batch(Journal& journal) : journal_(journal), began_in_analysis_(journal.in_analysis_) {
      ++journal_.batches_;
    }
    // Commits all that waits, the spin that starts an analysis among it. An action taken
    // while an analysis runs (a hover, a refused click) leaves the analysis's events to wait
    // for its end, as they would without the batch.
    ~Batch() {
      if (--journal_.batches_ == 0 && !(began_in_analysis_ && journal_.in_analysis_)) {
        journal_.Flush();
      }
    }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

   private:
    Journal& journal_;
    bool began_in_analysis_;
  };
  // Writes whatever waits. Returns false if the write failed (status() says why).
  bool Flush();

  bool HasFile() const { return db_ != nullptr; }
  // Writes to the file `opened` has open from now on: what waits here goes to it at the next
  // commit, as one. REQUIRES: !HasFile(); `opened` has no session and nothing waiting.
  void TakeFile(Journal&& opened);
  // Why the file still cannot be opened. REQUIRES: !HasFile().
  void StillWithoutFile(std::string reason);

  const JournalStatus& status() const { return status_; }
  // The number of operations waiting to be written.
  size_t waiting() const { return waiting_.size(); }

  // The connection, for readers and for tests. REQUIRES: HasFile().
  Database& database() { return *db_; }

 private:
  struct Operation {
    enum class Type { kStart, kEnd, kEvent, kTable } type = Type::kEvent;
    int64_t at_ms = 0;
    Settings settings;   // kStart
    SessionTable table;  // kStart, kTable
    EventRecord record;  // kEvent
    std::string text;    // kEvent of a system the player wrote: its file's text
  };
  // The block the events of the current session go to, as it stands in memory.
  struct OpenBlock {
    std::string events;  // packed (event_block.h)
    int64_t first_seq = 1;
    int64_t count = 0;
    int64_t previous_ms = 0;  // the time the next event's is packed after
    int64_t stored = 0;       // how many of its events its row on disk holds (0: no row)
  };
  explicit Journal(WallClock now) : now_(std::move(now)) {}
  void PrepareStatements();
  void Write(const Operation& op);
  // Writes the open block's events to its row, inserting the row the first time.
  void WriteBlock();
  // Writes the open block and starts a new one (at a new session, or a full block).
  void CloseBlock();

  WallClock now_;
  // Shared with the journals of the window's other tables (ForAnotherTable).
  std::shared_ptr<Database> db_;
  std::unique_ptr<Statement> insert_block_;
  std::unique_ptr<Statement> update_block_;
  OpenBlock block_;
  std::vector<Operation> waiting_;
  std::optional<int64_t> session_;
  int64_t next_seq_ = 1;
  bool in_analysis_ = false;
  int batches_ = 0;  // batches open
  // Spins and undos committed since the last synced commit, of every table on the file.
  std::shared_ptr<int> spins_since_sync_ = std::make_shared<int>(0);
  JournalStatus status_;
};

}  // namespace vellaro::journal
