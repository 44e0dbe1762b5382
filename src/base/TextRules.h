#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Byte-string rules shared by the text format: every byte is one character of the
// host's single-byte code page, so nothing here looks at a locale.

// Removes leading and trailing bytes with codes 0 to 32.
std::string_view TrimBlanks(std::string_view text);
std::string_view TrimRightBlanks(std::string_view text);

// Maps A-Z to a-z and leaves every other byte alone.
std::string AsciiLower(std::string_view text);

// Compares with A-Z taken as a-z, without building a lowercased copy.
bool EqualsIgnoringAsciiCase(std::string_view text, std::string_view lowercase);

// Writes a decimal integer; no allocation.
void AppendInteger(std::string& text, std::int64_t value);

// A decimal integer with an optional sign; anything else, or a number outside the
// signed 32-bit range, reads as 0.
std::int32_t ParseIntegerOr0(std::string_view text);

// Calls `line(view)` for each line of `text`, in place: lines end at CR LF, a lone CR
// or a lone LF, and a break at the very end adds no empty line. Stops early when
// `line` returns false; returns whether it went to the end.
template <typename LineHandler>
bool ForEachLine(std::string_view text, LineHandler&& line) {
    std::size_t start = 0;
    std::size_t i = 0;
    const std::size_t size = text.size();
    while (i < size) {
        const char c = text[i];
        // Most bytes are printable: one comparison decides for them.
        if (static_cast<unsigned char>(c) > '\r' || (c != '\r' && c != '\n')) {
            ++i;
            continue;
        }
        if (!line(text.substr(start, i - start))) {
            return false;
        }
        i += (c == '\r' && i + 1 < size && text[i + 1] == '\n') ? 2U : 1U;
        start = i;
    }
    return start >= size || line(text.substr(start));
}

// The lines of `text` as ForEachLine gives them.
std::vector<std::string> SplitLines(std::string_view text);

// value * factor, held at the 32-bit limits instead of overflowing.
std::int32_t SaturatedMultiply(std::int32_t value, std::int32_t factor);

inline constexpr std::string_view CRLF = "\r\n";
