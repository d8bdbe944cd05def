#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "env/clock.h"
#include "env/folder_lock.h"
#include "env/scheduler_switch.h"
#include "env/virtual_scheduler.h"
#include "front/game.h"
#include "journal/journal.h"
#include "journal/journal_file.h"
#include "replay/session_replay.h"
#include "replay/what_if.h"
#include "session/session_track.h"

namespace vellaro::host {

// The game behind the main window, with what it runs on and what keeps it: its clock and
// timers, the journal that records every event, and the evening as the readout and the
// panel show it. It is free of the toolkit, so that `main` resumes a long session on
// another thread while the toolkit starts; the window then takes it over and runs its
// timers. Used by one thread at a time.
class WindowGame {
 public:
  // The game's timers wait, in a time that does not pass, until a window runs them
  // (`timers().SwitchTo`).
  WindowGame();
  // The same on another clock than the machine's: a test replays an evening's draws from
  // its own time.
  explicit WindowGame(Clock& time);
  WindowGame(const WindowGame&) = delete;
  WindowGame& operator=(const WindowGame&) = delete;

  // The game keeps its address for the life of this object, across FreshGame.
  Game& game() { return *game_; }
  const Game& game() const { return *game_; }
  SchedulerSwitch& timers() { return scheduler_; }
  const SessionTrack& track() const { return track_; }

  // Keeps the journal, and resumes its last session, if it was not ended, exactly where it
  // stood; otherwise the next session waits for BeginSession. Every event of the game is
  // journaled from then on. A session that cannot be resumed leaves a fresh game and a
  // notice. A journal that could not be opened keeps the events in memory, and its file is
  // opened again at each spin until it opens: then they are written, and the evening is
  // journaled as if it had been from the start. Throws nothing for a fault of the journal.
  void KeepJournal(journal::JournalAtStart start);
  // Keeps the journal at `path` off from the start: the data folder's lock cannot be taken,
  // and a window that does not hold it cannot know it is the journal's only writer, so it
  // writes nothing. The lock is asked for again at each spin (SetMayOpenJournal); once it
  // is taken, the file is opened and the evening written as KeepJournal's would be.
  void KeepJournalWithoutLock(std::string path);
  // Whether the journal's file may be opened at a spin, when it could not be at start: only
  // by the one window that holds the data folder's lock (SingleInstance), kTaken; the other
  // outcomes say why not. By default it may.
  void SetMayOpenJournal(std::function<FolderLock::Outcome()> may) {
    may_open_journal_ = std::move(may);
  }
  journal::Journal* journal() { return journal_.get(); }
  // Keeps the journal `first` keeps, for another table of the same window: this game's
  // sessions are written through first's connection to the file, and wait for
  // BeginSession. REQUIRES: this game has no journal yet.
  void ShareJournalOf(WindowGame& first);
  // The table this game is played at: its sessions are journaled at it, the current one
  // from now on.
  void SetTable(journal::SessionTable table);
  const journal::SessionTable& table() const { return table_; }
  // The journal's files, which no file the window saves may go over; none without a journal.
  FilesInUse JournalFiles() const {
    return journal_path_.empty() ? FilesInUse{} : DatabaseFiles(journal_path_);
  }
  bool Resumed() const { return resumed_; }
  // A journaled session waits for its settings: the settings file's, or the game's at the
  // player's first event.
  bool SessionPending() const { return session_pending_; }
  // Brings back `stored`, an evening open at a table of the window when it last closed or
  // was killed, on a fresh game that shares the first table's journal (ShareJournalOf):
  // replayed exactly, then journaled on. An evening that does not replay leaves the game
  // fresh, its session waiting, and says so (JournalNotice), as the first table's does.
  void ResumeAtTable(const journal::StoredSession& stored);
  // Starts a journaled session whose game begins with `settings`. REQUIRES: a fresh game.
  void BeginSession(const Settings& settings);
  // Replaces the game by a fresh one in the same place, keeping the save dialog's choice
  // and whether the options area is open; this object's listener hears the new one.
  void FreshGame();
  // Ends the session and starts a fresh game with the same settings. REQUIRES: no analysis
  // runs.
  void NewSession();
  // Reads stored session `id` into `stored` for ContinueSession, and plays it through on the
  // side. Returns why it cannot be continued: no journal file, an analysis running, the
  // session on show itself or one open at another table, or a session that does not read
  // back or replay.
  std::string ReadToContinue(int64_t id, journal::StoredSession& stored);
  // Makes `stored` (ReadToContinue) the game on show again, as the replay of its events
  // leaves it (as a resume at start does), and goes on journaling it: the session on show
  // is ended first. Returns why it could not, the game on show then left as it was.
  std::string ContinueSession(const journal::StoredSession& stored);

