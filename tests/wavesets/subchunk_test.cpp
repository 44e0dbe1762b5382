#include "support/RiffBytes.h"

#include "wavesets/Errors.h"
#include "wavesets/inst_chunk.h"
#include "wavesets/subchunk.h"

#include <gtest/gtest.h>

namespace {

constexpr std::int32_t Resting = 3;

// A subchunk with a path given at construction that notes when its hooks run and
// reads or writes its data from wherever the stream stands.
class ProbeSubchunk final : public TSubchunk {
  public:
    ProbeSubchunk(std::vector<std::string> ids, std::vector<std::string> formTypes) {
        Ids = std::move(ids);
        FormTypes = std::move(formTypes);
    }
    void ReadData() override {
        Stream->Seek(DataStart, TSeekOrigin::Beginning);
        Data.assign(Size < 16 ? Size : 16, '\0');
        Stream->ReadBuffer(Data.data(), static_cast<std::int32_t>(Data.size()));
    }
    void WriteData() override {
        Stream->Seek(DataStart, TSeekOrigin::Beginning);
        Stream->WriteBuffer(Data.data(), static_cast<std::int32_t>(Data.size()));
    }
    std::string Data;
};

const std::string TwoLevels =
    List("RIFF", "sfbk",
         List("LIST", "INFO", Chunk("inst", "info")) + Chunk("odd ", "abc") +
             List("LIST", "pdta", Chunk("phdr", "ph") + Chunk("inst", "data") + Chunk("last", "")));
// Positions in TwoLevels.
constexpr std::int32_t InfoList = 12;
constexpr std::int32_t PdtaList = 47;
constexpr std::int32_t PdtaInst = 69;

} // namespace

TEST(Subchunk, ConstructionSetsThePathOfTheMostDerivedClass) {
    const TSubchunk plain;
    EXPECT_FALSE(plain.Found);
    EXPECT_TRUE(plain.Ids.empty());
    const TLISTpdtaSubchunk list;
    EXPECT_EQ(list.Ids, (std::vector<std::string>{"LIST", ""}));
    EXPECT_EQ(list.FormTypes, (std::vector<std::string>{"pdta", ""}));
    const TinstChunk inst;
    EXPECT_EQ(inst.Ids, (std::vector<std::string>{"LIST", "inst"}));
    EXPECT_EQ(inst.FormTypes, (std::vector<std::string>{"pdta", ""}));
    EXPECT_FALSE(inst.Found);
}

TEST(Subchunk, LoadFromStreamFollowsThePathAndRestoresThePosition) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> ids;
        std::vector<std::string> formTypes;
        std::int32_t position;
        bool found;
        std::int32_t at;
        std::string data;
    };
    const Case cases[] = {
        {"two steps", TwoLevels, {"LIST", "inst"}, {"pdta", ""}, -1, true, PdtaInst, "data"},
        {"other form type passed over",
         TwoLevels,
         {"LIST", "inst"},
         {"INFO", ""},
         -1,
         true,
         24,
         "info"},
        {"one step",
         TwoLevels,
         {"LIST"},
         {"pdta"},
         -1,
         true,
         PdtaList,
         TwoLevels.substr(PdtaList + 12, 16)},
        {"no pad byte after an odd size", TwoLevels, {"odd "}, {""}, -1, true, 36, "abc"},
        {"no steps: the first chunk", TwoLevels, {}, {}, -1, true, 0, TwoLevels.substr(12, 16)},
        {"first step missing", TwoLevels, {"LIST", "inst"}, {"sdta", ""}, -1, false, -1, ""},
        {"last step missing", TwoLevels, {"LIST", "ibag"}, {"pdta", ""}, -1, false, -1, ""},
        {"explicit position ignores the path",
         TwoLevels,
         {"none"},
         {""},
         InfoList + 12,
         true,
         24,
         "info"},
        {"lowercase id",
         List("RIFF", "sfbk", Chunk("inst", "x")),
         {"INST"},
         {""},
         -1,
         false,
         -1,
         ""},
        {"LIST root",
         List("LIST", "pdta", Chunk("inst", "ab")),
         {"inst"},
         {""},
         -1,
         true,
         12,
         "ab"},
        {"plain root: children from 8",
         Chunk("root", Chunk("inst", "ab")),
         {"inst"},
         {""},
         -1,
         true,
         8,
         "ab"},
    };
    for (const Case& c : cases) {
        TMemoryStream stream(c.bytes);
        stream.Seek(Resting, TSeekOrigin::Beginning);
        ProbeSubchunk chunk(c.ids, c.formTypes);
        chunk.LoadFromStream(&stream, c.position);
        EXPECT_EQ(chunk.Found, c.found) << c.name;
        EXPECT_EQ(chunk.Position, c.at) << c.name;
        EXPECT_EQ(chunk.Data, c.data) << c.name;
        EXPECT_EQ(stream.Position(), Resting) << c.name;
    }
}

