#include "controls/DIBImageStrip.h"

#include "controls/DIBImageLink.h"
#include "controls/DIBImageList.h"

#include <algorithm>

TDIBImageStrip::TDIBImageStrip(int numGlyphs, QWidget* parent)
    : TCustomDIBControl(parent), indexMain_(std::make_unique<TDIBImageLink>()),
      numGlyphs_(std::max(numGlyphs, 1)) {
    connect(indexMain_.get(), &TDIBImageLink::ImageChanged, this, [this] {
        ApplySize();
        update();
    });
}

TDIBImageStrip::~TDIBImageStrip() {
    // The link goes first, so no image change reaches a half-destroyed control.
    indexMain_.reset();
}

TDIBImageList* TDIBImageStrip::DIBImageList() const {
    return indexMain_->DIBImageList();
}

void TDIBImageStrip::SetDIBImageList(TDIBImageList* list) {
    indexMain_->SetDIBImageList(list);
}

int TDIBImageStrip::IndexMain() const {
    return indexMain_->DIBIndex();
}

void TDIBImageStrip::SetIndexMain(int index) {
    indexMain_->SetDIBIndex(index);
}

const TDIBImage* TDIBImageStrip::Strip() const {
    return indexMain_ ? indexMain_->Image() : nullptr;
}

void TDIBImageStrip::SetFrameCount(int value) {
    numGlyphs_ = std::max(value, 1);
    ApplySize();
    update();
}

void TDIBImageStrip::SetAutoSize(bool value) {
    autoSize_ = value;
    ApplySize();
}

QSize TDIBImageStrip::sizeHint() const {
    const TDIBImage* strip = Strip();
    if (strip == nullptr) {
        return TCustomDIBControl::sizeHint();
    }
    return {strip->Size.width() / numGlyphs_, strip->Size.height()};
}

void TDIBImageStrip::ApplySize() {
    if (autoSize_ && Strip() != nullptr) {
        resize(sizeHint());
    }
}
