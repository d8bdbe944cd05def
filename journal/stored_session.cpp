#include "journal/stored_session.h"

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <stdexcept>

#include "env/fault_in.h"
#include "game/real_result.h"
#include "journal/event_block.h"
#include "journal/event_record.h"
#include "journal/schema.h"
#include "text/translate.h"

namespace vellaro::journal {

namespace {

// Where the events of a file are: one row each before version 3, packed in blocks since.
bool KeepsEventRows(Database& db) {
  return db.QueryInt("PRAGMA user_version") < 3;
}

// Whether the file keeps the texts of the systems players wrote (version 5 on).
bool KeepsSystemTexts(Database& db) {
  return db.QueryInt("PRAGMA user_version") >= 5;
}

// Puts the stored text of each system the player wrote back into its event. A text whose
// event is no such change, or such a change without its text, is damage.
void ReadSystemTexts(Database& db, int64_t id, std::vector<StoredEvent>& events) {
  const auto damaged = [id](int64_t seq) {
    return BadRecord(TrFormat("session {1} has a damaged system text at {2}",
                              {std::to_string(id), std::to_string(seq)}));
  };
  if (KeepsSystemTexts(db)) {
    Statement texts(db, "SELECT seq, text FROM system_texts WHERE session_id = ? ORDER BY seq");
    texts.Bind(1, id);
    while (texts.Step()) {
      const int64_t seq = texts.Int(0);
      const auto at = std::lower_bound(events.begin(), events.end(), seq,
                                       [](const StoredEvent& e, int64_t s) { return e.seq < s; });
      auto* change =
          at != events.end() && at->seq == seq ? std::get_if<SystemChanged>(&at->event) : nullptr;
      if (change == nullptr || change->custom != kCustomTextNotRead) throw damaged(seq);
      change->custom = texts.Text(1);
    }
  }
  for (const StoredEvent& stored : events) {
    const auto* change = std::get_if<SystemChanged>(&stored.event);
    if (change != nullptr && change->custom == kCustomTextNotRead) throw damaged(stored.seq);
  }
}

void ReadEventRows(Database& db, int64_t id, std::vector<StoredEvent>& out) {
  Statement events(db,
                   "SELECT seq, at_ms, kind, v1, v2, v3, v4, v5, v6, v7 FROM events "
                   "WHERE session_id = ? ORDER BY seq");
  events.Bind(1, id);
  while (events.Step()) {
    EventRecord record;
    record.kind = static_cast<EventKind>(events.Int(2));
    for (int i = 0; i < kRecordValues; ++i) {
      record.values[static_cast<size_t>(i)] = events.OptionalInt(3 + i);
    }
    out.push_back(StoredEvent{events.Int(0), events.OptionalInt(1), Decode(record)});
  }
  ReadSystemTexts(db, id, out);
}

// The text of the system of the player's that the session started with, "" for none.
std::string StartingSystemText(Database& db, int64_t id) {
  if (!KeepsSystemTexts(db)) return {};
  Statement custom(db, "SELECT custom_system FROM sessions WHERE id = ?");
  custom.Bind(1, id);
  return custom.Step() && !custom.IsNull(0) ? custom.Text(0) : std::string();
}

// The table the session was played at; a file from before tables had one (version 6 on).
SessionTable TableOf(Database& db, int64_t id) {
  if (db.QueryInt("PRAGMA user_version") < 6) return {};
  Statement table(db, "SELECT table_name, table_place FROM sessions WHERE id = ?");
  table.Bind(1, id);
  SessionTable seat;
  if (!table.Step()) return seat;
  if (!table.IsNull(0)) seat.name = table.Text(0);
  seat.place = table.Int(1);
  // No window holds anywhere near this many tables; a larger place is damage.
  constexpr int64_t kMostPlaces = 1'000'000;
  if (seat.place < 0 || seat.place >= kMostPlaces) {
    throw BadRecord(TrFormat("session {1} has a damaged option ({2} {3})",
                             {std::to_string(id), "table_place", std::to_string(seat.place)}));
  }
  return seat;
}

bool HasEvents(Database& db, int64_t id) {
  Statement any(db, KeepsEventRows(db) ? "SELECT 1 FROM events WHERE session_id = ? LIMIT 1"
                                       : "SELECT 1 FROM event_blocks WHERE session_id = ? LIMIT 1");
  any.Bind(1, id);
  return any.Step();
}

// The options of a session's row, each checked against the range the window allows: a
// value out of range was never written by this program, so the row is damaged, and a game
// configured with it would replay something no window ever played.
Settings StoredSettings(Statement& head, int64_t id) {
  const auto damaged = [id](const char* what, int64_t value) {
    return BadRecord(TrFormat("session {1} has a damaged option ({2} {3})",
                              {std::to_string(id), what, std::to_string(value)}));
  };
  const auto in = [&](int column, const char* what, int64_t low, int64_t high) {
    const int64_t value = head.Int(column);
    if (value < low || value > high) throw damaged(what, value);
    return value;
  };
  const auto flag = [&](int column, const char* what) { return in(column, what, 0, 1) != 0; };
  Settings s;
  s.system = static_cast<BettingSystem>(in(3, "system", 0, kBettingSystems - 1));
  s.base = static_cast<int32_t>(in(4, "base", kMinBase, kMaxBase));
  s.on_wins = static_cast<int32_t>(in(5, "on_wins", kMinUpTrenderStep, kMaxUpTrenderStep));
  s.add_to_bet = static_cast<int32_t>(in(6, "add_to_bet", kMinUpTrenderStep, kMaxUpTrenderStep));
  s.safe_level = static_cast<int32_t>(in(7, "safe_level", kMinSafeLevel, kMaxSafeLevel));
  s.auto_reset = flag(8, "auto_reset");
  s.min_profit = flag(9, "min_profit");
  // The minimal profit works only with the automatic reset.
  if (s.min_profit && !s.auto_reset) {
    throw BadRecord(TrFormat("session {1} has a damaged option (min_profit 1 without auto_reset)",
                             {std::to_string(id)}));
  }
  const int64_t trends = in(10, "trends", 0, (int64_t{1} << kChances) - 1);
  for (int k = 0; k < kChances; ++k) {
    s.trends[static_cast<size_t>(k)] = ((trends >> k) & 1) != 0;
  }
  // One trend per pair (Less/More, Even/Odd, Red/Black): switching one on switches the other
  // off.
  for (int k = 0; k < kChances / 2; ++k) {
    if (s.trends[static_cast<size_t>(k)] && s.trends[static_cast<size_t>(kChances - 1 - k)]) {
      throw damaged("trends", trends);
    }
  }
  s.mode = static_cast<Mode>(in(11, "mode", kFirstMode, kLastMode));
  s.learn = static_cast<int32_t>(in(12, "learn", kMinLearn, kMaxLearn));
  s.cat_rows = flag(13, "cat_rows");
  s.show_bet = flag(14, "show_bet");
  return s;
}

}  // namespace

Database OpenForReading(const std::string& path) {
  // Another program's database is refused from the file as it stands: opened for reading
  // as usual, it would get a -shm beside it.
  {
    Database look(path, Database::Access::kInspect);
    // Empty as the file stands is the window's new journal only while a -wal beside it may
    // hold its first writes; without one it is empty for good, and refused here: read as a
    // journal, a file in WAL mode would get a -wal and a -shm beside it.
    std::error_code unknown;  // what cannot be looked at is taken to be there
    const bool wal = std::filesystem::symlink_status(path + "-wal", unknown).type() !=
                     std::filesystem::file_type::not_found;
    CheckIsJournal(look, wal ? EmptyDatabase::kOurs : EmptyDatabase::kNotAJournal);
  }
  Database db(path, Database::Access::kReadOnly);
  CheckIsJournal(db, EmptyDatabase::kNotAJournal);
  return db;
}

std::vector<int64_t> SessionIds(Database& db) {
  std::vector<int64_t> ids;
  Statement select(db, "SELECT id FROM sessions ORDER BY id");
  while (select.Step()) ids.push_back(select.Int(0));
  return ids;
}

namespace {

// The id of the session a row of events names. The column is an integer that is never NULL:
// any other value (a damaged row) names no session, and read as a number it would name one
// that does not exist (0 for NULL).
int64_t NamedSessionId(const Statement& select, int column) {
  if (!select.IsInteger(column)) throw BadRecord(Tr("the journal holds events of no session"));
  return select.Int(column);
}

}  // namespace

std::vector<int64_t> KnownSessionIds(Database& db) {
  std::vector<int64_t> ids;
  Statement select(db, KeepsEventRows(db)
                           ? "SELECT id FROM sessions UNION SELECT session_id FROM events "
                             "ORDER BY 1"
                           : "SELECT id FROM sessions UNION SELECT session_id FROM event_blocks "
                             "ORDER BY 1");
  while (select.Step()) ids.push_back(NamedSessionId(select, 0));
  return ids;
}

std::optional<int64_t> LastKnownSessionId(Database& db) {
  // Each inner MAX is a step down its table's key.
  Statement select(db, KeepsEventRows(db)
                           ? "SELECT MAX(id) FROM (SELECT MAX(id) AS id FROM sessions "
                             "UNION ALL SELECT MAX(session_id) FROM events)"
                           : "SELECT MAX(id) FROM (SELECT MAX(id) AS id FROM sessions "
                             "UNION ALL SELECT MAX(session_id) FROM event_blocks)");
  if (!select.Step() || select.IsNull(0)) return std::nullopt;
  return NamedSessionId(select, 0);
}

std::optional<int64_t> LastSessionId(Database& db) {
  Statement select(db, "SELECT MAX(id) FROM sessions");
  if (!select.Step() || select.IsNull(0)) return std::nullopt;
  return select.Int(0);
}

std::vector<int64_t> SessionsAtTables(Database& db) {
  std::vector<int64_t> ids;
  if (db.QueryInt("PRAGMA user_version") < 7) {
    const std::optional<int64_t> last = LastOpenedSessionId(db);
    if (!last) return ids;
    Statement ended(db, "SELECT ended_ms IS NULL FROM sessions WHERE id = ?");
    ended.Bind(1, *last);
    if (ended.Step() && ended.Int(0) == 1) ids.push_back(*last);
    return ids;
  }
  Statement select(db,
                   "SELECT id FROM sessions WHERE at_table = 1 "
                   "ORDER BY table_place, opened DESC, id DESC");
  while (select.Step()) ids.push_back(select.Int(0));
  return ids;
}

std::optional<int64_t> LastOpenedSessionId(Database& db) {
  if (db.QueryInt("PRAGMA user_version") < 4) return LastSessionId(db);
  Statement select(db, "SELECT id FROM sessions ORDER BY opened DESC, id DESC LIMIT 1");
  if (!select.Step()) return std::nullopt;
  return select.Int(0);
}

StoredSession LoadSession(Database& db, int64_t id) {
  StoredSession session;
  Statement head(db,
                 "SELECT id, started_ms, ended_ms, system, base, on_wins, add_to_bet, safe_level, "
                 "auto_reset, min_profit, trends, mode, learn, cat_rows, show_bet "
                 "FROM sessions WHERE id = ?");
  head.Bind(1, id);
  if (!head.Step()) {
    // The writer adds a session's row before its first event and never removes it: events
    // without their session are what is left of a damaged table of sessions.
    if (HasEvents(db, id)) {
      throw BadRecord(TrFormat("session {1} has events but is missing from the table of sessions",
                               {std::to_string(id)}));
    }
    throw std::out_of_range(TrFormat("no session {1} in the journal", {std::to_string(id)}));
  }
  session.id = head.Int(0);
  session.started_ms = head.Int(1);
  session.ended_ms = head.OptionalInt(2);
  session.settings = StoredSettings(head, id);
  session.settings.custom_system = StartingSystemText(db, id);
  session.table = TableOf(db, id);

  // A long session has tens of thousands of events: growing the vector as they come moved
  // them about more than reading them took.
  // A file of version 2, which a reader does not bring up to date (it may not write), keeps
  // one row per event.
  if (KeepsEventRows(db)) {
    ReadEventRows(db, id, session.events);  // and the texts of the player's systems
    return session;
  }
  // Every event takes two bytes at least: a damaged count cannot ask for more room than
  // the blocks could fill.
  Statement count(db,
                  "SELECT MIN(SUM(count), SUM(length(events)) / 2) FROM event_blocks "
                  "WHERE session_id = ?");
  count.Bind(1, id);
  if (count.Step() && count.Int(0) > 0) {
    session.events.reserve(static_cast<size_t>(count.Int(0)));
    FaultInAtOnce(session.events.data(), session.events.capacity() * sizeof(StoredEvent));
  }
  Statement blocks(db,
                   "SELECT first_seq, count, events FROM event_blocks WHERE session_id = ? "
                   "ORDER BY first_seq");
  blocks.Bind(1, id);
  while (blocks.Step()) {
    const int64_t first_seq = blocks.Int(0);
    const std::string damaged = TrFormat("session {1} has a damaged block of events at {2}",
                                         {std::to_string(id), std::to_string(first_seq)});
    uint64_t unpacked = 0;
    try {
      unpacked = UnpackEvents(blocks.Blob(2), first_seq, session.events);
    } catch (const BadRecord& e) {
      throw BadRecord(damaged + ": " + e.what());
    }
    if (unpacked != static_cast<uint64_t>(blocks.Int(1))) throw BadRecord(damaged);
  }
  ReadSystemTexts(db, id, session.events);
  return session;
}

SessionSummary Summarize(const StoredSession& session) {
  RealResult result;
  for (const StoredEvent& stored : session.events) result.On(stored.event);
  SessionSummary summary;
  summary.id = session.id;
  summary.started_ms = session.started_ms;
  summary.ended_ms = session.ended_ms;
  summary.spins = result.counts().spins;
  summary.bets_shown = result.counts().bets_shown;
  summary.net_units = result.counts().net;
  summary.table = session.table;
  return summary;
}

std::vector<SessionSummary> ListSessions(Database& db) {
  std::vector<SessionSummary> list;
  for (const int64_t id : KnownSessionIds(db)) {
    try {
      list.push_back(Summarize(LoadSession(db, id)));
    } catch (const std::out_of_range&) {
      // A scan of the file named the session and a look-up by its key does not find it:
      // the table's pages disagree with each other, which only damage does.
      throw BadRecord(TrFormat("session {1} is named but cannot be found", {std::to_string(id)}));
    }
  }
  return list;
}

std::string IsoUtc(int64_t ms_since_epoch) {
  auto seconds = static_cast<std::time_t>(ms_since_epoch / 1000);
  if (ms_since_epoch < 0 && ms_since_epoch % 1000 != 0) --seconds;
  std::tm utc{};
  gmtime_r(&seconds, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
  return text;
}

}  // namespace vellaro::journal