TEST(Subchunk, AMissingFirstStepSearchesNoFurther) {
    // Only the root's header and one walk over its children are read.
    RecordingStream walkOnce(TwoLevels);
    TChunk root;
    root.ReadHeader(&walkOnce, 0);
    ASSERT_EQ(root.FindListChunk("LIST", "sdta", -1), -1);

    RecordingStream stream(TwoLevels);
    ProbeSubchunk chunk({"LIST", "inst"}, {"sdta", ""});
    chunk.LoadFromStream(&stream, -1);
    EXPECT_FALSE(chunk.Found);
    EXPECT_EQ(stream.Reads, walkOnce.Reads);
}

TEST(Subchunk, LoadFromStreamFailsOnAStreamShorterThanAHeader) {
    for (const std::string& bytes : {std::string(), std::string("RIFF\x10\0\0", 7)}) {
        TMemoryStream stream(bytes);
        ProbeSubchunk chunk({}, {});
        EXPECT_THROW(chunk.LoadFromStream(&stream, -1), StreamReadError) << bytes.size();
    }
}

TEST(Subchunk, SaveToStreamOverwritesTheChunkFoundInPlace) {
    TMemoryStream stream(TwoLevels);
    stream.Seek(Resting, TSeekOrigin::Beginning);
    ProbeSubchunk chunk({"LIST", "inst"}, {"pdta", ""});
    chunk.Id = "inst";
    chunk.Size = 3;
    chunk.DataStart = PdtaInst + 8;
    chunk.Data = "NEW";
    chunk.SaveToStream(&stream, -1);
    std::string expected = TwoLevels;
    expected.replace(PdtaInst + 4, 7, U32(3) + "NEW");
    EXPECT_EQ(stream.Bytes(), expected);
    EXPECT_EQ(stream.Position(), Resting);
    EXPECT_FALSE(chunk.Found);

    ProbeSubchunk missing({"LIST", "ibag"}, {"pdta", ""});
    missing.Data = "XYZ";
    missing.SaveToStream(&stream, -1);
    EXPECT_EQ(stream.Bytes(), expected);
}

TEST(Subchunk, InstChunkWritesItsRecordsBack) {
    const std::string bank = Bank(InstRecords({"Piano", "Organ", "EOI"}));
    TMemoryStream stream(bank);
    TinstChunk chunk;
    chunk.LoadFromStream(&stream, -1);
    ASSERT_TRUE(chunk.Found);
    ASSERT_EQ(chunk.Records.size(), 2U);
    chunk.Records[1].Name.fill('\0');
    chunk.Records[1].Name[0] = 'B';
    chunk.Records[1].BagIndex = 0x0102;
    chunk.SaveToStream(&stream, -1);

    std::string expected = bank;
    const std::size_t records = bank.find(InstRecords({"Piano"}));
    expected.replace(records + 22, 22, InstRecord("B", 0x0102));
    EXPECT_EQ(stream.Bytes(), expected);

    TinstChunk reread;
    reread.LoadFromStream(&stream, -1);
    ASSERT_EQ(reread.Records.size(), 2U);
    EXPECT_EQ(reread.GetInstrumentName(1), "B");
    EXPECT_EQ(reread.Records[1].BagIndex, 0x0102);
}
