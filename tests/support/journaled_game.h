#pragma once

#include <string>
#include <vector>

#include "game/real_result.h"
#include "journal/journal.h"
#include "journal/stored_session.h"
#include "support/harness.h"
#include "support/temp_folder.h"

namespace vellaro::testing {

// A game on virtual time whose every event is journaled, as the window records a session:
// the session starts, the journal listens, then the options are applied. The events are
// also kept in memory to compare with.
struct JournaledGame {
  explicit JournaledGame(const std::string& journal_path, const Settings& settings = {},
                         int64_t start_ms = 1'700'000'000'000)
      : path(journal_path), h(start_ms), journal(path, [this] { return wall_ms; }) {
    journal.StartSession(settings);
    h.game.AddListener([this](const GameEvent& e) {
      heard.push_back(e);
      result.On(e);
      journal.Record(e);
    });
    h.game.Configure(settings);
  }
  // The session being journaled, as the journal holds it now.
  journal::StoredSession Stored() const {
    journal::Database reader = journal::OpenForReading(path);
    return journal::LoadSession(reader, *journal.session());
  }
  std::string path;
  int64_t wall_ms = 1'765'000'000'000;
  Harness h;
  journal::Journal journal;
  std::vector<GameEvent> heard;
  RealResult result;
};

// The folder below, made before the game and removed after it.
struct FolderFirst {
  TempFolder folder;
};

// A journaled game whose journal is alone in a fresh folder, removed with it at the end.
struct JournaledGameInFolder : private FolderFirst, JournaledGame {
  explicit JournaledGameInFolder(const Settings& settings = {})
      : JournaledGame(folder.File("journal.sqlite"), settings) {}
};

}  // namespace vellaro::testing
