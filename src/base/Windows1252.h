#pragma once

#include <optional>
#include <string>
#include <string_view>

// The host's single-byte code page. Every byte maps to one character and back: the
// five bytes the code page leaves undefined stand for the C1 controls of the same
// value, so no byte of a document is ever lost.
char16_t Windows1252ToUnicode(unsigned char byte);

// The byte for a character, or nothing when the code page cannot hold it.
std::optional<unsigned char> UnicodeToWindows1252(char16_t character);

// Code-page bytes as UTF-8.
std::string Windows1252ToUtf8(std::string_view bytes);
