#pragma once

#include <cstdint>

// Which frame of a strip of `numGlyphs` frames shows `position` in min..max: the
// range is split into nearly equal runs, and max always gives the last frame.
int KnobFrameIndex(std::int32_t position, std::int32_t min, std::int32_t max, int numGlyphs);

// The two frames around an exact position and the weight (0 to 255) of the upper one.
struct TKnobTween {
    int Lower = 0;
    int Upper = 0;
    int Weight = 0;
};

// Past the last frame wraps to the first when `loopLastFrame`, else sticks to the end.
TKnobTween KnobTween(std::int32_t position, std::int32_t min, std::int32_t max, int numGlyphs,
                     bool loopLastFrame);
