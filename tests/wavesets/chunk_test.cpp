#include "support/RiffBytes.h"

#include "wavesets/Errors.h"
#include "wavesets/chunk.h"

#include <gtest/gtest.h>

namespace {

// Where every positional call must leave the stream.
constexpr std::int32_t Resting = 5;

} // namespace

TEST(Chunk, ReadHeaderTakesFormTypesOnlyForRiffAndListAndRestoresThePosition) {
    struct Case {
        const char* name;
        std::string bytes;
        std::int32_t at;
        std::string id;
        std::uint32_t size;
        std::uint32_t totalSize;
        std::string formType;
        std::int32_t dataStart;
    };
    const Case cases[] = {
        {"riff", List("RIFF", "sfbk", Chunk("abcd", "xy")), 0, "RIFF", 14, 22, "sfbk", 12},
        {"list inside", "pad!" + List("LIST", "INFO", ""), 4, "LIST", 4, 12, "INFO", 16},
        {"plain chunk", "pad!" + Chunk("inst", "1234"), 4, "inst", 4, 12, "", 12},
        {"lowercase list is plain", Chunk("list", "INFOxxxx"), 0, "list", 8, 16, "", 8},
        {"size wraps total size", ChunkSized("smpl", 0xFFFFFFF8U, ""), 0, "smpl", 0xFFFFFFF8U, 0,
         "", 8},
    };
    for (const Case& c : cases) {
        TMemoryStream stream(c.bytes);
        stream.Seek(Resting, TSeekOrigin::Beginning);
        TChunk chunk;
        chunk.ReadHeader(&stream, c.at);
        EXPECT_EQ(chunk.Id, c.id) << c.name;
        EXPECT_EQ(chunk.Size, c.size) << c.name;
        EXPECT_EQ(chunk.TotalSize, c.totalSize) << c.name;
        EXPECT_EQ(chunk.FormType, c.formType) << c.name;
        EXPECT_EQ(chunk.Position, c.at) << c.name;
        EXPECT_EQ(chunk.DataStart, c.dataStart) << c.name;
        EXPECT_EQ(chunk.Stream, &stream) << c.name;
        EXPECT_EQ(stream.Position(), Resting) << c.name;
    }
}

TEST(Chunk, ReadHeaderCutByTheEndOfTheStreamFails) {
    const std::pair<std::string, std::int32_t> cases[] = {
        {"", 0},
        {"RIFF\x04", 0},
        {"RIFF" + U32(4) + "sf", 0},
        {"inst" + U32(0), 1},
        {"inst" + U32(0), 100},
    };
    for (const auto& [bytes, at] : cases) {
        TMemoryStream stream(bytes);
        TChunk chunk;
        EXPECT_THROW(chunk.ReadHeader(&stream, at), StreamReadError) << bytes.size() << " " << at;
    }
}

TEST(Chunk, ReadHeaderOverwritesEveryFieldWhenReused) {
    TMemoryStream stream(List("LIST", "pdta", Chunk("inst", "")));
    TChunk chunk;
    chunk.ReadHeader(&stream, 0);
    chunk.ReadHeaderAt(12);
    EXPECT_EQ(chunk.Id, "inst");
    EXPECT_EQ(chunk.FormType, "");
    EXPECT_EQ(chunk.Size, 0U);
    EXPECT_EQ(chunk.DataStart, 20);
}

TEST(Chunk, FindChunkWalksTheChildrenAndOnToTheEndOfTheStream) {
    // Children of the root start at 12.
    const std::string oddThenNext =
        List("RIFF", "test", Chunk("odd ", "abc") + Chunk("next", "") + List("LIST", "INFO", ""));
    const std::string lowercase =
        List("RIFF", "test", Chunk("list", "") + List("LIST", "INFO", ""));
    // The root claims only its first child; the walk runs on past its end.
    const std::string beyondRoot =
        ChunkSized("RIFF", 12, "test" + Chunk("aaaa", "")) + Chunk("bbbb", "zz");
    const std::string wrapsToZero =
        List("RIFF", "test", ChunkSized("smpl", 0xFFFFFFF8U, "") + Chunk("inst", ""));
    const std::string wrapsBack =
        List("RIFF", "test", ChunkSized("smpl", 0xFFFFFFF0U, "") + Chunk("inst", ""));
    const std::string pastTheEnd =
        List("RIFF", "test", ChunkSized("smpl", 0x7FFFFFF0U, "") + Chunk("inst", ""));
    struct Case {
        const char* name;
        std::string bytes;
        std::string id;
        std::int32_t start;
        std::int32_t expected;
    };
    const Case cases[] = {
        {"first child", oddThenNext, "odd ", -1, 12},
        {"no pad byte after an odd size", oddThenNext, "next", -1, 23},
        {"search behind a start", oddThenNext, "LIST", 12, 31},
        {"start itself is passed over", oddThenNext, "odd ", 12, -1},
        {"absent id", oddThenNext, "none", -1, -1},
        {"ids are case-sensitive", lowercase, "LIST", -1, 20},
        {"short id never matches", oddThenNext, "odd", -1, -1},
        {"beyond the root", beyondRoot, "bbbb", -1, 20},
        {"size wraps to zero", wrapsToZero, "inst", -1, -1},
        {"sum wraps back", wrapsBack, "inst", -1, -1},
        {"size past the end", pastTheEnd, "inst", -1, -1},
    };
    for (const Case& c : cases) {
        TMemoryStream stream(c.bytes);
        TChunk root;
        root.ReadHeader(&stream, 0);
        stream.Seek(Resting, TSeekOrigin::Beginning);
        EXPECT_EQ(root.FindChunk(c.id, c.start), c.expected) << c.name;
        EXPECT_EQ(stream.Position(), Resting) << c.name;
    }
}

