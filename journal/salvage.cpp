#include "journal/salvage.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

#include "game/text_number.h"
#include "journal/journal_damage.h"
#include "journal/stored_session.h"
#include "text/translate.h"

namespace vellaro::journal {
namespace {

int64_t Signed(size_t n) {
  return static_cast<int64_t>(n);
}

}  // namespace

std::unique_ptr<Journal> SalvageInto(const std::string& damaged, Journal&& fresh,
                                     Salvaged& salvaged, const SessionCheck& replays,
                                     const WallClock& now) {
  // The copies are written with the times the sessions had, then the clock is the real one.
  auto stamp = std::make_shared<std::optional<int64_t>>();
  std::unique_ptr<Journal> journal =
      Journal::WithoutFile("", [stamp, now] { return stamp->has_value() ? **stamp : now(); });
  const DamageSurvey survey = SurveyDamage(damaged);
  salvaged.lost = survey.not_reading;
  std::unique_ptr<Database> db;
  try {
    db = std::make_unique<Database>(damaged, Database::Access::kReadOnly);
  } catch (const std::exception&) {  // nothing of it reads now: nothing is saved
  }
  // The evening on show, opened last and not ended, is copied last: the one opened last in
  // the new journal too, which the window resumes.
  std::vector<SessionSummary> reading = survey.reading;
  try {
    if (db) {
      if (const std::optional<int64_t> open = LastOpenedSessionId(*db)) {
        std::stable_partition(reading.begin(), reading.end(),
                              [&](const SessionSummary& s) { return s.id != *open; });
      }
    }
  } catch (const std::exception&) {  // the order of the ids will do
  }
  for (const SessionSummary& summary : reading) {
    std::optional<StoredSession> session;
    try {
      if (db) session = LoadSession(*db, summary.id);
    } catch (const std::exception&) {  // it read for the survey; now it does not
    }
    if (!session || !replays(*session)) {
      salvaged.lost.push_back(summary.id);
      continue;
    }
    *stamp = session->started_ms;
    journal->StartSession(session->settings, session->table);
    for (const StoredEvent& stored : session->events) {
      if (stored.at_ms) *stamp = *stored.at_ms;
      journal->Record(stored.event);
    }
    if (session->ended_ms) {
      *stamp = *session->ended_ms;
      journal->EndSession();
    }
    salvaged.saved.push_back(summary.id);
  }
  stamp->reset();
  std::sort(salvaged.lost.begin(), salvaged.lost.end());
  journal->TakeFile(std::move(fresh));
  journal->Flush();
  return journal;
}

std::string SalvagedText(const Salvaged& salvaged) {
  return SalvagedText(Signed(salvaged.saved.size()), Signed(salvaged.lost.size()));
}

std::string SalvagedText(int64_t saved, int64_t lost) {
  if (saved == 0 && lost == 0) return Tr("no session was found in it");
  if (lost == 0) return CountedText(saved, N_("{1} session saved"), N_("{1} sessions saved"));
  if (saved == 0) return CountedText(lost, N_("{1} session lost"), N_("{1} sessions lost"));
  return TrFormat(
      saved == 1 ? N_("{1} session saved, {2} lost") : N_("{1} sessions saved, {2} lost"),
      {LocalNumber(std::to_string(saved)), LocalNumber(std::to_string(lost))});
}

}  // namespace vellaro::journal
