#include "support/RiffBytes.h"

#include "wavesets/Errors.h"
#include "wavesets/MemoryStream.h"
#include "wavesets/WavesetListing.h"

#include <gtest/gtest.h>

TEST(WavesetListing, TheExtensionChoosesTheReader) {
    struct Case {
        const char* name;
        WavesetFormat format;
    };
    for (const Case c :
         {Case{"bank.sf2", WavesetFormat::SoundFont2},
          Case{"Pads\\BANK.SF2", WavesetFormat::SoundFont2},
          Case{"layers.Nsp", WavesetFormat::NspProgram}, Case{"bank.sf2.wav", WavesetFormat::None},
          Case{"sf2", WavesetFormat::None}, Case{"", WavesetFormat::None}}) {
        EXPECT_EQ(WavesetFormatOf(c.name), c.format) << c.name;
    }
}

TEST(WavesetListing, ListsWithTheChosenReaderAndKeepsTheListOnAnError) {
    TSampleList list;
    TMemoryStream bank(Bank(InstRecords({"Piano", "bass", "EOI"})));
    ListWaveset(bank, WavesetFormat::SoundFont2, list);
    EXPECT_EQ(list.Names(), (std::vector<std::string>{"bass", "Piano"}));

    TMemoryStream program(NspProgram(2));
    ListWaveset(program, WavesetFormat::NspProgram, list);
    EXPECT_EQ(list.Names(), (std::vector<std::string>{"0", "1"}));

    const std::string whole = Bank(InstRecords({"Piano", "Organ"}));
    TMemoryStream cut(whole.substr(0, whole.find("Organ")));
    EXPECT_THROW(ListWaveset(cut, WavesetFormat::SoundFont2, list), StreamReadError);
    EXPECT_EQ(list.Names(), (std::vector<std::string>{"0", "1"}));

    ListWaveset(bank, WavesetFormat::None, list);
    EXPECT_TRUE(list.empty());
}
