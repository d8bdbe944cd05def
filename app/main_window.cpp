#include "app/main_window.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QGuiApplication>
#include <QMoveEvent>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <cstdio>
#include <stdexcept>

#include "app/accessible_names.h"
#include "app/add_spins_flow.h"
#include "app/end_evening.h"
#include "app/engine_colour.h"
#include "app/evening_controls.h"
#include "app/guide_opener.h"
#include "app/head_area.h"
#include "app/keyboard_reach.h"
#include "app/limits_area.h"
#include "app/limits_dialog.h"
#include "app/picture_widget.h"
#include "app/readout.h"
#include "app/screen_place.h"
#include "app/session_panel_window.h"
#include "app/session_readout.h"
#include "app/tooltip_wrap.h"
#include "app/tooltips.h"
#include "app/typed_entry.h"
#include "app/window_areas.h"

// Resources compiled into a static library must be registered by hand.
static void InitArtwork() {
  Q_INIT_RESOURCE(assets);
}

namespace vellaro::app {

namespace {

constexpr QColor kBackground{35, 35, 35};
constexpr QColor kSilver = ToQColor(vellaro::kColourSilver);
// In the right part of the readout, where the player looks for where the game stands.
constexpr QColor kNoticeColour{255, 200, 64};

void PrintStamp(const char* what) {
  std::printf("%s %lld\n", what, static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
  std::fflush(stdout);
}

// Prints a time stamp at the first paint of the window it watches, and another once that
// first frame is complete; then goes.
class FirstPaintStamp final : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched == parent()) {
      PrintStamp("first-paint-ms");
      // The pictures paint after the window itself, in the same pass: the frame is complete
      // once the event loop has control again.
      QTimer::singleShot(0, [] { PrintStamp("first-frame-ms"); });
      watched->removeEventFilter(this);
      deleteLater();
    }
    return false;
  }
};

}  // namespace

MainWindow::MainWindow(Guard& guard, PictureStore pictures, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      guard_(guard),
      svg_(std::move(pictures)),
      qt_scheduler_([this](vellaro::Timer& timer) { Handle([&timer] { timer.Tick(); }, false); }),
      play_(std::make_unique<host::WindowGame>()) {
  play_->timers().SwitchTo(qt_scheduler_);
  guard_.SetOwner(this);  // its error box opens over this window
  InitArtwork();
  setWindowTitle(QStringLiteral("Vellaro " VELLARO_VERSION));
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(11);
  setFont(font);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, kBackground);
  colours.setColor(QPalette::WindowText, kSilver);
  setPalette(colours);
  setAutoFillBackground(true);

  BuildParts();
  auto* save = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
  connect(save, &QShortcut::activated, this, [this] { Handle([this] { SaveLog(); }); });
  ApplyTooltips(*this);
  WrapTooltips(*this);
  // The window takes the keys of the keyboard entry when no control has the focus. It is
  // no Tab stop of its own: one with no control to ring would look like a lost focus.
  setFocusPolicy(Qt::ClickFocus);
  auto* panel = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this);
  connect(panel, &QShortcut::activated, this, [this] { Handle([this] { ToggleSessionPanel(); }); });
  reach_ = std::make_unique<KeyboardReach>(
      host(),
      WindowCommands{[this] { SaveLog(); }, [this] { OpenAddSpins(QString()); },
                     [this] { OpenGuide(); }, [this] { AskNewSession(); }, [this] { OpenLimits(); },
                     [this] { ToggleSessionPanel(); }},
      KeyboardReach::Readers{
          areas_->session_readout(), [this] { return play_->track().result().counts().net; },
          [this] { return !keyboard().Digits().empty(); }, [this](int n) { EnterNumber(n); }});
  // The window, not its first Tab stop, has the keyboard at start: keys go to the board's
  // entry until the player presses Tab.
  setFocus();
  Sync();
  RenderShownPicturesAhead();
}

