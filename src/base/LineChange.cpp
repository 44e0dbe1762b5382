#include "base/LineChange.h"

#include <algorithm>

LineChange ChangedLines(std::string_view before, std::string_view after) {
    const auto [oldDiffer, newDiffer] =
        std::mismatch(before.begin(), before.end(), after.begin(), after.end());
    LineChange change;
    const auto prefix = static_cast<std::size_t>(oldDiffer - before.begin());
    if (prefix == before.size() && prefix == after.size()) {
        change.Begin = change.OldEnd = change.NewEnd = prefix;
        change.FirstLine = static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n'));
        return change;
    }
    change.Begin = prefix == 0 ? 0 : before.rfind('\n', prefix - 1) + 1; // npos + 1 is 0
    // The common end, not reaching back into the common start.
    const std::size_t room = std::min(before.size(), after.size()) - change.Begin;
    std::size_t suffix = 0;
    while (suffix < room &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        ++suffix;
    }
    // Both ends moved on, through the common end, to a line start, so that the change
    // is whole lines in both texts.
    const std::size_t oldEnd = before.size() - suffix;
    const std::size_t newEnd = after.size() - suffix;
    const auto atLineStart = [&](std::string_view text, std::size_t at) {
        return at == change.Begin || text[at - 1] == '\n';
    };
    std::size_t further = 0;
    if (!atLineStart(before, oldEnd) || !atLineStart(after, newEnd)) {
        const std::size_t lineEnd = before.find('\n', oldEnd);
        further = lineEnd == std::string_view::npos ? suffix : lineEnd + 1 - oldEnd;
    }
    change.OldEnd = oldEnd + further;
    change.NewEnd = newEnd + further;
    change.FirstLine =
        static_cast<std::size_t>(std::count(before.begin(), before.begin() + change.Begin, '\n'));
    change.OldLines = static_cast<std::size_t>(
        std::count(before.begin() + change.Begin, before.begin() + change.OldEnd, '\n'));
    return change;
}
