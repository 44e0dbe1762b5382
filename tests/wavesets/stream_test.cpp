#include "base/TextFile.h"
#include "support/TempDir.h"
#include "wavesets/Errors.h"
#include "wavesets/FileStream.h"
#include "wavesets/MemoryStream.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <chrono>
#include <fstream>
#include <future>
#include <string>

namespace {

std::string ReadAll(TStream& stream, std::int32_t count) {
    std::string bytes(16, '\0');
    const std::int32_t arrived = stream.Read(bytes.data(), count);
    EXPECT_GE(arrived, 0);
    bytes.resize(static_cast<std::size_t>(arrived));
    return bytes;
}

} // namespace

TEST(MemoryStream, ReadsUpToTheEndAndSeeksFromBeginningOrCurrent) {
    TMemoryStream stream("abcdef");
    EXPECT_EQ(stream.Size(), 6);
    EXPECT_EQ(ReadAll(stream, 4), "abcd");
    EXPECT_EQ(ReadAll(stream, 4), "ef");
    EXPECT_EQ(ReadAll(stream, 4), "");
    EXPECT_EQ(stream.Seek(1, TSeekOrigin::Beginning), 1);
    EXPECT_EQ(stream.Seek(2, TSeekOrigin::Current), 3);
    EXPECT_EQ(ReadAll(stream, 1), "d");
    EXPECT_EQ(stream.Seek(-3, TSeekOrigin::Current), 1);
    EXPECT_EQ(ReadAll(stream, 0), "");
    EXPECT_EQ(ReadAll(stream, -5), "");
    EXPECT_EQ(stream.Position(), 1);
}

TEST(MemoryStream, SeekPastTheEndReadsNothingAndStopsAtTheLargestPosition) {
    TMemoryStream stream("abc");
    EXPECT_EQ(stream.Seek(100, TSeekOrigin::Beginning), 100);
    EXPECT_EQ(ReadAll(stream, 4), "");
    EXPECT_EQ(stream.Seek(INT32_MAX, TSeekOrigin::Current), INT32_MAX);
    EXPECT_EQ(ReadAll(stream, 4), "");
    EXPECT_THROW(stream.Seek(-1, TSeekOrigin::Beginning), StreamSeekError);
    EXPECT_EQ(stream.Position(), INT32_MAX);
}

TEST(MemoryStream, ReadBufferFailsOnAShortRead) {
    TMemoryStream stream("abc");
    char buffer[4] = {};
    stream.ReadBuffer(buffer, 2);
    EXPECT_EQ(std::string(buffer, 2), "ab");
    try {
        stream.ReadBuffer(buffer, 2);
        FAIL() << "a short read must fail";
    } catch (const StreamReadError& error) {
        EXPECT_STREQ(error.what(), "Stream read error");
    }
    stream.ReadBuffer(buffer, 0);
}

TEST(MemoryStream, WritesOverAndBeyondItsBytes) {
    TMemoryStream stream("abcdef");
    stream.Seek(4, TSeekOrigin::Beginning);
    stream.WriteBuffer("XYZ", 3);
    EXPECT_EQ(stream.Bytes(), "abcdXYZ");
    EXPECT_EQ(stream.Position(), 7);
    stream.Seek(9, TSeekOrigin::Beginning);
    stream.WriteBuffer("!", 1);
    EXPECT_EQ(stream.Bytes(), std::string("abcdXYZ\0\0!", 10));
}

TEST(FileStream, ReadsARegularFileAndSharesItWithOtherReaders) {
    TempDir dir;
    WriteBytes(dir / "bank.sf2", "0123456789");
    TFileStream stream(dir / "bank.sf2");
    TFileStream other(dir / "bank.sf2");
    EXPECT_EQ(stream.Size(), 10);
    EXPECT_EQ(ReadAll(stream, 3), "012");
    EXPECT_EQ(ReadAll(other, 2), "01");
    stream.Seek(8, TSeekOrigin::Beginning);
    EXPECT_EQ(ReadAll(stream, 5), "89");
    EXPECT_EQ(ReadAll(stream, 5), "");
    stream.Seek(-6, TSeekOrigin::Current);
    EXPECT_EQ(ReadAll(stream, 2), "45");
    stream.Seek(50, TSeekOrigin::Beginning);
    EXPECT_EQ(ReadAll(stream, 2), "");
    stream.Seek(0, TSeekOrigin::Beginning);
    EXPECT_EQ(ReadAll(stream, 10), "0123456789");
}

