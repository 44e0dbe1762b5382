#include "UninstallEntries.h"

#include "host/HostInstallation.h"
#include "host/WindowsRegistryReader.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

using Entry = UninstallEntries::Entry;
constexpr RegistryView Bits32 = RegistryView::Bits32;
constexpr RegistryView Bits64 = RegistryView::Bits64;
const std::wstring Zephal = L"Norvex Zephal";
const std::wstring Tarnis = L"Norvex Tarnis";
const std::string Invalid = "Invalid data type for 'UninstallString'";

Entry Sz(RegistryView view, const std::wstring& edition, const std::wstring& text) {
    return {view, edition, REG_SZ, UninstallEntries::Text(text)};
}

} // namespace

TEST(WindowsRegistry, UninstallEntriesGiveTheHostFolderInViewAndEditionOrder) {
    const std::vector<BYTE> dword = {1, 0, 0, 0};
    const std::vector<BYTE> noNul = {'D', 0, ':', 0, '\\', 0, 'u', 0};
    struct Case {
        const char* what;
        std::vector<Entry> entries;
        std::wstring installDir; // empty: no installation
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"quoted, with an option",
         {Sz(Bits32, Zephal, L"\"C:\\Program Files (x86)\\Norvex\\uninstall.exe\" /S")},
         L"C:\\Program Files (x86)\\Norvex\\",
         {}},
        {"the 32-bit view first",
         {Sz(Bits32, Zephal, L"C:\\Thirty-two\\u.exe"),
          Sz(Bits64, Zephal, L"C:\\Sixty-four\\u.exe")},
         L"C:\\Thirty-two\\",
         {}},
        {"the 64-bit view alone",
         {Sz(Bits64, Zephal, L"C:\\Sixty-four\\u.exe")},
         L"C:\\Sixty-four\\",
         {}},
        {"Zephal before Tarnis, whatever the view",
         {Sz(Bits32, Tarnis, L"C:\\Tarnis\\u.exe"), Sz(Bits64, Zephal, L"C:\\Zephal\\u.exe")},
         L"C:\\Zephal\\",
         {}},
        {"Tarnis alone", {Sz(Bits64, Tarnis, L"E:\\Tarnis\\u.exe")}, L"E:\\Tarnis\\", {}},
        {"an empty value counts as missing",
         {Sz(Bits32, Zephal, L""), Sz(Bits32, Tarnis, L"C:\\Tarnis\\u.exe")},
         L"C:\\Tarnis\\",
         {}},
        {"expandable text is taken as stored",
         {{Bits32, Zephal, REG_EXPAND_SZ,
           UninstallEntries::Text(L"%ProgramFiles%\\Norvex\\uninstall.exe")}},
         L"%ProgramFiles%\\Norvex\\",
         {}},
        {"a number is reported and the search goes on",
         {{Bits32, Zephal, REG_DWORD, dword}, Sz(Bits64, Tarnis, L"D:\\Hosts\\Tarnis\\u.exe")},
         L"D:\\Hosts\\Tarnis\\",
         {Invalid}},
        {"every wrong type is reported",
         {{Bits32, Zephal, REG_BINARY, {1, 2, 3}},
          {Bits64, Zephal, REG_MULTI_SZ, UninstallEntries::Text(L"C:\\a\\u.exe")},
          {Bits32, Tarnis, REG_DWORD, dword}},
         L"",
         {Invalid, Invalid, Invalid}},
        {"text stored without its NUL", {{Bits32, Zephal, REG_SZ, noNul}}, L"D:\\", {}},
        {"a bare drive keeps its colon", {Sz(Bits32, Zephal, L"C:uninstall.exe")}, L"C:", {}},
        {"names outside the code page",
         {Sz(Bits32, Zephal,
             L"C:\\\u041f\u0440\u043e\u0433\u0440\u0430\u043c\u043c\u044b\\"
             L"\u97f3\u697d\\u.exe")},
         L"C:\\\u041f\u0440\u043e\u0433\u0440\u0430\u043c\u043c\u044b\\\u97f3\u697d\\",
         {}},
        {"a lone quote", {Sz(Bits32, Zephal, L"\"")}, L"", {}},
        {"no entry at all", {}, L"", {}},
    };
    for (const Case& c : cases) {
        UninstallEntries entries;
        for (const Entry& entry : c.entries) {
            entries.Add(entry);
        }
        WindowsRegistryReader registry;
        std::vector<std::string> messages;
        const std::filesystem::path installDir = FindHostInstallation(
            registry, [&](const std::string& message) { messages.push_back(message); });
        EXPECT_EQ(installDir.native(), c.installDir) << c.what;
        EXPECT_EQ(messages, c.messages) << c.what;
    }
}

TEST(WindowsRegistry, EachViewIsReadOnItsOwn) {
    UninstallEntries entries;
    entries.Add(Sz(Bits32, Zephal, L"C:\\Only32\\u.exe"));
    entries.Add(Sz(Bits64, Tarnis, L"C:\\Only64\\u.exe"));
    WindowsRegistryReader registry;
    const std::string key = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
    EXPECT_EQ(registry.ReadString(Bits32, key + "Norvex Zephal", "UninstallString"),
              u"C:\\Only32\\u.exe");
    EXPECT_EQ(registry.ReadString(Bits64, key + "Norvex Zephal", "UninstallString"), std::nullopt);
    EXPECT_EQ(registry.ReadString(Bits64, key + "Norvex Tarnis", "UninstallString"),
              u"C:\\Only64\\u.exe");
    EXPECT_EQ(registry.ReadString(Bits32, key + "Norvex Tarnis", "UninstallString"), std::nullopt);
    EXPECT_EQ(registry.ReadString(Bits32, key + "Norvex Zephal", "Missing"), std::nullopt);
}
