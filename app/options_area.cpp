#include "app/options_area.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionSpinBox>
#include <algorithm>

#include "app/area_host.h"
#include "app/compact_combo_style.h"
#include "app/engine_colour.h"
#include "app/fitted_number.h"
#include "app/gauge_bar.h"
#include "app/locked_look.h"
#include "app/picture_widget.h"
#include "app/system_box.h"
#include "app/system_catalogue.h"
#include "app/system_editor.h"
#include "app/tooltips.h"

namespace vellaro::app {

namespace {

constexpr QColor kLime = ToQColor(vellaro::kColourLime);
constexpr QColor kWhite = ToQColor(vellaro::kColourWhite);
constexpr QColor kReadOnlyGround{29, 47, 15};
// The face of the buttons and of the arrow columns of the spin edits: the dark green of
// the selectors, a shade darker, so that no white column stands out on the dark panel.
constexpr QColor kButtonFace{44, 72, 24};

// A spin edit that tells when the player leaves it: the engine brings a typed value into
// range only then.
class LeavingSpinBox final : public QSpinBox {
 public:
  LeavingSpinBox(std::function<void()> on_leave, QWidget* parent)
      : QSpinBox(parent), on_leave_(std::move(on_leave)) {}

 protected:
  void focusOutEvent(QFocusEvent* event) override {
    // Another window taking the keyboard (a dialog, an error box, a list dropping open) is
    // not the player leaving the edit.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) on_leave_();
    QSpinBox::focusOutEvent(event);
  }

 private:
  std::function<void()> on_leave_;
};

void Paint(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette colours = widget->palette();
  colours.setColor(role, colour);
  widget->setPalette(colours);
}

// Text in `colour` only while usable; a locked control shows the locked grey.
void PaintUsableText(QWidget* widget, const QColor& colour) {
  PaintUsable(widget, QPalette::WindowText, colour, kLockedText);
}

// The dark look of a spin edit: lime digits, dark arrow columns, greyed when locked. The
// ground of the edit (its Base) is set by whoever knows its colour.
void PaintSpinEdit(QSpinBox* box) {
  PaintUsable(box, QPalette::Text, kLime, kLockedText);
  PaintUsable(box, QPalette::Button, kButtonFace, kLockedGround);
  PaintUsable(box, QPalette::ButtonText, kLime, kLockedText);
  // Fusion draws the arrows in the window text colour.
  PaintUsable(box, QPalette::WindowText, kLime, kLockedText);
  PaintUsable(box, QPalette::Window, kButtonFace, kLockedGround);
}

// The ground of an edit in the colour the engine gives it while usable, dark when locked.
void PaintGround(QWidget* widget, const QColor& usable) {
  PaintUsable(widget, QPalette::Base, usable, kLockedGround);
}

// The learning length's figure in the largest font, from the window's down to the smallest
// readable one, that shows it whole; the tooltip names a figure still too long.
void FitLearningLength(QSpinBox* box) {
  const QFont design = box->parentWidget()->font();
  const int room = box->findChild<QLineEdit*>()->width() - 4;  // the edit's own margins
  // An edit shows the figure itself, never a short form.
  const FittedNumber fitted = FitNumber(box->text(), design, room);
  QFont font = fitted.font;
  if (!fitted.exact) font.setPixelSize(kSmallestReadablePixels);
  box->setFont(font);
  const bool whole = QFontMetrics(font).horizontalAdvance(box->text()) <= room;
  static const QString kWhat =
      QCoreApplication::translate("OptionsArea", "Spins the matrix learns from");
  box->setToolTip(whole ? kWhat : kWhat + QStringLiteral(": ") + box->text());
}

// A spin edit's font, from its own down to the smallest readable one, in which its
// largest value shows whole.
void FitLargestValue(QSpinBox* box) {
  QStyleOptionSpinBox option;
  option.initFrom(box);
  option.buttonSymbols = box->buttonSymbols();
  option.frame = box->hasFrame();
  option.subControls = QStyle::SC_SpinBoxFrame | QStyle::SC_SpinBoxEditField |
                       QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
  const int room =
      box->style()
          ->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxEditField, box)
          .width() -
      4;  // the edit's own margins
  const FittedNumber fitted = FitNumber(QString::number(box->maximum()), box->font(), room);
  if (fitted.exact) box->setFont(fitted.font);
}

// A selector draws its text in the largest font, from `design` down to the smallest
// readable one, in which every entry fits its field: no entry is cut when chosen.
void FitEntries(QComboBox* box, const QFont& design) {
  QFont font = design;
  for (int size = design.pixelSize(); size >= kSmallestReadablePixels; --size) {
    font.setPixelSize(size);
    box->setFont(font);
    QStyleOptionComboBox option;
    option.initFrom(box);
    const int room =
        box->style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box)
            .width();
    bool all_fit = true;
    for (int i = 0; i < box->count(); ++i) {
      all_fit = all_fit && QFontMetrics(font).horizontalAdvance(box->itemText(i)) <= room;
    }
    if (all_fit) return;
  }
}

