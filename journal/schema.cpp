#include "journal/schema.h"

#include <string>
#include <vector>

#include "journal/event_block.h"
#include "text/translate.h"

namespace vellaro::journal {

const char* const kSchemaVersion1 = R"sql(
CREATE TABLE sessions(
  id INTEGER PRIMARY KEY,
  started_ms INTEGER NOT NULL,
  ended_ms INTEGER);
CREATE TABLE events(
  session_id INTEGER NOT NULL REFERENCES sessions(id),
  seq INTEGER NOT NULL,
  kind INTEGER NOT NULL,
  v1 INTEGER, v2 INTEGER, v3 INTEGER, v4 INTEGER, v5 INTEGER, v6 INTEGER, v7 INTEGER,
  PRIMARY KEY(session_id, seq)) WITHOUT ROWID;
PRAGMA user_version = 1;
)sql";

// Version 1 sessions all started from the default options, which these defaults restate.
const char* const kToVersion2 = R"sql(
ALTER TABLE events ADD COLUMN at_ms INTEGER;
ALTER TABLE sessions ADD COLUMN system INTEGER NOT NULL DEFAULT 0;
ALTER TABLE sessions ADD COLUMN base INTEGER NOT NULL DEFAULT 1;
ALTER TABLE sessions ADD COLUMN on_wins INTEGER NOT NULL DEFAULT 1;
ALTER TABLE sessions ADD COLUMN add_to_bet INTEGER NOT NULL DEFAULT 1;
ALTER TABLE sessions ADD COLUMN safe_level INTEGER NOT NULL DEFAULT 0;
ALTER TABLE sessions ADD COLUMN auto_reset INTEGER NOT NULL DEFAULT 0;
ALTER TABLE sessions ADD COLUMN min_profit INTEGER NOT NULL DEFAULT 0;
ALTER TABLE sessions ADD COLUMN trends INTEGER NOT NULL DEFAULT 0;
ALTER TABLE sessions ADD COLUMN mode INTEGER NOT NULL DEFAULT 2;
ALTER TABLE sessions ADD COLUMN learn INTEGER NOT NULL DEFAULT 10;
ALTER TABLE sessions ADD COLUMN cat_rows INTEGER NOT NULL DEFAULT 0;
ALTER TABLE sessions ADD COLUMN show_bet INTEGER NOT NULL DEFAULT 1;
PRAGMA user_version = 2;
)sql";

namespace {

const char* const kBlocksTable = R"sql(
CREATE TABLE event_blocks(
  session_id INTEGER NOT NULL REFERENCES sessions(id),
  first_seq INTEGER NOT NULL,
  count INTEGER NOT NULL,
  events BLOB NOT NULL,
  PRIMARY KEY(session_id, first_seq)) WITHOUT ROWID;
)sql";

// Packs the rows of the events table, in order, into blocks of consecutive seq numbers,
// then drops the table. Each row's values go in unchecked, as they were: reading a block
// checks them, as reading the row did.
void PackEventRows(Database& db) {
  constexpr int64_t kEventsPerBlock = 64;
  db.Exec(kBlocksTable);
  Statement rows(db,
                 "SELECT session_id, seq, at_ms, kind, v1, v2, v3, v4, v5, v6, v7 FROM events "
                 "ORDER BY session_id, seq");
  Statement insert(db,
                   "INSERT INTO event_blocks(session_id, first_seq, count, events) "
                   "VALUES(?, ?, ?, ?)");
  int64_t session = 0;
  int64_t first_seq = 0;
  int64_t count = 0;
  int64_t previous_ms = 0;
  std::string block;
  auto write = [&] {
    if (count == 0) return;
    insert.Bind(1, session).Bind(2, first_seq).Bind(3, count).BindBlob(4, block);
    insert.Run();
    block.clear();
    count = 0;
    previous_ms = 0;
  };
  while (rows.Step()) {
    const int64_t row_session = rows.Int(0);
    const int64_t seq = rows.Int(1);
    if (count == kEventsPerBlock || row_session != session || seq != first_seq + count) write();
    if (count == 0) {
      session = row_session;
      first_seq = seq;
    }
    TimedRecord event;
    event.at_ms = rows.OptionalInt(2);
    event.record.kind = static_cast<EventKind>(rows.Int(3));
    for (int i = 0; i < kRecordValues; ++i) {
      event.record.values[static_cast<size_t>(i)] = rows.OptionalInt(4 + i);
    }
    PackEvent(event, previous_ms, block);
    ++count;
  }
  write();
  db.Exec("DROP TABLE events; PRAGMA user_version = 3;");
}

