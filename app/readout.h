#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <cstdint>

namespace vellaro::app {

// Where the game stands, as the readout tells it.
struct GameProgress {
  int32_t spins = 0;            // the engine's count of accepted spins
  int64_t entered = 0;          // numbers in the history, after any undo
  int32_t first_analysis = 5;   // the accepted spin that runs the first analysis
  bool matrix = false;          // the number matrix is the mode that spins start
  bool matrix_chosen = false;   // it has learnt and chosen its column
  int32_t matrix_step = 0;      // rows learnt (or played)
  int32_t matrix_learning = 0;  // rows it learns from
  int32_t matrix_column = 0;    // 1..3 once chosen

  friend bool operator==(const GameProgress&, const GameProgress&) = default;
};

// "First recommendation in 4 spins", "Spin 12", "MATRIX learning: 9 spins left",
// "MATRIX column 2 · spin 23".
QString ProgressText(const GameProgress& progress);

// One line of small text in the strip between the progress gauge and the number board,
// always visible: at its left where the game stands (why nothing is recommended yet, the
// spin count, the number matrix), at its right room for a second figure such as the
// session's result. It lets the pointer through to the background beneath, which drags
// the window and clears the highlights as before.
class Readout final : public QWidget {
 public:
  explicit Readout(QWidget* parent);

  const QString& progress() const { return progress_; }
  const QString& result() const { return result_; }
  // Each repaints only when its text or colour changes.
  void SetProgress(const QString& text);
  void SetResult(const QString& text, const QColor& colour);

  // The room each part may take: the right part keeps what it needs, the left the rest.
  QRect ProgressRect() const;
  QRect ResultRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString progress_;
  QString result_;
  QColor result_colour_;
};

}  // namespace vellaro::app
