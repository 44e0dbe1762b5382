#include "controls/DIBImageLink.h"

#include "controls/DIBImageList.h"

TDIBImageLink::TDIBImageLink(QObject* parent) : QObject(parent) {}

void TDIBImageLink::SetDIBImageList(TDIBImageList* list) {
    if (list_ == list) {
        return;
    }
    if (list_) {
        disconnect(list_, nullptr, this, nullptr);
    }
    list_ = list;
    if (list_) {
        connect(list_, &TDIBImageList::Changed, this, &TDIBImageLink::ListChanged);
        connect(list_, &QObject::destroyed, this, &TDIBImageLink::ImageChanged);
    }
    emit ImageChanged();
}

void TDIBImageLink::SetDIBIndex(int index) {
    if (index_ == index) {
        return;
    }
    index_ = index;
    emit ImageChanged();
}

const TDIBImage* TDIBImageLink::Image() const {
    return list_ ? list_->Image(index_) : nullptr;
}

void TDIBImageLink::ListChanged(int index) {
    if (index < 0 || index == index_) {
        emit ImageChanged();
    }
}