void SetSpinText(QSpinBox* box, const std::string& text) {
  bool number = false;
  const int value = QString::fromStdString(text).toInt(&number);
  // A half-typed text stays as the player left it.
  if (!number || box->cleanText() == QString::fromStdString(text)) return;
  const QSignalBlocker quiet(box);
  box->setValue(value);
}

void SetItems(QComboBox* box, const vellaro::ComboBox& state) {
  for (const std::string& item : state.items) box->addItem(QString::fromStdString(item));
}

void SetSelection(QComboBox* box, int index) {
  if (box->currentIndex() != index) {
    const QSignalBlocker quiet(box);
    box->setCurrentIndex(index);
  }
}

// A gauge over its button shows only while its job runs.
void ShowGauge(GaugeBar* gauge, int32_t progress) {
  gauge->SetValue(progress);
  SetShown(gauge, progress > 0);
}

QComboBox* MakeSelector(const QString& name, Control control, const QRect& place, QWidget* parent) {
  auto* box = new QComboBox(parent);
  Tag(box, name, control);
  box->setGeometry(place);
  box->setEditable(false);
  auto* style = new CompactComboStyle;
  style->setParent(box);  // a widget keeps only a guarded pointer to its style
  box->setStyle(style);
  box->setFont(ArialFont(12, false));
  PointWhileUsable(box);
  for (const QPalette::ColorRole role : {QPalette::Button, QPalette::Base, QPalette::Window}) {
    PaintUsable(box, role, ToQColor(kColourOptionGreen), kLockedGround);
  }
  for (const QPalette::ColorRole role :
       {QPalette::ButtonText, QPalette::Text, QPalette::WindowText}) {
    PaintUsable(box, role, kLime, kLockedText);
  }
  return box;
}

QCheckBox* MakeCheckBox(const QString& name, Control control, const vellaro::CheckBox& state,
                        const QRect& place, QWidget* parent) {
  auto* box = new QCheckBox(QString::fromStdString(state.caption), parent);
  Tag(box, name, control);
  box->setGeometry(place);
  return box;
}

// A push button of the options area: raised, so that it reads as a button and not as a
// caption, with white bold text on the dark green face; grey on a darker face when locked.
QPushButton* MakeButton(const QString& name, Control control, const vellaro::Button& state,
                        const QRect& place, QWidget* parent) {
  auto* button = new QPushButton(QString::fromStdString(state.caption), parent);
  Tag(button, name, control);
  button->setGeometry(place);
  PointWhileUsable(button);
  QFont caption(QStringLiteral("MS Sans Serif"));
  caption.setPixelSize(11);
  caption.setBold(true);
  button->setFont(caption);
  PaintUsable(button, QPalette::Button, kButtonFace, kLockedGround);
  PaintUsable(button, QPalette::ButtonText, kWhite, kLockedText);
  return button;
}

// A gauge laid over its button: it shows only while it runs and lets clicks through.
GaugeBar* MakeGauge(const QString& name, Control control, const vellaro::Gauge& state,
                    const QRect& place, const QColor& bar, QWidget* parent) {
  auto* gauge = new GaugeBar(bar, state.max, parent);
  Tag(gauge, name, control);
  gauge->setGeometry(place);
  gauge->setAttribute(Qt::WA_TransparentForMouseEvents);
  gauge->hide();
  return gauge;
}

}  // namespace

OptionsArea::~OptionsArea() = default;

OptionsArea::OptionsArea(AreaHost& host, SystemFolders folders,
                         std::function<vellaro::FilesInUse()> journal_files)
    : host_(host), folders_(std::move(folders)), journal_files_(std::move(journal_files)) {
  const vellaro::GameView view = host.view();
  BuildStakeRow(view);
  BuildSystemsButton();
  BuildRecalculation(view);
  BuildMatrixRow(view);
  BuildSafeLevel(view);
  BuildTicks(view);
  BuildUpTrender(view);
  BindEnabled();
  BindFigures();
}

