#pragma once

#ifdef _WIN32

#include "host/RegistryReader.h"

#include <stdexcept>
#include <string>
#include <vector>
#include <windows.h>

// Writes the host's uninstall entries into this machine's registry for one test and
// removes them again. Test code only: the program itself never asks for write access.
// (Wine grants it to everyone; on Windows the test needs administrator rights.)
class UninstallEntries {
  public:
    struct Entry {
        RegistryView view;
        std::wstring edition; // "Norvex Zephal" or "Norvex Tarnis"
        DWORD type;
        std::vector<BYTE> data;
    };

    UninstallEntries() { RemoveAll(); }
    ~UninstallEntries() { RemoveAll(); }
    UninstallEntries(const UninstallEntries&) = delete;
    UninstallEntries& operator=(const UninstallEntries&) = delete;

    // Text stored with its terminating NUL, as Windows' own tools store it.
    static std::vector<BYTE> Text(const std::wstring& text) {
        const auto* bytes = reinterpret_cast<const BYTE*>(text.c_str());
        return {bytes, bytes + (text.size() + 1) * sizeof(wchar_t)};
    }

    void Add(const Entry& entry) {
        HKEY key = nullptr;
        const LONG created =
            RegCreateKeyExW(HKEY_LOCAL_MACHINE, (Parent + entry.edition).c_str(), 0, nullptr, 0,
                            KEY_SET_VALUE | ViewFlag(entry.view), nullptr, &key, nullptr);
        if (created != ERROR_SUCCESS) {
            throw std::runtime_error("cannot create uninstall key: " + std::to_string(created));
        }
        const LONG set = RegSetValueExW(key, L"UninstallString", 0, entry.type, entry.data.data(),
                                        static_cast<DWORD>(entry.data.size()));
        RegCloseKey(key);
        if (set != ERROR_SUCCESS) {
            throw std::runtime_error("cannot set UninstallString: " + std::to_string(set));
        }
    }

  private:
    static inline const std::wstring Parent =
        L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

    static REGSAM ViewFlag(RegistryView view) {
        return view == RegistryView::Bits32 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
    }

    static void RemoveAll() {
        for (const RegistryView view : {RegistryView::Bits32, RegistryView::Bits64}) {
            for (const wchar_t* edition : {L"Norvex Zephal", L"Norvex Tarnis"}) {
                RegDeleteKeyExW(HKEY_LOCAL_MACHINE, (Parent + edition).c_str(), ViewFlag(view), 0);
            }
        }
    }
};

#endif
