#include "journal/journal.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <string>

#include "journal/event_block.h"
#include "journal/schema.h"
#include "text/translate.h"

namespace vellaro::journal {
namespace {

bool IsCorruption(const SqliteError& error) {
  return error.primary() == SQLITE_NOTADB || error.primary() == SQLITE_CORRUPT;
}

// A file-size limit (ulimit -f) is a full disk to the player: SQLite says SQLITE_FULL for
// a write cut short, and an I/O error with EFBIG behind it for one refused whole.
bool DiskIsFull(const SqliteError& error) {
  return error.primary() == SQLITE_FULL ||
         (error.primary() == SQLITE_IOERR && error.system_error() == EFBIG);
}

std::string ReasonFor(const SqliteError& error) {
  if (DiskIsFull(error)) return Tr("the disk is full");
  switch (error.primary()) {
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
      return Tr("its folder cannot be written");
    case SQLITE_IOERR:
      return Tr("the disk reported an error");
    default:
      return error.what();
  }
}

int64_t TrendBits(const Settings& settings) {
  int64_t bits = 0;
  for (int k = 0; k < kChances; ++k) {
    if (settings.trends[static_cast<size_t>(k)]) bits |= int64_t{1} << k;
  }
  return bits;
}

// The table's name (NULL for none) and place, at `column` and the one after.
void BindTable(Statement& statement, int column, const SessionTable& table) {
  if (table.name) {
    statement.Bind(column, std::string_view(*table.name));
  } else {
    statement.Bind(column, std::optional<int64_t>{});
  }
  statement.Bind(column + 1, table.place);
}

// The row of a session started at `at_ms` with `s`, played at `table`: the next place in
// the order sessions were opened.
void InsertSession(Database& db, int64_t at_ms, const Settings& s, const SessionTable& table) {
  Statement insert(
      db,
      "INSERT INTO sessions(started_ms, system, base, on_wins, add_to_bet, "
      "safe_level, auto_reset, min_profit, trends, mode, learn, cat_rows, "
      "show_bet, custom_system, table_name, table_place, opened, at_table) VALUES(?, ?, ?, ?, "
      "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
      "(SELECT COALESCE(MAX(opened), 0) + 1 FROM sessions), 1)");
  insert.Bind(1, at_ms)
      .Bind(2, int64_t{s.system})
      .Bind(3, int64_t{s.base})
      .Bind(4, int64_t{s.on_wins})
      .Bind(5, int64_t{s.add_to_bet})
      .Bind(6, int64_t{s.safe_level})
      .Bind(7, int64_t{s.auto_reset})
      .Bind(8, int64_t{s.min_profit})
      .Bind(9, TrendBits(s))
      .Bind(10, static_cast<int64_t>(s.mode))
      .Bind(11, int64_t{s.learn})
      .Bind(12, int64_t{s.cat_rows})
      .Bind(13, int64_t{s.show_bet});
  if (s.custom_system.empty()) {
    insert.Bind(14, std::optional<int64_t>{});
  } else {
    insert.Bind(14, std::string_view(s.custom_system));
  }
  BindTable(insert, 15, table);
  insert.Run();
}

void UpdateTable(Database& db, int64_t session, const SessionTable& table) {
  Statement update(db, "UPDATE sessions SET table_name = ?, table_place = ? WHERE id = ?");
  BindTable(update, 1, table);
  update.Bind(3, session);
  update.Run();
}

}  // namespace

int64_t SystemWallClockMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

Journal::Journal(const std::string& path, WallClock now, const char* vfs) : now_(std::move(now)) {
  try {
    // Whose file it is is settled first, from the file as it stands, before the connection
    // that writes: that one would make a -shm beside another program's database, and on
    // closing fold in and delete its -wal. The first read of the file finds out whether it
    // is a database at all.
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) {
      Database look(path, Database::Access::kInspect, vfs);
      CheckIsJournal(look, EmptyDatabase::kOurs);
    }
    db_ = std::make_unique<Database>(path, Database::Access::kReadWriteCreate, vfs);
    // Again, with what the -wal of a journal left open holds.
    CheckIsJournal(*db_, EmptyDatabase::kOurs);
    const std::string mode = db_->QueryText("PRAGMA journal_mode=WAL");
    if (mode != "wal") {
      throw JournalError(JournalError::Fault::kUnavailable,
                         TrFormat("the journal cannot use write-ahead logging ({1})", {mode}));
    }
    db_->Exec("PRAGMA synchronous=NORMAL");
    const std::string check = db_->QueryText("PRAGMA quick_check");
    if (check != "ok") {
      throw JournalError(JournalError::Fault::kCorrupt,
                         TrFormat("the journal is damaged: {1}", {check}));
    }
    Migrate(*db_);
    PrepareStatements();
  } catch (const SqliteError& error) {
    throw JournalError(
        IsCorruption(error) ? JournalError::Fault::kCorrupt : JournalError::Fault::kUnavailable,
        error.what());
  } catch (const NotAJournal& error) {  // another program's, or a later Vellaro's
    throw JournalError(JournalError::Fault::kNotOurs, error.what());
  }
}

