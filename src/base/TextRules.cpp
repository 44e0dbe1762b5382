#include "base/TextRules.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <limits>

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

} // namespace

std::string_view TrimBlanks(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() && IsBlank(text[begin])) {
        ++begin;
    }
    return TrimRightBlanks(text.substr(begin));
}

std::string_view TrimRightBlanks(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1])) {
        --end;
    }
    return text.substr(0, end);
}

std::string AsciiLower(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return result;
}

bool EqualsIgnoringAsciiCase(std::string_view text, std::string_view lowercase) {
    if (text.size() != lowercase.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        if (lower != lowercase[i]) {
            return false;
        }
    }
    return true;
}

void AppendInteger(std::string& text, std::int64_t value) {
    char digits[24];
    const auto result = std::to_chars(std::begin(digits), std::end(digits), value);
    text.append(digits, result.ptr);
}

std::int32_t ParseIntegerOr0(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return 0;
        }
    }
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, 10);
    if (ec != std::errc{} || ptr != end || text.empty()) {
        return 0;
    }
    return value;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    ForEachLine(text, [&lines](std::string_view line) {
        lines.emplace_back(line);
        return true;
    });
    return lines;
}

std::int32_t SaturatedMultiply(std::int32_t value, std::int32_t factor) {
    const std::int64_t product = static_cast<std::int64_t>(value) * factor;
    if (product > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (product < std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(product);
}
