#include "controls/DIBGlyphButton.h"

#include "controls/DIBImageLink.h"
#include "controls/DIBImageList.h"
#include "controls/KnobPainter.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

TDIBGlyphButton::TDIBGlyphButton(QWidget* parent)
    : TCustomDIBControl(parent), indexMain_(std::make_unique<TDIBImageLink>()) {
    connect(indexMain_.get(), &TDIBImageLink::ImageChanged, this, [this] {
        ApplySize();
        update();
    });
}

TDIBGlyphButton::~TDIBGlyphButton() {
    indexMain_.reset();
}

TDIBImageList* TDIBGlyphButton::DIBImageList() const {
    return indexMain_->DIBImageList();
}

void TDIBGlyphButton::SetDIBImageList(TDIBImageList* list) {
    indexMain_->SetDIBImageList(list);
}

int TDIBGlyphButton::IndexMain() const {
    return indexMain_->DIBIndex();
}

void TDIBGlyphButton::SetIndexMain(int index) {
    indexMain_->SetDIBIndex(index);
}

void TDIBGlyphButton::SetNumGlyphs(int value) {
    numGlyphs_ = std::max(value, 1);
    ApplySize();
    update();
}

QSize TDIBGlyphButton::sizeHint() const {
    const TDIBImage* glyphs = indexMain_ ? indexMain_->Image() : nullptr;
    if (glyphs == nullptr) {
        return TCustomDIBControl::sizeHint();
    }
    return {glyphs->Size.width() / numGlyphs_, glyphs->Size.height()};
}

void TDIBGlyphButton::ApplySize() {
    if (indexMain_ && indexMain_->Image() != nullptr) {
        resize(sizeHint());
    }
}

void TDIBGlyphButton::SetDown(bool down) {
    if (down != down_) {
        down_ = down;
        update();
    }
}

void TDIBGlyphButton::PaintDIB(QPainter& painter) {
    if (const TDIBImage* glyphs = indexMain_->Image()) {
        const int glyph = down_ && numGlyphs_ > 1 ? 1 : 0;
        DrawKnobFrame(painter, *glyphs, QPoint(0, 0), glyph, numGlyphs_);
    }
}

void TDIBGlyphButton::mousePressEvent(QMouseEvent* event) {
    TCustomDIBControl::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        SetDown(true);
    }
}

void TDIBGlyphButton::mouseMoveEvent(QMouseEvent* event) {
    TCustomDIBControl::mouseMoveEvent(event);
    if (event->buttons() & Qt::LeftButton) {
        SetDown(rect().contains(event->position().toPoint()));
    }
}

void TDIBGlyphButton::mouseReleaseEvent(QMouseEvent* event) {
    TCustomDIBControl::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const bool clicked = down_ && rect().contains(event->position().toPoint());
    SetDown(false);
    if (clicked) {
        emit OnClick(this);
    }
}

void TDIBGlyphButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit OnClick(this);
        event->accept();
        break;
    default:
        TCustomDIBControl::keyPressEvent(event);
        break;
    }
}
