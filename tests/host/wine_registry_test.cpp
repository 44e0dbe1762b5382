#include "host/HostInstallation.h"
#include "host/WineRegistryReader.h"
#include "support/TempDir.h"

#include "base/Utf.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// A Wine prefix with the given registry file, a C: drive linked as Wine links it,
// and the given folders on that drive.
void MakePrefix(const fs::path& prefix, const std::string& registryFixture,
                const std::vector<std::string>& folders) {
    fs::create_directories(prefix / "dosdevices");
    fs::create_directories(prefix / "drive_c");
    fs::create_directory_symlink("../drive_c", prefix / "dosdevices" / "c:");
    fs::copy_file(fs::path(HOST_FIXTURES) / registryFixture, prefix / "system.reg");
    for (const std::string& folder : folders) {
        fs::create_directories(prefix / "drive_c" / folder);
    }
}

} // namespace

TEST(WineRegistry, UninstallEntriesOfThePrefixGiveTheHostFolder) {
    struct Case {
        const char* fixture;
        std::vector<std::string> folders;
        std::string installDir; // under drive_c; empty: no installation
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"zephal-wins.reg", {"Program Files/Norvex", "Tarnis"}, "Program Files/Norvex/", {}},
        {"both-views.reg", {"Thirty-two", "Sixty-four"}, "Thirty-two/", {}},
        // Names in other case, \x escapes and options with a backslash behind the quote;
        // the folder on disk differs in letter case.
        {"escapes.reg",
         {"programme/norvex t\xC3\xA4rnis \xE2\x99\xAB"},
         "programme/norvex t\xC3\xA4rnis \xE2\x99\xAB/",
         {}},
        {"wrong-type.reg", {"Expand"}, "Expand/", {"Invalid data type for 'UninstallString'"}},
        {"hex.reg", {"Hex"}, "Hex/", {}},
        {"empty-value.reg", {"Tarnis"}, "Tarnis/", {}},
        {"nothing.reg", {"Other"}, "", {}},
    };
    for (const Case& c : cases) {
        TempDir prefix;
        MakePrefix(prefix.Path(), c.fixture, c.folders);
        WineRegistryReader registry(prefix.Path());
        std::vector<std::string> messages;
        const fs::path installDir = FindHostInstallation(
            registry, [&](const std::string& message) { messages.push_back(message); });
        const std::string expected =
            c.installDir.empty() ? "" : (fs::canonical(prefix / "drive_c") / c.installDir).string();
        EXPECT_EQ(installDir.string(), expected) << c.fixture;
        EXPECT_EQ(messages, c.messages) << c.fixture;
    }
}

TEST(WineRegistry, NoPrefixOrNoRegistryFileMeansNoInstallation) {
    TempDir empty;
    for (const fs::path& prefix : {fs::path(), empty.Path(), empty / "missing"}) {
        WineRegistryReader registry(prefix);
        EXPECT_EQ(registry.ReadString(RegistryView::Bits32, "SOFTWARE\\X", "UninstallString"),
                  std::nullopt);
        EXPECT_TRUE(FindHostInstallation(registry, [](const std::string& message) {
                        ADD_FAILURE() << message;
                    }).empty());
    }
}

TEST(WineRegistry, DrivesMapThroughThePrefixLinks) {
    TempDir prefix;
    TempDir elsewhere;
    MakePrefix(prefix.Path(), "nothing.reg", {"Apps/Host"});
    fs::create_directories(elsewhere / "Data");
    fs::create_directory_symlink(elsewhere.Path(), prefix / "dosdevices" / "d:");
    WineRegistryReader registry(prefix.Path());

    EXPECT_EQ(registry.NativeDirectory(u"c:\\APPS\\host\\"),
              fs::canonical(prefix / "drive_c" / "Apps" / "Host"));
    EXPECT_EQ(registry.NativeDirectory(u"D:\\Data\\"), fs::canonical(elsewhere / "Data"));
    EXPECT_EQ(registry.NativeDirectory(u"E:\\Nowhere\\"), fs::path());
    EXPECT_EQ(registry.NativeDirectory(u"\\\\server\\share\\"), fs::path());
}

TEST(WineRegistry, ReadsEveryTextFormAndRefusesTheOthers) {
    TempDir prefix;
    fs::create_directories(prefix.Path());
    WriteBytes(prefix / "system.reg",
               "WINE REGISTRY Version 2\n\n"
               "[Software\\\\Test] 1\n"
               "\"Plain\"=\"a\\\\b \\\"q\\\" tab\\tend \\x41\\x00e9t\\101\"\n"
               "\"Expand\"=str(2):\"%ProgramFiles%\\\\x\"\n"
               "\"Multi\"=str(7):\"a\\0b\\0\"\n"
               "\"Number\"=dword:00000010\n"
               "\"Binary\"=hex:01,02\n"
               "\"Utf8\"=\"\xC3\xA9\"\n"
               "\n[Software\\\\Other] 1\n"
               "\"Later\"=\"x\"\n");
    WineRegistryReader registry(prefix.Path());
    const auto read = [&](const char* value) {
        return registry.ReadString(RegistryView::Bits64, "SOFTWARE\\TEST", value);
    };
    EXPECT_EQ(read("plain"), u"a\\b \"q\" tab\tend A\u00e9tA");
    EXPECT_EQ(read("Expand"), u"%ProgramFiles%\\x");
    EXPECT_EQ(read("Utf8"), u"\u00e9");
    EXPECT_EQ(read("Missing"), std::nullopt);
    EXPECT_EQ(read("Later"), std::nullopt) << "values of the next key are not this key's";
    for (const char* wrong : {"Multi", "Number", "Binary"}) {
        EXPECT_THROW(read(wrong), RegistryError) << wrong;
    }
    EXPECT_EQ(registry.ReadString(RegistryView::Bits32, "SOFTWARE\\Test", "Plain"), std::nullopt)
        << "the 32-bit view of SOFTWARE is Wow6432Node";
}
