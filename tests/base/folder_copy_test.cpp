#include "base/FolderCopy.h"
#include "base/TextFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace fs = std::filesystem;

TEST(FolderCopy, APathIsInsideAFolderOnlyBelowIt) {
    TempDir dir;
    fs::create_directories(dir / "Samples" / "GM");
    fs::create_directories(dir / "Samples2");
    const fs::path samples = dir / "Samples";
    EXPECT_EQ(PathInsideFolder(samples, samples / "GM" / "gm.sf2"), fs::path("GM") / "gm.sf2");
    EXPECT_EQ(PathInsideFolder(samples, samples / "bank.sf2"), fs::path("bank.sf2"));
    EXPECT_EQ(PathInsideFolder(samples, samples / ".." / "Samples" / "a.sf2"), fs::path("a.sf2"));
    // A folder whose name only begins like it is another folder.
    EXPECT_EQ(PathInsideFolder(samples, dir / "Samples2" / "bank.sf2"), std::nullopt);
    EXPECT_EQ(PathInsideFolder(samples, samples / ".." / "bank.sf2"), std::nullopt);
    EXPECT_EQ(PathInsideFolder(samples, samples), std::nullopt);
#ifndef _WIN32
    // Through a link to the folder, or from a link to it.
    fs::create_directory_symlink(samples, dir / "linked");
    EXPECT_EQ(PathInsideFolder(samples, dir / "linked" / "GM" / "x.sf2"), fs::path("GM") / "x.sf2");
    EXPECT_EQ(PathInsideFolder(dir / "linked", samples / "x.sf2"), fs::path("x.sf2"));
    // A linked folder inside keeps the name it has there.
    fs::create_directories(dir / "elsewhere");
    fs::create_directory_symlink(dir / "elsewhere", samples / "Pads");
    EXPECT_EQ(PathInsideFolder(samples, samples / "Pads" / "soft.sf2"),
              fs::path("Pads") / "soft.sf2");
#endif
}

TEST(FolderCopy, CopiesIntoAFolderButNeverOverADifferentFileUnasked) {
    TempDir dir;
    WriteBytes(dir / "bank.sf2", "new bytes");
    const fs::path samples = dir / "Samples" / "made";
    EXPECT_EQ(CopyIntoFolder(dir / "bank.sf2", samples, false), CopyResult::Copied);
    EXPECT_EQ(ReadBytes(samples / "bank.sf2"), "new bytes");
    EXPECT_EQ(CopyIntoFolder(dir / "bank.sf2", samples, false), CopyResult::AlreadyThere);

    WriteBytes(samples / "bank.sf2", "old bytes");
    EXPECT_EQ(CopyIntoFolder(dir / "bank.sf2", samples, false), CopyResult::DifferentFileThere);
    EXPECT_EQ(ReadBytes(samples / "bank.sf2"), "old bytes");
    EXPECT_EQ(CopyIntoFolder(dir / "bank.sf2", samples, true), CopyResult::Copied);
    EXPECT_EQ(ReadBytes(samples / "bank.sf2"), "new bytes");

    // Wavesets are found without regard to letter case: "BANK.sf2" is that file.
    WriteBytes(dir / "BANK.sf2", "other bytes");
    EXPECT_EQ(CopyIntoFolder(dir / "BANK.sf2", samples, false), CopyResult::DifferentFileThere);
    EXPECT_EQ(CopyIntoFolder(dir / "BANK.sf2", samples, true), CopyResult::Copied);
    EXPECT_EQ(ReadBytes(samples / "bank.sf2"), "other bytes");

    EXPECT_THROW(CopyIntoFolder(dir / "missing.sf2", samples, false), FileError);
    // The bytes are copied, then cannot take the place of a folder of that name.
    fs::create_directories(samples / "blocked.sf2" / "inside");
    WriteBytes(dir / "blocked.sf2", "bytes");
    EXPECT_THROW(CopyIntoFolder(dir / "blocked.sf2", samples, true), FileError);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(samples)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"bank.sf2", "blocked.sf2"}))
        << "a failed copy left something behind";
}
