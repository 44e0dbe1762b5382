#include "base/TextFile.h"
#include "document/FileTypeDetection.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

std::string Repeat(const std::string& line, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += line;
    }
    return text;
}

} // namespace

TEST(FileTypeDetection, JudgesByExtensionSizeAndTheFirstLinesThatAreNotComments) {
    struct Case {
        const char* name;
        std::string content;
        FileType type;
    };
    const Case cases[] = {
        {"song.TXT", "'Name\r\n'----\r\n  Waveset = a.sf2\r\n", FileType::Sarvik},
        {"plain.txt", "waveset", FileType::Sarvik},
        {"other.txt", "\r\nW1 = 3\r\nwaveset = a.sf2\r\n", FileType::OtherNorvexText},
        {"bank.sf2", "waveset = a.sf2\r\n", FileType::Unknown},
        {"noext", "waveset = a.sf2\r\n", FileType::Unknown},
        {"comments.txt", Repeat("'comment\n", 5) + "x\n'\n", FileType::Unknown},
        {"long-notes.txt", Repeat("'a note line\r\n", 40) + "waveset = a.sf2\r\n",
         FileType::Sarvik},
        {"sixteen.txt", Repeat("x\n", 16) + "waveset = a.sf2\n", FileType::Sarvik},
        {"seventeen.txt", Repeat("\n", 17) + "waveset = a.sf2\n", FileType::Unknown},
        {"key-prefix.txt", "wavesetfile = 1\n", FileType::Sarvik},
    };
    TempDir dir;
    for (const Case& c : cases) {
        WriteBytes(dir / c.name, c.content);
        EXPECT_EQ(DetectFileType(dir / c.name), c.type) << c.name;
    }
}

TEST(FileTypeDetection, FilesFrom12800128BytesOnAreRefusedUnread) {
    TempDir dir;
    const std::string head = "waveset = a.sf2\r\n";
    WriteBytes(dir / "limit.txt", head + std::string(12800000 - head.size(), ' '));
    WriteBytes(dir / "over.txt", head + std::string(12800128 - head.size(), ' '));
    EXPECT_EQ(DetectFileType(dir / "limit.txt"), FileType::Sarvik);
    EXPECT_EQ(DetectFileType(dir / "over.txt"), FileType::Unknown);
}

TEST(FileTypeDetection, FilesThatCannotBeOpenedRaiseAnError) {
    TempDir dir;
    EXPECT_THROW(DetectFileType(dir / "missing.txt"), FileError);
    EXPECT_THROW(DetectFileType(dir.Path()), FileError);
}
