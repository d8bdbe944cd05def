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
#include "app/engine_colour.h"
#include "app/guard.h"
#include "app/keyboard_entry.h"
#include "app/message_line.h"
#include "app/qt_save_dialog.h"
#include "app/qt_scheduler.h"
#include "app/readout.h"
#include "app/settings_store.h"
#include "app/svg_cache.h"
#include "app/system_catalogue.h"
#include "app/window_parts.h"
#include "env/scheduler_switch.h"
#include "front/game.h"
#include "host/window_game.h"
#include "journal/journal.h"
#include "replay/what_if.h"
#include "session/session_track.h"

class QAction;
class QTimer;

namespace vellaro::app {

class Announcer;
class AddSpinsDialog;
class BetArea;
class BoardArea;
class BoardKeys;
class FocusRing;
class KeyStop;
class GuideDialog;
class HeadArea;
class LimitsArea;
class LimitsDialog;
class LitButton;
class OptionsArea;
class PictureWidget;
class SessionPanelWindow;
class SessionReadout;

// The main window: a frame that holds one area per part of the window (the head, the
// board, the bet display, the options area), each drawing the game through its view and
// passing the player's events to the game. It keeps no game state of its own.
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
  void SaveLog() { game().SaveLog(*save_dialog_, play_->JournalFiles()); }
  // The journal's files: a file the window saves never goes over one of them.
  vellaro::FilesInUse JournalFiles() const { return play_->JournalFiles(); }

  // The dialog that the export of the game log (the save button, Ctrl+S) asks for a file
  // name: the toolkit's unless a test answers instead.
  void SetSaveDialog(vellaro::SaveDialog* dialog) { save_dialog_ = dialog; }

  // Prints time stamps (ms since the epoch) at the first paint of the window and when
  // that first frame is complete; the start-up benchmark reads them.
  void ReportFirstPaint(bool report) { report_first_paint_ = report; }

  // Restores the settings of the last run from `store`, as the player would set them, and
  // writes them back there whenever one changes (window_settings.cpp).
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
  // "Continue this evening" (window_journal.cpp): makes stored session `id` the evening on
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