void Journal::PrepareStatements() {
  insert_block_ = std::make_unique<Statement>(
      *db_, "INSERT INTO event_blocks(session_id, first_seq, count, events) VALUES(?, ?, ?, ?)");
  update_block_ = std::make_unique<Statement>(
      *db_, "UPDATE event_blocks SET count = ?, events = ? WHERE session_id = ? AND first_seq = ?");
}

std::unique_ptr<Journal> Journal::ForAnotherTable() {
  std::unique_ptr<Journal> other(new Journal(now_));
  if (db_ == nullptr) {
    other->StillWithoutFile(status_.reason);
    return other;
  }
  other->db_ = db_;
  other->spins_since_sync_ = spins_since_sync_;
  other->PrepareStatements();
  return other;
}

std::unique_ptr<Journal> Journal::WithoutFile(std::string reason, WallClock now) {
  std::unique_ptr<Journal> journal(new Journal(std::move(now)));
  journal->StillWithoutFile(std::move(reason));
  return journal;
}

void Journal::TakeFile(Journal&& opened) {
  if (db_ != nullptr || opened.session_ || !opened.waiting_.empty()) {
    throw std::logic_error("A journal takes a file only when it has none, and a file unused");
  }
  db_ = std::move(opened.db_);
  insert_block_ = std::move(opened.insert_block_);
  update_block_ = std::move(opened.update_block_);
}

void Journal::StillWithoutFile(std::string reason) {
  status_ = {false, std::move(reason)};
}

Journal::~Journal() {
  Flush();
  insert_block_.reset();
  update_block_.reset();
}

void Journal::StartSession(const Settings& settings, const SessionTable& table) {
  if (session_) EndSession();
  Operation op{Operation::Type::kStart, now_(), settings, table, {}, {}};
  waiting_.push_back(op);
  in_analysis_ = false;
  Flush();
}

void Journal::ContinueSession(int64_t id) {
  Flush();
  session_ = id;
  block_ = OpenBlock{};
  Statement last(*db_,
                 "SELECT first_seq + count FROM event_blocks WHERE session_id = ? "
                 "ORDER BY first_seq DESC LIMIT 1");
  last.Bind(1, id);
  next_seq_ = last.Step() ? last.Int(0) : 1;
}

bool Journal::LeaveTable(int64_t id) {
  try {
    Statement leave(*db_, "UPDATE sessions SET at_table = 0 WHERE id = ?");
    leave.Bind(1, id);
    leave.Run();
  } catch (const SqliteError&) {
    return false;
  }
  return true;
}

bool Journal::ReopenSession(int64_t id) {
  if (!Flush()) return false;
  Statement known(*db_, "SELECT 1 FROM sessions WHERE id = ?");
  known.Bind(1, id);
  if (!known.Step()) {
    throw std::out_of_range(TrFormat("no session {1} in the journal", {std::to_string(id)}));
  }
  known.Reset();
  const int64_t now = now_();
  try {
    Transaction transaction(*db_);
    if (session_ && *session_ != id) {
      Statement end(*db_, "UPDATE sessions SET ended_ms = ?, at_table = 0 WHERE id = ?");
      end.Bind(1, now).Bind(2, *session_);
      end.Run();
    }
    Statement reopen(*db_,
                     "UPDATE sessions SET ended_ms = NULL, at_table = 1, "
                     "opened = (SELECT MAX(opened) FROM sessions) + 1 WHERE id = ?");
    reopen.Bind(1, id);
    reopen.Run();
    transaction.Commit();
  } catch (const SqliteError& error) {
    status_ = {false, ReasonFor(error)};
    return false;
  }
  status_ = {};
  ContinueSession(id);
  return true;
}

void Journal::SetTable(const SessionTable& table) {
  for (Operation& op : waiting_) {
    if (op.type == Operation::Type::kStart) op.table = table;
  }
  Operation& op = waiting_.emplace_back();
  op.type = Operation::Type::kTable;
  op.at_ms = now_();
  op.table = table;
  if (!in_analysis_ && batches_ == 0) Flush();
}