TEST(Chunk, NextChunkPosEndsAtTheEndOfTheStreamAndOnAWrappedSum) {
    const std::string children = Chunk("aaaa", "") + Chunk("bbbb", "");
    struct Case {
        const char* name;
        std::string bytes;
        std::int32_t from;
        std::int32_t expected;
    };
    const Case cases[] = {
        {"first child", List("RIFF", "test", children), -1, 12},
        {"sibling", List("RIFF", "test", children), 12, 20},
        {"last chunk", List("RIFF", "test", children), 20, -1},
        {"root is followed", List("RIFF", "test", children) + Chunk("cccc", ""), 0, 28},
        {"no first child in an empty list", List("RIFF", "test", ""), -1, -1},
        // The size field is taken in 32-bit arithmetic: 0xFFFFFFFF + 8 is 7.
        {"total size wraps forward",
         Chunk("aaaa", "") + ChunkSized("wrap", 0xFFFFFFFFU, "") + "1234567" + Chunk("next", ""), 8,
         15},
        {"total size wraps to zero", Chunk("aaaa", "") + ChunkSized("wrap", 0xFFFFFFF8U, "abcd"), 8,
         -1},
        {"sum wraps back", Chunk("aaaa", "") + ChunkSized("wrap", 0xFFFFFFF0U, "abcd"), 8, -1},
    };
    for (const Case& c : cases) {
        TMemoryStream stream(c.bytes);
        TChunk root;
        root.ReadHeader(&stream, 0);
        stream.Seek(Resting, TSeekOrigin::Beginning);
        EXPECT_EQ(root.NextChunkPos(c.from), c.expected) << c.name;
        EXPECT_EQ(stream.Position(), Resting) << c.name;
    }

    TChunk unread;
    EXPECT_THROW(unread.NextChunkPos(0), std::invalid_argument);
}

TEST(Chunk, FindChunkFailsOnAHeaderCutByTheEnd) {
    TMemoryStream stream(List("RIFF", "test", Chunk("aaaa", "")) + "bbbb\x01");
    TChunk root;
    root.ReadHeader(&stream, 0);
    EXPECT_THROW(root.FindChunk("bbbb", -1), StreamReadError);
}

TEST(Chunk, FindListChunkPassesOverOtherFormTypes) {
    const std::string bytes =
        List("RIFF", "sfbk",
             List("LIST", "INFO", "") + Chunk("pdta", "") + List("LIST", "sdta", "") +
                 List("list", "pdta", "") + List("LIST", "pdta", Chunk("inst", "")) +
                 List("LIST", "pdta", ""));
    struct Case {
        std::string id;
        std::string formType;
        std::int32_t start;
        std::int32_t expected;
    };
    const Case cases[] = {
        {"LIST", "INFO", -1, 12}, {"LIST", "pdta", -1, 56}, {"LIST", "pdta", 56, 76},
        {"LIST", "sdta", 32, -1}, {"LIST", "pdt", -1, -1},  {"LIST", "", -1, -1},
        {"pdta", "", -1, 24},
    };
    for (const Case& c : cases) {
        TMemoryStream stream(bytes);
        TChunk root;
        root.ReadHeader(&stream, 0);
        stream.Seek(Resting, TSeekOrigin::Beginning);
        EXPECT_EQ(root.FindListChunk(c.id, c.formType, c.start), c.expected)
            << c.formType << " from " << c.start;
        EXPECT_EQ(stream.Position(), Resting);
    }
}

TEST(Chunk, WriteHeaderWritesIdSizeAndListFormTypeInPlace) {
    struct Case {
        std::string id;
        std::string formType;
        std::string expected;
    };
    const Case cases[] = {
        {"LIST", "pdta", "xxLIST" + U32(300) + "pdtayyyyyy"},
        {"LIST", "ab", "xxLIST" + U32(300) + std::string("ab\0\0", 4) + "yyyyyy"},
        // Only lists carry a form type; the bytes behind a plain header stay.
        {"inst", "ignored", "xxinst" + U32(300) + "____yyyyyy"},
        {"ab", "", "xx" + std::string("ab\0\0", 4) + U32(300) + "____yyyyyy"},
    };
    for (const Case& c : cases) {
        TMemoryStream stream("xx" + std::string(12, '_') + "yyyyyy");
        stream.Seek(Resting, TSeekOrigin::Beginning);
        TChunk chunk;
        chunk.Id = c.id;
        chunk.FormType = c.formType;
        chunk.Size = 300;
        chunk.WriteHeader(&stream, 2);
        EXPECT_EQ(stream.Position(), Resting);
        EXPECT_EQ(stream.Bytes(), c.expected) << c.id;
        EXPECT_EQ(chunk.Position, 2);
    }
}