  // A key of the keyboard entry (window_keys.cpp); false when it is not one of them.
  bool PressKey(const QKeyEvent& key);
  const KeyboardEntry& keyboard() const { return keyboard_; }
  // Enters `n` as a click on its tile would, from the keyboard: refused, and said why,
  // while the board is locked or the tile is crossed out.
  void EnterNumber(int n);
  // The board's Tab stop, and what was last said to a screen reader (window_access.cpp).
  BoardKeys* board_keys() const { return board_keys_; }
  const Announcer& announcer() const { return *announcer_; }
  // What the line between the head and the board says, and the timers of its passing
  // messages (the event loop's; tests run them in virtual time).
  MessageLine& message_line() { return message_line_; }
  vellaro::SchedulerSwitch& shell_timers() { return shell_timers_; }
  // The session panel (the top-bar button, Ctrl+P): made the first time it opens, so its
  // charts cost nothing before. Null until then.
  void ToggleSessionPanel();
  SessionPanelWindow* session_panel() const { return panel_; }
  const vellaro::SessionTrack& session_track() const { return play_->track(); }
  SessionReadout* session_readout() const { return session_readout_; }
  // The dialog of the session limits (the head's limits button): made the first time it
  // opens. Null until then.
  void OpenLimits();
  LimitsDialog* limits_dialog() const;
  // "Add spins…" (the head's button, Ctrl+Shift+V): the dialog of a list of spins, with
  // `text` in its box unless it is null (window_add_spins.cpp). Made the first time it
  // opens; null until then.
  void OpenAddSpins(const QString& text);
  AddSpinsDialog* add_spins_dialog() const { return add_spins_dialog_; }
  // Enters `spins` at once as one action of the player; a list the game refuses says why
  // in the line above the board. Returns whether they were entered.
  bool EnterSpins(const std::vector<int>& spins);
  // "Quick analysis" (the window's context menu, Ctrl+Shift+A; window_add_spins.cpp): each
  // click's analysis runs to its end at once, as "Add spins…" runs it. Kept in the settings.
  void SetQuickAnalysis(bool on);
  bool QuickAnalysis() const { return quick_analysis_; }
  // A click on the tile of `n`, or a number typed and entered: the game takes it, with its
  // analysis run at once under "Quick analysis".
  void ClickNumber(int n) { play_->ClickNumber(n, quick_analysis_); }
  // Where the betting systems written as files are read from (by default the installed
  // presets and $XDG_CONFIG_HOME/vellaro/systems). Set before the options area is made.
  const SystemFolders& system_folders() const { return system_folders_; }
  void SetSystemFolders(SystemFolders folders) { system_folders_ = std::move(folders); }
  // The options area, once the player has opened it; null before.
  OptionsArea* options_area() const { return options_.get(); }
  // The player's guide (F1, the "?" button): made the first time it opens. Null until then.
  void OpenGuide();
  GuideDialog* guide_dialog() const { return guide_; }
  // The evening so far as the panel's what-if replays it: the spins in the history and
  // the settings of its first spin.
  vellaro::replay::SessionSpins SessionSpins() const { return play_->SessionSpins(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
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

  void BuildFrame();
  void BuildSessionReadout();
  void BuildGuide();       // window_guide.cpp
  void ShowMessageLine();  // window_messages.cpp
  void BuildNewSessionButton();
  void BuildAddSpinsButton();  // window_add_spins.cpp
  void BuildQuickAnalysis();   // window_add_spins.cpp
  // Asks before the evening on show ends, naming it and what comes `then`
  // (window_journal.cpp). False when the player keeps the evening.
  bool AgreeToEndEvening(const QString& then);
  void AskNewSession();
  // A panel made for the evening that ended goes; one is made for the evening on show.
  void RenewPanel();
  void SyncJournalNotice();
  void SyncReadout();
  void RenderShownPicturesAhead();
  void StartDrag(const QMouseEvent& press);
  void FollowDrag(const QMouseEvent& move);
  void EndDrag();
  void EnterTyped();
  // The Tab stops, the focus ring and the news (window_access.cpp).
  void BuildKeyboardReach();
  void BuildHeadStops();
  void BuildBoardStops();
  void BuildBetStops();
  void BuildChipStop(int k);
  KeyStop* AddStop(const QString& name, const QRect& place, const QString& said,
                   std::function<void()> press);
  void SyncKeyboardReach();
  void RefuseTyped(const std::string& why);  // forgets the digits and says why
  bool OptionsOpen() const;
  StoredSettings CurrentStoredSettings() const;
  void SaveSettingsIfChanged(bool with_position = false);

  Guard& guard_;
  SvgCache svg_;
  // Runs the game's timers; outlives the game, which tells it of their end.
  QtScheduler qt_scheduler_;
  // The window's own timers, which outlive any game it shows.
  vellaro::SchedulerSwitch shell_timers_{qt_scheduler_};
  MessageLine message_line_{shell_timers_};
  std::unique_ptr<host::WindowGame> play_;
  bool closing_ = false;
  bool report_first_paint_ = false;
  QtSaveDialog qt_save_dialog_{this};
  vellaro::SaveDialog* save_dialog_ = &qt_save_dialog_;
  // Where the pointer took hold of the window: set by a press on the background until the
  // pointer moves with the button still down, or the drag ends.
  std::optional<QPoint> drag_pressed_;
  // Where the pointer holds the window while it follows the pointer by hand.
  std::optional<QPoint> drag_grip_;

  // The keyboard entry's digits; the settings file, once KeepSettings has been called.
  KeyboardEntry keyboard_;
  std::optional<SettingsStore> settings_store_;
  StoredSettings saved_settings_;
  QTimer* position_rest_ = nullptr;
  SessionReadout* session_readout_ = nullptr;
  SessionPanelWindow* panel_ = nullptr;

  GuideDialog* guide_ = nullptr;
  SystemFolders system_folders_ = SystemFolders::Default();

  // The areas of the window; the options area is made when first opened.
  std::unique_ptr<HeadArea> head_;
  std::unique_ptr<BoardArea> board_;
  std::unique_ptr<BetArea> bets_;
  std::unique_ptr<OptionsArea> options_;
  std::unique_ptr<LimitsArea> limits_;
  // The head's own buttons: the session panel's and New session.
  std::unique_ptr<LitButton> panel_button_;
  std::unique_ptr<LitButton> new_session_;
  BoardKeys* board_keys_ = nullptr;
  FocusRing* focus_ring_ = nullptr;
  std::unique_ptr<Announcer> announcer_;
  std::unique_ptr<LitButton> add_spins_;
  AddSpinsDialog* add_spins_dialog_ = nullptr;
  bool quick_analysis_ = false;
  QAction* quick_analysis_item_ = nullptr;
  LastShown<QSize> client_size_;
};

}  // namespace vellaro::app