void OptionsArea::BuildStakeRow(const vellaro::GameView& view) {
  AreaHost& host = host_;
  QWidget& window = host.surface();
  AddCaption(&window, QStringLiteral("BetCaption"),
             QCoreApplication::translate("OptionsArea", "BET:"), {16, 303}, Control::kBaseStake);
  base_stake_ = new LeavingSpinBox([&host] { host.Send(act::LeaveBaseStake{}); }, &window);
  Tag(base_stake_, QStringLiteral("BaseStake"), Control::kBaseStake);
  base_stake_->setGeometry(16, 320, 49, 24);
  base_stake_->setRange(view.BaseStake().min, view.BaseStake().max);
  PaintSpinEdit(base_stake_);
  FitLargestValue(base_stake_);
  QObject::connect(base_stake_, &QSpinBox::textChanged, &window, [&host](const QString& text) {
    host.Send(act::TypeBaseStake{text.toStdString()});
  });

  AddCaption(&window, QStringLiteral("GameModeCaption"),
             QCoreApplication::translate("OptionsArea", "GAME MODE:"), {72, 303},
             Control::kGameMode);
  game_mode_ =
      MakeSelector(QStringLiteral("GameMode"), Control::kGameMode, {72, 320, 113, 23}, &window);
  SetItems(game_mode_, view.ModeBox());
  QObject::connect(game_mode_, &QComboBox::activated, &window,
                   [&host](int index) { host.Send(act::ChooseMode{index}); });

  AddCaption(&window, QStringLiteral("BettingSystemCaption"),
             QCoreApplication::translate("OptionsArea", "BETTING SYSTEM:"), {192, 303},
             Control::kBettingSystem);
  system_ = MakeSelector(QStringLiteral("BettingSystem"), Control::kBettingSystem,
                         {192, 320, 161, 23}, &window);
  // The six built-in systems set the font; the systems written as files follow them.
  for (int i = 0; i < vellaro::kBettingSystems; ++i) {
    system_->addItem(QString::fromStdString(view.SystemBox().items.at(static_cast<size_t>(i))));
  }
  FitEntries(system_, system_->font());
  system_box_ = std::make_unique<SystemBox>(host, folders_, system_);
  // A file copied into a folder is listed at once, in the box and in the editor.
  folder_watch_ = std::make_unique<SystemFolderWatch>([this] { return folders_; },
                                                      [this] {
                                                        system_box_->Reload();
                                                        if (system_editor_ != nullptr)
                                                          system_editor_->ListFiles();
                                                      });

  reset_bets_ = MakeButton(QStringLiteral("ResetBets"), Control::kResetBets, view.ResetBetsButton(),
                           {359, 318, 79, 26}, &window);
  reset_bets_->setFont(window.font());
  QObject::connect(reset_bets_, &QPushButton::clicked, &window,
                   [&host] { host.Send(act::ResetBets{}); });
}

void OptionsArea::BuildSystemsButton() {
  // Above the box, at the right end of its caption's row, clear of the caption.
  QWidget& window = host_.surface();
  auto* caption = window.findChild<QLabel*>(QStringLiteral("BettingSystemCaption"));
  const int left = caption->geometry().right() + 4;
  systems_ = MakeButton(
      QStringLiteral("Systems"), Control::kSystemsEditor,
      vellaro::Button{QCoreApplication::translate("OptionsArea", "Systems\u2026").toStdString()},
      {left, 302, 353 - left, 15}, &window);
  systems_->setFont(ArialFont(10, true));
  QObject::connect(systems_, &QPushButton::clicked, &window,
                   [this] { host_.Run([this] { OpenSystemEditor(); }); });
}

void OptionsArea::OpenSystemEditor() {
  if (system_editor_ == nullptr) {
    system_editor_ =
        new SystemEditor(host_, folders_, journal_files_, [this] { system_box_->Reload(); });
    ApplyTooltips(*system_editor_);
    system_editor_->SetSystemsUsable(host_.view().SystemBoxEnabled());
  }
  system_editor_->show();
  system_editor_->raise();
  system_editor_->activateWindow();
}

