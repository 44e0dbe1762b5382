#include "host/HostPaths.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

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

TEST(HostPaths, WithoutInstallationNamesAreRelativeToTheCurrentFolder) {
    TempDir dir;
    fs::create_directories(dir / "Samples");
    WriteBytes(dir / "Samples" / "Bank.sf2", "x");
    const fs::path saved = fs::current_path();
    fs::current_path(dir.Path());
    EXPECT_EQ(FindHostFile({}, "samples\\bank.SF2"), fs::path("Samples") / "Bank.sf2");
    EXPECT_EQ(HostPath({}, "Samples\\"), fs::path("Samples"));
    fs::current_path(saved);
}
