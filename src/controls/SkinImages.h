#pragma once

#include <QSize>
#include <QtGlobal>

class QObject;
class TDIBImageList;

// The pictures of the skin image list, by index, with the frames each holds.
inline constexpr int SkinKnob1 = 0; // the strip's knobs, on the strip colour
inline constexpr int SkinKnob2 = 1; // the effect knobs, masked
inline constexpr int SkinBtn1 = 2;  // the sample button: a normal and a pressed glyph
inline constexpr int SkinKnob1Frames = 63;
inline constexpr int SkinKnob2Frames = 51;
inline constexpr int SkinBtn1Glyphs = 2;
inline constexpr QSize SkinKnobFrame{32, 32};
inline constexpr QSize SkinBtn1Glyph{22, 18};

// Draws "Knob1", "Knob2" and "Btn1" into `list` at `devicePixelRatio`. A list that
// already holds them gets new pixels in place, so the controls linked to it repaint.
void FillSkinImages(TDIBImageList& list, qreal devicePixelRatio);

// A new skin image list (ImglstSkin) owned by `parent`.
TDIBImageList* CreateSkinImages(qreal devicePixelRatio, QObject* parent);

// The skin image list every knob and glyph button of the document windows uses;
// null until the main window sets it, and again once that list is destroyed.
TDIBImageList* SkinImages();
void SetSkinImages(TDIBImageList* list);
