#pragma once

#include <QPoint>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/engine_colour.h"
#include "app/guard.h"
#include "app/keyboard_entry.h"
#include "app/message_line.h"
#include "app/qt_save_dialog.h"
#include "app/qt_scheduler.h"
#include "app/readout.h"
#include "app/settings_store.h"
#include "app/svg_cache.h"
#include "host/window_game.h"
#include "env/scheduler_switch.h"
#include "game/game.h"
#include "journal/journal.h"
#include "session/session_track.h"
#include "replay/what_if.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;
class QTimer;

namespace vellaro::app {

class GaugeBar;
class GuideDialog;
class LimitBanner;
class LimitsDialog;
class PictureWidget;
class SessionPanelWindow;
class SessionReadout;

// Remembers the value last shown, so that a redraw after every timer tick touches a
// widget only when the engine changed something.
template <typename T>
class LastShown {
 public:
  bool Changed(const T& value) {
    if (known_ && value == value_) return false;
    value_ = value;
    known_ = true;
    return true;
  }

 private:
  T value_{};
  bool known_ = false;
};

// Ties a widget's visibility (or enabled state) to a flag of the engine's controls, read
// through the game's view at every redraw. An idle redraw then only compares flags, without
// touching the widgets.
struct FlagBinding {
  std::function<bool(const vellaro::Window&)> flag;
  QWidget* widget;
  int8_t shown = -1;  // what the widget shows: -1 before the first redraw
};

// The main window: draws the engine's controls and passes the player's events to the
// engine. It keeps no game state of its own. Every widget carries the name of the engine
// control it draws (Image17, Image_Act_17, ChipBlack, HisNum1, ...).
class MainWindow final : public QWidget {
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
  LimitsDialog* limits_dialog() const { return limits_dialog_; }
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
  PictureWidget* AddPicture(const QString& name, const QString& svg, const QRect& place);
  QLabel* AddLabel(const QString& name, const QString& caption, const QPoint& place,
                   QWidget* parent = nullptr);
  void BuildFrame();
  void BuildSessionReadout();
  void BuildLimits();  // window_limits.cpp
  void BuildGuide();  // window_guide.cpp
  void BuildLimitBanner();
  void SyncLimits();
  void ShowMessageLine();  // window_messages.cpp
  void BuildNewSessionButton();
  void SyncNewSessionButton();
  // Asks before the evening on show ends, naming it and what comes `then`
  // (window_journal.cpp). False when the player keeps the evening.
  bool AgreeToEndEvening(const QString& then);
  void AskNewSession();
  // A panel made for the evening that ended goes; one is made for the evening on show.
  void RenewPanel();
  void SyncJournalNotice();
  void BuildBoard();
  void BuildBetDisplay();
  void BuildOptionsArea();
  void SyncBoard();
  void SyncBetDisplay();
  void SyncOptionsArea();
  void SyncReadout();
  void RenderShownPicturesAhead();
  void StartDrag(const QMouseEvent& press);
  void FollowDrag(const QMouseEvent& move);
  void EndDrag();
  void EnterTyped();
  void RefuseTyped(const std::string& why);  // forgets the digits and says why
  bool OptionsOpen() const;
  StoredSettings CurrentStoredSettings() const;
  void SaveSettingsIfChanged(bool with_position = false);
  using Flag = std::function<bool(const vellaro::Window&)>;
  void BindShown(QWidget* widget, Flag shown) { shown_.push_back({std::move(shown), widget}); }
  void BindEnabled(QWidget* widget, Flag enabled) {
    enabled_.push_back({std::move(enabled), widget});
  }

  Guard& guard_;
  SvgCache svg_;
  // Runs the game's timers; outlives the game, which tells it of their end.
  QtScheduler qt_scheduler_;
  // The window's own timers, which outlive any game it shows.
  vellaro::SchedulerSwitch shell_timers_{qt_scheduler_};
  MessageLine message_line_{shell_timers_};
  std::unique_ptr<host::WindowGame> play_;
  PictureWidget* new_session_hover_ = nullptr;
  bool new_session_hovered_ = false;
  bool closing_ = false;
  bool report_first_paint_ = false;
  QtSaveDialog qt_save_dialog_{this};
  vellaro::SaveDialog* save_dialog_ = &qt_save_dialog_;
  void SaveLog() { game().SaveLog(*save_dialog_); }
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
  PictureWidget* panel_hover_ = nullptr;
  bool panel_button_hovered_ = false;

