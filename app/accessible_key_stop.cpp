#include "app/accessible_key_stop.h"

#include <QAccessibleWidget>

#include "app/key_stop.h"

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

}  // namespace

QAccessibleInterface* KeyStopAccessible(const QString&, QObject* object) {
  auto* stop = dynamic_cast<KeyStop*>(object);
  return stop != nullptr ? new Interface(stop) : nullptr;
}

void InstallKeyStopAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(&KeyStopAccessible);
    return true;
  }();
  (void)installed;
}

}  // namespace vellaro::app
