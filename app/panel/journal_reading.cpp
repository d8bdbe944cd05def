#include "app/panel/journal_reading.h"

#include <QCoreApplication>
#include <filesystem>
#include <stdexcept>

#include "app/counted_text.h"
#include "app/panel/panel_numbers.h"
#include "betting/system_file.h"
#include "journal/event_record.h"
#include "journal/journal_damage.h"
#include "journal/journal_file.h"
#include "journal/schema.h"
#include "replay/session_replay.h"

namespace vellaro::app {

namespace {

bool Exists(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::exists(path, ignored);
}

}  // namespace

std::string JournalPath() {
  return vellaro::journal::DefaultJournalPath();
}

SessionList ReadSessionList(const std::string& path) {
  SessionList list;
  if (!Exists(path)) {
    list.missing = true;
    return list;
  }
  std::string damage;
  try {
    vellaro::journal::Database db = vellaro::journal::OpenForReading(path);
    list.sessions = vellaro::journal::ListSessions(db);
    return list;
  } catch (const vellaro::journal::SqliteError& e) {
    if (!vellaro::journal::IsDamage(e)) {
      list.error = QCoreApplication::translate("JournalReading", "The journal cannot be read: %1")
                       .arg(QString::fromUtf8(e.what()))
                       .toStdString();
      return list;
    }
    damage = e.reason();
  } catch (const vellaro::journal::BadRecord& e) {
    damage = e.what();
  } catch (const vellaro::journal::NotAJournal& e) {
    list.error = path + ": " + e.what() + ".";
    return list;
  }
  // What still reads of a damaged file is still the player's to pick.
  vellaro::journal::DamageSurvey survey = vellaro::journal::SurveyDamage(path);
  list.error = vellaro::journal::DamageText(path, damage, survey) + ".";
  if (!survey.reading.empty()) {
    list.error += ' ';
    list.error +=
        QCoreApplication::translate("JournalReading", "The sessions that still read are listed.")
            .toStdString();
  }
  list.sessions = std::move(survey.reading);
  return list;
}

PastEvening ReadPastEvening(const std::string& path, int64_t id) {
  PastEvening past;
  past.id = id;
  std::string error;
  try {
    vellaro::journal::Database db = vellaro::journal::OpenForReading(path);
    const vellaro::journal::StoredSession session = vellaro::journal::LoadSession(db, id);
    past.evening = vellaro::replay::EveningOf(session);
    past.what_if = {vellaro::replay::WhatIf(session), vellaro::replay::OwnSystemWhatIf(session)};
    return past;
  } catch (const vellaro::journal::SqliteError& e) {
    error =
        vellaro::journal::IsDamage(e)
            ? vellaro::journal::DamageText(path, e.reason(), vellaro::journal::SurveyDamage(path))
            : e.what();
  } catch (const vellaro::journal::BadRecord& e) {
    error = vellaro::journal::DamageText(path, e.what(), vellaro::journal::SurveyDamage(path));
  } catch (const std::exception& e) {  // out_of_range, ReplayDiverged
    error = e.what();
  }
  past = PastEvening{};
  past.id = id;
  past.error = std::move(error);
  return past;
}

QString OwnSystemName(const vellaro::replay::WhatIfLine& line) {
  const vellaro::SystemFileResult read = vellaro::ParseSystemFile(line.custom);
  // The journal keeps only texts that read; a name is all that could be missing.
  if (!read.system || read.system->rules.name.empty())
    return QCoreApplication::translate("JournalReading", "Your system");
  return QString::fromStdString(read.system->rules.name);
}

std::vector<int> HistoryOf(const vellaro::journal::StoredSession& session) {
  std::vector<int> history;
  for (const vellaro::journal::StoredEvent& stored : session.events) {
    if (const auto* spin = std::get_if<SpinAccepted>(&stored.event)) {
      history.push_back(spin->number);
    } else if (std::holds_alternative<SpinUndone>(stored.event) && !history.empty()) {
      history.pop_back();
    } else if (const auto* redo = std::get_if<SpinRedone>(&stored.event)) {
      history.push_back(redo->number);
    }
  }
  return history;
}

LiveWhatIf WhatIfOfThisEvening(const std::string& path,
                               const vellaro::replay::SessionSpins& spins) {
  std::vector<int> live;
  for (const vellaro::replay::Entry& entry : spins.entries) {
    if (!entry.undo()) {
      live.push_back(entry.number);
    } else if (!live.empty()) {
      live.pop_back();
    }
  }
  if (Exists(path)) {
    try {
      vellaro::journal::Database db = vellaro::journal::OpenForReading(path);
      if (const std::optional<int64_t> last = vellaro::journal::LastOpenedSessionId(db)) {
        const vellaro::journal::StoredSession session = vellaro::journal::LoadSession(db, *last);
        if (HistoryOf(session) == live) {
          return {true,
                  {vellaro::replay::WhatIf(session), vellaro::replay::OwnSystemWhatIf(session)}};
        }
      }
    } catch (const std::exception&) {
      // An unreadable journal, or a replay that cannot follow it: the window's spins will do.
    }
  }
  return {false, {vellaro::replay::WhatIf(spins), vellaro::replay::OwnSystemWhatIf(spins)}};
}

QString SessionLine(const vellaro::journal::SessionSummary& summary) {
  const std::string iso = vellaro::journal::IsoUtc(summary.started_ms);  // 2026-12-08T11:31:24Z
  std::string started = iso.substr(0, 10);
  started += ' ';
  started += iso.substr(11, 5);
  started += " UTC";
  const QString net = summary.net_units > 0
                          ? PanelLocale().positiveSign() + Whole(summary.net_units)
                          : Whole(summary.net_units);
  return QCoreApplication::translate("JournalReading", "%1  %2  %3  %4 shown  net %5")
      .arg(QString::number(summary.id), QString::fromStdString(started),
           CountText(summary.spins, "spin", "spins"), CountText(summary.bets_shown, "bet", "bets"),
           net);
}

}  // namespace vellaro::app