  // The session limits (window_limits.cpp).
  PictureWidget* limits_hover_ = nullptr;
  bool limits_button_hovered_ = false;
  LimitBanner* limit_banner_ = nullptr;
  QPushButton* continue_anyway_ = nullptr;
  QString banner_reason_;
  LastShown<vellaro::BetWithheld> withheld_shown_;
  LimitsDialog* limits_dialog_ = nullptr;
  GuideDialog* guide_ = nullptr;
  LastShown<vellaro::SessionLimits> limits_shown_;

  std::vector<FlagBinding> shown_;
  std::vector<FlagBinding> enabled_;

  // Frame.
  PictureWidget* close_hover_ = nullptr;
  PictureWidget* minimize_hover_ = nullptr;
  PictureWidget* save_hover_ = nullptr;
  PictureWidget* options_hover_ = nullptr;
  PictureWidget* options_open_ = nullptr;
  LastShown<QSize> client_size_;

  // Board, history and undo.
  std::array<PictureWidget*, vellaro::kNumbers> tiles_{};
  std::array<PictureWidget*, vellaro::kNumbers> highlights_{};
  std::array<QLabel*, 8> history_{};
  std::array<LastShown<std::string>, 8> history_text_;
  std::array<LastShown<vellaro::Rgb>, 8> history_colour_;
  PictureWidget* undo_ = nullptr;
  GaugeBar* gauge1_ = nullptr;
  LastShown<int32_t> gauge1_progress_;
  Readout* readout_ = nullptr;
  LastShown<GameProgress> progress_;
  QString progress_text_;

  // Bet display, trends and SAFE LEVEL lamps, by chance.
  std::array<PictureWidget*, vellaro::kChances> chips_{};
  std::array<PictureWidget*, vellaro::kChances> fields_{};
  std::array<QLabel*, vellaro::kChances> stakes_{};
  std::array<LastShown<std::string>, vellaro::kChances> stake_text_;
  std::array<PictureWidget*, vellaro::kChances> trend_on_{};
  std::array<PictureWidget*, vellaro::kChances> trend_active_{};
  PictureWidget* safe_level_waiting_ = nullptr;
  PictureWidget* safe_level_armed_ = nullptr;

  // Options area, made when first opened.
  QSpinBox* init_bet_ = nullptr;
  QComboBox* game_modes_ = nullptr;
  QComboBox* bet_strategy_ = nullptr;
  QPushButton* reset_bets_ = nullptr;
  QPushButton* recalculate_ = nullptr;
  GaugeBar* gauge2_ = nullptr;
  QPushButton* create_matrix_ = nullptr;
  GaugeBar* gauge3_ = nullptr;
  QSpinBox* n_count_ = nullptr;
  QPushButton* reset_matrix_ = nullptr;
  QLabel* safe_level_value_ = nullptr;
  QSlider* safe_level_ = nullptr;
  QCheckBox* cat_rows_ = nullptr;
  QCheckBox* show_bet_size_ = nullptr;
  QGroupBox* up_trender_ = nullptr;
  QLabel* on_label_ = nullptr;
  QLabel* wins_add_label_ = nullptr;
  QSpinBox* on_wins_ = nullptr;
  QSpinBox* add_to_bet_ = nullptr;
  QCheckBox* automatic_reset_ = nullptr;
  QCheckBox* minimal_profit_ = nullptr;
  LastShown<std::string> safe_level_text_;
  LastShown<vellaro::Rgb> up_trender_colour_;
  LastShown<vellaro::Rgb> on_label_colour_;
  LastShown<vellaro::Rgb> wins_add_label_colour_;
  LastShown<vellaro::Rgb> on_wins_colour_;
  LastShown<vellaro::Rgb> add_to_bet_colour_;
  LastShown<vellaro::Rgb> init_bet_colour_;
  LastShown<std::string> init_bet_text_;
  LastShown<int32_t> recalculating_;
  LastShown<int32_t> matrix_progress_;
  LastShown<std::string> n_count_text_;
};

// Arial of the given pixel height, bold or not.
QFont ArialFont(int pixel_size, bool bold);

}  // namespace vellaro::app
