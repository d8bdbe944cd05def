#include "app/accessible_key_stop.h"

#include <QAccessibleWidget>

#include "app/key_stop.h"
#include "app/picture_widget.h"

namespace vellaro::app {

namespace {

class Interface final : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit Interface(KeyStop* stop) : QAccessibleWidget(stop, stop->reading().role) {}

  KeyStop* stop() const { return static_cast<KeyStop*>(widget()); }

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
  QVariant maximumValue() const override { return QVariant(); }
  QVariant minimumValue() const override { return QVariant(); }
  QVariant minimumStepSize() const override { return 1; }
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
