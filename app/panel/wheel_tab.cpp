#include "app/panel/wheel_tab.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/counted_text.h"
#include "app/panel/panel_numbers.h"
#include "app/panel/wheel_drawing.h"

namespace vellaro::app {

namespace {

// Two pockets either side: the neighbours a player calls with a number.
constexpr int kNeighboursEachSide = 2;

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "12/37": the pockets of the group among the wheel's.
QString FairShare(const vellaro::NumberGroup& group) {
  return QStringLiteral("%1/%2").arg(group.size()).arg(vellaro::kNumbers);
}

QLabel* NewNote(const QString& name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

QString UnusualText(const vellaro::FigureCheck& hits, const vellaro::FigureCheck& away) {
  if (hits.unusual && away.unusual) return QCoreApplication::translate("WheelTab", "yes: both");
  if (hits.unusual) return QCoreApplication::translate("WheelTab", "yes: hits");
  return away.unusual ? QCoreApplication::translate("WheelTab", "yes: absence")
                      : QCoreApplication::translate("WheelTab", "no");
}

}  // namespace

WheelTab::WheelTab(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("WheelTab"));
  auto* about =
      new QLabel(QCoreApplication::translate(
                     "WheelTab",
                     "What the wheel has done so far. Spins are independent: none of this "
                     "predicts the next spin. A figure is unusual only when its chance after "
                     "Holm's correction (in brackets) is %1 % or less.")
                     .arg(PanelLocale().toString(100.0 * vellaro::kUnusualLevel, 'g', 3)),
                 this);
  about->setWordWrap(true);
  groups_ = NewGroupTable();
  verdict_ = NewNote(QStringLiteral("WheelVerdict"), this);
  neighbours_ = NewNote(QStringLiteral("WheelNeighbours"), this);
  method_ = NewNote(QStringLiteral("WheelMethod"), this);
  drawing_ = new WheelDrawing(this);
  // The sentences beside the wheel, the table under both, full width, every row in sight.
  auto* text = new QVBoxLayout;
  text->addWidget(about);
  text->addWidget(method_);
  text->addWidget(verdict_);
  text->addWidget(neighbours_);
  text->addStretch(1);
  auto* above = new QHBoxLayout;
  above->addLayout(text, 1);
  above->addWidget(drawing_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(above, 1);
  layout->addWidget(groups_);
  Show({});
}

QTableWidget* WheelTab::NewGroupTable() {
  const auto rows = static_cast<int>(vellaro::kDozens.size() + vellaro::kColumns.size() +
                                     vellaro::kSectors.size());
  auto* table = new QTableWidget(rows, kColumnCount, this);
  table->setObjectName(QStringLiteral("WheelGroups"));
  table->setHorizontalHeaderLabels({QCoreApplication::translate("WheelTab", "Hits"),
                                    QCoreApplication::translate("WheelTab", "Share"),
                                    QCoreApplication::translate("WheelTab", "Fair"),
                                    QCoreApplication::translate("WheelTab", "Away now"),
                                    QCoreApplication::translate("WheelTab", "Longest"),
                                    QCoreApplication::translate("WheelTab", "p hits (Holm)"),
                                    QCoreApplication::translate("WheelTab", "p away (Holm)"),
                                    QCoreApplication::translate("WheelTab", "Unusual?")});
  const QString tips[kColumnCount] = {
      QCoreApplication::translate("WheelTab", "How many spins it came"),
      QCoreApplication::translate("WheelTab", "Its share of the spins"),
      QCoreApplication::translate("WheelTab",
                                  "The share a fair wheel gives it: its pockets of the 37"),
      QCoreApplication::translate("WheelTab", "Spins since it last came"),
      QCoreApplication::translate("WheelTab",
                                  "The most spins in a row without it, the current ones included"),
      QCoreApplication::translate(
          "WheelTab",
          "The chance that a fair wheel gives a count no more likely than this one, on "
          "either side of the expected count; after Holm's correction in brackets"),
      QCoreApplication::translate(
          "WheelTab",
          "The chance that a fair wheel keeps it away at least this long somewhere "
          "in these spins; after Holm's correction in brackets"),
      QCoreApplication::translate(
          "WheelTab", "Whether the corrected chance of its hits or of its absence is 5 % or less")};
  for (int c = 0; c < kColumnCount; ++c) table->horizontalHeaderItem(c)->setToolTip(tips[c]);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
  table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Where a language's words make the columns wider than the window, they scroll sideways.
  table->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < kColumnCount; ++c) table->setItem(r, c, new QTableWidgetItem);
  }
  QStringList names;  // in CountWheel's order
  const auto add = [&names](const auto& list) {
    for (const vellaro::NumberGroup& group : list) names << QString::fromUtf8(group.ShownName());
  };
  add(vellaro::kDozens);
  add(vellaro::kColumns);
  add(vellaro::kSectors);
  table->setVerticalHeaderLabels(names);
  // Every row in sight, whatever the window's height, with room kept for the bar that
  // scrolls sideways: the drawing above gives way instead.
  table->setFixedHeight(table->horizontalHeader()->sizeHint().height() +
                        rows * table->verticalHeader()->defaultSectionSize() +
                        table->horizontalScrollBar()->sizeHint().height() +
                        2 * table->frameWidth());
  return table;
}