void OptionsArea::BuildRecalculation(const vellaro::GameView& view) {
  AreaHost& host = host_;
  QWidget& window = host.surface();
  // The recalculation has no place of its own on the board; it sits above "Reset Bets",
  // inside the frame of their group, its gauge over it while it runs. Raised, both stop
  // short of the group's right line (x 440).
  const QRect place(359, 302, 79, 15);
  recalculate_ = MakeButton(QStringLiteral("ReCalculate"), Control::kRecalculate,
                            view.RecalculateButton(), place, &window);
  QObject::connect(recalculate_, &QPushButton::clicked, &window,
                   [&host] { host.Send(act::Recalculate{}); });
  recalculation_gauge_ =
      MakeGauge(QStringLiteral("RecalculationGauge"), Control::kRecalculate,
                view.RecalculationGauge(), place, QColor(128, 128, 255), &window);
}

void OptionsArea::BuildMatrixRow(const vellaro::GameView& view) {
  AreaHost& host = host_;
  QWidget& window = host.surface();
  // The number matrix, in one row: "Create Matrix" over its gauge, the learning length,
  // and "RM".
  create_matrix_ = MakeButton(QStringLiteral("CreateMatrix"), Control::kCreateMatrix,
                              view.CreateMatrixButton(), {16, 359, 82, 20}, &window);
  QObject::connect(create_matrix_, &QPushButton::clicked, &window,
                   [&host] { host.Send(act::CreateMatrix{}); });
  matrix_gauge_ = MakeGauge(QStringLiteral("MatrixGauge"), Control::kCreateMatrix,
                            view.MatrixGauge(), {16, 359, 82, 20}, QColor(210, 159, 4), &window);
  learning_ = new QSpinBox(&window);
  learning_->setObjectName(QStringLiteral("MatrixLearning"));
  learning_->setGeometry(102, 359, 48, 20);
  learning_->setRange(view.MatrixLearningEdit().min, view.MatrixLearningEdit().max);
  learning_->setButtonSymbols(QAbstractSpinBox::NoButtons);
  learning_->setToolTip(QCoreApplication::translate("OptionsArea", "Spins the matrix learns from"));
  PaintSpinEdit(learning_);
  // Read only, never white; its figure keeps the usable lime, as the engine reads it.
  PaintUsable(learning_, QPalette::Base, kReadOnlyGround, kReadOnlyGround);
  PaintUsable(learning_, QPalette::Text, kLime, kLime);
  reset_matrix_ = MakeButton(QStringLiteral("ResetMatrix"), Control::kResetMatrix,
                             view.ResetMatrixButton(), {154, 359, 34, 20}, &window);
  QObject::connect(reset_matrix_, &QPushButton::clicked, &window,
                   [&host] { host.Send(act::ResetMatrix{}); });
}

void OptionsArea::BuildSafeLevel(const vellaro::GameView& view) {
  AreaHost& host = host_;
  QWidget& window = host.surface();
  // The caption ends a space before the value, whatever the width of its font.
  QLabel* caption = AddCaption(&window, QStringLiteral("SafeLevelCaption"),
                               QCoreApplication::translate("OptionsArea", "SAFE LEVEL:"),
                               {361, 352}, Control::kSafeLevel);
  safe_level_value_ = AddCaption(&window, QStringLiteral("SafeLevelValue"), QString(), {432, 352},
                                 Control::kSafeLevel);
  safe_level_value_->resize(16, 14);
  const int caption_end = 432 - caption->fontMetrics().horizontalAdvance(u' ');
  caption->move(std::min(361, caption_end - caption->width()), 352);
  safe_level_ = new QSlider(Qt::Horizontal, &window);
  Tag(safe_level_, QStringLiteral("SafeLevel"), Control::kSafeLevel);
  safe_level_->setGeometry(355, 366, 89, 19);
  safe_level_->setRange(view.SafeLevelTrack().min, view.SafeLevelTrack().max);
  safe_level_->setTickPosition(QSlider::TicksBelow);
  safe_level_->setTickInterval(1);
  safe_level_->setSingleStep(1);
  safe_level_->setPageStep(2);
  safe_level_->setCursor(Qt::PointingHandCursor);
  QObject::connect(safe_level_, &QSlider::valueChanged, &window,
                   [&host](int position) { host.Send(act::SetSafeLevel{position}); });
}

