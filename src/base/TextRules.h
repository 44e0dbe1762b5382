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

// Splits at CR LF, lone CR or lone LF. A break at the very end adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);

// value * factor, held at the 32-bit limits instead of overflowing.
std::int32_t SaturatedMultiply(std::int32_t value, std::int32_t factor);

inline constexpr std::string_view CRLF = "\r\n";