// The parts of the window, in the order they stack: the head lowest.
void MainWindow::BuildParts() {
  areas_ = std::make_unique<WindowAreas>(host(), [this] { return JournalFiles(); });
  areas_->BuildHead([this] { SaveLog(); });
  areas_->BuildSessionReadout();
  evening_ = std::make_unique<EveningControls>(
      host(), [this](QString& error) { return LoadPanel(error); }, [this] { AskNewSession(); });
  areas_->BuildLimits();
  guide_ = std::make_unique<GuideOpener>(host());
  evening_->BuildNewSession();
  add_spins_ = std::make_unique<AddSpinsFlow>(
      host(), guard_, [this](const std::vector<int>& spins) { return EnterSpins(spins); });
  typed_ = std::make_unique<TypedEntry>(
      host(), message_line_,
      [this](const QString& text) { guard_.Run([this, text] { OpenAddSpins(text); }); },
      [this](int n) { ClickNumber(n); });
  areas_->BuildBoardAndBets([this](int n) { ClickNumber(n); });
}

MainWindow::~MainWindow() {
  // The widgets go first, while the game they report to still exists; whatever they
  // report on their way out is not an event of the player.
  closing_ = true;
  evening_->DropPanel();  // a window of its own, not a child
  const QList<QWidget*> children = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  qDeleteAll(children);
}

void MainWindow::Handle(const std::function<void()>& event, bool player_action) {
  if (closing_) return;
  // A session waiting for its first event starts with the options as they stand.
  if (play_->SessionPending()) {
    guard_.Run([this] { play_->BeginSession(game().CurrentSettings()); });
  }
  guard_.Run([&] {
    std::optional<vellaro::journal::Journal::Batch> batch;
    if (player_action && play_->journal() != nullptr) batch.emplace(*play_->journal());
    event();
  });
  Sync();
  guard_.Run([this] { settings_.SaveIfChanged(); });
}

void MainWindow::Send(const vellaro::PlayerAction& action) {
  Handle([this, &action] { game().Apply(action); });
}

void MainWindow::SaveLog() {
  QtSaveDialog toolkit(this);
  game().SaveLog(save_dialog_ != nullptr ? *save_dialog_ : toolkit, play_->JournalFiles());
}

void MainWindow::ReportFirstPaint(bool report) {
  if (report) installEventFilter(new FirstPaintStamp(this));
}

void MainWindow::RenderShownPicturesAhead() {
  // Rendered one after the other on the GUI thread, the pictures of the first frame took
  // longer than all the rest of start-up; on the thread pool they render while the window
  // is still being mapped. The window is not created yet: its pixel ratio is the one the
  // application expects, and a picture asked for at another one renders when painted.
  QList<SvgCache::Picture> shown;
  // PictureWidget has no meta-object of its own, so findChildren() cannot pick it out.
  for (QObject* child : children()) {
    const auto* picture = dynamic_cast<PictureWidget*>(child);
    if (picture != nullptr && !picture->isHidden()) {
      shown.append({picture->svg(), picture->size(), picture->devicePixelRatioF()});
    }
  }
  svg_.RenderAhead(shown);
}

void MainWindow::changeEvent(QEvent* event) {
  // Another window taking the focus takes the pointer with it.
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) areas_->head().EndDrag();
  QWidget::changeEvent(event);
}

void MainWindow::hideEvent(QHideEvent* event) {
  areas_->head().EndDrag();  // minimised or closed
  QWidget::hideEvent(event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (!PressKey(*event)) QWidget::keyPressEvent(event);
}

void MainWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  settings_.Moved(*this, [this] { Handle([this] { settings_.SaveIfChanged(true); }); });
}

