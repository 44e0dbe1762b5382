#include "controls/CustomDIBControl.h"

#include "controls/DIBContainer.h"
#include "controls/DIBFeature.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

TCustomDIBControl::TCustomDIBControl(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::TabFocus);
}

TCustomDIBControl::~TCustomDIBControl() = default;

void TCustomDIBControl::SetOpacity(int opacity) {
    const auto value = static_cast<std::uint8_t>(std::clamp(opacity, 0, 255));
    if (value == opacity_) {
        return;
    }
    opacity_ = value;
    update();
}

void TCustomDIBControl::SetDIBTabOrder(int order) {
    dibTabOrder_ = order;
    setFocusPolicy(order >= 0 ? Qt::StrongFocus : Qt::TabFocus);
}

TDIBFeature* TCustomDIBControl::AddFeature(std::unique_ptr<TDIBFeature> feature) {
    features_.push_back(std::move(feature));
    return features_.back().get();
}

TDIBFeature* TCustomDIBControl::Feature(int index) const {
    if (index < 0 || index >= FeatureCount()) {
        return nullptr;
    }
    return features_[static_cast<std::size_t>(index)].get();
}

bool TCustomDIBControl::event(QEvent* event) {
    for (const auto& feature : features_) {
        if (feature->Active()) {
            feature->ControlEvent(*this, *event);
        }
    }
    return QWidget::event(event);
}

void TCustomDIBControl::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (buffer_.size() != pixels || buffer_.devicePixelRatio() != ratio) {
        buffer_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        buffer_.setDevicePixelRatio(ratio);
    }
    buffer_.fill(Qt::transparent);
    {
        QPainter painter(&buffer_);
        PaintDIB(painter);
    }
    QPainter painter(this);
    painter.setOpacity(opacity_ / 255.0);
    painter.drawImage(QPoint(0, 0), buffer_);
}

void TCustomDIBControl::enterEvent(QEnterEvent* event) {
    mouseInControl_ = true;
    QWidget::enterEvent(event);
}

void TCustomDIBControl::leaveEvent(QEvent* event) {
    // A control that holds the mouse stays under it until the button is released.
    if (!mouseCaptured_) {
        mouseInControl_ = false;
    }
    QWidget::leaveEvent(event);
}

void TCustomDIBControl::focusInEvent(QFocusEvent* event) {
    focused_ = true;
    if (auto* container = qobject_cast<TDIBContainer*>(parentWidget())) {
        container->SetFocusedControl(this);
    }
    QWidget::focusInEvent(event);
}

void TCustomDIBControl::focusOutEvent(QFocusEvent* event) {
    focused_ = false;
    QWidget::focusOutEvent(event);
}

void TCustomDIBControl::mousePressEvent(QMouseEvent* event) {
    mouseCaptured_ = true;
    emit OnMouseDown(this, event->button());
}

void TCustomDIBControl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->buttons() == Qt::NoButton) {
        mouseCaptured_ = false;
    }
    emit OnMouseUp(this, event->button());
    if (event->button() == Qt::LeftButton && mouseInControl_ &&
        !rect().contains(event->position().toPoint())) {
        // Released outside: the pointer has left, whether or not a leave event follows.
        QEvent leave(QEvent::Leave);
        for (const auto& feature : features_) {
            if (feature->Active()) {
                feature->ControlEvent(*this, leave);
            }
        }
        mouseInControl_ = false;
    }
}
