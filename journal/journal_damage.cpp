#include "journal/journal_damage.h"

#include <sqlite3.h>

#include <set>

#include "journal/schema.h"
#include "text/translate.h"

namespace vellaro::journal {
namespace {

// Adds the ids `sql` returns to `ids`, as far as the table reads.
void CollectIds(Database& db, const std::string& sql, std::set<int64_t>& ids) {
  try {
    Statement select(db, sql);
    while (select.Step()) {
      if (select.IsInteger(0)) ids.insert(select.Int(0));  // any other value names no session
    }
  } catch (const SqliteError&) {
    // The rest of the table is behind a bad page; the scan from its other end goes on.
  }
}

std::set<int64_t> NamedSessions(Database& db) {
  std::string events = "event_blocks";
  try {
    if (db.QueryInt("PRAGMA user_version") < 3) events = "events";
  } catch (const SqliteError&) {
    return {};  // not even the file's header reads
  }
  std::set<int64_t> ids;
  for (const char* order : {"", " DESC"}) {
    CollectIds(db, std::string("SELECT id FROM sessions ORDER BY id") + order, ids);
    CollectIds(db, "SELECT DISTINCT session_id FROM " + events + " ORDER BY session_id" + order,
               ids);
  }
  return ids;
}

// "7", "1 and 2", "1, 2 and 4 to 9": runs of three or more ids as ranges.
std::string IdList(const std::vector<int64_t>& ids) {
  std::vector<std::string> parts;
  for (size_t i = 0; i < ids.size();) {
    size_t end = i + 1;
    while (end < ids.size() && ids[end] == ids[end - 1] + 1) ++end;
    if (end - i >= 3) {
      parts.push_back(
          TrFormat("{1} to {2}", {std::to_string(ids[i]), std::to_string(ids[end - 1])}));
    } else {
      for (size_t k = i; k < end; ++k) parts.push_back(std::to_string(ids[k]));
    }
    i = end;
  }
  std::string head;
  for (size_t i = 0; i + 1 < parts.size(); ++i) {
    if (i > 0) head += ", ";
    head += parts[i];
  }
  if (parts.size() < 2) return parts.empty() ? std::string() : parts.front();
  return TrFormat("{1} and {2}", {head, parts.back()});
}

bool OneSession(const std::vector<int64_t>& ids) {
  return ids.size() == 1;
}

}  // namespace

bool IsDamage(const SqliteError& error) {
  return error.primary() == SQLITE_CORRUPT || error.primary() == SQLITE_NOTADB;
}

DamageSurvey SurveyDamage(const std::string& path) {
  DamageSurvey survey;
  try {
    Database db = OpenForReading(path);
    for (const int64_t id : NamedSessions(db)) {
      try {
        survey.reading.push_back(Summarize(LoadSession(db, id)));
      } catch (const std::exception&) {  // SqliteError, BadRecord, out_of_range
        survey.not_reading.push_back(id);
      }
    }
  } catch (const SqliteError&) {
    // The file does not open now: nothing is found.
  } catch (const NotAJournal&) {
    // Another program's file: none of it is a session.
  }
  return survey;
}

std::string DamageText(const std::string& path, std::string_view detail,
                       const DamageSurvey& survey) {
  std::vector<int64_t> reading;
  for (const SessionSummary& s : survey.reading) reading.push_back(s.id);
  const std::vector<int64_t>& lost = survey.not_reading;

  std::string text = TrFormat("{1}: the journal is damaged ({2}); ", {path, detail});
  if (reading.empty() && lost.empty()) return text + Tr("no session can be found in it");
  if (reading.empty()) {
    return text + TrFormat(OneSession(lost) ? N_("no session still reads: {1} does not")
                                            : N_("no session still reads: {1} do not"),
                           {IdList(lost)});
  }
  text +=
      TrFormat(OneSession(reading) ? N_("session {1} still reads") : N_("sessions {1} still read"),
               {IdList(reading)});
  if (!lost.empty()) {
    text += TrFormat(OneSession(lost) ? N_("; {1} does not") : N_("; {1} do not"), {IdList(lost)});
  }
  return text;
}

}  // namespace vellaro::journal
