#include "shell/dialogs/UpDownAccessible.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QPointer>

#include "shell/dialogs/UpDownControl.h"

namespace {

class SteppedFieldAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
  SteppedFieldAccessible(QLineEdit* field, UpDownControl* control)
      : QAccessibleWidget(field, QAccessible::SpinBox), m_pControl(control) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                               : QAccessibleWidget::interface_cast(type);
  }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Value ? Field().text() : QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    return state;
  }

  QVariant currentValue() const override {
    bool number = false;
    const int value = Field().text().toInt(&number);
    return number ? QVariant(value) : QVariant();
  }
  void setCurrentValue(const QVariant& value) override {
    if (m_pControl) m_pControl->SetPos(value.toInt());
  }
  QVariant maximumValue() const override { return m_pControl ? m_pControl->Upper() : QVariant(); }
  QVariant minimumValue() const override { return m_pControl ? m_pControl->Lower() : QVariant(); }
  QVariant minimumStepSize() const override { return 1; }

private:
  QLineEdit& Field() const { return *static_cast<QLineEdit*>(widget()); }

  QPointer<UpDownControl> m_pControl;
};

QAccessibleInterface* MakeSteppedFieldAccessible(const QString&, QObject* object) {
  auto* field = qobject_cast<QLineEdit*>(object);
  UpDownControl* control = field ? UpDownControl::Of(*field) : nullptr;
  return control ? new SteppedFieldAccessible(field, control) : nullptr;
}

}  // namespace

void InstallUpDownAccessible() {
  static const bool installed = (QAccessible::installFactory(MakeSteppedFieldAccessible), true);
  Q_UNUSED(installed);
}
