#include "controls/DIBContainer.h"

#include "controls/CustomDIBControl.h"

#include <QFocusEvent>

TDIBContainer::TDIBContainer(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    setFocusPolicy(Qt::ClickFocus);
}

QColor TDIBContainer::Color() const {
    return palette().color(QPalette::Window);
}

void TDIBContainer::SetColor(const QColor& color) {
    QPalette colors = palette();
    colors.setColor(QPalette::Window, color);
    setPalette(colors);
}

void TDIBContainer::SetFocusedControl(TCustomDIBControl* control) {
    if (control == nullptr || control->parentWidget() == this) {
        focusedControl_ = control;
    }
}

void TDIBContainer::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (focusedControl_ && focusedControl_->parentWidget() == this &&
        focusedControl_->isVisible() && focusedControl_->isEnabled()) {
        focusedControl_->setFocus(event->reason());
    }
}
