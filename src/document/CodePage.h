#pragma once

#ifdef _WIN32

#include <string>
#include <string_view>

// Text in the system's ANSI code page, the encoding of the host's files and of the
// document's bytes on Windows.

// Code-page bytes as wide characters.
std::wstring CodePageToWide(std::string_view bytes);

// Wide characters as code-page bytes; a character the code page lacks becomes '?'.
std::string WideToCodePage(std::wstring_view text);

#endif
