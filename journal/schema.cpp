#include "journal/schema.h"

#include <string>

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

namespace {

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

}  // namespace

void Migrate(Database& db) {
  Transaction transaction(db);
  const int64_t version = db.QueryInt("PRAGMA user_version");
  if (version > kSchemaVersion) {
    throw SchemaTooNew("the journal was written by a later version of Vellaro (schema " +
                       std::to_string(version) + ")");
  }
  if (version == kSchemaVersion) return;
  if (version < 1) db.Exec(kSchemaVersion1);
  if (version < 2) db.Exec(kToVersion2);
  transaction.Commit();
}

}  // namespace vellaro::journal
