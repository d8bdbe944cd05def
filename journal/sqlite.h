#pragma once

// A small RAII wrapper over SQLite's C API: a connection and its prepared statements. Every
// failure throws SqliteError with SQLite's (extended) result code and message.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

struct sqlite3;
struct sqlite3_stmt;

namespace vellaro::journal {

class SqliteError : public std::runtime_error {
 public:
  // `what` names the statement or the file; `reason` is SQLite's message alone.
  // `system_error` is the errno value behind an I/O error, where SQLite kept one.
  SqliteError(int code, const std::string& what, std::string reason = {}, int system_error = 0)
      : std::runtime_error(what),
        code_(code),
        reason_(std::move(reason)),
        system_error_(system_error) {}
  // The extended result code; code() & 0xff is the primary one (SQLITE_FULL, ...).
  int code() const { return code_; }
  int primary() const { return code_ & 0xff; }
  // SQLite's words without the statement ("database disk image is malformed"), for a
  // message to a player; what() when there are none.
  std::string reason() const { return reason_.empty() ? what() : reason_; }
  // The errno value behind it (EFBIG for a file-size limit), or 0.
  int system_error() const { return system_error_; }

 private:
  int code_;
  std::string reason_;
  int system_error_;
};

class Database {
 public:
  // kInspect reads the file as it stands, without its -wal and without locks (SQLite's
  // immutable=1): it creates, changes and removes nothing beside it, -shm and -wal included,
  // so that another program's database can be looked at before anything else opens it.
  enum class Access { kReadOnly, kReadWrite, kReadWriteCreate, kInspect };
  // `vfs` names the SQLite VFS that opens the file; none is the system's default (tests give
  // one that injects faults).
  Database(const std::string& path, Access access, const char* vfs = nullptr);
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;
  // For a function that checks a connection before handing it back.
  Database(Database&& other) noexcept : db_(std::exchange(other.db_, nullptr)) {}

  // Runs one or more statements that return no rows of interest.
  void Exec(std::string_view sql);
  // The first column of the first row of `sql`, as text (empty if there is no row).
  std::string QueryText(std::string_view sql);
  int64_t QueryInt(std::string_view sql);
  int64_t LastInsertRowId() const;
  sqlite3* handle() const { return db_; }

 private:
  sqlite3* db_ = nullptr;
};

class Statement {
 public:
  Statement(Database& db, std::string_view sql);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  // Parameters count from 1, as in SQLite.
  Statement& Bind(int index, int64_t value);
  Statement& Bind(int index, std::optional<int64_t> value);
  Statement& Bind(int index, std::string_view value);
  Statement& BindBlob(int index, std::string_view bytes);
  // Returns true while a row is available, false when done.
  bool Step();
  // Steps a statement that returns no rows, then makes it ready to run again.
  void Run();
  // Makes the statement ready to run again with new parameters.
  void Reset();

  // Columns count from 0.
  bool IsNull(int column) const;
  // Whether the value is stored as an integer (a damaged row may hold text where one was).
  bool IsInteger(int column) const;
  int64_t Int(int column) const;
  std::optional<int64_t> OptionalInt(int column) const;
  std::string Text(int column) const;
  // The bytes of a BLOB column, valid until the next Step() or Reset().
  std::string_view Blob(int column) const;

 private:
  sqlite3* db_;
  sqlite3_stmt* stmt_ = nullptr;
};

// Runs a block as one transaction: BEGIN IMMEDIATE now, ROLLBACK unless Commit() was called.
class Transaction {
 public:
  explicit Transaction(Database& db);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  void Commit();

 private:
  Database& db_;
  bool open_ = true;
};

}  // namespace vellaro::journal
