#pragma once

#include <QPoint>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/area_host.h"
#include "app/guard.h"
#include "app/keyboard_entry.h"
#include "app/message_line.h"
#include "app/qt_save_dialog.h"
#include "app/qt_scheduler.h"
#include "app/settings_keeper.h"
#include "app/settings_store.h"
#include "app/svg_cache.h"
#include "app/system_catalogue.h"
#include "env/scheduler_switch.h"
#include "front/game.h"
#include "host/window_game.h"
#include "journal/journal.h"
#include "replay/what_if.h"
#include "session/session_track.h"

namespace vellaro::app {

class AddSpinsDialog;
class AddSpinsFlow;
class Announcer;
class BoardKeys;
class EveningControls;
class GuideDialog;
class GuideOpener;
class KeyboardReach;
class LimitsDialog;
class OptionsArea;
class SessionPanelWindow;
class SessionReadout;
class TypedEntry;
class WindowAreas;

// The main window: a small host of the game on show and of the parts that show it. Each
// area (the head, the board, the bet display, the options area, the limits) draws the game
// through the view it is handed and sends the player's actions through the window's guard
// (AreaHost); the keyboard, the add-spins flow, the guide, the evening's controls and the
// settings are parts of their own. It keeps no game state of its own.
class MainWindow final : public QWidget, private AreaHost {
 public:
  // `pictures`: where the rendered artwork is kept between runs (by default nowhere).
  explicit MainWindow(Guard& guard, PictureStore pictures = {}, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The game on show. Its address changes only at Adopt.
  vellaro::Game& game() { return play_->game(); }
  const vellaro::Game& game() const { return play_->game(); }
  const SvgCache& svg_cache() const { return svg_; }

  // Runs an event of the player through the guard, then shows the engine's new state. The
  // journal commits what one action of the player brings as a whole; a timer's tick
  // (`player_action` false) is left to the journal's own rule for analyses.
  void Handle(const std::function<void()>& event, bool player_action = true);
  // Copies the engine's state to the widgets.
  void Sync();
  // Writes the game log to a file the save dialog asks for (the save button, Ctrl+S).
  void SaveLog();
  // The journal's files: a file the window saves never goes over one of them.
  vellaro::FilesInUse JournalFiles() const { return play_->JournalFiles(); }

  // The dialog that the export of the game log (the save button, Ctrl+S) asks for a file
  // name: the toolkit's unless a test answers instead.
  void SetSaveDialog(vellaro::SaveDialog* dialog) { save_dialog_ = dialog; }

  // Prints time stamps (ms since the epoch) at the first paint of the window and when
  // that first frame is complete; the start-up benchmark reads them.
  void ReportFirstPaint(bool report);

  // Restores the settings of the last run from `store`, as the player would set them, and
  // writes them back there whenever one changes (app/settings_keeper.h).
  void KeepSettings(const SettingsStore& store);

  // Shows `play` in place of the game on show, which the player has not touched yet
  // (REQUIRES: no panel or limits dialog made), and runs its timers from now on. `play` has
  // kept its journal (WindowGame::KeepJournal), usually on another thread while this window
  // was built. Call before KeepSettings: a resumed session keeps its own options; otherwise
  // the next session starts with the settings KeepSettings restores (or, without a settings
  // file, with the game's at the player's first event).
  void Adopt(std::unique_ptr<host::WindowGame> play);
  // Ends the session and starts a fresh game with the same settings (what the "New session"
  // control does once the player agrees).
  void NewSession();
  // "Continue this evening": makes stored session `id` the evening on
  // show again, exactly where it stood, once the player agrees to end the one on show.
  // Returns why it cannot, for the player; empty when done or declined.
  QString ContinueSession(int64_t id);
  // Whether the game on show was resumed from the journal at start.
  bool Resumed() const { return play_->Resumed(); }
  vellaro::journal::Journal* journal() { return play_->journal(); }
  // The game's timers: the event loop's, except while a resume runs them in virtual time.
  // Tests run them in virtual time as well.
  vellaro::SchedulerSwitch& timers() { return play_->timers(); }
  // What the window says of its journal now, in the right part of the readout; empty when
  // all is well.
  QString JournalNotice() const;

  // A key of the keyboard entry (app/typed_entry.h); false when it is not one of them.
  bool PressKey(const QKeyEvent& key);
  const KeyboardEntry& keyboard() const;
  // Enters `n` as a click on its tile would, from the keyboard: refused, and said why,
  // while the board is locked or the tile is crossed out.
  void EnterNumber(int n);
  // The board's Tab stop, and what was last said to a screen reader (app/keyboard_reach.h).
  BoardKeys* board_keys() const;
  const Announcer& announcer() const;
  // What the line between the head and the board says, and the timers of its passing
  // messages (the event loop's; tests run them in virtual time).
  MessageLine& message_line() { return message_line_; }
  vellaro::SchedulerSwitch& shell_timers() { return shell_timers_; }
  // The session panel (the top-bar button, Ctrl+P): made the first time it opens, so its
  // charts cost nothing before. Null until then.
  void ToggleSessionPanel();
  SessionPanelWindow* session_panel() const;
  const vellaro::SessionTrack& session_track() const { return play_->track(); }
  SessionReadout* session_readout() const;
  // The dialog of the session limits (the head's limits button): made the first time it
  // opens. Null until then.
  void OpenLimits();
  LimitsDialog* limits_dialog() const;
  // "Add spins…" (the head's button, Ctrl+Shift+V): the dialog of a list of spins, with
  // `text` in its box unless it is null (app/add_spins_flow.h). Made the first time it
  // opens; null until then.
  void OpenAddSpins(const QString& text);
  AddSpinsDialog* add_spins_dialog() const;
  // Enters `spins` at once as one action of the player; a list the game refuses says why
  // in the line above the board. Returns whether they were entered.
  bool EnterSpins(const std::vector<int>& spins);
  // "Quick analysis" (the window's context menu, Ctrl+Shift+A): each
  // click's analysis runs to its end at once, as "Add spins…" runs it. Kept in the settings.
  void SetQuickAnalysis(bool on);
  bool QuickAnalysis() const;
  // A click on the tile of `n`, or a number typed and entered: the game takes it, with its
  // analysis run at once under "Quick analysis".
  void ClickNumber(int n) { play_->ClickNumber(n, QuickAnalysis()); }
  // Where the betting systems written as files are read from (by default the installed
  // presets and $XDG_CONFIG_HOME/vellaro/systems). Set before the options area is made.
  const SystemFolders& system_folders() const;
  void SetSystemFolders(SystemFolders folders);
  // The options area, once the player has opened it; null before.
  OptionsArea* options_area() const;
  // The player's guide (F1, the "?" button): made the first time it opens. Null until then.
  void OpenGuide();
  GuideDialog* guide_dialog() const;
  // The evening so far as the panel's what-if replays it: the spins in the history and
  // the settings of its first spin.
  vellaro::replay::SessionSpins SessionSpins() const { return play_->SessionSpins(); }

 protected:
  void changeEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  // What the areas ask of the window (app/area_host.h).
  AreaHost& host() { return *this; }
  QWidget& surface() override { return *this; }
  SvgCache& svg() override { return svg_; }
  vellaro::GameView view() const override { return vellaro::GameView(game()); }
  void Send(const vellaro::PlayerAction& action) override;
  void Answer(const vellaro::PlayerAction& action) override { game().Apply(action); }
  void Run(const std::function<void()>& command) override { Handle(command); }

  void BuildParts();
  // Asks before the evening on show ends, naming it and what comes `then`. False when the
  // player keeps the evening.
  bool AgreeToEndEvening(const QString& then);
  void AskNewSession();
  SessionPanelWindow* LoadPanel(QString& error);
  void ShowMessageLine();
  void SyncJournalNotice();
  void SyncReadout();
  void RenderShownPicturesAhead();
  StoredSettings CurrentStoredSettings() const;

  Guard& guard_;
  SvgCache svg_;
  // Runs the game's timers; outlives the game, which tells it of their end.
  QtScheduler qt_scheduler_;
  // The window's own timers, which outlive any game it shows.
  vellaro::SchedulerSwitch shell_timers_{qt_scheduler_};
  MessageLine message_line_{shell_timers_};
  // The game on show, with its journal and timers.
  std::unique_ptr<host::WindowGame> play_;
  // Where the export of the game log asks for a file: the toolkit's dialog unless a test
  // answers instead (null).
  vellaro::SaveDialog* save_dialog_ = nullptr;
  // Set while the window goes: what its widgets report then is no event of the player.
  bool closing_ = false;
  SettingsKeeper settings_{[this] { return CurrentStoredSettings(); }};
  std::unique_ptr<WindowAreas> areas_;
  std::unique_ptr<EveningControls> evening_;
  std::unique_ptr<GuideOpener> guide_;
  std::unique_ptr<AddSpinsFlow> add_spins_;
  std::unique_ptr<TypedEntry> typed_;
  std::unique_ptr<KeyboardReach> reach_;
};

}  // namespace vellaro::app
