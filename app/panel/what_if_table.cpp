#include "app/panel/what_if_table.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/panel/panel_numbers.h"

namespace vellaro::app {

namespace {

// Translated when the table is made: the language is installed after static start-up.
QStringList Columns() {
  return {QCoreApplication::translate("WhatIfTable", "System"),
          QCoreApplication::translate("WhatIfTable", "Net result"),
          QCoreApplication::translate("WhatIfTable", "Largest stake"),
          QCoreApplication::translate("WhatIfTable", "Deepest drawdown"),
          QCoreApplication::translate("WhatIfTable", "Bets won"),
          QCoreApplication::translate("WhatIfTable", "Bets lost")};
}

}  // namespace

WhatIfTable::WhatIfTable(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  note_ = new QLabel(this);
  SetNote(QString());
  note_->setWordWrap(true);
  layout->addWidget(note_);
  // The last row is the player's own system's, hidden while the evening played none.
  const QStringList columns = Columns();
  table_ = new QTableWidget(kBettingSystems + 1, static_cast<int>(columns.size()), this);
  table_->setObjectName(QStringLiteral("WhatIfTable"));
  table_->setHorizontalHeaderLabels(columns);
  table_->verticalHeader()->hide();
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Each column as wide as its header and figures, whatever the language's words.
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  for (int s = 0; s <= kBettingSystems; ++s) {
    const QString name = s < kBettingSystems
                             ? QLatin1String(kBettingSystemNames[static_cast<size_t>(s)])
                             : QString();
    table_->setItem(s, 0, new QTableWidgetItem(name));
    for (int c = 1; c < table_->columnCount(); ++c) table_->setItem(s, c, new QTableWidgetItem);
  }
  table_->setRowHidden(kBettingSystems, true);
  layout->addWidget(table_, 1);
  connect(&job_.watcher(), &QFutureWatcher<void>::finished, this, [this] { Finished(); });
}

WhatIfTable::~WhatIfTable() {
  waiting_ = nullptr;
  job_.Wait();
}

void WhatIfTable::SetNote(const QString& text) {
  note_->setText(!text.isEmpty() ? text
                                 : QCoreApplication::translate(
                                       "WhatIfTable",
                                       "This evening's spins replayed under each betting "
                                       "system, your other settings and their changes kept. "
                                       "Shown bets only, from 0. Spins are independent: what "
                                       "a system would have made of past spins says nothing "
                                       "about the next ones."));
}

void WhatIfTable::Request(vellaro::replay::SessionSpins session) {
  Request([session = std::move(session)] {
    return Lines{vellaro::replay::WhatIf(session), vellaro::replay::OwnSystemWhatIf(session)};
  });
}

void WhatIfTable::Request(Job job) {
  if (running_) {
    waiting_ = std::move(job);
    return;
  }
  Start(std::move(job));
}

void WhatIfTable::Start(Job job) {
  running_ = true;
  drop_running_ = false;
  job_.Start(std::move(job));
}

void WhatIfTable::Finished() {
  running_ = false;
  if (waiting_) {
    Job next = std::move(waiting_);
    waiting_ = nullptr;
    Start(std::move(next));
    return;
  }
  if (drop_running_) return;
  Display(job_.Take());
}

void WhatIfTable::Show(const Lines& lines) {
  waiting_ = nullptr;
  drop_running_ = running_;
  Display(lines);
}

void WhatIfTable::Display(const Lines& lines) {
  for (int s = 0; s < kBettingSystems; ++s) DisplayRow(s, lines.built_in[static_cast<size_t>(s)]);
  table_->setRowHidden(kBettingSystems, !lines.own);
  if (lines.own) {
    table_->item(kBettingSystems, 0)->setText(OwnSystemName(*lines.own));
    DisplayRow(kBettingSystems, *lines.own);
  }
  if (done_) done_(lines);
}

void WhatIfTable::DisplayRow(int row, const vellaro::replay::WhatIfLine& line) {
  const vellaro::RealResult::Counts& c = line.counts;
  const std::array<int64_t, 5> values = {c.net, c.highest_stake, c.deepest_drawdown, c.bets_won,
                                         c.bets_lost};
  for (size_t i = 0; i < values.size(); ++i) {
    table_->item(row, static_cast<int>(i) + 1)->setText(Whole(values[i]));
  }
}

void WhatIfTable::WaitForIdle() {
  while (Busy()) {
    job_.Wait();
    // The watcher reports on the event loop; let it, which may start the waiting request.
    QCoreApplication::processEvents();
  }
}

}  // namespace vellaro::app
