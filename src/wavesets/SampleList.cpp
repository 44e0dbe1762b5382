#include "wavesets/SampleList.h"

#include <algorithm>

namespace {

unsigned char Folded(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

} // namespace

bool SampleNameLess(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Folded(x) < Folded(y); });
}

bool TSampleList::Contains(std::string_view name) const {
    // Names equal under the order (differing in letter case only) lie side by side.
    const auto [first, last] = std::equal_range(
        names_.begin(), names_.end(), name,
        [](std::string_view x, std::string_view y) { return SampleNameLess(x, y); });
    return std::find(first, last, name) != last;
}

void TSampleList::Assign(std::vector<std::string> names) {
    // A stable sort gives what sorting after every addition would give, in O(n log n);
    // a list already in order costs one pass.
    const auto less = [](const std::string& x, const std::string& y) {
        return SampleNameLess(x, y);
    };
    if (!std::is_sorted(names.begin(), names.end(), less)) {
        std::stable_sort(names.begin(), names.end(), less);
    }
    names_ = std::move(names);
}
