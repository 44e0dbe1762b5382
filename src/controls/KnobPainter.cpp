#include "controls/KnobPainter.h"

#include "controls/DIBImageList.h"
#include "controls/KnobFrames.h"

#include <QImage>
#include <QPainter>

namespace {

// The frame's rectangle in the strip's own (device) pixels.
QRect PixelFrame(const TDIBImage& strip, int frame, int numGlyphs) {
    const int width = strip.Pixels.width() / numGlyphs;
    return {frame * width, 0, width, strip.Pixels.height()};
}

QRectF LogicalFrame(const TDIBImage& strip, QPoint at, int numGlyphs) {
    return {QPointF(at), QSizeF(static_cast<qreal>(strip.Size.width() / numGlyphs),
                                static_cast<qreal>(strip.Size.height()))};
}

bool Drawable(const TDIBImage& strip, int numGlyphs) {
    return numGlyphs > 0 && !strip.Pixels.isNull() && strip.Pixels.width() / numGlyphs > 0 &&
           strip.Size.width() / numGlyphs > 0;
}

} // namespace

void DrawKnobFrame(QPainter& target, const TDIBImage& strip, QPoint at, int frame, int numGlyphs) {
    if (!Drawable(strip, numGlyphs)) {
        return;
    }
    target.drawImage(LogicalFrame(strip, at, numGlyphs), strip.Pixels,
                     PixelFrame(strip, frame, numGlyphs));
}

void DrawKnobTween(QPainter& target, const TDIBImage& strip, QPoint at, int numGlyphs,
                   const TKnobTween& tween) {
    if (!Drawable(strip, numGlyphs)) {
        return;
    }
    if (tween.Lower == tween.Upper || tween.Weight == 0) {
        DrawKnobFrame(target, strip, at, tween.Lower, numGlyphs);
        return;
    }
    QImage blend = strip.Pixels.copy(PixelFrame(strip, tween.Lower, numGlyphs));
    {
        QPainter painter(&blend);
        // The lower frame's mask stays the mask of the blend.
        painter.setCompositionMode(strip.Masked ? QPainter::CompositionMode_SourceAtop
                                                : QPainter::CompositionMode_SourceOver);
        painter.setOpacity(tween.Weight / 255.0);
        painter.drawImage(QPoint(0, 0), strip.Pixels, PixelFrame(strip, tween.Upper, numGlyphs));
    }
    target.drawImage(LogicalFrame(strip, at, numGlyphs), blend);
}
