#pragma once

// A journal that reads badly: telling a damaged file from one that cannot be read at all
// (missing, not permitted, busy), and finding which of its sessions still read, so that a
// reader can say in one sentence which file is damaged and what is left of it.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "journal/sqlite.h"
#include "journal/stored_session.h"

namespace vellaro::journal {

// Whether `error` says the file's contents are broken. (A BadRecord always does.)
bool IsDamage(const SqliteError& error);

// The sessions of a damaged journal: those that still read in full, and those that either
// table names but do not.
struct DamageSurvey {
  std::vector<SessionSummary> reading;  // oldest first
  std::vector<int64_t> not_reading;     // ascending
};

// Opens the journal at `path` for reading and tries every session that the table of
// sessions or the table of events still names, each table scanned from both ends so that
// one bad page hides as few as it can. Never throws: what cannot be read is not found.
DamageSurvey SurveyDamage(const std::string& path);

// "<path>: the journal is damaged (<detail>); sessions 1 and 2 still read; 3 does not".
// `detail` is the fault that showed the damage, in SQLite's or the reader's words.
std::string DamageText(const std::string& path, std::string_view detail,
                       const DamageSurvey& survey);

}  // namespace vellaro::journal
