#pragma once

#ifdef _WIN32

#include <string>
#include <string_view>

// Text in the system's ANSI code page, the encoding of the host's files and of the
// document's bytes on Windows.

// Code-page bytes as wide characters.
std::wstring CodePageToWide(std::string_view bytes);

// Wide characters as code-page bytes, for messages: a character the code page lacks
// becomes its nearest look-alike, or '?'.
std::string WideToCodePage(std::wstring_view text);

// Wide characters as code-page bytes, for text that is saved: a character the code
// page lacks becomes '?', never a look-alike, and `lossy` (when given) tells whether
// that happened.
std::string WideToCodePageExactly(std::wstring_view text, bool* lossy = nullptr);

#endif
