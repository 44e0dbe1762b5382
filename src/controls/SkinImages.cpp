#include "controls/SkinImages.h"

#include "controls/DIBImageList.h"
#include "controls/SkinArt.h"

#include <QPointer>

namespace {

QPointer<TDIBImageList>& Current() {
    static QPointer<TDIBImageList> list;
    return list;
}

struct SkinPicture {
    const char* Name;
    QSize Size;
    bool Masked;
};

constexpr QSize StripOf(QSize frame, int frames) {
    return {frame.width() * frames, frame.height()};
}

const SkinPicture Pictures[] = {
    {"Knob1", StripOf(SkinKnobFrame, SkinKnob1Frames), false},
    {"Knob2", StripOf(SkinKnobFrame, SkinKnob2Frames), true},
    {"Btn1", StripOf(SkinBtn1Glyph, SkinBtn1Glyphs), false},
};

QImage Paint(int index, qreal ratio) {
    switch (index) {
    case SkinKnob1:
        return PaintKnobStrip(TKnobArt::Strip, SkinKnob1Frames, SkinKnobFrame, ratio);
    case SkinKnob2:
        return PaintKnobStrip(TKnobArt::Masked, SkinKnob2Frames, SkinKnobFrame, ratio);
    default:
        return PaintButtonGlyphs(SkinBtn1Glyph, ratio);
    }
}

bool HoldsSkin(const TDIBImageList& list) {
    if (list.Count() != 3) {
        return false;
    }
    for (int i = 0; i < 3; ++i) {
        if (list.Image(i)->Name != QLatin1String(Pictures[i].Name)) {
            return false;
        }
    }
    return true;
}

} // namespace

void FillSkinImages(TDIBImageList& list, qreal devicePixelRatio) {
    if (HoldsSkin(list)) {
        for (int i = 0; i < 3; ++i) {
            list.Replace(i, Paint(i, devicePixelRatio), Pictures[i].Size);
        }
        return;
    }
    list.Clear();
    for (int i = 0; i < 3; ++i) {
        list.Add(QLatin1String(Pictures[i].Name), Paint(i, devicePixelRatio), Pictures[i].Masked,
                 Pictures[i].Size);
    }
}

TDIBImageList* CreateSkinImages(qreal devicePixelRatio, QObject* parent) {
    auto* list = new TDIBImageList(parent);
    list->setObjectName(QStringLiteral("ImglstSkin"));
    FillSkinImages(*list, devicePixelRatio);
    return list;
}

TDIBImageList* SkinImages() {
    return Current();
}

void SetSkinImages(TDIBImageList* list) {
    Current() = list;
}