void MainWindow::Sync() {
  const vellaro::GameView view(game());
  areas_->SyncFrame(view);
  SyncReadout();
  areas_->SyncOptions(view);
  SyncJournalNotice();
  areas_->session_readout()->Show(game(), play_->track().result().counts());
  areas_->limits().Sync(view, message_line_);
  ShowMessageLine();
  areas_->limits().ShowBanner(message_line_);
  add_spins_->Sync();
  evening_->Sync(game().AnalysisRunning());
  if (reach_ != nullptr) reach_->Sync(view, message_line_, JournalNotice());
}

void MainWindow::SyncReadout() {
  areas_->head().SyncProgress(vellaro::GameView(game()));
  ShowMessageLine();
}

// The line between the head and the board: the readout, and the banner over it while a
// limit holds a bet back, drawn as the message line decides.
void MainWindow::ShowMessageLine() {
  // The keyboard's refusals reach the line as they happen (app/typed_entry.h); only the
  // digits typed are read from it here.
  const KeyboardEntry& typed = keyboard();
  message_line_.SetTyped(typed.Digits().empty() ? QString() : QString::fromStdString(typed.Text()));
  HeadArea& head = areas_->head();
  message_line_.SetProgress(head.progress_text());
  message_line_.SetSpins(vellaro::GameView(game()).EnteredSpins());
  head.readout()->SetProgress(message_line_.Left());
  head.readout()->SetResult(message_line_.Right(), kNoticeColour);
  areas_->limits().WriteBanner(message_line_);
}

// ---- The settings kept across runs ------------------------------------------------------

void MainWindow::KeepSettings(const SettingsStore& store) {
  const StoredSettings stored = settings_.Keep(store);
  if (stored.position) {
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
      screens.append(screen->availableGeometry());
    move(PlaceOnScreens(*stored.position, size(), screens));
  }
  // A session resumed from the journal keeps its own options; a new one starts with these.
  if (play_->SessionPending()) {
    guard_.Run([this, &stored] { play_->BeginSession(stored.game); });
  }
  // As the player would set them: the engine takes or refuses each value. Handle then
  // writes back what the game holds, so a value it refused or a default that stood in for
  // a bad one does not stay in the file.
  Handle([this, &stored] {
    if (!play_->Resumed()) game().Configure(stored.game);
    if (stored.options_open != view().OptionsOpen()) game().Apply(act::ToggleOptions{});
  });
  SetQuickAnalysis(stored.quick_analysis);
}

StoredSettings MainWindow::CurrentStoredSettings() const {
  StoredSettings now;
  now.game = game().CurrentSettings();
  now.options_open = view().OptionsOpen();
  now.quick_analysis = QuickAnalysis();
  now.position = pos();
  return now;
}

// ---- The evening on show and the journal (kept by its WindowGame) ------------------------

void MainWindow::Adopt(std::unique_ptr<host::WindowGame> play) {
  // The panel and the limits dialog, made for the game on show, would go on reading it.
  if (session_panel() != nullptr || limits_dialog() != nullptr) {
    throw std::logic_error("A game is adopted only by a window the player has not used");
  }
  // The game on show goes, and its timers with it; nothing of it was journaled.
  play_ = std::move(play);
  play_->timers().SwitchTo(qt_scheduler_);
  Sync();
}

void MainWindow::NewSession() {
  if (game().AnalysisRunning()) return;
  play_->NewSession();
  typed_->Clear();
  evening_->RenewPanel();
}

bool MainWindow::AgreeToEndEvening(const QString& then) {
  const vellaro::RealResult::Counts& counts = play_->track().result().counts();
  // With no spin in the history nothing of the evening would be lost.
  if (counts.spins == 0) return true;
  return AskToEndEvening(this, EndEveningQuestion(counts, then));
}

void MainWindow::AskNewSession() {
  if (game().AnalysisRunning()) return;
  if (!AgreeToEndEvening(QCoreApplication::translate("WindowJournal", "start a new one"))) return;
  Handle([this] { NewSession(); });
}

