#include "support/RiffBytes.h"

#include "wavesets/Errors.h"
#include "wavesets/Sf2Utils.h"

#include <gtest/gtest.h>

namespace {

using Names = std::vector<std::string>;

Names Listed(const std::string& bytes) {
    TMemoryStream stream(bytes);
    TSampleList list;
    list.Assign({"previous"});
    EXPECT_TRUE(ListSf2Instruments(&stream, &list));
    return list.Names();
}

} // namespace

TEST(Sf2Instruments, ListsTheNamesBeforeTheTerminalRecordSorted) {
    const std::string twentyBytes = "ABCDEFGHIJKLMNOPQRST";
    struct Case {
        const char* name;
        std::string bytes;
        Names expected;
    };
    const Case cases[] = {
        {"sorted without regard to case",
         Bank(InstRecords({"Piano", "bass", "Organ", "EOI"})),
         {"bass", "Organ", "Piano"}},
        {"only the terminal record", Bank(InstRecords({"EOI"})), {}},
        {"empty chunk", Bank(""), {}},
        {"records behind the terminal record",
         Bank(InstRecords({"Harp", "EOI", "Lost", "EOI"})),
         {"Harp"}},
        {"eoi in lower case is an instrument", Bank(InstRecords({"eoi", "EOI "})), {"eoi", "EOI "}},
        {"name of 20 bytes without a zero byte",
         Bank(InstRecords({twentyBytes + "cut", "EOI"})),
         {twentyBytes}},
        {"bytes behind a zero byte are dropped",
         Bank(InstRecord(std::string("Str\0ings", 8)) + InstRecord("EOI")),
         {"Str"}},
        {"no terminal record", Bank(InstRecords({"Flute", "Cello"})), {"Cello", "Flute"}},
        {"incomplete last record ignored",
         Bank(InstRecords({"Flute", "Cello"}) + "Tuba\0\0\0"),
         {"Cello", "Flute"}},
        {"duplicates and empty names stay",
         Bank(InstRecords({"Pad", "", "pad", "Pad", "", "EOI"})),
         {"", "", "Pad", "pad", "Pad"}},
        {"bytes above 127 after ASCII",
         Bank(InstRecords({"\xC9tude", "zither", "Zebra", "EOI"})),
         {"Zebra", "zither", "\xC9tude"}},
        {"ten comes before two", Bank(InstRecords({"2", "10", "1"})), {"1", "10", "2"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Listed(c.bytes), c.expected) << c.name;
    }
}

TEST(Sf2Instruments, FindsTheInstrumentChunkOnlyAtItsPlace) {
    const std::string inst = Chunk("inst", InstRecords({"Found", "EOI"}));
    const std::string otherInst = Chunk("inst", InstRecords({"Wrong", "EOI"}));
    struct Case {
        const char* name;
        std::string bytes;
        Names expected;
    };
    const Case cases[] = {
        {"not a bank", Chunk("WAVE", "fmt data"), {}},
        {"no preset-data list", List("RIFF", "sfbk", List("LIST", "INFO", otherInst)), {}},
        {"no instrument chunk in the list",
         List("RIFF", "sfbk", List("LIST", "pdta", Chunk("phdr", "x") + Chunk("ibag", ""))),
         {}},
        {"list of another form type passed over",
         List("RIFF", "sfbk", List("LIST", "pdtb", otherInst) + List("LIST", "pdta", inst)),
         {"Found"}},
        {"lowercase list id does not count",
         List("RIFF", "sfbk", List("list", "pdta", otherInst)),
         {}},
        {"lowercase instrument id does not count",
         List("RIFF", "sfbk", List("LIST", "pdta", Chunk("INST", InstRecords({"Wrong"})))),
         {}},
        {"first preset-data list counts",
         List("RIFF", "sfbk", List("LIST", "pdta", inst) + List("LIST", "pdta", otherInst)),
         {"Found"}},
        {"no pad byte after an odd-sized chunk",
         List("RIFF", "sfbk",
              Chunk("odd ", "abc") + List("LIST", "pdta", Chunk("xxxx", "") + inst)),
         {"Found"}},
        {"sample data of a wrapping size ends the walk",
         List("RIFF", "sfbk",
              ChunkSized("LIST", 0xFFFFFFF8U, "sdta") + List("LIST", "pdta", otherInst)),
         {}},
        {"instrument chunk size near the 32-bit limit reads to the terminal record",
         List("RIFF", "sfbk",
              List("LIST", "pdta", ChunkSized("inst", 0xFFFFFFFFU, InstRecords({"Big", "EOI"})))),
         {"Big"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Listed(c.bytes), c.expected) << c.name;
    }
}

TEST(Sf2Instruments, ACutHeaderOrRecordFailsAndKeepsThePreviousList) {
    const std::string cutRecords =
        List("RIFF", "sfbk", List("LIST", "pdta", ChunkSized("inst", 66, InstRecords({"A", "B"}))));
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty stream", ""},
        {"shorter than a header", "RIFF\x04"},
        {"root form type cut", "RIFF" + U32(100) + "sf"},
        {"child header cut", List("RIFF", "sfbk", "LIST" + U32(4))},
        {"records cut by the end", cutRecords},
        {"size near the 32-bit limit without a terminal record",
         List("RIFF", "sfbk",
              List("LIST", "pdta", ChunkSized("inst", 0xFFFFFFFFU, InstRecords({"Big"}))))},
    };
    for (const Case& c : cases) {
        TMemoryStream stream(c.bytes);
        TSampleList list;
        list.Assign({"kept", "also kept"});
        try {
            ListSf2Instruments(&stream, &list);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const StreamReadError& error) {
            EXPECT_STREQ(error.what(), "Stream read error") << c.name;
        }
        EXPECT_EQ(list.Names(), (Names{"also kept", "kept"})) << c.name;
    }
}

TEST(Sf2Instruments, NothingIsDoneWithoutAStreamOrAList) {
    TMemoryStream stream(Bank(InstRecords({"Piano"})));
    TSampleList list;
    list.Assign({"kept"});
    EXPECT_FALSE(ListSf2Instruments(nullptr, &list));
    EXPECT_FALSE(ListSf2Instruments(&stream, nullptr));
    EXPECT_EQ(list.Names(), Names{"kept"});
    EXPECT_EQ(stream.Position(), 0);
}

TEST(Sf2Instruments, SampleDataIsNeverRead) {
    const std::string samples(100000, '\x55');
    RecordingStream stream(List("RIFF", "sfbk",
                                List("LIST", "sdta", Chunk("smpl", samples)) +
                                    List("LIST", "pdta",
                                         Chunk("phdr", std::string(38, 'p')) +
                                             Chunk("inst", InstRecords({"Piano", "EOI"})))));
    TSampleList list;
    ASSERT_TRUE(ListSf2Instruments(&stream, &list));
    EXPECT_EQ(list.Names(), Names{"Piano"});
    const std::int32_t dataStart = 12 + 12 + 8;
    const std::int32_t dataEnd = dataStart + static_cast<std::int32_t>(samples.size());
    std::int32_t bytesRead = 0;
    for (const auto& [position, count] : stream.Reads) {
        EXPECT_TRUE(position + count <= dataStart || position >= dataEnd) << position;
        bytesRead += count;
    }
    EXPECT_LT(bytesRead, 400);
}

TEST(Sf2Instruments, RunsOfZeroBytesAreWalkedWithoutReadingEveryHeader) {
    const std::string bank = Bank(InstRecords({"Piano", "bass", "EOI"}));
    const std::string pdta = bank.substr(bank.find("LIST", 12 + 1 + bank.find("sdta")));
    // Zeros are empty chunks with a zero id: the walk steps over them to the next chunk,
    // whether the run ends on a chunk boundary or not.
    for (const std::size_t zeros :
         {std::size_t{8}, std::size_t{16}, std::size_t{20}, std::size_t{1 << 20}}) {
        const std::string body = std::string(zeros, '\0') +
                                 (zeros % 8 == 0 ? "" : std::string(8 - zeros % 8, 'x')) +
                                 (zeros % 8 == 0 ? pdta : Chunk("pad!", "") + pdta);
        RecordingStream stream(List("RIFF", "sfbk", body));
        TSampleList list;
        ASSERT_TRUE(ListSf2Instruments(&stream, &list)) << zeros;
        if (zeros % 8 == 0) {
            EXPECT_EQ(list.Names(), (Names{"bass", "Piano"})) << zeros;
        }
        EXPECT_LT(stream.Reads.size(), 40u) << zeros;
    }
    // A file of nothing but zeros lists nothing, and soon.
    RecordingStream zeros(std::string(1 << 22, '\0'));
    TSampleList list;
    ASSERT_TRUE(ListSf2Instruments(&zeros, &list));
    EXPECT_TRUE(list.empty());
    EXPECT_LT(zeros.Reads.size(), 20u);
}
