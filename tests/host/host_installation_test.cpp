#include "host/HostInstallation.h"
#include "support/TempDir.h"

#include "base/Utf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <variant>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

// A registry scripted by the test: each (view, key) holds a text or a wrong type.
class ScriptedRegistry : public RegistryReader {
  public:
    struct WrongType {};
    using Value = std::variant<std::u16string, WrongType>;

    void Set(RegistryView view, const std::string& key, Value value) {
        values_[{view, key}] = std::move(value);
    }

    std::optional<std::u16string> ReadString(RegistryView view, const std::string& keyPath,
                                             const std::string& valueName) override {
        Reads.push_back(std::string(view == RegistryView::Bits32 ? "32 " : "64 ") +
                        keyPath.substr(keyPath.rfind('\\') + 1));
        EXPECT_EQ(valueName, "UninstallString");
        const auto found = values_.find({view, keyPath});
        if (found == values_.end()) {
            return std::nullopt;
        }
        if (std::holds_alternative<WrongType>(found->second)) {
            throw RegistryError(InvalidDataTypeMessage(valueName));
        }
        return std::get<std::u16string>(found->second);
    }

    // Keeps the Windows text, with "/" so that it reads as a directory here.
    std::filesystem::path NativeDirectory(const std::u16string& windowsDirectory) override {
        std::string directory = Utf16ToUtf8(windowsDirectory);
        std::replace(directory.begin(), directory.end(), '\\', '/');
        return directory;
    }

    std::vector<std::string> Reads;

  private:
    std::map<std::pair<RegistryView, std::string>, Value> values_;
};

const std::string Zephal = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Norvex Zephal";
const std::string Tarnis = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Norvex Tarnis";

} // namespace

TEST(HostInstallation, UninstallCommandGivesItsDirectory) {
    struct Case {
        std::u16string uninstall;
        std::u16string directory;
    };
    const Case cases[] = {
        {u"C:\\Apps\\Host\\uninstall.exe", u"C:\\Apps\\Host\\"},
        {u"\"C:\\Apps\\Host\\uninstall.exe\"", u"C:\\Apps\\Host\\"},
        {u"\"C:\\Apps\\Host\\uninstall.exe\" /S", u"C:\\Apps\\Host\\"},
        {u"\"C:\\Apps\\Host\\uninstall.exe\" /LOG=D:\\logs\\u.log", u"C:\\Apps\\Host\\"},
        {u"C:\\Apps\\Host\\uninstall.exe /LOG=D:\\logs\\u.log",
         u"C:\\Apps\\Host\\uninstall.exe /LOG=D:\\logs\\"},
        {u"\"", u""},
        {u"\"\"", u""},
        {u"uninstall.exe", u""},
        {u"C:uninstall.exe", u"C:"},
        {u"C:\\Apps/Host/uninstall.exe /S", u"C:\\"},
        {u"\"C:\\Unclosed\\uninstall.exe", u"C:\\Unclosed\\"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf16ToUtf8(UninstallDirectory(c.uninstall)), Utf16ToUtf8(c.directory))
            << Utf16ToUtf8(c.uninstall);
    }
}

