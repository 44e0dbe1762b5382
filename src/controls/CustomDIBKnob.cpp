#include "controls/CustomDIBKnob.h"

#include "controls/DIBImageList.h"
#include "controls/DIBKnobAccessible.h"
#include "controls/DIBKnobError.h"
#include "controls/HiddenCursor.h"
#include "controls/KnobFrames.h"
#include "controls/KnobPainter.h"

#include <QAccessible>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <limits>

namespace {

constexpr std::int32_t Lowest = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Highest = std::numeric_limits<std::int32_t>::max();

TKnobInc ToKnobInc(int value) {
    return static_cast<TKnobInc>(std::clamp(value, int{KnobIncMin}, int{KnobIncMax}));
}

} // namespace

TCustomDIBKnob::TCustomDIBKnob(QWidget* parent)
    : TDIBImageStrip(1, parent), holdsCursor_(THiddenCursor::PlatformMovesCursor()) {
    InstallDIBKnobAccessibility();
}

TCustomDIBKnob::~TCustomDIBKnob() {
    StopDrag();
}

void TCustomDIBKnob::SetPosition(std::int32_t value) {
    value = std::clamp(value, min_, max_);
    if (value != position_) {
        position_ = value;
        emit OnChange(this);
        QAccessibleValueChangeEvent changed(this, position_);
        QAccessible::updateAccessibility(&changed);
    }
    update();
}

void TCustomDIBKnob::SetMin(std::int32_t value) {
    // Leaves room for Max above it.
    value = std::min(value, Highest - 1);
    min_ = value;
    if (value >= max_) {
        SetMax(value + 1);
    }
    if (min_ > position_) {
        SetPosition(min_);
    }
    update();
}

void TCustomDIBKnob::SetMax(std::int32_t value) {
    // Leaves room for Min below it.
    value = std::max(value, Lowest + 1);
    max_ = value;
    if (value <= min_) {
        SetMin(value - 1);
    }
    if (max_ < position_) {
        SetPosition(max_);
    }
    update();
}

void TCustomDIBKnob::SetSmallChange(int value) {
    smallChange_ = ToKnobInc(value);
}

void TCustomDIBKnob::SetPageSize(int value) {
    pageSize_ = ToKnobInc(value);
}

void TCustomDIBKnob::SetNumGlyphs(int value) {
    if (value < 1) {
        throw EDIBKnobError("NumGlyphs must be greater than 0.");
    }
    SetFrameCount(value);
}

void TCustomDIBKnob::SetDrawTweens(bool value) {
    drawTweens_ = value;
    update();
}

void TCustomDIBKnob::SetLoopLastFrame(bool value) {
    loopLastFrame_ = value;
    update();
}

int TCustomDIBKnob::FrameIndex() const {
    return KnobFrameIndex(position_, min_, max_, NumGlyphs());
}

void TCustomDIBKnob::PaintDIB(QPainter& painter) {
    const TDIBImage* strip = Strip();
    if (strip == nullptr) {
        return;
    }
    if (drawTweens_) {
        DrawKnobTween(painter, *strip, QPoint(0, 0), NumGlyphs(),
                      KnobTween(position_, min_, max_, NumGlyphs(), loopLastFrame_));
    } else {
        DrawKnobFrame(painter, *strip, QPoint(0, 0), FrameIndex(), NumGlyphs());
    }
}

