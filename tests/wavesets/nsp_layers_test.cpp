#include "support/RiffBytes.h"

#include "wavesets/Errors.h"
#include "wavesets/NspFile.h"
#include "wavesets/NspUtils.h"
#include "wavesets/SampleList.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Names = std::vector<std::string>;

Names Listed(const std::string& bytes) {
    TMemoryStream stream(bytes);
    TSampleList list;
    list.Assign({"previous"});
    EXPECT_TRUE(ListNspLayers(&stream, &list));
    return list.Names();
}

struct Seen {
    std::string Id;
    std::int32_t Size;
    std::uint32_t Offset;
    bool operator==(const Seen&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Seen& seen) {
    return out << seen.Id << "/" << seen.Size << "@" << seen.Offset;
}

std::vector<Seen> ChunksOf(TNspFile& file) {
    std::vector<Seen> seen;
    for (const auto& chunk : file.Chunks) {
        seen.push_back({chunk->Id, chunk->Size, chunk->Offset});
    }
    return seen;
}

} // namespace

TEST(NspLayers, ListsTheLayerNumbersSortedAsText) {
    const std::string sdat = Chunk("SDAT", std::string(40, '\0'));
    struct Case {
        const char* name;
        std::string bytes;
        Names expected;
    };
    const Case cases[] = {
        {"three layers", NspProgram(3) + sdat, {"0", "1", "2"}},
        {"twelve layers",
         NspProgram(12),
         {"0", "1", "10", "11", "2", "3", "4", "5", "6", "7", "8", "9"}},
        {"no layers", NspProgram(0), {}},
        {"negative layer count", NspProgram(-5), {}},
        {"too many layers for a real program", NspProgram(MaxNspLayers + 1), {}},
        {"empty file", "", {}},
        {"shorter than a chunk header", "NPRG\x0c\0\0", {}},
        {"no program header", Chunk("LYRS", "ab") + sdat, {}},
        {"program header id in lower case", Chunk("nprg", I32(0) + I32(4) + I32(0)), {}},
        {"program header after other chunks",
         Chunk("LYRS", "abc") + Chunk("SIFS", std::string(104, 's')) + NspProgram(2),
         {"0", "1"}},
        {"the first of two program headers counts", NspProgram(2) + NspProgram(5), {"0", "1"}},
        {"trailing bytes ignored", NspProgram(1) + "SDAT\x01\0\0", {"0"}},
        {"program header cut by the end", "NPRG" + U32(12) + I32(0) + "\x02\0", {"0", "1"}},
        {"size beyond the end of the file",
         NspProgram(1) + ChunkSized("SDAT", 0x7FFFFFFFU, "ab"),
         {"0"}},
        {"sample infos beyond the end of the file",
         NspProgram(1) + ChunkSized("SIFS", 0x7FFFFFF0U, std::string(150, 's')),
         {"0"}},
        {"negative size above one record",
         ChunkSized("SIFS", 0xFFFFFF99U, "") + NspProgram(2),
         {"0", "1"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Listed(c.bytes), c.expected) << c.name;
    }
}

TEST(NspLayers, ListsUpToTheLargestLayerCount) {
    const Names names = Listed(NspProgram(MaxNspLayers));
    ASSERT_EQ(names.size(), static_cast<std::size_t>(MaxNspLayers));
    EXPECT_EQ(names.front(), "0");
    EXPECT_EQ(names[1], "1");
    EXPECT_EQ(names[2], "10");
    EXPECT_EQ(names.back(), "9999");
}

TEST(NspLayers, ANegativeSampleInfoCountFailsAndKeepsThePreviousList) {
    for (const std::int32_t size : {-104, -105, INT32_MIN}) {
        TMemoryStream stream(NspProgram(3) +
                             ChunkSized("SIFS", static_cast<std::uint32_t>(size), ""));
        TSampleList list;
        list.Assign({"kept"});
        try {
            ListNspLayers(&stream, &list);
            ADD_FAILURE() << size << ": no error";
        } catch (const RangeCheckError& error) {
            EXPECT_STREQ(error.what(), "Range check error");
        }
        EXPECT_EQ(list.Names(), Names{"kept"}) << size;
    }
}

TEST(NspLayers, NothingIsDoneWithoutAStreamOrAList) {
    TMemoryStream stream(NspProgram(3));
    TSampleList list;
    list.Assign({"kept"});
    EXPECT_FALSE(ListNspLayers(nullptr, &list));
    EXPECT_FALSE(ListNspLayers(&stream, nullptr));
    EXPECT_EQ(list.Names(), Names{"kept"});
    EXPECT_EQ(stream.Position(), 0);
}

TEST(NspFile, SplitsTheFileIntoChunksAndStepsOverTheirData) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<Seen> chunks;
    };
    const Case cases[] = {
        {"flat sequence",
         NspProgram(1) + Chunk("LYRS", "ab") + Chunk("SDAT", "xyz") + Chunk("ABCD", ""),
         {{"NPRG", 12, 0}, {"LYRS", 2, 20}, {"SDAT", 3, 30}, {"ABCD", 0, 41}}},
        // The header takes its last 4 bytes from the next chunk, whose own header is
        // then read directly behind those 12 bytes.
        {"short program header",
         Chunk("NPRG", I32(0) + I32(3)) + "JUNK" + Chunk("SDAT", ""),
         {{"NPRG", 8, 0}, {"SDAT", 0, 20}}},
        {"negative size: the data is not stepped over",
         ChunkSized("LYRS", 0xFFFFFFFFU, "") + Chunk("SDAT", ""),
         {{"LYRS", -1, 0}, {"SDAT", 0, 8}}},
        {"sample infos with a remainder",
         Chunk("SIFS", std::string(250, 's')) + Chunk("SDAT", ""),
         {{"SIFS", 250, 0}, {"SDAT", 0, 258}}},
        {"size beyond the end", ChunkSized("SDAT", 0x7FFFFFFFU, "abc"), {{"SDAT", INT32_MAX, 0}}},
    };
    for (const Case& c : cases) {
        TMemoryStream stream(c.bytes);
        TNspFile file;
        file.LoadFromStream(&stream);
        EXPECT_EQ(ChunksOf(file), c.chunks) << c.name;
    }
}

