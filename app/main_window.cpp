#include "app/main_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <stdexcept>

#include "app/accessible_names.h"
#include "app/announcer.h"
#include "app/bet_area.h"
#include "app/board_area.h"
#include "app/fonts.h"
#include "app/head_area.h"
#include "app/limits_area.h"
#include "app/limits_dialog.h"
#include "app/lit_button.h"
#include "app/options_area.h"
#include "app/picture_widget.h"
#include "app/session_panel_window.h"
#include "app/session_readout.h"
#include "app/tooltip_wrap.h"
#include "app/tooltips.h"

// Resources compiled into a static library must be registered by hand.
static void InitArtwork() {
  Q_INIT_RESOURCE(assets);
}

namespace vellaro::app {

namespace {

constexpr QColor kBackground{35, 35, 35};
constexpr QColor kSilver = ToQColor(vellaro::kColourSilver);
void PrintStamp(const char* what) {
  std::printf("%s %lld\n", what, static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
  std::fflush(stdout);
}

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

  BuildFrame();
  BuildSessionReadout();
  limits_ = std::make_unique<LimitsArea>(host());
  BuildGuide();
  BuildNewSessionButton();
  BuildAddSpinsButton();
  BuildQuickAnalysis();
  board_ = std::make_unique<BoardArea>(host(), [this](int n) { ClickNumber(n); });
  bets_ = std::make_unique<BetArea>(host());

  auto* save = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
  connect(save, &QShortcut::activated, this, [this] { Handle([this] { SaveLog(); }); });
  ApplyTooltips(*this);
  WrapTooltips(*this);
  // The window takes the keys of the keyboard entry when no control has the focus. It is
  // no Tab stop of its own: one with no control to ring would look like a lost focus.
  setFocusPolicy(Qt::ClickFocus);
  auto* panel = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this);
  connect(panel, &QShortcut::activated, this, [this] { Handle([this] { ToggleSessionPanel(); }); });
  BuildKeyboardReach();
  // The window, not its first Tab stop, has the keyboard at start: keys go to the board's
  // entry until the player presses Tab.
  setFocus();
  Sync();
  RenderShownPicturesAhead();
}

MainWindow::~MainWindow() {
  // The widgets go first, while the game they report to still exists; whatever they
  // report on their way out is not an event of the player.
  closing_ = true;
  delete panel_;  // a window of its own, not a child
  panel_ = nullptr;
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
  guard_.Run([this] { SaveSettingsIfChanged(); });
}

void MainWindow::Send(const vellaro::PlayerAction& action) {
  Handle([this, &action] { game().Apply(action); });
}

void MainWindow::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (report_first_paint_) {
    report_first_paint_ = false;
    PrintStamp("first-paint-ms");
    // The pictures paint after the window itself, in the same pass: the frame is complete
    // once the event loop has control again.
    QTimer::singleShot(0, [] { PrintStamp("first-frame-ms"); });
  }
}

void MainWindow::BuildFrame() {
  head_ = std::make_unique<HeadArea>(host(), [this] { SaveLog(); });
  PictureWidget* head = head_->head();
  head->OnPress([this](QMouseEvent& press) { StartDrag(press); });
  head->OnMove([this](QMouseEvent& move) {
    FollowDrag(move);
    Handle([this] { game().Apply(act::PointerOver{act::FramePart::kHead}); });
  });
  head->OnRelease([this](QMouseEvent&) { EndDrag(); });
}

void MainWindow::BuildSessionReadout() {
  // Under the history strip, in the band the artwork leaves free above the gauge, clear of
  // the head's small buttons from x 346 on; room for "Spins 99999  Net -99999".
  session_readout_ = new SessionReadout(this);
  session_readout_->setGeometry(214, 40, 130, 13);

  // The panel's button, a smaller twin of the frame buttons, under the close button.
  panel_button_ = std::make_unique<LitButton>(
      host(), QStringLiteral("PanelButton"), QStringLiteral("panel"), QRect(424, 30, 21, 21),
      std::nullopt, [this] { Handle([this] { ToggleSessionPanel(); }); });
  for (PictureWidget* picture : {panel_button_->button(), panel_button_->lit()}) {
    picture->setToolTip(QCoreApplication::translate("MainWindow", "Session panel (Ctrl+P)"));
  }
}

