#pragma once

#include <QPoint>

class QPainter;
struct TDIBImage;
struct TKnobTween;

// Draws frame `frame` of a strip of `numGlyphs` equally wide frames at `at`.
void DrawKnobFrame(QPainter& target, const TDIBImage& strip, QPoint at, int frame, int numGlyphs);

// Draws the lower frame of `tween` with the upper one blended over it by the
// tween's weight, so the picture moves smoothly between whole frames.
void DrawKnobTween(QPainter& target, const TDIBImage& strip, QPoint at, int numGlyphs,
                   const TKnobTween& tween);