void Journal::EndSession() {
  waiting_.push_back(Operation{Operation::Type::kEnd, now_(), {}, {}, {}, {}});
  Flush();
}

void Journal::Record(const GameEvent& event) {
  EventRecord record = Encode(event);
  // Built in place: GCC 12 at -O3 takes a braced Operation's Settings for uninitialised.
  Operation& op = waiting_.emplace_back();
  op.at_ms = now_();
  op.record = record;
  if (const auto* system = std::get_if<SystemChanged>(&event)) op.text = system->custom;
  if (std::holds_alternative<AnalysisStarted>(event)) in_analysis_ = true;
  if (std::holds_alternative<AnalysisEnded>(event)) in_analysis_ = false;
  if (!in_analysis_ && batches_ == 0) Flush();
}

bool Journal::Flush() {
  if (waiting_.empty()) return status_.on;
  if (db_ == nullptr) return false;  // kept until a file is taken
  const auto session_before = session_;
  const int64_t seq_before = next_seq_;
  const OpenBlock block_before = block_;
  int spins = 0;
  for (const Operation& op : waiting_) {
    if (op.type == Operation::Type::kEvent &&
        (op.record.kind == EventKind::kSpinAccepted || op.record.kind == EventKind::kSpinUndone ||
         op.record.kind == EventKind::kSpinRedone)) {
      ++spins;
    }
  }
  const bool sync = *spins_since_sync_ + spins >= kSpinsPerDurableCommit;
  try {
    if (sync) db_->Exec("PRAGMA synchronous=FULL");
    Transaction transaction(*db_);
    for (const Operation& op : waiting_) Write(op);
    WriteBlock();
    transaction.Commit();
    if (sync) db_->Exec("PRAGMA synchronous=NORMAL");
  } catch (const SqliteError& error) {
    // As before the commit: what waits is packed again at the next one.
    session_ = session_before;
    next_seq_ = seq_before;
    block_ = block_before;
    status_ = {false, ReasonFor(error)};
    try {
      db_->Exec("PRAGMA synchronous=NORMAL");
    } catch (const SqliteError&) {
    }
    return false;
  }
  *spins_since_sync_ = sync ? 0 : *spins_since_sync_ + spins;
  waiting_.clear();
  status_ = {};
  return true;
}

void Journal::Write(const Operation& op) {
  switch (op.type) {
    case Operation::Type::kStart: {
      CloseBlock();
      InsertSession(*db_, op.at_ms, op.settings, op.table);
      session_ = db_->LastInsertRowId();
      next_seq_ = 1;
      return;
    }
    case Operation::Type::kEnd: {
      CloseBlock();
      if (!session_) return;
      Statement update(*db_, "UPDATE sessions SET ended_ms = ?, at_table = 0 WHERE id = ?");
      update.Bind(1, op.at_ms).Bind(2, *session_);
      update.Run();
      session_.reset();
      return;
    }
    case Operation::Type::kTable: {
      if (session_) UpdateTable(*db_, *session_, op.table);
      return;
    }
    case Operation::Type::kEvent: {
      // Events outside a session (after EndSession) are the game's, not a session's.
      if (!session_) return;
      if (block_.events.size() >= kBlockBytes) CloseBlock();
      if (block_.count == 0) block_.first_seq = next_seq_;
      PackEvent(TimedRecord{op.record, op.at_ms}, block_.previous_ms, block_.events);
      if (op.record.kind == EventKind::kCustomSystemChanged) {
        Statement text(
            *db_, "INSERT OR REPLACE INTO system_texts(session_id, seq, text) VALUES(?, ?, ?)");
        text.Bind(1, *session_).Bind(2, next_seq_).Bind(3, std::string_view(op.text));
        text.Run();
      }
      ++block_.count;
      ++next_seq_;
      return;
    }
  }
}

void Journal::WriteBlock() {
  if (block_.count == block_.stored) return;
  Statement& write = block_.stored == 0 ? *insert_block_ : *update_block_;
  if (block_.stored == 0) {
    write.Bind(1, *session_)
        .Bind(2, block_.first_seq)
        .Bind(3, block_.count)
        .BindBlob(4, block_.events);
  } else {
    write.Bind(1, block_.count)
        .BindBlob(2, block_.events)
        .Bind(3, *session_)
        .Bind(4, block_.first_seq);
  }
  try {
    write.Run();
  } catch (...) {
    write.Reset();
    throw;
  }
  block_.stored = block_.count;
}

void Journal::CloseBlock() {
  WriteBlock();
  block_ = OpenBlock{};
}

}  // namespace vellaro::journal