void TCustomDIBKnob::paintEvent(QPaintEvent* event) {
    TDIBImageStrip::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPen pen(palette().color(QPalette::Highlight), 1.5, Qt::DotLine);
        painter.setPen(pen);
        painter.drawEllipse(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void TCustomDIBKnob::Step(std::int64_t delta) {
    const std::int64_t target = std::clamp<std::int64_t>(position_ + delta, Lowest, Highest);
    SetPosition(static_cast<std::int32_t>(target));
}

void TCustomDIBKnob::KeyStep(std::int64_t count) {
    if (keyGrid_ == 1) {
        Step(count);
        return;
    }
    // The multiple of the grid at or below the position, then whole grid steps from
    // there; going up from a position between two multiples, the first step only
    // reaches the next one.
    const std::int64_t grid = keyGrid_;
    std::int64_t below = position_ / grid * grid;
    if (below > position_) {
        below -= grid;
    }
    const std::int64_t target =
        count > 0 ? below + count * grid
                  : (below == position_ ? below + count * grid : below + (count + 1) * grid);
    Step(target - position_);
}

void TCustomDIBKnob::wheelEvent(QWheelEvent* event) {
    // Only a knob that has the focus: a wheel turned to scroll a column of strips must
    // not turn every knob that passes under the pointer.
    if (!hasFocus()) {
        wheelEighths_ = 0;
        event->ignore();
        return;
    }
    wheelEighths_ += event->angleDelta().y();
    const int notches = wheelEighths_ / 120;
    wheelEighths_ -= notches * 120;
    if (notches != 0) {
        KeyStep(std::int64_t{notches} * smallChange_);
    }
    event->accept();
}

void TCustomDIBKnob::BeginKnobDrag(QPoint cursor) {
    dragging_ = true;
    holdingNow_ = holdsCursor_;
    dragOrigin_ = cursor;
    dragReference_ = cursor;
    hiddenCursor_ = std::make_unique<THiddenCursor>();
}

void TCustomDIBKnob::EndKnobDrag() {
    StopDrag();
}

void TCustomDIBKnob::StopDrag() {
    if (!dragging_) {
        return;
    }
    dragging_ = false;
    if (holdingNow_) {
        QCursor::setPos(dragOrigin_);
    }
    hiddenCursor_.reset();
}

bool TCustomDIBKnob::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusOut:
    case QEvent::Hide:
    case QEvent::WindowDeactivate:
        // The release may never come: the cursor must not stay hidden.
        StopDrag();
        break;
    case QEvent::EnabledChange:
        if (!isEnabled()) {
            StopDrag();
        }
        break;
    default:
        break;
    }
    return TCustomDIBControl::event(event);
}

void TCustomDIBKnob::mousePressEvent(QMouseEvent* event) {
    TCustomDIBControl::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && !dragging_) {
        BeginKnobDrag(event->globalPosition().toPoint());
    }
}

void TCustomDIBKnob::mouseMoveEvent(QMouseEvent* event) {
    TCustomDIBControl::mouseMoveEvent(event);
    if (!dragging_) {
        return;
    }
    const QPoint cursor = event->globalPosition().toPoint();
    const int moved = orientation_ == TKnobOrientation::koHorizontal
                          ? cursor.x() - dragReference_.x()
                          : dragReference_.y() - cursor.y();
    if (moved == 0) {
        return;
    }
    Step(std::int64_t{smallChange_} * moved);
    if (!holdingNow_) {
        dragReference_ = cursor;
        return;
    }
    QCursor::setPos(dragOrigin_);
    if (QCursor::pos() != dragOrigin_) {
        // The cursor did not go back: count further moves from this one instead
        // of counting the same distance again with every move.
        holdingNow_ = false;
        dragReference_ = cursor;
    }
}

void TCustomDIBKnob::mouseReleaseEvent(QMouseEvent* event) {
    TCustomDIBControl::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        EndKnobDrag();
    }
}

void TCustomDIBKnob::keyPressEvent(QKeyEvent* event) {
    // Shortcuts with Ctrl, Alt or Meta belong to the window, not to the knob.
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        TCustomDIBControl::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_PageUp:
        KeyStep(pageSize_);
        break;
    case Qt::Key_PageDown:
        KeyStep(-std::int64_t{pageSize_});
        break;
    case Qt::Key_Up:
    case Qt::Key_Right:
        KeyStep(smallChange_);
        break;
    case Qt::Key_Down:
    case Qt::Key_Left:
        KeyStep(-std::int64_t{smallChange_});
        break;
    default:
        TCustomDIBControl::keyPressEvent(event);
        return;
    }
    event->accept();
}
