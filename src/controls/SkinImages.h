#pragma once

#include <QtGlobal>

class QObject;
class TDIBImageList;

// The pictures of the skin image list, by index.
inline constexpr int SkinKnob1 = 0; // 2016 x 32: 63 frames of 32 x 32, on the strip colour
inline constexpr int SkinKnob2 = 1; // 1632 x 32: 51 frames of 32 x 32, masked
inline constexpr int SkinBtn1 = 2;  // 44 x 18: a normal and a pressed glyph

// Draws "Knob1", "Knob2" and "Btn1" into `list` at `devicePixelRatio`. A list that
// already holds them gets new pixels in place, so the controls linked to it repaint.
void FillSkinImages(TDIBImageList& list, qreal devicePixelRatio);

// A new skin image list (ImglstSkin) owned by `parent`.
TDIBImageList* CreateSkinImages(qreal devicePixelRatio, QObject* parent);

// The skin image list every knob and glyph button of the document windows uses;
// null until the main window sets it, and again once that list is destroyed.
TDIBImageList* SkinImages();
void SetSkinImages(TDIBImageList* list);
