#include "app/panel/panel_table.h"

#include <QHeaderView>
#include <QTableWidget>

namespace vellaro::app {

QTableWidget* NewPanelTable(const QString& name, int rows, const QStringList& columns,
                            QWidget* parent) {
  auto* table = new QTableWidget(rows, static_cast<int>(columns.size()), parent);
  table->setObjectName(name);
  table->setHorizontalHeaderLabels(columns);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Each column as wide as its header and cells, whatever the language's words.
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < table->columnCount(); ++c) table->setItem(r, c, new QTableWidgetItem);
  }
  return table;
}

void ShowEveryRow(QTableWidget* table) {
  table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  table->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void SetCell(QTableWidget* table, int row, int column, const QString& text) {
  QTableWidgetItem* item = table->item(row, column);
  if (item->text() != text) item->setText(text);
}

}  // namespace vellaro::app