void OptionsArea::BuildTicks(const vellaro::GameView& view) {
  AreaHost& host = host_;
  QWidget& window = host.surface();
  cat_rows_ = MakeCheckBox(QStringLiteral("CatRows"), Control::kCatRows, view.CatRows(),
                           {192, 359, 78, 20}, &window);
  cat_rows_->setFont(ArialFont(12, false));
  cat_rows_->setAutoFillBackground(true);
  cat_rows_->setBackgroundRole(QPalette::Window);
  Paint(cat_rows_, QPalette::Window, kReadOnlyGround);
  PaintUsableText(cat_rows_, kLime);
  PointWhileUsable(cat_rows_);
  QObject::connect(cat_rows_, &QCheckBox::clicked, &window,
                   [&host] { host.Send(act::ToggleCategoryRows{}); });
  show_bet_ = MakeCheckBox(QStringLiteral("ShowBet"), Control::kShowBet, view.ShowBet(),
                           {272, 359, 73, 20}, &window);
  QObject::connect(show_bet_, &QCheckBox::clicked, &window,
                   [&host] { host.Send(act::ToggleShowStake{}); });
}

QSpinBox* OptionsArea::AddUpTrenderSetting(const QString& name, const vellaro::SpinEdit& edit,
                                           const QRect& place,
                                           vellaro::PlayerAction (*type)(std::string)) {
  AreaHost& host = host_;
  QWidget& window = host.surface();
  auto* box = new QSpinBox(up_trender_);
  Tag(box, name, Control::kUpTrender);
  box->setGeometry(place);
  box->setRange(edit.min, edit.max);
  box->setValue(QString::fromStdString(edit.text).toInt());
  PaintSpinEdit(box);
  FitLargestValue(box);
  // The engine reads these two edits whenever the UP-TRENDER system settles a spin; the
  // text typed is all it needs.
  QObject::connect(box, &QSpinBox::textChanged, &window,
                   [&host, type](const QString& text) { host.Send(type(text.toStdString())); });
  return box;
}

void OptionsArea::BuildUpTrender(const vellaro::GameView& view) {
  AreaHost& host = host_;
  QWidget& window = host.surface();
  up_trender_ = new QGroupBox(QString::fromStdString(view.UpTrenderTitle().text), &window);
  Tag(up_trender_, QStringLiteral("UpTrender"), Control::kUpTrender);
  up_trender_->setGeometry(16, 388, 249, 49);
  up_trender_->setFont(ArialFont(11, true));
  wins_caption_ = AddCaption(up_trender_, QStringLiteral("UpTrenderWinsCaption"),
                             QString::fromStdString(view.UpTrenderWinsCaption().text), {10, 24},
                             Control::kUpTrender);
  add_caption_ = AddCaption(up_trender_, QStringLiteral("UpTrenderAddCaption"),
                            QString::fromStdString(view.UpTrenderAddCaption().text), {80, 24},
                            Control::kUpTrender);
  wins_ = AddUpTrenderSetting(QStringLiteral("UpTrenderWins"), view.UpTrenderWins(),
                              {32, 18, 41, 26}, [](std::string text) -> vellaro::PlayerAction {
                                return vellaro::act::TypeOnWins{std::move(text)};
                              });
  add_ = AddUpTrenderSetting(QStringLiteral("UpTrenderAdd"), view.UpTrenderAdd(), {191, 18, 50, 26},
                             [](std::string text) -> vellaro::PlayerAction {
                               return vellaro::act::TypeAddToBet{std::move(text)};
                             });
  // Their captions name them to a screen reader.
  wins_caption_->setBuddy(wins_);
  add_caption_->setBuddy(add_);

  automatic_reset_ = MakeCheckBox(QStringLiteral("AutomaticReset"), Control::kAutomaticReset,
                                  view.AutomaticReset(), {279, 393, 161, 20}, &window);
  minimal_profit_ = MakeCheckBox(QStringLiteral("MinimalProfit"), Control::kMinimalProfit,
                                 view.MinimalProfit(), {279, 417, 161, 20}, &window);
  for (QCheckBox* box : {automatic_reset_, minimal_profit_}) {
    PaintUsableText(box, kLime);
    PointWhileUsable(box);
  }
  QObject::connect(automatic_reset_, &QCheckBox::clicked, &window,
                   [&host] { host.Send(act::ToggleAutomaticReset{}); });
  QObject::connect(minimal_profit_, &QCheckBox::clicked, &window,
                   [&host] { host.Send(act::ToggleMinimalProfit{}); });
}

