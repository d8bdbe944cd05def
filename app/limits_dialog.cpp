#include "app/limits_dialog.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/control.h"
#include "app/dialog_above.h"
#include "app/engine_colour.h"
#include "app/limit_entry.h"
#include "app/locked_look.h"

namespace vellaro::app {

namespace {

// The colours and fonts of the options area, so that the dialog reads as part of it.
constexpr QColor kBackground{35, 35, 35};
constexpr QColor kSilver = ToQColor(vellaro::kColourSilver);
constexpr QColor kSmallPrint{0x8e, 0x8e, 0x8e};
constexpr QColor kGold{0xd2, 0x9f, 0x04};
constexpr QColor kAmber{0xff, 0xd8, 0x4a};
constexpr QColor kLime = ToQColor(vellaro::kColourLime);
constexpr QColor kEditGround = ToQColor(vellaro::kColourOptionGreen);
constexpr QColor kButtonFace{44, 72, 24};
constexpr QColor kWhite = ToQColor(vellaro::kColourWhite);

QFont Arial(int pixels, bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

// The face the window's edits and buttons are drawn in.
QFont SansSerif(bool bold) {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(11);
  font.setBold(bold);
  return font;
}

QLabel* Text(const QString& caption, const QFont& font, const QColor& colour, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setFont(font);
  QPalette colours = label->palette();
  colours.setColor(QPalette::WindowText, colour);
  label->setPalette(colours);
  return label;
}

struct Row {
  vellaro::LimitKind limit;
  const char* name;     // the edit is Limit_<name>, its caption LimitCaption_<name>
  const char* caption;  // in capitals, as the captions of the options area
  const char* unit;     // beside a value of 1
  const char* units;    // beside any other
  Control control;      // of the help shown over the row
};
constexpr std::array<Row, vellaro::kLimits> kRows = {{
    {vellaro::LimitKind::kBankroll, "Bankroll", QT_TRANSLATE_NOOP("LimitsDialog", "BANKROLL:"),
     QT_TRANSLATE_NOOP("LimitsDialog", "unit brought"),
     QT_TRANSLATE_NOOP("LimitsDialog", "units brought"), Control::kBankroll},
    {vellaro::LimitKind::kStopLoss, "StopLoss", QT_TRANSLATE_NOOP("LimitsDialog", "STOP-LOSS:"),
     QT_TRANSLATE_NOOP("LimitsDialog", "unit lost"),
     QT_TRANSLATE_NOOP("LimitsDialog", "units lost"), Control::kStopLoss},
    {vellaro::LimitKind::kTakeProfit, "TakeProfit",
     QT_TRANSLATE_NOOP("LimitsDialog", "TAKE-PROFIT:"),
     QT_TRANSLATE_NOOP("LimitsDialog", "unit won"), QT_TRANSLATE_NOOP("LimitsDialog", "units won"),
     Control::kTakeProfit},
    {vellaro::LimitKind::kTableMax, "TableMax", QT_TRANSLATE_NOOP("LimitsDialog", "TABLE MAXIMUM:"),
     QT_TRANSLATE_NOOP("LimitsDialog", "unit a stake"),
     QT_TRANSLATE_NOOP("LimitsDialog", "units a stake"), Control::kTableMax},
    {vellaro::LimitKind::kMaxLosses, "MaxLosses",
     QT_TRANSLATE_NOOP("LimitsDialog", "LOSSES IN A ROW:"),
     QT_TRANSLATE_NOOP("LimitsDialog", "at most"), QT_TRANSLATE_NOOP("LimitsDialog", "at most"),
     Control::kMaxLosses},
}};

}  // namespace

LimitsDialog::LimitsDialog(SetLimit set_limit, QWidget* parent)
    : QDialog(parent), set_limit_(std::move(set_limit)) {
  Tag(this, QStringLiteral("LimitsDialog"), Control::kLimits);
  setWindowTitle(QCoreApplication::translate("LimitsDialog", "Session limits"));
  QPalette colours = palette();
  colours.setColor(QPalette::Window, kBackground);
  colours.setColor(QPalette::WindowText, kSilver);
  setPalette(colours);
  setAutoFillBackground(true);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(14, 12, 14, 12);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(6);
  QLabel* title = Text(QCoreApplication::translate("LimitsDialog", "SESSION LIMITS"),
                       Arial(11, true), kGold, this);
  grid->addWidget(title, 0, 0, 1, 3);

  for (size_t i = 0; i < kRows.size(); ++i) AddRow(*grid, i);

  QLabel* hint = Text(QCoreApplication::translate("LimitsDialog", "Whole numbers; empty = off."),
                      Arial(10, true), kSmallPrint, this);
  grid->addWidget(hint, vellaro::kLimits + 1, 0, 1, 3);
  refusal_ = Text(QString(), Arial(10, true), kAmber, this);
  Tag(refusal_, QStringLiteral("LimitsRefusal"), Control::kLimitsRefusal);
  refusal_->setWordWrap(true);
  // Two lines kept for it, so that a refusal does not make the dialog jump.
  refusal_->setMinimumHeight(2 * refusal_->fontMetrics().lineSpacing());
  refusal_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  grid->addWidget(refusal_, vellaro::kLimits + 2, 0, 1, 3);
  AddCloseButton(*grid);
  // A refusal may need more room than the edits give: the width of the widest row decides.
  refusal_->setFixedWidth(grid->sizeHint().width() - 28);
  setFixedSize(sizeHint());
  StandAbove(*this);
}

void LimitsDialog::AddRow(QGridLayout& grid, size_t index) {
  const Row& row = kRows[index];
  const int edit_width =
      QFontMetrics(SansSerif(false)).horizontalAdvance(QStringLiteral("2147483647")) + 12;
  const int line = static_cast<int>(row.limit) + 1;
  {
    QLabel* caption = Text(QCoreApplication::translate("LimitsDialog", row.caption),
                           Arial(11, true), kSilver, this);
    Tag(caption, QStringLiteral("LimitCaption_") + QLatin1String(row.name), row.control);
    auto* edit = new QLineEdit(this);
    Tag(edit, QStringLiteral("Limit_") + QLatin1String(row.name), row.control);
    edit->setFont(SansSerif(false));
    edit->setFixedWidth(edit_width);
    edit->setAlignment(Qt::AlignRight);
    edit->setMaxLength(12);  // room to type a figure too large, so it is refused, not cut
    PaintUsable(edit, QPalette::Base, kEditGround, kLockedGround);
    PaintUsable(edit, QPalette::Text, kLime, kLockedText);
    caption->setBuddy(edit);
    edits_[static_cast<size_t>(row.limit)] = edit;
    connect(edit, &QLineEdit::editingFinished, this, [this, limit = row.limit] { Commit(limit); });
    grid.addWidget(caption, line, 0);
    grid.addWidget(edit, line, 1);
    QLabel* unit = Text(QCoreApplication::translate("LimitsDialog", row.units), Arial(10, true),
                        kSmallPrint, this);
    Tag(unit, QStringLiteral("LimitUnit_") + QLatin1String(row.name), row.control);
    // "1 unit brought", "2 units brought": the word follows what the edit holds.
    connect(edit, &QLineEdit::textChanged, unit, [unit, row](const QString& text) {
      unit->setText(QCoreApplication::translate(
          "LimitsDialog", text.trimmed() == QStringLiteral("1") ? row.unit : row.units));
    });
    grid.addWidget(unit, line, 2);
  }
}

void LimitsDialog::AddCloseButton(QGridLayout& grid) {
  auto* close = new QPushButton(QCoreApplication::translate("LimitsDialog", "Close"), this);
  Tag(close, QStringLiteral("LimitsClose"), Control::kLimitsClose);
  close->setFont(SansSerif(true));
  close->setCursor(Qt::PointingHandCursor);
  // Enter in an edit confirms that edit; it must not close the dialog as well.
  close->setAutoDefault(false);
  close->setDefault(false);
  PaintUsable(close, QPalette::Button, kButtonFace, kLockedGround);
  PaintUsable(close, QPalette::ButtonText, kWhite, kLockedText);
  connect(close, &QPushButton::clicked, this, &QDialog::hide);
  grid.addWidget(close, vellaro::kLimits + 3, 2, Qt::AlignRight);
}

void LimitsDialog::ShowLimits(const vellaro::SessionLimits& limits) {
  shown_ = limits;
  for (const Row& row : kRows) {
    QLineEdit* edit = Edit(row.limit);
    if (!edit->hasFocus()) edit->setText(LimitText(limits[row.limit]));
  }
}

QString LimitsDialog::Refusal() const {
  return refusal_->text();
}

void LimitsDialog::Commit(vellaro::LimitKind limit) {
  QLineEdit* edit = Edit(limit);
  // Confirmed again without a change (Enter, then the keyboard leaving): nothing new, and
  // a refusal shown stays.
  if (edit->text().trimmed() == LimitText(shown_[limit])) return;
  const LimitEntry entry = ReadLimitEntry(limit, edit->text());
  if (!entry.accepted) {
    refusal_->setText(entry.refusal);
  } else {
    refusal_->clear();
    // The game takes it or leaves it; either way the edit then shows what holds.
    set_limit_(limit, entry.value);
  }
  edit->setText(LimitText(shown_[limit]));
}

void LimitsDialog::hideEvent(QHideEvent* event) {
  // Closed with a value typed but not yet confirmed: it counts as confirmed, as leaving
  // the edit would.
  for (const Row& row : kRows) Commit(row.limit);
  QDialog::hideEvent(event);
}

}  // namespace vellaro::app
