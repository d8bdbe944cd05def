#pragma once

// Reading the journal back: the stored sessions, their summaries and their events.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/events.h"
#include "game/settings.h"
#include "journal/session_table.h"
#include "journal/sqlite.h"

namespace vellaro::journal {

struct StoredEvent {
  int64_t seq = 0;
  std::optional<int64_t> at_ms;  // none for events journaled before times were kept
  GameEvent event;
};

struct StoredSession {
  int64_t id = 0;
  int64_t started_ms = 0;
  std::optional<int64_t> ended_ms;
  Settings settings;  // the options the session's game started with
  SessionTable table;
  std::vector<StoredEvent> events;
};

// One line of the session list: the player's real result (shown bets only, from zero).
struct SessionSummary {
  int64_t id = 0;
  int64_t started_ms = 0;
  std::optional<int64_t> ended_ms;
  int64_t spins = 0;  // in the history at the end
  int64_t bets_shown = 0;
  int64_t net_units = 0;
  SessionTable table;
};

// Opens a journal for reading only. Another program's database, an empty one and a later
// Vellaro's journal are refused (NotAJournal, SchemaTooNew) without anything made or changed
// beside them. Throws SqliteError for a file that cannot be read.
Database OpenForReading(const std::string& path);

// The sessions in the table of sessions: the ones the window may resume and add to.
std::vector<int64_t> SessionIds(Database& db);
std::optional<int64_t> LastSessionId(Database& db);
// The session opened last, started or reopened (Journal::ReopenSession): the one a window
// writes to, if it is not ended. In a file from before sessions were reopened, the last.
std::optional<int64_t> LastOpenedSessionId(Database& db);
// The sessions open at the window's tables (schema version 7), in the order of the tables;
// of an older file, the session opened last if it was not ended.
std::vector<int64_t> SessionsAtTables(Database& db);
// For readers: the sessions in the table of sessions and those with events stored, which
// differ only in a damaged file (LoadSession then throws BadRecord for the difference).
std::vector<int64_t> KnownSessionIds(Database& db);
std::optional<int64_t> LastKnownSessionId(Database& db);
// Throws std::out_of_range if there is no such session, BadRecord for a damaged event or a
// session that has events but no row in the table of sessions.
StoredSession LoadSession(Database& db, int64_t id);
SessionSummary Summarize(const StoredSession& session);
// Every stored session's summary (KnownSessionIds), oldest first: the list a player picks
// a session from. Loads each session in full (the summary is counted from its events). Throws as
// LoadSession does, except that a session it names and cannot find is BadRecord (damage).
std::vector<SessionSummary> ListSessions(Database& db);

// "2026-12-08T11:31:24Z" (milliseconds dropped).
std::string IsoUtc(int64_t ms_since_epoch);

}  // namespace vellaro::journal
