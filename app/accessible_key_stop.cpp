#include "app/accessible_key_stop.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <vector>

#include "app/key_stop.h"
#include "app/picture_widget.h"

namespace vellaro::app {

namespace {

// One part of a stop, such as a number of the board: the board draws all its numbers as
// one picture, yet a screen reader's review, or a script that drives the pointer, finds
// each by its name and clicks where it lies.
class Part final : public QAccessibleInterface {
 public:
  Part(KeyStop* stop, int index) : stop_(stop), index_(index) {}

  bool isValid() const override { return !stop_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return stop_ ? stop_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(stop_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name && stop_ ? stop_->PartName(index_) : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QRect rect() const override {
    if (!stop_) return {};
    const QRect place = stop_->PartPlace(index_);
    return {stop_->parentWidget()->mapToGlobal(place.topLeft()), place.size()};
  }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.focusable = true;
    state.focused = stop_ && stop_->hasFocus() && stop_->PartInFocus() == index_;
    state.invisible = !stop_ || !stop_->isVisible();
    return state;
  }

 private:
  QPointer<KeyStop> stop_;
  int index_;
};

class Interface final : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit Interface(KeyStop* stop) : QAccessibleWidget(stop, stop->reading().role) {}
  // The parts are the cache's, as Qt's own tables keep their cells: made once, asked by id.
  ~Interface() override {
    for (const QAccessible::Id id : parts_) QAccessible::deleteAccessibleInterface(id);
  }
  Interface(const Interface&) = delete;
  Interface& operator=(const Interface&) = delete;

  KeyStop* stop() const { return static_cast<KeyStop*>(widget()); }

  int childCount() const override { return stop()->Parts(); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= stop()->Parts()) return nullptr;
    if (parts_.empty()) parts_.resize(static_cast<size_t>(stop()->Parts()), 0);
    QAccessible::Id& id = parts_[static_cast<size_t>(index)];
    if (id == 0) id = QAccessible::registerAccessibleInterface(new Part(stop(), index));
    return QAccessible::accessibleInterface(id);
  }
  int indexOfChild(const QAccessibleInterface* part) const override {
    for (int i = 0; i < childCount(); ++i) {
      if (child(i) == part) return i;
    }
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = 0; i < childCount(); ++i) {
      if (child(i)->rect().contains(x, y)) return child(i);
    }
    return nullptr;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface && stop()->Number()) {
      return static_cast<QAccessibleValueInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return stop()->Value();
    return QAccessibleWidget::text(t);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    if (stop()->reading().checked) {
      state.checkable = true;
      state.checked = stop()->reading().checked();
    }
    return state;
  }

  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (role() != QAccessible::StaticText && role() != QAccessible::Indicator) {
      names.prepend(pressAction());
    }
    return names;
  }
  void doAction(const QString& action) override {
    if (action == pressAction()) {
      stop()->Press();
    } else {
      QAccessibleWidget::doAction(action);
    }
  }

  QVariant currentValue() const override { return stop()->Number().value_or(0); }
  void setCurrentValue(const QVariant& value) override { stop()->SetNumber(value.toDouble()); }
  QVariant maximumValue() const override { return {}; }
  QVariant minimumValue() const override { return {}; }
  QVariant minimumStepSize() const override { return 1; }

 private:
  mutable std::vector<QAccessible::Id> parts_;
};

// A picture of the artwork: the control it draws is told by its Tab stop, so a screen
// reader passes over the picture itself rather than read a hundred nameless shapes.
class Picture final : public QAccessibleWidget {
 public:
  explicit Picture(QWidget* picture) : QAccessibleWidget(picture, QAccessible::Graphic) {}
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.invisible = true;
    return state;
  }
};

}  // namespace

QAccessibleInterface* KeyStopAccessible(const QString&, QObject* object) {
  if (auto* stop = dynamic_cast<KeyStop*>(object)) return new Interface(stop);
  if (auto* picture = dynamic_cast<PictureWidget*>(object)) return new Picture(picture);
  return nullptr;
}

void InstallKeyStopAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(&KeyStopAccessible);
    return true;
  }();
  (void)installed;
}

}  // namespace vellaro::app
