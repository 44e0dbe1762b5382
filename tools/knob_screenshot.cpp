// Renders the effect knobs and an instrument strip's knobs to a PNG, at the
// scale the platform gives (QT_SCALE_FACTOR), so their sharpness can be judged.
#include "controls/DIBContainer.h"
#include "controls/DIBEdit.h"
#include "controls/DIBGlyphButton.h"
#include "controls/DIBImageList.h"
#include "controls/DIBKnob.h"
#include "controls/HighlightDIB.h"
#include "controls/SkinImages.h"
#include "document/KnobKinds.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

#include <cstdio>
#include <memory>

namespace {

TDIBKnob* AddKnob(TDIBContainer* container, QPoint at, int skinIndex, int glyphs, int min, int max,
                  int position, int opacity) {
    auto* knob = new TDIBKnob(container);
    knob->move(at);
    knob->SetDIBImageList(SkinImages());
    knob->SetIndexMain(skinIndex);
    knob->SetNumGlyphs(glyphs);
    knob->SetMax(max);
    knob->SetMin(min);
    knob->SetPosition(position);
    knob->SetDrawTweens(true);
    knob->SetOpacity(opacity);
    knob->AddFeature(std::make_unique<THighlightDIB>());
    return knob;
}

QLabel* AddLabel(QWidget* parent, QPoint at, const QString& text, QColor colour) {
    auto* label = new QLabel(text, parent);
    label->move(at);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
    return label;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: knob_screenshot OUTPUT.png\n");
        return 2;
    }
    QApplication application(argc, argv);

    QWidget window;
    window.setAutoFillBackground(true);
    std::unique_ptr<TDIBImageList> skin(CreateSkinImages(window.devicePixelRatioF(), nullptr));
    SetSkinImages(skin.get());
    auto* layout = new QVBoxLayout(&window);

    // The global effect knobs: Knob2 on the light panel of the Waveset page.
    auto* effects = new TDIBContainer;
    effects->setFixedSize(265, 41);
    const char* names[] = {"Chorus", "Reverb", "Delay"};
    const int positions[] = {0, 256, 437};
    for (int i = 0; i < 3; ++i) {
        AddKnob(effects, {92 * i, 0}, SkinKnob2, SkinKnob2Frames, EffectKnob.Min, EffectKnob.Max,
                positions[i], 200);
        AddLabel(effects, {92 * i + 36, 0}, QString::fromLatin1(names[i]), Qt::black);
        AddLabel(effects, {92 * i + 36, 16}, QStringLiteral("%1%").arg(positions[i] * 100 / 512),
                 QColor(64, 64, 64));
    }
    layout->addWidget(effects);

    // One instrument strip: Knob1 and Btn1 on the strip colour.
    auto* strip = new TDIBContainer;
    strip->SetColor(QColor(45, 46, 63));
    strip->setFixedSize(234, 100);
    AddLabel(strip, {6, 6}, QStringLiteral("1"), Qt::white);
    auto* wave = new TDIBEdit(strip);
    wave->setGeometry(64, 5, 120, 19);
    wave->SetColors(QColor(205, 218, 255), QColor(78, 108, 202));
    wave->SetText(QStringLiteral("Grand Piano"));
    auto* button = new TDIBGlyphButton(strip);
    button->move(189, 5);
    button->SetDIBImageList(SkinImages());
    button->SetIndexMain(SkinBtn1);
    button->SetOpacity(200);
    AddKnob(strip, {28, 29}, SkinKnob1, SkinKnob1Frames, TimeKnob.Min, TimeKnob.Max, 5000, 200);
    AddKnob(strip, {116, 29}, SkinKnob1, SkinKnob1Frames, VolumeKnob.Min, VolumeKnob.Max, 512, 255);
    AddKnob(strip, {28, 61}, SkinKnob1, SkinKnob1Frames, TimeKnob.Min, TimeKnob.Max, 1234, 200);
    AddKnob(strip, {116, 61}, SkinKnob1, SkinKnob1Frames, TransposeKnob.Min, TransposeKnob.Max, 0,
            200);
    layout->addWidget(strip);

    window.adjustSize();
    window.show();
    QApplication::processEvents();
    const QPixmap shot = window.grab();
    if (!shot.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s: %dx%d pixels at device pixel ratio %.2f\n", argv[1], shot.width(),
                shot.height(), shot.devicePixelRatio());
    return 0;
}
