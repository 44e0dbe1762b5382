#include "host/HostPaths.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

namespace fs = std::filesystem;

#ifndef _WIN32
TEST(HostPaths, HostFilesAreFoundWithoutRegardToLetterCase) {
    TempDir host;
    fs::create_directories(host / "Samples" / "Pads");
    fs::create_directories(host / "Samples" / "Dir.sf2");
    WriteBytes(host / "Samples" / "Pads" / "Soft.SF2", "x");
    WriteBytes(host / "Samples" / "bank.SF2", "x");
    WriteBytes(host / "Samples" / "BANK.sf2", "x");
    WriteBytes(host / "Samples" / "Bank.sf2", "x");
    WriteBytes(host / "Samples" / "caf\xC3\xA9.nsp", "x");
    const fs::path dir = host.Path() / "";

    struct Case {
        const char* relative;
        std::optional<fs::path> found;
    };
    const Case cases[] = {
        {"Samples\\Pads\\Soft.SF2", host / "Samples" / "Pads" / "Soft.SF2"},
        {"samples\\pads\\soft.sf2", host / "Samples" / "Pads" / "Soft.SF2"},
        {"SAMPLES/PADS/SOFT.SF2", host / "Samples" / "Pads" / "Soft.SF2"},
        {"Samples\\Bank.sf2", host / "Samples" / "Bank.sf2"}, // the exact name first
        {"Samples\\bank.sf2", host / "Samples" / "BANK.sf2"}, // then the first in byte order
        {"Samples\\CAF\xE9.NSP", host / "Samples" / "caf\xC3\xA9.nsp"}, // code-page bytes
        {"Samples\\caf\xC9.nsp", std::nullopt}, // only A-Z fold: É is not é
        {"Samples\\Dir.sf2", std::nullopt},     // not a regular file
        {"Samples\\missing.sf2", std::nullopt},
        {"Samples\\", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindHostFile(dir, c.relative), c.found) << c.relative;
    }
    EXPECT_EQ(HostPath(dir, "Samples\\Pads\\New.sf2"), host / "Samples" / "Pads" / "New.sf2");
}
#else
TEST(HostPaths, DriveLetterPathsWithBackslashesResolveInTheCodePage) {
    ASSERT_EQ(GetACP(), 1252u) << "the names below are Windows-1252 bytes";
    TempDir host;
    fs::create_directories(host / "Samples" / "Pads");
    fs::create_directories(host / "Samples" / "Dir.sf2");
    WriteBytes(host / "Samples" / "Pads" / "Soft.SF2", "x");
    WriteBytes(host.Path() / "Samples" / L"Caf\u00e9 \u20ac.nsp", "x");
    const fs::path dir = host.Path() / "";
    ASSERT_EQ(dir.native().substr(1, 2), L":\\");
    ASSERT_EQ(dir.native().back(), L'\\');

    struct Case {
        const char* relative;
        std::optional<std::wstring> found; // as named, appended to the directory
        fs::path file;
    };
    const fs::path soft = host / "Samples" / "Pads" / "Soft.SF2";
    const Case cases[] = {
        {"Samples\\Pads\\Soft.SF2", L"Samples\\Pads\\Soft.SF2", soft},
        {"samples\\pads\\soft.sf2", L"samples\\pads\\soft.sf2", soft},
        {"SAMPLES/PADS/SOFT.SF2", L"SAMPLES/PADS/SOFT.SF2", soft},
        {"Samples\\caf\xE9 \x80.nsp", L"Samples\\caf\u00e9 \u20ac.nsp",
         host.Path() / "Samples" / L"Caf\u00e9 \u20ac.nsp"},
        {"Samples\\Dir.sf2", std::nullopt, {}}, // not a regular file
        {"Samples\\missing.sf2", std::nullopt, {}},
        {"Samples\\", std::nullopt, {}},
    };
    for (const Case& c : cases) {
        const std::optional<fs::path> found = FindHostFile(dir, c.relative);
        ASSERT_EQ(found.has_value(), c.found.has_value()) << c.relative;
        if (found) {
            EXPECT_EQ(found->native(), dir.native() + *c.found) << c.relative;
            EXPECT_TRUE(fs::equivalent(*found, c.file)) << c.relative;
        }
    }
    EXPECT_EQ(HostPath(dir, "Samples\\Pads\\New.sf2").native(),
              dir.native() + L"Samples\\Pads\\New.sf2");
}
#endif

TEST(HostPaths, WithoutInstallationNamesAreRelativeToTheCurrentFolder) {
    TempDir dir;
    fs::create_directories(dir / "Samples");
    WriteBytes(dir / "Samples" / "Bank.sf2", "x");
    const fs::path saved = fs::current_path();
    fs::current_path(dir.Path());
#ifdef _WIN32
    // The file system ignores letter case, so the name stays as given.
    EXPECT_EQ(FindHostFile({}, "samples\\bank.SF2"), fs::path(L"samples\\bank.SF2"));
    EXPECT_EQ(HostPath({}, "Samples\\"), fs::path(L"Samples\\"));
#else
    EXPECT_EQ(FindHostFile({}, "samples\\bank.SF2"), fs::path("Samples") / "Bank.sf2");
    EXPECT_EQ(HostPath({}, "Samples\\"), fs::path("Samples"));
#endif
    fs::current_path(saved);
}
