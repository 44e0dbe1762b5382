#pragma once

#include <QAccessibleWidget>

class TCustomDIBKnob;

// Presents a knob to assistive technology as a dial with its value and bounds.
class TDIBKnobAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit TDIBKnobAccessible(TCustomDIBKnob* knob);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text type) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

  private:
    TCustomDIBKnob* Knob() const;
};

// Makes every knob answer with TDIBKnobAccessible; safe to call more than once.
void InstallDIBKnobAccessibility();
