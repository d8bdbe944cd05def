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

#include "app/chip_stake.h"
#include "app/fitted_number.h"
#include "app/fonts.h"
#include "app/gauge_bar.h"
#include "app/picture_widget.h"
#include "app/session_panel_window.h"
#include "app/session_readout.h"
#include "app/tooltip_wrap.h"
#include "app/tooltips.h"
#include "app/version_text.h"
#include "betting/chance.h"

// Resources compiled into a static library must be registered by hand.
static void InitArtwork() {
  Q_INIT_RESOURCE(assets);
}

namespace vellaro::app {

namespace {

constexpr QColor kBackground{35, 35, 35};
constexpr QColor kSilver = ToQColor(vellaro::kColourSilver);
constexpr QColor kGaugeBar1{210, 159, 4};

QRect TilePlace(int n) {
  if (n == 0) return {16, 112, 33, 33};
  const int column = (n - 1) / 3;
  const int row = (n - 1) % 3;
  return {48 + 32 * column, 144 - 32 * row, 33, 33};
}

constexpr std::array<int, kChances> kChipX = {37, 97, 157, 262, 320, 378};
constexpr std::array<int, kChances> kStakeX = {36, 96, 156, 261, 319, 377};
constexpr std::array<int, kChances> kFieldX = {36, 94, 154, 256, 316, 374};
constexpr std::array<int, kChances> kTrendX = {32, 90, 149, 253, 312, 370};
// The stake stays clear of the rim of its chip.
constexpr int kStakeMargin = 2;
QFont StakeFont() {
  return ArialFont(12, true);
}

void PrintStamp(const char* what) {
  std::printf("%s %lld\n", what, static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
  std::fflush(stdout);
}

QString ChanceName(int k) {
  const std::string_view name = kChanceNames[static_cast<size_t>(k)];
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

QFont ArialFont(int pixel_size, bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixel_size);
  font.setBold(bold);
  return font;
}

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
  BuildLimits();
  BuildGuide();
  BuildNewSessionButton();
  BuildBoard();
  BuildBetDisplay();

  auto* save = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
  connect(save, &QShortcut::activated, this, [this] { Handle([this] { SaveLog(); }); });
  ApplyTooltips(*this);
  WrapTooltips(*this);
  // The window takes the keys of the keyboard entry when no control has the focus.
  setFocusPolicy(Qt::StrongFocus);
  auto* panel = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this);
  connect(panel, &QShortcut::activated, this, [this] { Handle([this] { ToggleSessionPanel(); }); });
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

PictureWidget* MainWindow::AddPicture(const QString& name, const QString& svg, const QRect& place) {
  auto* picture = new PictureWidget(svg_, svg, place, this);
  picture->setObjectName(name);
  return picture;
}

QLabel* MainWindow::AddLabel(const QString& name, const QString& caption, const QPoint& place,
                             QWidget* parent) {
  auto* label = new QLabel(caption, parent != nullptr ? parent : this);
  label->setObjectName(name);
  label->setFont(CaptionFont());
  label->move(place);
  label->adjustSize();
  return label;
}

void MainWindow::BuildFrame() {
  PictureWidget* head = AddPicture(QStringLiteral("HeadImage"), QStringLiteral(":/head.svg"),
                                   {0, 0, vellaro::Window::kHeadImageWidth, 449});
  head->OnPress([this](QMouseEvent& press) { StartDrag(press); });
  head->OnMove([this](QMouseEvent& move) {
    FollowDrag(move);
    Handle([this] { game().HeadImageMouseMove(); });
  });
  head->OnRelease([this](QMouseEvent&) { EndDrag(); });
  // Beside the title, in the grey of the artwork's small print.
  auto* version = new VersionText(QStringLiteral(VELLARO_VERSION), ArialFont(10, true),
                                  QColor(0x8e, 0x8e, 0x8e), {156, 24}, this);
  version->setObjectName(QStringLiteral("Version"));

  // The greyed arrow stays beneath the undo control, so a hidden undo looks unavailable.
  AddPicture(QStringLiteral("Image83"), QStringLiteral(":/undo_inactive.svg"), {184, 15, 25, 25});
  undo_ = AddPicture(QStringLiteral("ImageUndo"), QStringLiteral(":/undo_active.svg"),
                     {184, 15, 25, 25});
  undo_->OnClick([this] { Handle([this] { game().UndoClick(); }); });
  BindShown(undo_, [=](const vellaro::Window& w) { return w.ImageUndo.visible; });

  for (int i = 0; i < static_cast<int>(history_.size()); ++i) {
    auto* slot = new QLabel(this);
    slot->setObjectName(QStringLiteral("HisNum%1").arg(i + 1));
    slot->setGeometry(214 + 18 * i, 19, 17, 17);
    slot->setAlignment(Qt::AlignCenter);
    slot->setFont(ArialFont(11, true));
    slot->setAutoFillBackground(true);
    history_[static_cast<size_t>(i)] = slot;
    BindShown(slot,
              [=](const vellaro::Window& w) { return w.HisNum[static_cast<size_t>(i)].visible; });
  }

  gauge1_ = new GaugeBar(kGaugeBar1, game().controls().CGauge1.max, this);
  gauge1_->setObjectName(QStringLiteral("CGauge1"));
  gauge1_->setGeometry(-6, 55, 460, 6);
  // In the strip between the gauge and the board, clear of both.
  readout_ = new Readout(this);
  readout_->setObjectName(QStringLiteral("Readout"));
  readout_->setGeometry(16, 62, 417, 13);

  struct FrameButton {
    const char* name;
    const char* hover_name;
    const char* svg;
    const char* hover_svg;
    int x;
    void (vellaro::Game::*mouse_move)();
    PictureWidget* MainWindow::*hover;
  };
  const FrameButton buttons[] = {
      {"Button_Close", "Button_Close_Hover", ":/close.svg", ":/close_hover.svg", 422,
       &vellaro::Game::Button_CloseMouseMove, &MainWindow::close_hover_},
      {"Button_Minimize", "Button_Minimize_2", ":/minimize.svg", ":/minimize_hover.svg", 396,
       &vellaro::Game::Button_MinimizeMouseMove, &MainWindow::minimize_hover_},
      {"Button_Save", "Button_Save_Hover", ":/save.svg", ":/save_hover.svg", 370,
       &vellaro::Game::Button_SaveMouseMove, &MainWindow::save_hover_},
  };
  for (const FrameButton& button : buttons) {
    const QRect place(button.x, 3, 25, 25);
    PictureWidget* normal =
        AddPicture(QLatin1String(button.name), QLatin1String(button.svg), place);
    normal->setCursor(Qt::PointingHandCursor);
    const auto mouse_move = button.mouse_move;
    normal->OnMove([this, mouse_move](QMouseEvent&) { Handle([&] { (game().*mouse_move)(); }); });
    this->*button.hover =
        AddPicture(QLatin1String(button.hover_name), QLatin1String(button.hover_svg), place);
  }
  BindShown(close_hover_, [=](const vellaro::Window& w) { return w.Button_Close_Hover.visible; });
  BindShown(minimize_hover_, [=](const vellaro::Window& w) { return w.Button_Minimize_2.visible; });
  BindShown(save_hover_, [=](const vellaro::Window& w) { return w.Button_Save_Hover.visible; });
  // Only the highlighted twins act; the plain pictures merely bring them up.
  close_hover_->OnClick([this] {
    Handle([this] {
      close();
      QCoreApplication::quit();
    });
  });
  minimize_hover_->OnClick([this] { Handle([this] { showMinimized(); }); });
  save_hover_->OnClick([this] { Handle([this] { SaveLog(); }); });
}

void MainWindow::BuildSessionReadout() {
  // Under the history strip, in the band the artwork leaves free above the gauge, clear of
  // the head's small buttons from x 346 on; room for "Spins 99999  Net -99999".
  session_readout_ = new SessionReadout(this);
  session_readout_->setGeometry(214, 40, 130, 13);

  // The panel's button, a smaller twin of the frame buttons, under the close button.
  const QRect place(424, 30, 21, 21);
  PictureWidget* button =
      AddPicture(QStringLiteral("Button_Panel"), QStringLiteral(":/panel.svg"), place);
  button->setCursor(Qt::PointingHandCursor);
  button->setToolTip(QStringLiteral("Session panel (Ctrl+P)"));
  // Clears the other highlights as the frame buttons do; this one is the shell's own.
  button->OnMove([this](QMouseEvent&) {
    panel_button_hovered_ = true;
    Handle([this] { game().HeadImageMouseMove(); });
  });
  panel_hover_ =
      AddPicture(QStringLiteral("Button_Panel_Hover"), QStringLiteral(":/panel_hover.svg"), place);
  panel_hover_->setCursor(Qt::PointingHandCursor);
  panel_hover_->setToolTip(button->toolTip());
  panel_hover_->OnMove([](QMouseEvent&) {});
  panel_hover_->OnClick([this] { Handle([this] { ToggleSessionPanel(); }); });
  panel_hover_->hide();
}

void MainWindow::ToggleSessionPanel() {
  if (panel_ == nullptr) {
    QString error;
    panel_ = LoadSessionPanel(
        game(), play_->track(), [this] { return SessionSpins(); }, error);
    if (panel_ == nullptr)
      throw std::runtime_error("The session panel cannot be loaded: " + error.toStdString());
    panel_->SetContinueEvening([this](int64_t id) { return ContinueSession(id); });
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

void MainWindow::BuildBoard() {
  for (int n = 0; n < kNumbers; ++n) {
    AddPicture(QStringLiteral("Inactive%1").arg(n), QStringLiteral(":/tiles/tile_inactive.svg"),
               TilePlace(n));
  }
  for (int n = 0; n < kNumbers; ++n) {
    PictureWidget* tile = AddPicture(QStringLiteral("Image%1").arg(n),
                                     QStringLiteral(":/tiles/tile_%1.svg").arg(n), TilePlace(n));
    tile->OnMove([this, n](QMouseEvent&) { Handle([this, n] { game().NumberMouseMove(n); }); });
    tile->OnClick([this, n] { Handle([this, n] { game().NumberClick(n); }); });
    tiles_[static_cast<size_t>(n)] = tile;
    BindShown(tile,
              [=](const vellaro::Window& w) { return w.Image[static_cast<size_t>(n)].visible; });
  }
  for (int n = 0; n < kNumbers; ++n) {
    PictureWidget* highlight =
        AddPicture(QStringLiteral("Image_Act_%1").arg(n),
                   QStringLiteral(":/tiles/tile_%1_hover.svg").arg(n), TilePlace(n));
    highlight->OnClick([this, n] { Handle([this, n] { game().NumberClick(n); }); });
    highlights_[static_cast<size_t>(n)] = highlight;
    BindShown(highlight, [=](const vellaro::Window& w) {
      return w.Image_Act[static_cast<size_t>(n)].visible;
    });
  }
}

void MainWindow::BuildBetDisplay() {
  static constexpr std::array<const char*, kChances> kFieldSvg = {
      ":/field_less.svg",  ":/field_even.svg", ":/field_red.svg",
      ":/field_black.svg", ":/field_odd.svg",  ":/field_more.svg"};
  for (int k = 0; k < kChances; ++k) {
    const auto i = static_cast<size_t>(k);
    const QString name = ChanceName(k);
    AddPicture(QStringLiteral("ChipGrey") + name, QStringLiteral(":/chip_grey.svg"),
               {kChipX[i], 247, 33, 33});
    fields_[i] = AddPicture(QStringLiteral("Field") + name, QLatin1String(kFieldSvg[i]),
                            {kFieldX[i], 218, 42, 21});
    chips_[i] = AddPicture(QStringLiteral("Chip") + name, QStringLiteral(":/chip.svg"),
                           {kChipX[i], 247, 33, 33});
    auto* stake = new ChipStake(this);
    stake->setObjectName(QStringLiteral("BetSizeShow_") + name);
    stake->setGeometry(kStakeX[i], 255, 33, 14);
    stake->setAlignment(Qt::AlignCenter);
    stake->setFont(StakeFont());
    QPalette colours = stake->palette();
    colours.setColor(QPalette::WindowText, ToQColor(game().controls().BetSizeShow[i].colour));
    stake->setPalette(colours);
    stakes_[i] = stake;
    BindShown(fields_[i], [=](const vellaro::Window& w) { return w.Field[i].visible; });
    BindShown(chips_[i], [=](const vellaro::Window& w) { return w.Chip[i].visible; });
    BindShown(stake, [=](const vellaro::Window& w) { return w.BetSizeShow[i].visible; });
  }
  for (int k = 0; k < kChances; ++k) {
    const auto i = static_cast<size_t>(k);
    const QString name = QStringLiteral("Trend_") + ChanceName(k);
    const QRect place(kTrendX[i], 193, 47, 17);
    PictureWidget* idle =
        AddPicture(name + QStringLiteral("_0"), QStringLiteral(":/trend_idle.svg"), place);
    idle->OnMove([this, k](QMouseEvent&) { Handle([this, k] { game().TrendIdleMouseMove(k); }); });
    trend_on_[i] =
        AddPicture(name + QStringLiteral("_1"), QStringLiteral(":/trend_on_hover.svg"), place);
    trend_on_[i]->OnClick([this, k] { Handle([this, k] { game().TrendSwitchOnClick(k); }); });
    trend_active_[i] =
        AddPicture(name + QStringLiteral("_2"), QStringLiteral(":/trend_active.svg"), place);
    trend_active_[i]->OnClick([this, k] { Handle([this, k] { game().TrendActiveClick(k); }); });
    BindShown(trend_on_[i], [=](const vellaro::Window& w) { return w.Trend_1[i].visible; });
    BindShown(trend_active_[i], [=](const vellaro::Window& w) { return w.Trend_2[i].visible; });
  }
  safe_level_waiting_ = AddPicture(QStringLiteral("SL_Indicator1"),
                                   QStringLiteral(":/safe_level_waiting.svg"), {217, 220, 17, 17});
  safe_level_armed_ = AddPicture(QStringLiteral("SL_Indicator2"),
                                 QStringLiteral(":/safe_level_armed.svg"), {217, 220, 17, 17});
  BindShown(safe_level_waiting_, [=](const vellaro::Window& w) { return w.SL_Indicator1.visible; });
  BindShown(safe_level_armed_, [=](const vellaro::Window& w) { return w.SL_Indicator2.visible; });

  const QRect options(201, 251, 49, 28);
  PictureWidget* options_button =
      AddPicture(QStringLiteral("Image_Options1"), QStringLiteral(":/options.svg"), options);
  options_button->setCursor(Qt::PointingHandCursor);
  options_button->OnMove(
      [this](QMouseEvent&) { Handle([this] { game().Image_Options1MouseMove(); }); });
  options_hover_ =
      AddPicture(QStringLiteral("Image_Options2"), QStringLiteral(":/options_hover.svg"), options);
  options_open_ =
      AddPicture(QStringLiteral("Image_Options3"), QStringLiteral(":/options_open.svg"), options);
  for (PictureWidget* twin : {options_hover_, options_open_}) {
    twin->OnClick([this] { Handle([this] { game().OptionsClick(); }); });
  }
  BindShown(options_hover_, [=](const vellaro::Window& w) { return w.Image_Options2.visible; });
  BindShown(options_open_, [=](const vellaro::Window& w) { return w.Image_Options3.visible; });
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
  // The options area is made the first time the player opens it: most games never need
  // it, and its widgets are a good part of the window's memory.
  if (init_bet_ == nullptr && OptionsOpen()) {
    const QList<QWidget*> before = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    BuildOptionsArea();
    ApplyTooltips(*this);
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (!before.contains(child)) child->show();
    }
  }
  const vellaro::Window& controls = game().controls();
  for (FlagBinding& binding : shown_) {
    const bool shown = binding.flag(controls);
    if (binding.shown != shown) {
      binding.shown = shown;
      binding.widget->setVisible(shown);
    }
  }
  for (FlagBinding& binding : enabled_) {
    const bool enabled = binding.flag(controls);
    if (binding.shown != enabled) {
      binding.shown = enabled;
      binding.widget->setEnabled(enabled);
    }
  }
  const QSize client(game().controls().ClientWidth, game().controls().ClientHeight);
  if (client_size_.Changed(client)) setFixedSize(client);
  SyncBoard();
  SyncBetDisplay();
  SyncReadout();
  if (init_bet_ != nullptr) SyncOptionsArea();
  SyncJournalNotice();
  session_readout_->Show(game(), play_->track().result().counts());
  // The engine knows nothing of the panel's button: its highlight follows the pointer here.
  SetShown(panel_hover_, panel_button_hovered_ || panel_hover_->underMouse());
  panel_button_hovered_ = false;
  SyncLimits();
  SyncNewSessionButton();
  // Once per spin, when its analysis has ended, rather than at every tick of it.
  if (panel_ != nullptr && panel_->isVisible() && !game().AnalysisRunning()) panel_->Refresh();
}

void MainWindow::SyncBoard() {
  for (size_t i = 0; i < history_.size(); ++i) {
    const vellaro::Label& slot = game().controls().HisNum[i];
    if (history_text_[i].Changed(slot.caption)) {
      history_[i]->setText(QString::fromStdString(slot.caption));
    }
    if (history_colour_[i].Changed(slot.background)) {
      QPalette colours = history_[i]->palette();
      colours.setColor(QPalette::Window, ToQColor(slot.background));
      colours.setColor(QPalette::WindowText, ToQColor(slot.colour));
      history_[i]->setPalette(colours);
    }
  }
  if (gauge1_progress_.Changed(game().controls().CGauge1.progress)) {
    gauge1_->SetValue(game().controls().CGauge1.progress);
  }
}

void MainWindow::SyncBetDisplay() {
  for (size_t k = 0; k < stakes_.size(); ++k) {
    const std::string& stake = game().controls().BetSizeShow[k].caption;
    // A large stake shrinks, or takes its short form, to stay readable on the chip.
    if (stake_text_[k].Changed(stake)) {
      ShowFitted(stakes_[k], QString::fromStdString(stake), StakeFont(), kStakeMargin);
    }
  }
}

void MainWindow::SyncReadout() {
  GameProgress progress;
  progress.spins = game().state().SpinCount;
  progress.entered = static_cast<int64_t>(game().controls().NumbersList.size());
  progress.first_analysis = vellaro::GameState::StartThreshold;
  progress.matrix = game().state().ModeId == 5;
  progress.matrix_chosen = game().state().MatrixFlag == 1;
  progress.matrix_step = game().state().MatrixStep;
  vellaro::SpinEdit learning = game().controls().N_Count;  // read as the engine reads it, on a copy
  progress.matrix_learning = vellaro::ReadSpinEdit(learning);
  progress.matrix_column = game().state().MatrixColumn;
  // Most ticks change nothing: the text is written only when the game moved on.
  if (progress_.Changed(progress)) progress_text_ = ProgressText(progress);
  ShowMessageLine();
}

}  // namespace vellaro::app