TEST(HostInstallation, EntriesAndViewsAreTriedInOrderUntilOneHasText) {
    struct Case {
        const char* what;
        std::vector<std::tuple<RegistryView, std::string, ScriptedRegistry::Value>> values;
        std::string installDir;
        std::vector<std::string> messages;
        std::vector<std::string> reads;
    };
    using V = RegistryView;
    const std::vector<std::string> allReads = {"32 Norvex Zephal", "64 Norvex Zephal",
                                               "32 Norvex Tarnis", "64 Norvex Tarnis"};
    const Case cases[] = {
        {"nothing installed", {}, "", {}, allReads},
        {"the first edition wins",
         {{V::Bits64, Tarnis, u"C:\\Tarnis\\u.exe"}, {V::Bits64, Zephal, u"C:\\Zephal\\u.exe"}},
         "C:/Zephal/",
         {},
         {"32 Norvex Zephal", "64 Norvex Zephal"}},
        {"the 32-bit view comes first",
         {{V::Bits32, Zephal, u"C:\\Thirty-two\\u.exe"},
          {V::Bits64, Zephal, u"C:\\Sixty-four\\u.exe"}},
         "C:/Thirty-two/",
         {},
         {"32 Norvex Zephal"}},
        {"an empty value falls through",
         {{V::Bits32, Zephal, u""}, {V::Bits32, Tarnis, u"\"D:\\Tarnis\\u.exe\" /S"}},
         "D:/Tarnis/",
         {},
         {"32 Norvex Zephal", "64 Norvex Zephal", "32 Norvex Tarnis"}},
        {"a wrong type is reported and the search goes on",
         {{V::Bits32, Zephal, ScriptedRegistry::WrongType{}}, {V::Bits64, Tarnis, u"C:\\T\\u.exe"}},
         "C:/T/",
         {"Invalid data type for 'UninstallString'"},
         allReads},
        {"a lone quote is a value without a directory",
         {{V::Bits32, Zephal, u"\""}},
         "",
         {},
         {"32 Norvex Zephal"}},
    };
    for (const Case& c : cases) {
        ScriptedRegistry registry;
        for (const auto& [view, key, value] : c.values) {
            registry.Set(view, key, value);
        }
        std::vector<std::string> messages;
        const std::filesystem::path installDir = FindHostInstallation(
            registry, [&](const std::string& message) { messages.push_back(message); });
        EXPECT_EQ(installDir.string(), c.installDir) << c.what;
        EXPECT_EQ(messages, c.messages) << c.what;
        EXPECT_EQ(registry.Reads, c.reads) << c.what;
    }
}

TEST(HostInstallation, SettingsFileLiesBesideTheProgram) {
    EXPECT_EQ(SettingsFileName("/opt/tools/Editor.exe"),
              std::filesystem::path("/opt/tools/Editor.ini"));
    EXPECT_EQ(SettingsFileName("/opt/tools/quillkit"),
              std::filesystem::path("/opt/tools/quillkit.ini"));
    EXPECT_EQ(SettingsFileName("/opt/v1.2/app.bin.exe"),
              std::filesystem::path("/opt/v1.2/app.bin.ini"));
}

TEST(HostInstallation, UnreadableSettingsFileIsReportedAndTheHostStillFound) {
    TempDir dir;
    ScriptedRegistry registry;
    registry.Set(RegistryView::Bits32, Zephal, u"C:\\Host\\u.exe");
    std::vector<std::string> messages;
    const auto report = [&](const std::string& message) { messages.push_back(message); };

    WriteBytes(dir / "quillkit.ini", "[anything]\nkey=value\n");
    EXPECT_EQ(LoadSettings(dir / "quillkit", registry, report).string(), "C:/Host/");
    EXPECT_TRUE(messages.empty());

    std::filesystem::remove(dir / "quillkit.ini");
    std::filesystem::create_directory(dir / "quillkit.ini"); // exists, cannot be read as a file
    EXPECT_EQ(LoadSettings(dir / "quillkit", registry, report).string(), "C:/Host/");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("quillkit.ini"), std::string::npos) << messages[0];
}

#ifndef _WIN32
TEST(HostInstallation, ASettingsFileThatIsNoRegularFileIsReportedAndNeverRead) {
    TempDir dir;
    ScriptedRegistry registry;
    registry.Set(RegistryView::Bits32, Zephal, u"C:\\Host\\u.exe");
    // A pipe would block the start until someone writes to it; /dev/zero never ends.
    ASSERT_EQ(mkfifo((dir / "fifo.ini").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", dir / "zero.ini");
    for (const char* program : {"fifo", "zero"}) {
        std::vector<std::string> messages;
        const auto report = [&](const std::string& message) { messages.push_back(message); };
        EXPECT_EQ(LoadSettings(dir / program, registry, report).string(), "C:/Host/");
        ASSERT_EQ(messages.size(), 1u) << program;
        EXPECT_NE(messages[0].find("Not a regular file"), std::string::npos) << messages[0];
    }
}
#endif
