#ifdef _WIN32

#include "host/WindowsRegistryReader.h"

#include "base/Utf.h"

#include <vector>
#include <windows.h>

namespace {

std::wstring Wide(const std::string& utf8) {
    const std::u16string text = Utf8ToUtf16(utf8);
    return std::wstring(text.begin(), text.end());
}

class KeyHandle {
  public:
    explicit KeyHandle(HKEY key) : key_(key) {}
    ~KeyHandle() { RegCloseKey(key_); }
    KeyHandle(const KeyHandle&) = delete;
    KeyHandle& operator=(const KeyHandle&) = delete;
    HKEY Get() const { return key_; }

  private:
    HKEY key_;
};

} // namespace

std::optional<std::u16string> WindowsRegistryReader::ReadString(RegistryView view,
                                                                const std::string& keyPath,
                                                                const std::string& valueName) {
    const REGSAM access =
        KEY_QUERY_VALUE | (view == RegistryView::Bits32 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY);
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, Wide(keyPath).c_str(), 0, access, &opened) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    const KeyHandle key(opened);
    const std::wstring name = Wide(valueName);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key.Get(), name.c_str(), nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) {
        throw RegistryError(InvalidDataTypeMessage(valueName));
    }
    // The value may change between the two calls; ask again until it fits.
    std::vector<wchar_t> buffer;
    LONG result = ERROR_MORE_DATA;
    for (int attempt = 0; attempt < 4 && result == ERROR_MORE_DATA; ++attempt) {
        buffer.assign(size / sizeof(wchar_t) + 1, L'\0');
        size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        result = RegQueryValueExW(key.Get(), name.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(buffer.data()), &size);
    }
    if (result != ERROR_SUCCESS) {
        return std::nullopt;
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) {
        throw RegistryError(InvalidDataTypeMessage(valueName));
    }
    // Stored text need not end with a NUL; it ends at the first one or at its size.
    std::size_t length = size / sizeof(wchar_t);
    for (std::size_t i = 0; i < length; ++i) {
        if (buffer[i] == L'\0') {
            length = i;
            break;
        }
    }
    return std::u16string(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(length));
}

std::filesystem::path
WindowsRegistryReader::NativeDirectory(const std::u16string& windowsDirectory) {
    return std::filesystem::path(std::wstring(windowsDirectory.begin(), windowsDirectory.end()));
}

#endif