TEST(NspFile, KeepsTheProgramHeaderAndTheSampleInfosThatArrived) {
    std::string records(250, '\0');
    records[0] = 'a';
    records[104] = 'b';
    records[208] = 'c';
    TMemoryStream stream(Chunk("NPRG", I32(7) + I32(3)) + I32(9) + Chunk("SIFS", records) +
                         ChunkSized("SIFS", 104 * 1000, std::string(150, 'z')));
    TNspFile file;
    file.LoadFromStream(&stream);
    const TNspNPRGChunk* program = file.GetNPRGChunk();
    ASSERT_NE(program, nullptr);
    EXPECT_EQ(program->Header, (std::array<std::int32_t, 3>{7, 3, 9}));
    EXPECT_EQ(program->LayerCount(), 3);

    ASSERT_EQ(file.Chunks.size(), 3U);
    const auto* sifs = dynamic_cast<const TNspSIFSChunk*>(file.Chunks[1].get());
    ASSERT_NE(sifs, nullptr);
    ASSERT_EQ(sifs->SampleInfos.size(), 2U);
    EXPECT_EQ(sifs->SampleInfos[0][0], 'a');
    EXPECT_EQ(sifs->SampleInfos[1][0], 'b');

    // The file ends after 150 of 104 000 bytes: one whole record, and one cut short
    // that keeps the bytes that arrived.
    const auto* cut = dynamic_cast<const TNspSIFSChunk*>(file.Chunks[2].get());
    ASSERT_NE(cut, nullptr);
    ASSERT_EQ(cut->SampleInfos.size(), 2U);
    EXPECT_EQ(cut->SampleInfos[1][45], 'z');
    EXPECT_EQ(cut->SampleInfos[1][46], '\0');
    EXPECT_EQ(file.FindChunk("SIFS"), file.Chunks[1].get());
    EXPECT_EQ(file.FindChunk("LYRS"), nullptr);
}

TEST(NspFile, ANullStreamLeavesTheReaderUntouched) {
    TNspFile file;
    file.LoadFromStream(nullptr);
    EXPECT_TRUE(file.Chunks.empty());
    EXPECT_EQ(file.Stream, nullptr);
    EXPECT_EQ(file.GetNPRGChunk(), nullptr);
}

TEST(NspLayers, LayerNamesAreMadeInTheListsOwnOrder) {
    for (const std::int32_t count : {1, 2, 9, 10, 11, 12, 99, 100, 101, 1000, 1234, 65536}) {
        std::vector<std::string> sorted;
        for (std::int32_t i = 0; i < count; ++i) {
            sorted.push_back(std::to_string(i));
        }
        std::stable_sort(
            sorted.begin(), sorted.end(),
            [](const std::string& a, const std::string& b) { return SampleNameLess(a, b); });
        EXPECT_EQ(LayerNamesInOrder(count), sorted) << count;
    }
    EXPECT_TRUE(LayerNamesInOrder(0).empty());
    EXPECT_TRUE(LayerNamesInOrder(-3).empty());
}

TEST(NspFile, AFileOfNothingButEmptyChunksStopsAtTheChunkLimit) {
    TMemoryStream stream(std::string(8 * (TNspFile::MaxChunks + 100), '\0'));
    TNspFile file;
    file.LoadFromStream(&stream);
    EXPECT_EQ(file.Chunks.size(), TNspFile::MaxChunks);
    TSampleList list;
    EXPECT_TRUE(ListNspLayers(&stream, &list));
    EXPECT_TRUE(list.empty());
}