// Brings an empty database, or a journal at version `from`, to version `to`, without the
// mark.
void Upgrade(Database& db, int64_t from, int64_t to) {
  const auto step = [&](int64_t version) { return from < version && version <= to; };
  if (step(1)) db.Exec(kSchemaVersion1);
  if (step(2)) db.Exec(kToVersion2);
  if (step(3)) PackEventRows(db);
  if (step(4)) {
    db.Exec(
        "ALTER TABLE sessions ADD COLUMN opened INTEGER NOT NULL DEFAULT 0;"
        "UPDATE sessions SET opened = id;"
        "PRAGMA user_version = 4;");
  }
  if (step(5)) {
    db.Exec(
        "ALTER TABLE sessions ADD COLUMN custom_system TEXT;"
        "CREATE TABLE system_texts("
        "  session_id INTEGER NOT NULL REFERENCES sessions(id),"
        "  seq INTEGER NOT NULL,"
        "  text TEXT NOT NULL,"
        "  PRIMARY KEY(session_id, seq)) WITHOUT ROWID;"
        "PRAGMA user_version = 5;");
  }
  if (step(6)) {
    // The sessions of a journal from before tables were all played at the one table.
    db.Exec(
        "ALTER TABLE sessions ADD COLUMN table_name TEXT;"
        "ALTER TABLE sessions ADD COLUMN table_place INTEGER NOT NULL DEFAULT 0;"
        "PRAGMA user_version = 6;");
  }
  if (step(7)) {
    db.Exec(
        "ALTER TABLE sessions ADD COLUMN at_table INTEGER NOT NULL DEFAULT 0;"
        "UPDATE sessions SET at_table = 1 WHERE ended_ms IS NULL AND id = "
        "  (SELECT id FROM sessions ORDER BY opened DESC, id DESC LIMIT 1);"
        "PRAGMA user_version = 7;");
  }
}

// Every table, view, index and trigger of `db` (SQLite's own aside), and each table's
// columns, a line each: what tells one schema from another.
std::string SchemaOutline(Database& db) {
  std::string outline;
  std::vector<std::string> tables;
  Statement entries(db,
                    "SELECT type, name, tbl_name FROM sqlite_schema "
                    "WHERE name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY type, name");
  while (entries.Step()) {
    outline += entries.Text(0) + ' ' + entries.Text(1) + ' ' + entries.Text(2) + '\n';
    if (entries.Text(0) == "table") tables.push_back(entries.Text(1));
  }
  Statement columns(db,
                    "SELECT name, type, \"notnull\", dflt_value, pk FROM pragma_table_info(?) "
                    "ORDER BY cid");
  for (const std::string& table : tables) {
    columns.Reset();
    columns.Bind(1, std::string_view(table));
    while (columns.Step()) {
      outline += table + '.' + columns.Text(0) + ' ' + columns.Text(1) + ' ' + columns.Text(2) +
                 ' ' + (columns.IsNull(3) ? "NULL" : columns.Text(3)) + ' ' + columns.Text(4) +
                 '\n';
    }
  }
  return outline;
}

// Whether `db` has exactly the schema of a journal of `version`, as this version's own
// migrations leave one.
bool IsOlderJournal(Database& db, int64_t version) {
  if (version < 1 || version > kSchemaVersion) return false;
  Database reference(":memory:", Database::Access::kReadWriteCreate);
  Upgrade(reference, 0, version);
  return SchemaOutline(reference) == SchemaOutline(db);
}

std::string TooNewText(int64_t version) {
  return TrFormat("the journal was written by a later version of Vellaro (schema {1})",
                  {std::to_string(version)});
}

}  // namespace

void CheckIsJournal(Database& db, EmptyDatabase empty) {
  const int64_t mark = db.QueryInt("PRAGMA application_id");
  const int64_t version = db.QueryInt("PRAGMA user_version");
  const std::string refusal =
      Tr("the file is not a Vellaro journal (it holds another program's data)");
  if (mark != 0 && mark != kApplicationId) throw NotAJournal(refusal);
  if (db.QueryInt("SELECT count(*) FROM sqlite_schema") == 0 && version == 0) {
    if (empty == EmptyDatabase::kOurs) return;
    throw NotAJournal(Tr("the file is not a Vellaro journal (it is empty)"));
  }
  if (version > kSchemaVersion && mark == kApplicationId) throw SchemaTooNew(TooNewText(version));
  if (mark == kApplicationId) return;
  // Unmarked: a journal of a version that did not mark its files, to the last column.
  if (!IsOlderJournal(db, version)) throw NotAJournal(refusal);
}

void Migrate(Database& db) {
  Transaction transaction(db);
  if (db.QueryInt("PRAGMA application_id") != kApplicationId) {
    db.Exec("PRAGMA application_id = " + std::to_string(kApplicationId));
  }
  const int64_t version = db.QueryInt("PRAGMA user_version");
  if (version > kSchemaVersion) throw SchemaTooNew(TooNewText(version));
  Upgrade(db, version, kSchemaVersion);
  transaction.Commit();
}

}  // namespace vellaro::journal
