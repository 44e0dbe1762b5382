#pragma once

#include <cstddef>
#include <string_view>

// Which whole lines differ between two texts whose lines end in "\n": the bytes
// before `Begin` (a line start in both) and from `OldEnd` / `NewEnd` on (line starts,
// or the ends of the texts) are the same in both.
struct LineChange {
    std::size_t FirstLine = 0; // the number of the line at `Begin`
    std::size_t OldLines = 0;  // line breaks between `Begin` and `OldEnd`
    std::size_t Begin = 0;
    std::size_t OldEnd = 0;
    std::size_t NewEnd = 0;

    bool None() const { return Begin == OldEnd && Begin == NewEnd; }
    bool operator==(const LineChange&) const = default;
};

LineChange ChangedLines(std::string_view before, std::string_view after);
