// Fuzzes the reading of a stored journal (journal/stored_session.h and the replay of its
// sessions): the input is the bytes of a journal file, laid down in a folder of the
// fuzzer's own (in /dev/shm where there is one) with nothing beside it. Whatever the bytes,
// the reader refuses them cleanly (another program's file, a later version, damage) or
// yields sessions (and leaves nothing beside a file it refuses as not its own); every session the
// list names loads again to the same summary and replays to it, or its replay says where it
// departs; a list refused leaves a survey of what still reads that agrees with the sessions
// themselves; and reading never changes the file.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "journal/event_record.h"
#include "journal/journal_damage.h"
#include "journal/schema.h"
#include "journal/stored_session.h"
#include "replay/replay.h"
#include "replay/stored_replay.h"

namespace {

namespace fs = std::filesystem;
using namespace vellaro::journal;

// Never destroyed: the handler that removes its folder at exit runs after the destructors.
const std::string& JournalPath() {
  static const std::string* const path = [] {
    const fs::path shm = "/dev/shm";
    const fs::path base = fs::is_directory(shm) ? shm : fs::temp_directory_path();
    const fs::path folder = base / ("vellaro_stored_session_fuzzer." + std::to_string(getpid()));
    fs::create_directories(folder);
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(fs::path(JournalPath()).parent_path(), ignored);
    });
    return new std::string((folder / "journal.sqlite").string());
  }();
  return *path;
}

void LayDown(const std::string& path, std::string_view bytes) {
  for (const char* end : {"", "-wal", "-shm", "-journal"}) fs::remove(path + end);
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) std::abort();
}

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

bool SameSummary(const SessionSummary& a, const SessionSummary& b) {
  return a.id == b.id && a.started_ms == b.started_ms && a.ended_ms == b.ended_ms &&
         a.spins == b.spins && a.bets_shown == b.bets_shown && a.net_units == b.net_units;
}

class LastRow : public vellaro::replay::RowSink {
 public:
  void Add(const vellaro::replay::Row& row) override { last = row; }
  std::optional<vellaro::replay::Row> last;
};

// A session read back replays to what its summary says, or says where it departs.
void Replays(const StoredSession& session, const SessionSummary& listed) {
  vellaro::replay::StoredReplay replay(session);
  LastRow sink;
  try {
    replay.Run({}, sink);
  } catch (const vellaro::replay::ReplayDiverged&) {
    return;
  }
  if (!sink.last) {
    if (listed.spins != 0 || listed.bets_shown != 0 || listed.net_units != 0) std::abort();
    return;
  }
  const auto& real = sink.last->real;
  if (real.spins != listed.spins || real.bets_shown != listed.bets_shown ||
      real.net != listed.net_units) {
    std::abort();
  }
}

// Every session the list names, loaded on its own, comes to the line of the list.
void ReadsAsListed(Database& db, const std::vector<SessionSummary>& list) {
  if (list.size() != KnownSessionIds(db).size()) std::abort();
  for (const SessionSummary& listed : list) {
    const StoredSession session = LoadSession(db, listed.id);
    if (!SameSummary(Summarize(session), listed)) std::abort();
    Replays(session, listed);
  }
  const std::optional<int64_t> last = LastKnownSessionId(db);
  if (last.has_value() != !list.empty() || (last && *last != list.back().id)) std::abort();
  (void)IsoUtc(list.empty() ? 0 : list.back().started_ms);
}

// What a survey of a damaged file finds reads as it says. What SQLite makes of a damaged
// page need not repeat on another connection (a cell that runs off its page reads what lies
// beyond), so a session the survey found may fail to load again, which a pick of it reports
// as damage; but one that loads comes to the survey's summary.
void SurveyAgrees(const std::string& path) {
  const DamageSurvey survey = SurveyDamage(path);
  if (DamageText(path, "damage", survey).empty()) std::abort();
  if (survey.reading.empty()) return;
  Database db = OpenForReading(path);
  for (const SessionSummary& found : survey.reading) {
    std::optional<StoredSession> again;
    try {
      again = LoadSession(db, found.id);
    } catch (const SqliteError&) {
    } catch (const BadRecord&) {
    } catch (const std::out_of_range&) {
    }
    if (again && !SameSummary(Summarize(*again), found)) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string& path = JournalPath();
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  LayDown(path, bytes);
  try {
    Database db = OpenForReading(path);
    ReadsAsListed(db, ListSessions(db));
  } catch (const SqliteError&) {
    SurveyAgrees(path);
  } catch (const BadRecord&) {
    SurveyAgrees(path);
  } catch (const NotAJournal&) {
    // Another program's file, or a later Vellaro's: nothing more is read of it, and nothing
    // is made beside it.
    if (fs::exists(path + "-wal") || fs::exists(path + "-shm")) std::abort();
  } catch (const std::out_of_range& e) {
    // A session the list names is always there.
    std::fprintf(stderr, "out_of_range: %s\n", e.what());
    std::abort();
  }
  if (Contents(path) != bytes) std::abort();
  return 0;
}
