#ifdef _WIN32

#include "base/CodePage.h"

#include <windows.h>

namespace {

std::string ToCodePage(std::wstring_view text, DWORD flags, const char* defaultChar,
                       BOOL* usedDefault) {
    if (text.empty()) {
        return {};
    }
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(CP_ACP, flags, text.data(), length, nullptr, 0,
                                         defaultChar, usedDefault);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, flags, text.data(), length, bytes.data(), size, defaultChar,
                        usedDefault);
    return bytes;
}

} // namespace

std::wstring CodePageToWide(std::string_view bytes) {
    if (bytes.empty()) {
        return {};
    }
    const int length = static_cast<int>(bytes.size());
    const int size = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, wide.data(), size);
    return wide;
}

std::string WideToCodePage(std::wstring_view text) {
    return ToCodePage(text, 0, nullptr, nullptr);
}

std::string WideToCodePageExactly(std::wstring_view text, bool* lossy) {
    BOOL usedDefault = FALSE;
    std::string bytes = ToCodePage(text, WC_NO_BEST_FIT_CHARS, "?", &usedDefault);
    if (lossy) {
        *lossy = usedDefault != FALSE;
    }
    return bytes;
}

#endif
