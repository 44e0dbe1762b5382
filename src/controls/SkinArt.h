#pragma once

#include <QImage>
#include <QSize>

// The looks of the two knob strips of the skin.
enum class TKnobArt {
    // Opaque, on the colour of the instrument strips.
    Strip,
    // Masked: transparent around the knob, for any background.
    Masked,
};

// A strip of `frames` frames of `frameSize` logical pixels whose pointer sweeps
// the knob's arc from the first frame to the last, rendered at `devicePixelRatio`.
QImage PaintKnobStrip(TKnobArt art, int frames, QSize frameSize, qreal devicePixelRatio);

// Two button glyphs side by side: normal, then pressed.
QImage PaintButtonGlyphs(QSize glyphSize, qreal devicePixelRatio);