  // What to tell the player about the journal now; empty when all is well, and when no
  // journal is kept.
  std::string JournalNotice() const;
  // Whether the window keeps a journal or says why it does not.
  bool JournalKept() const { return journal_ != nullptr || !journal_unavailable_.empty(); }

  // The evening so far as the panel's what-if replays it: the spins in the history and the
  // settings of its first spin.
  replay::SessionSpins SessionSpins() const;

  // Enters `spins`, oldest first, as clicks on their tiles one after another, each as soon
  // as the analysis of the one before has ended: a player who never pauses (host/bulk_entry.cpp).
  // The journal and the track hear every event as they would hear those clicks. Returns
  // why nothing was entered: an analysis running, a number off the wheel, or a first number
  // the undo has just crossed out; empty when all were entered.
  std::string EnterSpins(std::span<const int> spins);
  // A click on the tile of `n`. `quick` (the player's "Quick analysis"): the analysis it
  // starts runs to its end at once, as EnterSpins runs it, so that the game is the one
  // clicks made with no pause would give, only without the wait. A click the board does
  // not take goes to the game as it is.
  void ClickNumber(int n, bool quick);

 private:
  // Puts a new game in place, heard by this object. Building a game throws nothing; if it
  // ever did, the window could not go on without one.
  void MakeGame() noexcept;
  void OnGameEvent(const GameEvent& event);
  void ResumeSession(const journal::StoredSession& stored);
  // Replays `stored` into the fresh game in virtual time, the journal skipping the events it
  // holds, and finishes an analysis it was cut off in. Throws what the replay throws.
  void ReplayStored(const journal::StoredSession& stored);
  // Opens the journal's file, which could not be opened before.
  void RetryJournalFile();
  void TellMovedAside(const journal::OpenedJournal& opened);
  // Clicks `spins` one after another, each analysis run to its end in virtual time.
  void ClickAtOnce(std::span<const int> spins);

  SystemClock system_clock_;
  // The time of day, except during a resume: then the resume's own virtual time.
  ClockSwitch time_of_day_;
  // The time of day, except for the draws of a resumed session: those get the seconds they
  // had when the session was played.
  replay::ReplayClock clock_{time_of_day_};
  VirtualScheduler until_run_;
  // Until a window runs them, and during a resume's virtual time, timers go elsewhere.
  SchedulerSwitch scheduler_{until_run_};
  // Always holds a game. A game can be neither copied nor assigned (its timers are known to
  // the scheduler by address): FreshGame makes a new one in the old one's place, at the
  // address the window and the session panel hold on to.
  std::optional<Game> game_;
  // The journal, once KeepJournal has been called; it may be waiting for its file. None
  // when no place for it is known.
  std::unique_ptr<journal::Journal> journal_;
  std::string journal_path_;
  std::function<FolderLock::Outcome()> may_open_journal_;
  // Why there is no journal; empty when there is one.
  std::string journal_unavailable_;
  // Said once, until the next spin: a damaged journal moved aside, a session that could
  // not be resumed.
  std::string journal_once_;
  bool journal_once_seen_ = false;
  // The events a resume makes the game send again: they are in the journal already.
  size_t journal_skip_ = 0;
  bool session_pending_ = false;
  bool resumed_ = false;
  journal::SessionTable table_;
  SessionTrack track_;
  std::optional<Settings> first_spin_settings_;
  // Where the virtual time of the last spins entered at once ended (ms since the epoch): a
  // click with no pause comes no earlier, even within the same second of the time of day.
  int64_t at_once_until_ms_ = 0;
};

}  // namespace vellaro::host
