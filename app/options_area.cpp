// The options area below the board, shown while the window is open to its full height.

#include <QCheckBox>
#include <QComboBox>
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

#include "app/compact_combo_style.h"
#include "app/fitted_number.h"
#include "app/gauge_bar.h"
#include "app/locked_look.h"
#include "app/main_window.h"
#include "app/picture_widget.h"

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
  static const QString kWhat = QStringLiteral("Spins the matrix learns from");
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

void SetChecked(QCheckBox* box, const vellaro::CheckBox& state) {
  // The engine may refuse a click or change another box with it: the box shows what the
  // engine holds, not what Qt toggled.
  if (box->isChecked() != state.checked) {
    const QSignalBlocker quiet(box);
    box->setChecked(state.checked);
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

void SetSelection(QComboBox* box, const vellaro::ComboBox& state) {
  if (box->currentIndex() != state.index) {
    const QSignalBlocker quiet(box);
    box->setCurrentIndex(state.index);
  }
}

QComboBox* MakeSelector(const QString& name, const QRect& place, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
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

QCheckBox* MakeCheckBox(const QString& name, const vellaro::CheckBox& state, const QRect& place,
                        QWidget* parent) {
  auto* box = new QCheckBox(QString::fromStdString(state.caption), parent);
  box->setObjectName(name);
  box->setGeometry(place);
  return box;
}

// A push button of the options area: raised, so that it reads as a button and not as a
// caption, with white bold text on the dark green face; grey on a darker face when locked.
QPushButton* MakeButton(const QString& name, const vellaro::Button& state, const QRect& place,
                        QWidget* parent) {
  auto* button = new QPushButton(QString::fromStdString(state.caption), parent);
  button->setObjectName(name);
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
GaugeBar* MakeGauge(const QString& name, const vellaro::Gauge& state, const QRect& place,
                    const QColor& bar, QWidget* parent) {
  auto* gauge = new GaugeBar(bar, state.max, parent);
  gauge->setObjectName(name);
  gauge->setGeometry(place);
  gauge->setAttribute(Qt::WA_TransparentForMouseEvents);
  gauge->hide();
  return gauge;
}

}  // namespace

void MainWindow::BuildOptionsArea() {
  AddLabel(QStringLiteral("BetCaption"), QStringLiteral("BET:"), {16, 303});
  init_bet_ = new LeavingSpinBox([this] { Handle([this] { game().LeaveInitBet(); }); }, this);
  init_bet_->setObjectName(QStringLiteral("Init_Bet"));
  init_bet_->setGeometry(16, 320, 49, 24);
  init_bet_->setRange(game().controls().Init_Bet.min, game().controls().Init_Bet.max);
  PaintSpinEdit(init_bet_);
  FitLargestValue(init_bet_);
  connect(init_bet_, &QSpinBox::textChanged, this, [this](const QString& text) {
    Handle([this, typed = text.toStdString()] { game().TypeInitBet(typed); });
  });

  AddLabel(QStringLiteral("GameModeCaption"), QStringLiteral("GAME MODE:"), {72, 303});
  game_modes_ = MakeSelector(QStringLiteral("GameModes"), {72, 320, 113, 23}, this);
  SetItems(game_modes_, game().controls().GameModes);
  connect(game_modes_, &QComboBox::activated, this,
          [this](int index) { Handle([this, index] { game().SelectGameMode(index); }); });

  AddLabel(QStringLiteral("BetStrategyCaption"), QStringLiteral("BETTING SYSTEM:"), {192, 303});
  bet_strategy_ = MakeSelector(QStringLiteral("BetStrategy"), {192, 320, 161, 23}, this);
  SetItems(bet_strategy_, game().controls().BetStrategy);
  FitEntries(bet_strategy_, bet_strategy_->font());
  connect(bet_strategy_, &QComboBox::activated, this,
          [this](int index) { Handle([this, index] { game().SelectBetStrategy(index); }); });

  reset_bets_ = MakeButton(QStringLiteral("ResetBets"), game().controls().ResetBetsButton,
                           {359, 318, 79, 26}, this);
  reset_bets_->setFont(font());
  connect(reset_bets_, &QPushButton::clicked, this,
          [this] { Handle([this] { game().ResetBetsClick(); }); });

  // The recalculation has no place of its own on the board; it sits above "Reset Bets",
  // inside the frame of their group, its gauge over it while it runs. Raised, both stop
  // short of the group's right line (x 440).
  const QRect recalculate(359, 302, 79, 15);
  recalculate_ = MakeButton(QStringLiteral("ReCalculate"), game().controls().ReCalculateButton,
                            recalculate, this);
  connect(recalculate_, &QPushButton::clicked, this,
          [this] { Handle([this] { game().ReCalculate(); }); });
  gauge2_ = MakeGauge(QStringLiteral("CGauge2"), game().controls().CGauge2, recalculate,
                      QColor(128, 128, 255), this);

  // The number matrix, in one row: "Create Matrix" over its gauge, the learning length,
  // and "RM".
  create_matrix_ = MakeButton(QStringLiteral("CreateMatrix"), game().controls().CreateMatrixButton,
                              {16, 359, 82, 20}, this);
  connect(create_matrix_, &QPushButton::clicked, this,
          [this] { Handle([this] { game().CreateMatrixClick(); }); });
  gauge3_ = MakeGauge(QStringLiteral("CGauge3"), game().controls().CGauge3, {16, 359, 82, 20},
                      QColor(210, 159, 4), this);
  n_count_ = new QSpinBox(this);
  n_count_->setObjectName(QStringLiteral("N_Count"));
  n_count_->setGeometry(102, 359, 48, 20);
  n_count_->setRange(game().controls().N_Count.min, game().controls().N_Count.max);
  n_count_->setButtonSymbols(QAbstractSpinBox::NoButtons);
  n_count_->setToolTip(QStringLiteral("Spins the matrix learns from"));
  PaintSpinEdit(n_count_);
  // Read only, never white; its figure keeps the usable lime, as the engine reads it.
  PaintUsable(n_count_, QPalette::Base, kReadOnlyGround, kReadOnlyGround);
  PaintUsable(n_count_, QPalette::Text, kLime, kLime);
  reset_matrix_ = MakeButton(QStringLiteral("ResetMatrix"), game().controls().ResetMatrixButton,
                             {154, 359, 34, 20}, this);
  connect(reset_matrix_, &QPushButton::clicked, this,
          [this] { Handle([this] { game().ResetMatrixClick(); }); });

  // The caption ends a space before the value, whatever the width of its font.
  QLabel* safe_level_caption =
      AddLabel(QStringLiteral("SafeLevelCaption"), QStringLiteral("SAFE LEVEL:"), {361, 352});
  safe_level_value_ = AddLabel(QStringLiteral("Label4"), QString(), {432, 352});
  safe_level_value_->resize(16, 14);
  const int caption_end = 432 - safe_level_caption->fontMetrics().horizontalAdvance(u' ');
  safe_level_caption->move(std::min(361, caption_end - safe_level_caption->width()), 352);
  safe_level_ = new QSlider(Qt::Horizontal, this);
  safe_level_->setObjectName(QStringLiteral("SafeLevel"));
  safe_level_->setGeometry(355, 366, 89, 19);
  safe_level_->setRange(game().controls().SafeLevel.min, game().controls().SafeLevel.max);
  safe_level_->setTickPosition(QSlider::TicksBelow);
  safe_level_->setTickInterval(1);
  safe_level_->setSingleStep(1);
  safe_level_->setPageStep(2);
  safe_level_->setCursor(Qt::PointingHandCursor);
  connect(safe_level_, &QSlider::valueChanged, this,
          [this](int position) { Handle([this, position] { game().MoveSafeLevel(position); }); });

  cat_rows_ =
      MakeCheckBox(QStringLiteral("CatRows"), game().controls().CatRows, {192, 359, 78, 20}, this);
  cat_rows_->setFont(ArialFont(12, false));
  cat_rows_->setAutoFillBackground(true);
  cat_rows_->setBackgroundRole(QPalette::Window);
  Paint(cat_rows_, QPalette::Window, kReadOnlyGround);
  PaintUsableText(cat_rows_, kLime);
  PointWhileUsable(cat_rows_);
  connect(cat_rows_, &QCheckBox::clicked, this,
          [this] { Handle([this] { game().CatRowsClick(); }); });
  show_bet_size_ = MakeCheckBox(QStringLiteral("ShowBetSize"), game().controls().ShowBetSize,
                                {272, 359, 73, 20}, this);
  connect(show_bet_size_, &QCheckBox::clicked, this,
          [this] { Handle([this] { game().ShowBetSizeClick(); }); });

  up_trender_ = new QGroupBox(QString::fromStdString(game().controls().GroupBox1.caption), this);
  up_trender_->setObjectName(QStringLiteral("GroupBox1"));
  up_trender_->setGeometry(16, 388, 249, 49);
  up_trender_->setFont(ArialFont(11, true));
  on_label_ =
      AddLabel(QStringLiteral("Label28"), QString::fromStdString(game().controls().Label28.caption),
               {10, 24}, up_trender_);
  wins_add_label_ =
      AddLabel(QStringLiteral("Label29"), QString::fromStdString(game().controls().Label29.caption),
               {80, 24}, up_trender_);
  // The engine reads these two edits whenever the UP-TRENDER system settles a spin; the
  // text typed is all it needs.
  const auto make_setting = [this](const QString& name, const vellaro::SpinEdit& edit,
                                   const QRect& place, void (vellaro::Game::*type)(std::string)) {
    auto* box = new QSpinBox(up_trender_);
    box->setObjectName(name);
    box->setGeometry(place);
    box->setRange(edit.min, edit.max);
    box->setValue(QString::fromStdString(edit.text).toInt());
    PaintSpinEdit(box);
    FitLargestValue(box);
    connect(box, &QSpinBox::textChanged, this, [this, type](const QString& text) {
      Handle([this, type, typed = text.toStdString()] { (game().*type)(typed); });
    });
    return box;
  };
  on_wins_ = make_setting(QStringLiteral("On_Wins"), game().controls().On_Wins, {32, 18, 41, 26},
                          &vellaro::Game::TypeOnWins);
  add_to_bet_ = make_setting(QStringLiteral("Add_To_Bet"), game().controls().Add_To_Bet,
                             {191, 18, 50, 26}, &vellaro::Game::TypeAddToBet);

  automatic_reset_ = MakeCheckBox(QStringLiteral("Bet_Automatic_Reset"),
                                  game().controls().Bet_Automatic_Reset, {279, 393, 161, 20}, this);
  minimal_profit_ = MakeCheckBox(QStringLiteral("Get_Minimal_Profit"),
                                 game().controls().Get_Minimal_Profit, {279, 417, 161, 20}, this);
  for (QCheckBox* box : {automatic_reset_, minimal_profit_}) {
    PaintUsableText(box, kLime);
    PointWhileUsable(box);
  }
  connect(automatic_reset_, &QCheckBox::clicked, this,
          [this] { Handle([this] { game().Bet_Automatic_ResetClick(); }); });
  connect(minimal_profit_, &QCheckBox::clicked, this,
          [this] { Handle([this] { game().Get_Minimal_ProfitClick(); }); });

  BindEnabled(init_bet_, [=](const vellaro::Window& w) { return w.Init_Bet.enabled; });
  BindEnabled(game_modes_, [=](const vellaro::Window& w) { return w.GameModes.enabled; });
  BindEnabled(bet_strategy_, [=](const vellaro::Window& w) { return w.BetStrategy.enabled; });
  BindEnabled(reset_bets_, [=](const vellaro::Window& w) { return w.ResetBetsButton.enabled; });
  BindEnabled(recalculate_, [=](const vellaro::Window& w) { return w.ReCalculateButton.enabled; });
  BindEnabled(create_matrix_,
              [=](const vellaro::Window& w) { return w.CreateMatrixButton.enabled; });
  BindEnabled(reset_matrix_, [=](const vellaro::Window& w) { return w.ResetMatrixButton.enabled; });
  BindEnabled(n_count_, [=](const vellaro::Window& w) { return w.N_Count.enabled; });
  BindEnabled(cat_rows_, [=](const vellaro::Window& w) { return w.CatRows.enabled; });
  BindEnabled(show_bet_size_, [=](const vellaro::Window& w) { return w.ShowBetSize.enabled; });
  BindEnabled(automatic_reset_,
              [=](const vellaro::Window& w) { return w.Bet_Automatic_Reset.enabled; });
  BindEnabled(minimal_profit_,
              [=](const vellaro::Window& w) { return w.Get_Minimal_Profit.enabled; });
  BindEnabled(on_wins_, [=](const vellaro::Window& w) { return w.On_Wins.enabled; });
  BindEnabled(add_to_bet_, [=](const vellaro::Window& w) { return w.Add_To_Bet.enabled; });
}

void MainWindow::SyncOptionsArea() {
  if (init_bet_text_.Changed(game().controls().Init_Bet.text))
    SetSpinText(init_bet_, game().controls().Init_Bet.text);
  if (init_bet_colour_.Changed(game().controls().Init_Bet.colour)) {
    PaintGround(init_bet_, ToQColor(game().controls().Init_Bet.colour));
  }
  SetSelection(game_modes_, game().controls().GameModes);
  SetSelection(bet_strategy_, game().controls().BetStrategy);
  if (recalculating_.Changed(game().controls().CGauge2.progress)) {
    gauge2_->SetValue(game().controls().CGauge2.progress);
    SetShown(gauge2_, game().controls().CGauge2.progress > 0);
  }
  if (matrix_progress_.Changed(game().controls().CGauge3.progress)) {
    gauge3_->SetValue(game().controls().CGauge3.progress);
    SetShown(gauge3_, game().controls().CGauge3.progress > 0);
  }
  if (n_count_text_.Changed(game().controls().N_Count.text)) {
    SetSpinText(n_count_, game().controls().N_Count.text);
    FitLearningLength(n_count_);
  }

  if (safe_level_text_.Changed(game().controls().Label4.caption)) {
    safe_level_value_->setText(QString::fromStdString(game().controls().Label4.caption));
  }
  if (safe_level_->value() != game().controls().SafeLevel.position) {
    const QSignalBlocker quiet(safe_level_);
    safe_level_->setValue(game().controls().SafeLevel.position);
  }

  SetChecked(cat_rows_, game().controls().CatRows);
  SetChecked(show_bet_size_, game().controls().ShowBetSize);
  SetChecked(automatic_reset_, game().controls().Bet_Automatic_Reset);
  SetChecked(minimal_profit_, game().controls().Get_Minimal_Profit);

  if (up_trender_colour_.Changed(game().controls().GroupBox1.colour)) {
    Paint(up_trender_, QPalette::WindowText, ToQColor(game().controls().GroupBox1.colour));
  }
  if (on_label_colour_.Changed(game().controls().Label28.colour)) {
    Paint(on_label_, QPalette::WindowText, ToQColor(game().controls().Label28.colour));
  }
  if (wins_add_label_colour_.Changed(game().controls().Label29.colour)) {
    Paint(wins_add_label_, QPalette::WindowText, ToQColor(game().controls().Label29.colour));
  }
  // The engine dims these two itself while their system is not selected.
  if (on_wins_colour_.Changed(game().controls().On_Wins.colour)) {
    Paint(on_wins_, QPalette::Base, ToQColor(game().controls().On_Wins.colour));
  }
  if (add_to_bet_colour_.Changed(game().controls().Add_To_Bet.colour)) {
    Paint(add_to_bet_, QPalette::Base, ToQColor(game().controls().Add_To_Bet.colour));
  }

  if (!game().controls().Focus.empty()) {
    // A focus request is carried out once; the player may move the focus on afterwards.
    if (game().controls().Focus == "ShowBetSize") show_bet_size_->setFocus(Qt::OtherFocusReason);
    game().FocusTaken();
  }
}

}  // namespace vellaro::app
