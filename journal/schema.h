#pragma once

// The journal's tables and their versions. PRAGMA user_version holds the version a file is
// at; Migrate brings any older file, or an empty one, up to kSchemaVersion step by step.
//
// Version 1: sessions (id, started_ms, ended_ms) and their events (session_id, seq, kind,
//            v1..v7), one row per GameEvent in the order the game sent them.
// Version 2: each event's wall-clock time (at_ms), and each session's options at its start,
//            so that a session that did not start from the defaults replays exactly.
// Version 3: the events packed into rows of event_blocks (session_id, first_seq, count,
//            events), each a run of consecutive events, as event_block.h describes; the
//            table of one row per event is gone, its rows packed in order with their seq
//            numbers kept. (Files written before blocks grew across commits hold one block
//            per commit: the same format, in more rows.)
// Version 4: each session's place in the order sessions were opened (opened): a session
//            started gets the next place, and so does a stored session the player goes on
//            with (Journal::ReopenSession); the session opened last is the one the window
//            writes to, and resumes at its start if it is not ended. Older sessions take
//            their id as their place, which is the order they were started in.
// Version 5: the full text of a system the player wrote, for a session that started with
//            one (sessions.custom_system, NULL otherwise) and for each change to one (a
//            row of system_texts (session_id, seq, text) beside the event of kind
//            kCustomSystemChanged with that seq), so that the session replays whatever
//            becomes of the file. Older files have neither and need neither.
// Version 6: the table each session is played at: the name the player gave it
//            (table_name; NULL for a table the player did not name, which is shown as
//            "Table N" in the player's language, N its place counted from 1) and its place
//            in the window's order of tables (table_place, from 0). Older files were played
//            at one table: their sessions take NULL and place 0, shown as "Table 1". Which
//            evening was continued last is the session's place in the order sessions were
//            opened (version 4): a table's evening started or continued takes the next.
// Version 7: whether a session is open at a table of the window (at_table, 1 or 0): the
//            window brings every such session back at its start, each at its table. A
//            session started or reopened is; one ended, or one that could not be read back
//            at a start, is not. An older file was followed at one table: only the session
//            opened last is open at it, if it was not ended (what the window resumed).

#include <cstdint>
#include <stdexcept>

#include "journal/sqlite.h"

namespace vellaro::journal {

inline constexpr int kSchemaVersion = 7;

// PRAGMA application_id of every journal ("Vell"): a database without it is another
// program's, unless it is empty or holds exactly the tables and columns of a journal written
// before the mark was set.
inline constexpr int32_t kApplicationId = 0x56656C6C;

// A database that is not a Vellaro journal: it is left as it is, unread and unwritten.
class NotAJournal : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A journal written by a later Vellaro, whose schema this one does not know: to this one,
// as much a file it must leave alone as another program's.
class SchemaTooNew : public NotAJournal {
 public:
  using NotAJournal::NotAJournal;
};

// What a database with no schema at all is (a file of 0 bytes, say). The writer makes its
// journal in it: a database without a table, a view or a version number holds no one's data,
// whoever left it, and the writer's own new file looks the same until its first commit. To
// a reader it is no journal.
enum class EmptyDatabase { kOurs, kNotAJournal };

// Throws NotAJournal unless `db` is a journal this version can read: marked with
// kApplicationId, or unmarked with exactly the tables and columns (names, types, defaults,
// keys) that a journal of its user_version had, or empty (as `empty` says). Throws
// SchemaTooNew for a journal of a later version. Reads only, so that another program's file
// is never changed; the first read of a file that is no database at all throws SqliteError
// (SQLITE_NOTADB). The reasons are for the player.
void CheckIsJournal(Database& db, EmptyDatabase empty);

// Brings `db` to kSchemaVersion in one transaction, and marks it with kApplicationId.
// REQUIRES: CheckIsJournal passed. Throws SchemaTooNew or SqliteError.
void Migrate(Database& db);

// The statements that made a version-1 file, and that brought one to version 2, kept so
// that the migrations from them are tested.
extern const char* const kSchemaVersion1;
extern const char* const kToVersion2;

}  // namespace vellaro::journal
