#include "journal/sqlite.h"

#include <sqlite3.h>

#include <cerrno>

#include "text/translate.h"

namespace vellaro::journal {
namespace {

// The errno value behind a failed write, which SQLite's own record (sqlite3_system_errno)
// loses on the way out of a statement: taken right after the call, which starts from none.
int SystemErrorOf(sqlite3* db, int error_number) {
  const int kept = db != nullptr ? sqlite3_system_errno(db) : 0;
  return kept != 0 ? kept : error_number;
}

[[noreturn]] void Fail(sqlite3* db, int code, std::string_view doing, int error_number = 0) {
  std::string reason = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(code);
  std::string message(doing);
  message += ": ";
  message += reason;
  throw SqliteError(db != nullptr ? sqlite3_extended_errcode(db) : code, message, std::move(reason),
                    SystemErrorOf(db, error_number));
}

// `path` as an SQLite URI of a file opened with immutable=1 (sqlite.org/uri.html): the
// characters a URI gives a meaning to are escaped; an absolute path goes after an empty
// authority, so that one starting with "//" is not read as a host.
std::string ImmutableUri(const std::string& path) {
  std::string uri = path.starts_with('/') ? "file://" : "file:";
  for (const char c : path) {
    if (c == '%' || c == '?' || c == '#') {
      constexpr char kHex[] = "0123456789ABCDEF";
      uri += '%';
      uri += kHex[static_cast<unsigned char>(c) >> 4];
      uri += kHex[static_cast<unsigned char>(c) & 0xf];
    } else {
      uri += c;
    }
  }
  return uri + "?immutable=1";
}

}  // namespace

Database::Database(const std::string& path, Access access, const char* vfs) {
  int flags = SQLITE_OPEN_NOMUTEX;
  switch (access) {
    case Access::kReadOnly:
      flags |= SQLITE_OPEN_READONLY;
      break;
    case Access::kReadWrite:
      flags |= SQLITE_OPEN_READWRITE;
      break;
    case Access::kReadWriteCreate:
      flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
      break;
    case Access::kInspect:
      flags |= SQLITE_OPEN_READONLY | SQLITE_OPEN_URI;
      break;
  }
  const std::string name = access == Access::kInspect ? ImmutableUri(path) : path;
  const int rc = sqlite3_open_v2(name.c_str(), &db_, flags, vfs);
  if (rc != SQLITE_OK) {
    // sqlite3_open_v2 hands back a connection even on failure, to carry the message.
    std::string reason = db_ != nullptr ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
    std::string message = TrFormat("cannot open {1}: {2}", {path, reason});
    const int code = db_ != nullptr ? sqlite3_extended_errcode(db_) : rc;
    sqlite3_close(db_);
    db_ = nullptr;
    throw SqliteError(code, message, std::move(reason));
  }
  sqlite3_extended_result_codes(db_, 1);
  // Another connection (a reader such as vellaro-sim) may hold a lock for a moment.
  sqlite3_busy_timeout(db_, 2000);
}

Database::~Database() {
  sqlite3_close_v2(db_);
}

void Database::Exec(std::string_view sql) {
  const std::string text(sql);
  char* error = nullptr;
  errno = 0;
  const int rc = sqlite3_exec(db_, text.c_str(), nullptr, nullptr, &error);
  const int error_number = errno;
  if (rc != SQLITE_OK) {
    std::string message = error != nullptr ? error : sqlite3_errstr(rc);
    sqlite3_free(error);
    throw SqliteError(sqlite3_extended_errcode(db_), text + ": " + message, message,
                      SystemErrorOf(db_, error_number));
  }
}

std::string Database::QueryText(std::string_view sql) {
  Statement statement(*this, sql);
  return statement.Step() ? statement.Text(0) : std::string();
}

int64_t Database::QueryInt(std::string_view sql) {
  Statement statement(*this, sql);
  return statement.Step() ? statement.Int(0) : 0;
}

int64_t Database::LastInsertRowId() const {
  return sqlite3_last_insert_rowid(db_);
}

Statement::Statement(Database& db, std::string_view sql) : db_(db.handle()) {
  const int rc = sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr);
  if (rc != SQLITE_OK) Fail(db_, rc, sql);
}

Statement::~Statement() {
  sqlite3_finalize(stmt_);
}

Statement& Statement::Bind(int index, int64_t value) {
  const int rc = sqlite3_bind_int64(stmt_, index, value);
  if (rc != SQLITE_OK) Fail(db_, rc, "bind");
  return *this;
}

Statement& Statement::Bind(int index, std::optional<int64_t> value) {
  if (value) return Bind(index, *value);
  const int rc = sqlite3_bind_null(stmt_, index);
  if (rc != SQLITE_OK) Fail(db_, rc, "bind");
  return *this;
}

Statement& Statement::Bind(int index, std::string_view value) {
  const int rc = sqlite3_bind_text(stmt_, index, value.data(), static_cast<int>(value.size()),
                                   SQLITE_TRANSIENT);
  if (rc != SQLITE_OK) Fail(db_, rc, "bind");
  return *this;
}

Statement& Statement::BindBlob(int index, std::string_view bytes) {
  const int rc = sqlite3_bind_blob(stmt_, index, bytes.data(), static_cast<int>(bytes.size()),
                                   SQLITE_TRANSIENT);
  if (rc != SQLITE_OK) Fail(db_, rc, "bind");
  return *this;
}

bool Statement::Step() {
  errno = 0;
  const int rc = sqlite3_step(stmt_);
  const int error_number = errno;
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  sqlite3_reset(stmt_);
  Fail(db_, rc, sqlite3_sql(stmt_), error_number);
}

void Statement::Run() {
  while (Step()) {
  }
  Reset();
}

void Statement::Reset() {
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

bool Statement::IsNull(int column) const {
  return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

bool Statement::IsInteger(int column) const {
  return sqlite3_column_type(stmt_, column) == SQLITE_INTEGER;
}

int64_t Statement::Int(int column) const {
  return sqlite3_column_int64(stmt_, column);
}

std::optional<int64_t> Statement::OptionalInt(int column) const {
  if (IsNull(column)) return std::nullopt;
  return Int(column);
}

std::string Statement::Text(int column) const {
  const unsigned char* text = sqlite3_column_text(stmt_, column);
  return text != nullptr ? std::string(reinterpret_cast<const char*>(text)) : std::string();
}

std::string_view Statement::Blob(int column) const {
  // Asked for first, the bytes; then their count, which the asking may have changed.
  const void* bytes = sqlite3_column_blob(stmt_, column);
  const int size = sqlite3_column_bytes(stmt_, column);
  if (bytes == nullptr || size <= 0) return {};
  return {static_cast<const char*>(bytes), static_cast<size_t>(size)};
}

Transaction::Transaction(Database& db) : db_(db) {
  db_.Exec("BEGIN IMMEDIATE");
}

Transaction::~Transaction() {
  if (!open_) return;
  try {
    db_.Exec("ROLLBACK");
  } catch (const SqliteError&) {
    // SQLite may already have rolled back on its own (after SQLITE_FULL, for example).
  }
}

void Transaction::Commit() {
  db_.Exec("COMMIT");
  open_ = false;
}

}  // namespace vellaro::journal