TEST(FileStream, IsReadOnly) {
    TempDir dir;
    WriteBytes(dir / "bank.sf2", "0123");
    {
        TFileStream stream(dir / "bank.sf2");
        EXPECT_EQ(stream.Write("ab", 2), 0);
        try {
            stream.WriteBuffer("ab", 2);
            FAIL() << "a read-only stream must refuse to write";
        } catch (const StreamWriteError& error) {
            EXPECT_STREQ(error.what(), "Stream write error");
        }
    }
    EXPECT_EQ(ReadBytes(dir / "bank.sf2"), "0123");
}

TEST(FileStream, OpensAFileNamedOutsideTheCodePage) {
    TempDir dir;
    const std::filesystem::path file = dir.Path() / u8"\u041d\u043e\u0442\u044b \u97f3.sf2";
    WriteBytes(file, "RIFF");
    TFileStream stream(file);
    EXPECT_EQ(stream.Size(), 4);
    EXPECT_EQ(ReadAll(stream, 4), "RIFF");
}

TEST(FileStream, RefusesWhatIsNotARegularFile) {
    TempDir dir;
    const std::filesystem::path missing = dir / "missing.sf2";
#ifndef _WIN32
    const std::filesystem::path pipe = dir / "pipe.sf2";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
#endif
    struct Case {
        std::filesystem::path path;
        std::string message;
    };
    const Case cases[] = {
        {missing, "Cannot open file \"" + missing.string() + "\". No such file or directory"},
        {dir.Path(), "Cannot open file \"" + dir.Path().string() + "\". Is a directory"},
#ifndef _WIN32
        {pipe, "Cannot open file \"" + pipe.string() + "\". Not a regular file"},
#endif
    };
    for (const Case& c : cases) {
        // A pipe with no writer would block an open for reading forever.
        auto opening = std::async(std::launch::async, [&c] {
            try {
                TFileStream stream(c.path);
            } catch (const FileError& error) {
                return std::string(error.what());
            }
            return std::string("opened");
        });
        ASSERT_EQ(opening.wait_for(std::chrono::seconds(5)), std::future_status::ready) << c.path;
        EXPECT_EQ(opening.get(), c.message);
    }
}

TEST(FileStream, RefusesAFileBeyondThirtyTwoBitPositions) {
    TempDir dir;
    const std::filesystem::path path = dir / "huge.sf2";
    WriteBytes(path, "RIFF");
    std::error_code ec;
    // Sparse: no disk space is used.
    std::filesystem::resize_file(path, std::uintmax_t{1} << 31U, ec);
    if (ec) {
        GTEST_SKIP() << "no sparse file here: " << ec.message();
    }
    try {
        TFileStream stream(path);
        FAIL() << "a 2 GiB file must be refused";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot open file \"" + path.string() + "\". File too large");
    }
    std::filesystem::resize_file(path, (std::uintmax_t{1} << 31U) - 1U, ec);
    TFileStream largest(path);
    EXPECT_EQ(largest.Size(), INT32_MAX);
    char buffer[4] = {};
    largest.ReadBuffer(buffer, 4);
    EXPECT_EQ(std::string(buffer, 4), "RIFF");
}

TEST(Streams, FindTheEndOfAZeroRunAlikeOnDiskWithHolesAndInMemory) {
    constexpr std::int32_t MiB = 1 << 20;
    std::string bytes = std::string("ab\0\0\0c", 6) + std::string(MiB, '\0') + "d";
    const std::int32_t dataAfterHole = 6 + MiB;
    bytes.append(MiB, '\0');
    const auto size = static_cast<std::int32_t>(bytes.size());

    TempDir dir;
    const std::filesystem::path path = dir / "sparse.sf2";
    {
        // Only the bytes that are not zero are written: the rest stays holes.
        std::ofstream out(path, std::ios::binary);
        out.write(bytes.data(), 6);
        out.seekp(dataAfterHole);
        out << 'd';
    }
    std::filesystem::resize_file(path, bytes.size());

    TFileStream onDisk(path);
    TMemoryStream inMemory(bytes);
    const struct {
        std::int32_t Position, End;
    } cases[] = {{-1, -1},
                 {0, 0},
                 {2, 5},
                 {4, 5},
                 {5, 5},
                 {6, dataAfterHole},
                 {MiB, dataAfterHole},
                 {dataAfterHole, dataAfterHole},
                 {dataAfterHole + 1, size},
                 {size - 1, size},
                 {size, size},
                 {size + 10, size + 10}};
    for (TStream* stream : {static_cast<TStream*>(&onDisk), static_cast<TStream*>(&inMemory)}) {
        stream->Seek(3, TSeekOrigin::Beginning);
        for (const auto& c : cases) {
            EXPECT_EQ(stream->ZeroRunEnd(c.Position), c.End)
                << c.Position << (stream == &onDisk ? " on disk" : " in memory");
        }
        EXPECT_EQ(stream->Position(), 3);
        EXPECT_EQ(ReadAll(*stream, 3), std::string("\0\0c", 3));
    }
}