void OptionsArea::BindEnabled() {
  using View = vellaro::GameView;
  Bindings& b = bindings_;
  b.Enabled(base_stake_, [](const View& v) { return v.BaseStake().enabled; });
  b.Enabled(game_mode_, [](const View& v) { return v.ModeBoxEnabled(); });
  b.Enabled(system_, [](const View& v) { return v.SystemBoxEnabled(); });
  b.Enabled(reset_bets_, [](const View& v) { return v.ResetBetsButton().enabled; });
  b.Enabled(recalculate_, [](const View& v) { return v.RecalculateButton().enabled; });
  b.Enabled(create_matrix_, [](const View& v) { return v.CreateMatrixButton().enabled; });
  b.Enabled(reset_matrix_, [](const View& v) { return v.ResetMatrixButton().enabled; });
  b.Enabled(learning_, [](const View& v) { return v.MatrixLearningEdit().enabled; });
  b.Enabled(cat_rows_, [](const View& v) { return v.CatRows().enabled; });
  b.Enabled(show_bet_, [](const View& v) { return v.ShowBet().enabled; });
  b.Enabled(automatic_reset_, [](const View& v) { return v.AutomaticReset().enabled; });
  b.Enabled(minimal_profit_, [](const View& v) { return v.MinimalProfit().enabled; });
  b.Enabled(wins_, [](const View& v) { return v.UpTrenderWins().enabled; });
  b.Enabled(add_, [](const View& v) { return v.UpTrenderAdd().enabled; });
  b.Checked(cat_rows_, [](const View& v) { return v.CatRows().checked; });
  b.Checked(show_bet_, [](const View& v) { return v.ShowBet().checked; });
  b.Checked(automatic_reset_, [](const View& v) { return v.AutomaticReset().checked; });
  b.Checked(minimal_profit_, [](const View& v) { return v.MinimalProfit().checked; });
}

void OptionsArea::BindFigures() {
  using View = vellaro::GameView;
  Bindings& b = bindings_;
  b.Follow<std::string>([](const View& v) { return v.BaseStake().text; },
                        [this](const std::string& text) { SetSpinText(base_stake_, text); });
  b.Follow<vellaro::Rgb>(
      [](const View& v) { return v.BaseStake().colour; },
      [this](const vellaro::Rgb& colour) { PaintGround(base_stake_, ToQColor(colour)); });
  b.Follow<int32_t>([](const View& v) { return v.RecalculationGauge().progress; },
                    [this](const int32_t& progress) { ShowGauge(recalculation_gauge_, progress); });
  b.Follow<int32_t>([](const View& v) { return v.MatrixGauge().progress; },
                    [this](const int32_t& progress) { ShowGauge(matrix_gauge_, progress); });
  b.Follow<std::string>([](const View& v) { return v.MatrixLearningEdit().text; },
                        [this](const std::string& text) {
                          SetSpinText(learning_, text);
                          FitLearningLength(learning_);
                        });
  b.Text(safe_level_value_, [](const View& v) { return v.SafeLevelLosses(); });
  b.Colour(up_trender_, QPalette::WindowText,
           [](const View& v) { return v.UpTrenderTitle().colour; });
  b.Colour(wins_caption_, QPalette::WindowText,
           [](const View& v) { return v.UpTrenderWinsCaption().colour; });
  b.Colour(add_caption_, QPalette::WindowText,
           [](const View& v) { return v.UpTrenderAddCaption().colour; });
  // The engine dims these two itself while their system is not selected.
  b.Colour(wins_, QPalette::Base, [](const View& v) { return v.UpTrenderWins().colour; });
  b.Colour(add_, QPalette::Base, [](const View& v) { return v.UpTrenderAdd().colour; });
}

void OptionsArea::Sync(const vellaro::GameView& view) {
  bindings_.Sync(view);
  SetSelection(game_mode_, view.ModeIndex());
  system_box_->Sync(view);
  if (system_editor_ != nullptr) system_editor_->SetSystemsUsable(view.SystemBoxEnabled());
  if (safe_level_->value() != view.SafeLevelTrack().position) {
    const QSignalBlocker quiet(safe_level_);
    safe_level_->setValue(view.SafeLevelTrack().position);
  }
  // The game asks for the focus on "Show Bet" after a change of mode or system. The focus
  // stays where the player put it: moved away from a selector, the next arrow key or Space
  // would change a control the player never meant to touch.
  if (view.FocusAsked()) host_.Answer(act::FocusTaken{});
}

}  // namespace vellaro::app
