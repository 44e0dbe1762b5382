#include "controls/KnobFrames.h"

#include <cmath>

int KnobFrameIndex(std::int32_t position, std::int32_t min, std::int32_t max, int numGlyphs) {
    // 64 bits: the product and the range overflow 32 bits on wide ranges.
    const std::int64_t offset = std::int64_t{position} - min;
    const std::int64_t range = std::int64_t{max} - min + 1;
    if (range <= 0) {
        return 0;
    }
    return static_cast<int>(offset * numGlyphs / range);
}

namespace {

int FitFrame(int index, int numGlyphs, bool loopLastFrame) {
    if (index >= numGlyphs) {
        return loopLastFrame ? 0 : numGlyphs - 1;
    }
    if (index < 0) {
        return loopLastFrame ? numGlyphs - 1 : 0;
    }
    return index;
}

} // namespace

TKnobTween KnobTween(std::int32_t position, std::int32_t min, std::int32_t max, int numGlyphs,
                     bool loopLastFrame) {
    const double span = static_cast<double>(std::int64_t{max} - min);
    const double exact =
        span > 0 ? static_cast<double>(std::int64_t{position} - min) / span * numGlyphs : 0.0;
    const double fraction = exact - std::trunc(exact);
    TKnobTween tween;
    tween.Lower = FitFrame(static_cast<int>(std::floor(exact)), numGlyphs, loopLastFrame);
    tween.Upper = FitFrame(static_cast<int>(std::ceil(exact)), numGlyphs, loopLastFrame);
    // nearbyint rounds halves to even in the default rounding mode.
    tween.Weight = static_cast<int>(std::nearbyint(fraction * 255.0));
    return tween;
}