QString WheelTab::ChanceText(double p) {
  return p < 0.001 ? QStringLiteral("< ") + Decimal(0.001, 3) : Decimal(p, 3);
}

QString WheelTab::CheckText(const vellaro::FigureCheck& check) {
  if (!check.p_value) return QCoreApplication::translate("WheelTab", "too few spins");
  return QStringLiteral("%1 (%2)").arg(ChanceText(*check.p_value), ChanceText(*check.corrected));
}

void WheelTab::Show(const std::vector<int>& spins) {
  shown_ = vellaro::CountWheel(spins);
  for (size_t g = 0; g < shown_.groups.size(); ++g) ShowGroup(g);
  verdict_->setText(Text(shown_.verdict));
  method_->setText(Text(shown_.method));
  ShowNeighbours(spins);
  drawing_->Show(shown_.pocket_hits,
                 spins.empty() ? std::nullopt : std::optional<int>(spins.back()));
}

void WheelTab::ShowGroup(size_t group) {
  const vellaro::GroupCount& count = shown_.groups[group];
  // CountWheel lists the hits of every group, then the longest absence of every group.
  const vellaro::FigureCheck& hits = shown_.checks[group];
  const vellaro::FigureCheck& away = shown_.checks[shown_.groups.size() + group];
  const auto row = static_cast<int>(group);
  const QString cells[kColumnCount] = {
      Whole(count.hits),       Percent(count.share),         FairShare(*count.group),
      Whole(count.since_last), Whole(count.longest_absence), CheckText(hits),
      CheckText(away),         UnusualText(hits, away)};
  // The sentences behind the figures, for the pointer.
  const QString tip = Text(hits.plain) + QLatin1Char('\n') + Text(away.plain);
  for (int c = 0; c < kColumnCount; ++c) {
    QTableWidgetItem* item = groups_->item(row, c);
    // Each change redraws the item: only what changed is set.
    if (item->text() != cells[c]) item->setText(cells[c]);
    if (item->toolTip() != tip) item->setToolTip(tip);
  }
}

void WheelTab::ShowNeighbours(const std::vector<int>& spins) {
  if (spins.empty()) {
    neighbours_->setText(
        QCoreApplication::translate("WheelTab", "Neighbours on the wheel: after the first spin."));
    return;
  }
  const int last = spins.back();
  QStringList around;
  for (const int n : vellaro::WheelNeighbours(last, kNeighboursEachSide)) {
    around << QStringLiteral("%1 (%2)").arg(
        QString::number(n), CountText(shown_.pocket_hits[static_cast<size_t>(n)], "hit", "hits"));
  }
  neighbours_->setText(
      QCoreApplication::translate(
          "WheelTab", "The last number, %1, and its neighbours on the wheel, clockwise: %2.")
          .arg(QString::number(last), around.join(QStringLiteral(", "))));
}

}  // namespace vellaro::app
