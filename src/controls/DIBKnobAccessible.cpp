#include "controls/DIBKnobAccessible.h"

#include "controls/CustomDIBKnob.h"

namespace {

QAccessibleInterface* KnobInterface(const QString&, QObject* object) {
    if (auto* knob = qobject_cast<TCustomDIBKnob*>(object)) {
        return new TDIBKnobAccessible(knob);
    }
    return nullptr;
}

} // namespace

TDIBKnobAccessible::TDIBKnobAccessible(TCustomDIBKnob* knob)
    : QAccessibleWidget(knob, QAccessible::Dial) {}

TCustomDIBKnob* TDIBKnobAccessible::Knob() const {
    return static_cast<TCustomDIBKnob*>(widget());
}

void* TDIBKnobAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface) {
        return static_cast<QAccessibleValueInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QString TDIBKnobAccessible::text(QAccessible::Text type) const {
    if (type == QAccessible::Value) {
        return QString::number(Knob()->Position());
    }
    return QAccessibleWidget::text(type);
}

QVariant TDIBKnobAccessible::currentValue() const {
    return Knob()->Position();
}

void TDIBKnobAccessible::setCurrentValue(const QVariant& value) {
    Knob()->SetPosition(value.toInt());
}

QVariant TDIBKnobAccessible::maximumValue() const {
    return Knob()->Max();
}

QVariant TDIBKnobAccessible::minimumValue() const {
    return Knob()->Min();
}

QVariant TDIBKnobAccessible::minimumStepSize() const {
    return int{Knob()->SmallChange()};
}

void InstallDIBKnobAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(KnobInterface);
        return true;
    }();
    Q_UNUSED(installed);
}
