#pragma once

// The tables of the session panel's tabs: read-only, each column as wide as its words.

#include <QString>
#include <QStringList>

class QTableWidget;
class QWidget;

namespace vellaro::app {

// A table of `rows` empty cells under `columns`, named `name` for the tests and the
// accessibility tree.
QTableWidget* NewPanelTable(const QString& name, int rows, const QStringList& columns,
                            QWidget* parent);

// A short table as tall as its rows, read at a glance without scrolling down; a narrow
// window scrolls it sideways rather than cut a column off.
void ShowEveryRow(QTableWidget* table);

// Sets a cell's text, leaving a cell that already says it untouched (no repaint).
void SetCell(QTableWidget* table, int row, int column, const QString& text);

}  // namespace vellaro::app
