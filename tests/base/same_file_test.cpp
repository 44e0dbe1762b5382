#include "support/TempDir.h"

#include "base/SameFile.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(SameFile, NamesOfOneFileAreTheSameAndOthersAreNot) {
    TempDir dir;
    fs::create_directories(dir / "sub");
    WriteBytes(dir / "sub" / "pad.txt", "x");
    WriteBytes(dir / "other.txt", "x");
    const fs::path pad = dir / "sub" / "pad.txt";
    const fs::path saved = fs::current_path();
    fs::current_path(dir.Path());

    struct Case {
        fs::path a;
        fs::path b;
        bool same;
    };
    const Case cases[] = {
        {pad, pad, true},
        {pad, dir.Path() / "sub" / "." / ".." / "sub" / "pad.txt", true},
        {pad, fs::path("sub") / "pad.txt", true}, // relative to the current folder
        {pad, dir / "missing.txt", false},
        {dir / "missing.txt", dir / "sub" / ".." / "missing.txt", true}, // not there yet
        {pad, dir / "other.txt", false},
        {pad, {}, false},
        {{}, {}, false},
#ifdef _WIN32
        // The file system ignores letter case, beyond ASCII too.
        {pad, dir.Path() / "SUB" / "Pad.TXT", true},
        {dir.Path() / L"\u00c9tude \u0416.txt", dir.Path() / L"\u00e9TUDE \u0436.TXT", true},
#else
        {pad, dir.Path() / "SUB" / "Pad.TXT", false},
#endif
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsSameFile(c.a, c.b), c.same) << c.a << " " << c.b;
        EXPECT_EQ(IsSameFile(c.b, c.a), c.same) << c.b << " " << c.a;
    }
    fs::current_path(saved);
}