void MainWindow::ToggleSessionPanel() {
  if (panel_ == nullptr) {
    QString error;
    panel_ = LoadSessionPanel(
        game(), play_->track(), [this] { return SessionSpins(); }, error);
    if (panel_ == nullptr)
      throw std::runtime_error(
          QCoreApplication::translate("MainWindow", "The session panel cannot be loaded: %1")
              .arg(error)
              .toStdString());
    panel_->SetContinueEvening([this](int64_t id) { return ContinueSession(id); });
    NameControls(*panel_);
    // Opened for the first time: beside the board rather than over it, where it fits.
    if (!panel_->RestoredPlace()) {
      const QRect screen = this->screen()->availableGeometry();
      const QRect frame = frameGeometry();
      QPoint at(frame.right() + 8, frame.top());
      if (at.x() + panel_->width() > screen.right()) at = {frame.left(), frame.bottom() + 8};
      if (at.y() + panel_->height() > screen.bottom()) at = screen.topLeft();
      panel_->move(at);
    }
  }
  if (panel_->isVisible()) {
    panel_->hide();
  } else {
    panel_->show();
    panel_->raise();
  }
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

void MainWindow::StartDrag(const QMouseEvent& press) {
  // The move starts when the pointer first moves with the button down. A window manager
  // asked to move the window on a press whose release has already gone by waits for a
  // release that never comes, and the window then follows the pointer and holds the
  // keyboard until the next click.
  drag_pressed_ = press.globalPosition().toPoint() - pos();
  drag_grip_.reset();
}

void MainWindow::FollowDrag(const QMouseEvent& move) {
  if (move.buttons() == Qt::NoButton) {
    // The release went elsewhere (or was lost): the button is up, so the drag is over.
    EndDrag();
    return;
  }
  if (drag_pressed_) {
    const QPoint grip = *drag_pressed_;
    // A hand that trembles while clicking does not move the window.
    const QPoint moved = move.globalPosition().toPoint() - (pos() + grip);
    if (moved.manhattanLength() < QApplication::startDragDistance()) return;
    drag_pressed_.reset();
    // The window system moves the window where it can; elsewhere (an X server without a
    // window manager) the window follows the pointer by hand until the button is released.
    QWindow* handle = windowHandle();
    if (handle != nullptr && handle->startSystemMove()) return;
    drag_grip_ = grip;
  }
  if (drag_grip_) this->move(move.globalPosition().toPoint() - *drag_grip_);
}

void MainWindow::EndDrag() {
  drag_pressed_.reset();
  drag_grip_.reset();
}

void MainWindow::changeEvent(QEvent* event) {
  // Another window taking the focus takes the pointer with it.
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) EndDrag();
  QWidget::changeEvent(event);
}

void MainWindow::hideEvent(QHideEvent* event) {
  EndDrag();  // minimised or closed
  QWidget::hideEvent(event);
}

void MainWindow::Sync() {
  const vellaro::GameView view(game());
  // The options area is made the first time the player opens it: most games never need
  // it, and its widgets are a good part of the window's memory.
  if (options_ == nullptr && view.OptionsOpen()) {
    const QList<QWidget*> before = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    options_ =
        std::make_unique<OptionsArea>(host(), system_folders_, [this] { return JournalFiles(); });
    ApplyTooltips(*this);
    NameControls(*this);
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (!before.contains(child)) child->show();
    }
  }
  const QSize client(view.ClientWidth(), view.ClientHeight());
  if (client_size_.Changed(client)) setFixedSize(client);
  head_->Sync(view);
  board_->Sync(view);
  bets_->Sync(view);
  SyncReadout();
  if (options_ != nullptr) options_->Sync(view);
  SyncJournalNotice();
  session_readout_->Show(game(), play_->track().result().counts());
  // The game knows nothing of the panel's button: its highlight follows the pointer here.
  panel_button_->Sync();
  limits_->Sync(view, message_line_);
  ShowMessageLine();
  limits_->ShowBanner(message_line_);
  new_session_->Sync();
  add_spins_->Sync();
  // Once per spin, when its analysis has ended, rather than at every tick of it.
  if (panel_ != nullptr && panel_->isVisible() && !game().AnalysisRunning()) panel_->Refresh();
  if (announcer_ != nullptr) SyncKeyboardReach();
}

void MainWindow::OpenLimits() {
  limits_->OpenDialog();
  NameControls(*limits_->dialog());
}

LimitsDialog* MainWindow::limits_dialog() const {
  return limits_->dialog();
}

void MainWindow::SyncReadout() {
  head_->SyncProgress(vellaro::GameView(game()));
  ShowMessageLine();
}

}  // namespace vellaro::app
