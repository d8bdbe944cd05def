#pragma once

// A place the Tab key stops at, for a control the window draws as pictures (a button and
// its lit twin, a chip, the lamp). It lies over the pictures without taking the pointer's
// events, so the mouse reaches the artwork as before; it tells a screen reader what the
// control is and acts on Space (and Enter, unless digits typed are waiting for it).

#include <QAccessible>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

namespace vellaro::app {

class KeyStop : public QWidget {
 public:
  // The outline the focus ring follows.
  enum class Shape { kRect, kRound };
  // What a screen reader is told of the control.
  struct Reading {
    QAccessible::Role role = QAccessible::Button;
    QString name;
    // Its value in words ("3 units", "green"), if it has one.
    std::function<QString()> value;
    // The same value as a number, if it is one (a stake, the net result).
    std::function<std::optional<double>()> number;
    // For a switch: whether it is on.
    std::function<bool()> checked;
  };

  // `control`: where the control lies in `window`.
  KeyStop(QWidget* window, const QString& name, const QRect& control, Shape shape, Reading reading);

  // What Space (and a free Enter) does.
  void OnPress(std::function<void()> press) { press_ = std::move(press); }
  // Enter is taken only while this holds (the window's digits typed want it otherwise).
  void EnterFreeWhile(std::function<bool()> free) { enter_free_ = std::move(free); }
  // The stop is in the Tab order only while this holds (the undo while it is offered).
  void ShownWhile(std::function<bool()> shown) { shown_ = std::move(shown); }
  // Follows ShownWhile, and tells a screen reader when the value changed.
  void Sync();

  Shape shape() const { return shape_; }
  const Reading& reading() const { return reading_; }
  virtual QString Value() const { return reading_.value ? reading_.value() : QString(); }
  virtual std::optional<double> Number() const {
    return reading_.number ? reading_.number() : std::nullopt;
  }
  // Where the ring goes, in the window's coordinates.
  virtual QRect RingPlace() const { return control_; }
  // Space, Enter while it is free, or a screen reader's "press": what OnPress set.
  virtual void Press();
  // A screen reader sets the value (the board's number in focus); others ignore it.
  virtual void SetNumber(double) {}
  // The places a stop covers that a screen reader names one by one (the board's numbers,
  // painted as one picture): how many, each one's name, and where it lies in the window's
  // coordinates. A plain control has none.
  virtual int Parts() const { return 0; }
  virtual QString PartName(int) const { return {}; }
  virtual QRect PartPlace(int) const { return {}; }
  // The part in focus while the stop has it; -1 for none.
  virtual int PartInFocus() const { return -1; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool EnterFree() const { return !enter_free_ || enter_free_(); }

 private:
  QRect control_;
  Shape shape_;
  Reading reading_;
  std::function<void()> press_;
  std::function<bool()> enter_free_;
  std::function<bool()> shown_;
  QString value_told_;
  bool checked_told_ = false;
};

// Every KeyStop of `window` brought up to date.
void SyncKeyStops(QWidget& window);

}  // namespace vellaro::app
