#pragma once

#include <QDialog>
#include <QString>

class QLabel;

namespace vellaro::app {

// The standard error box: the critical icon, the message, OK. Over the window it belongs
// to (its parent, when given) and modal; the message wraps at a width a line is read at,
// and a path too long for one line breaks after a slash rather than being cut.
class ErrorBox final : public QDialog {
 public:
  ErrorBox(const QString& message, QWidget* parent);

  QLabel* label() const { return label_; }

  // The widest the message runs before it wraps, in pixels.
  static constexpr int kTextWidth = 360;

 private:
  QLabel* label_;
};

// Shows the box and waits until the player closes it.
void ShowErrorBox(const QString& message, QWidget* parent);

}  // namespace vellaro::app