QString MainWindow::ContinueSession(int64_t id) {
  if (play_->journal() != nullptr && play_->journal()->session() == id) {
    return QCoreApplication::translate("WindowJournal", "Session %1 is the evening on show.")
        .arg(id);
  }
  const auto refused = [id](const std::string& why) {
    return QCoreApplication::translate("WindowJournal", "Session %1 cannot be continued: %2.")
        .arg(id)
        .arg(QString::fromStdString(why));
  };
  // Whether it can be continued is said before anything is asked.
  vellaro::journal::StoredSession stored;
  std::string why = play_->ReadToContinue(id, stored);
  if (!why.empty()) return refused(why);
  if (!AgreeToEndEvening(
          QCoreApplication::translate("WindowJournal", "continue session %1").arg(id)))
    return {};
  // Not through Handle: a session waiting for its first event is not started for this.
  guard_.Run([&] { why = play_->ContinueSession(stored); });
  typed_->Clear();
  Sync();
  if (!why.empty()) return refused(why);
  evening_->RenewPanel();
  return {};
}

QString MainWindow::JournalNotice() const {
  return QString::fromStdString(play_->JournalNotice());
}

void MainWindow::SyncJournalNotice() {
  if (!play_->JournalKept()) return;
  message_line_.SetJournal(JournalNotice());
}

SessionPanelWindow* MainWindow::LoadPanel(QString& error) {
  SessionPanelWindow* panel = LoadSessionPanel(
      game(), play_->track(), [this] { return SessionSpins(); }, error);
  if (panel != nullptr)
    panel->SetContinueEvening([this](int64_t id) { return ContinueSession(id); });
  return panel;
}

// ---- The window's parts, as the tests and main() reach them ------------------------------

void MainWindow::ToggleSessionPanel() {
  evening_->TogglePanel();
}

SessionPanelWindow* MainWindow::session_panel() const {
  return evening_->panel();
}

void MainWindow::OpenLimits() {
  areas_->limits().OpenDialog();
  NameControls(*areas_->limits().dialog());
}

LimitsDialog* MainWindow::limits_dialog() const {
  return areas_->limits().dialog();
}

SessionReadout* MainWindow::session_readout() const {
  return areas_->session_readout();
}

const SystemFolders& MainWindow::system_folders() const {
  return areas_->system_folders();
}

void MainWindow::SetSystemFolders(SystemFolders folders) {
  areas_->SetSystemFolders(std::move(folders));
}

OptionsArea* MainWindow::options_area() const {
  return areas_->options();
}

void MainWindow::OpenGuide() {
  guide_->Open();
}

GuideDialog* MainWindow::guide_dialog() const {
  return guide_->dialog();
}

void MainWindow::OpenAddSpins(const QString& text) {
  add_spins_->Open(text);
}

AddSpinsDialog* MainWindow::add_spins_dialog() const {
  return add_spins_->dialog();
}

bool MainWindow::EnterSpins(const std::vector<int>& spins) {
  std::string refused;
  Handle([&] { refused = play_->EnterSpins(spins); });
  if (refused.empty()) return true;
  message_line_.Refuse(QString::fromStdString(refused));
  ShowMessageLine();
  return false;
}

void MainWindow::SetQuickAnalysis(bool on) {
  add_spins_->SetQuickAnalysis(on);
}

bool MainWindow::QuickAnalysis() const {
  return add_spins_->QuickAnalysis();
}

bool MainWindow::PressKey(const QKeyEvent& key) {
  if (!typed_->Press(key)) return false;
  SyncReadout();
  return true;
}

const KeyboardEntry& MainWindow::keyboard() const {
  return typed_->keyboard();
}

void MainWindow::EnterNumber(int n) {
  typed_->EnterNumber(n);
}

BoardKeys* MainWindow::board_keys() const {
  return reach_->board_keys();
}

const Announcer& MainWindow::announcer() const {
  return reach_->announcer();
}

}  // namespace vellaro::app
