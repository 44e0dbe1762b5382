#include "controls/DIBImageList.h"

#include <cmath>

namespace {

QSize LogicalSize(const QImage& pixels) {
    const qreal ratio = pixels.devicePixelRatio();
    return {static_cast<int>(std::lround(pixels.width() / ratio)),
            static_cast<int>(std::lround(pixels.height() / ratio))};
}

} // namespace

TDIBImageList::TDIBImageList(QObject* parent) : QObject(parent) {}

const TDIBImage* TDIBImageList::Image(int index) const {
    if (index < 0 || index >= Count()) {
        return nullptr;
    }
    return &images_[static_cast<std::size_t>(index)];
}

int TDIBImageList::IndexOf(const QString& name) const {
    for (int i = 0; i < Count(); ++i) {
        if (images_[static_cast<std::size_t>(i)].Name == name) {
            return i;
        }
    }
    return -1;
}

int TDIBImageList::Add(const QString& name, const QImage& pixels, bool masked, QSize size) {
    images_.push_back({name, pixels, size.isEmpty() ? LogicalSize(pixels) : size, masked});
    const int index = Count() - 1;
    emit Changed(index);
    return index;
}

void TDIBImageList::Replace(int index, const QImage& pixels, QSize size) {
    if (index < 0 || index >= Count()) {
        return;
    }
    TDIBImage& image = images_[static_cast<std::size_t>(index)];
    image.Pixels = pixels;
    image.Size = size.isEmpty() ? LogicalSize(pixels) : size;
    emit Changed(index);
}

void TDIBImageList::Clear() {
    images_.clear();
    emit Changed(-1);
}
