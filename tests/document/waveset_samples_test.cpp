#include "RecordingView.h"
#include "support/RiffBytes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// A host installation whose Samples folder holds a few wavesets, as the host's own
// file system would have them, letters in any case.
class HostWithWavesets : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(host_ / "Samples" / "Pads");
        const std::string bank = Bank(InstRecords({"Piano", "bass", "Organ", "EOI"}));
        WriteBytes(host_ / "Samples" / "bank.sf2", bank);
        WriteBytes(host_ / "Samples" / "Pads" / "Soft.sf2", Bank(InstRecords({"Warm", "Air"})));
        WriteBytes(host_ / "Samples" / "layers.nsp", NspProgram(12));
        WriteBytes(host_ / "Samples" / "bank.wav", bank);
        WriteBytes(host_ / "Samples" / "cut.sf2", bank.substr(0, bank.find("Organ")));
    }

    TempDir host_;
    const fs::path installDir_ = host_.Path() / "";

    std::string CutMessage() const {
        return "Cannot read file \"" + (host_ / "Samples" / "cut.sf2").string() +
               "\". Stream read error";
    }
};

std::vector<std::string> Waves(const TSarvikWaveset& document) {
    std::vector<std::string> waves;
    for (const auto& oscillator : document.Oscillators()) {
        for (const auto& instrument : oscillator->Instruments()) {
            waves.push_back(instrument->Wave());
        }
    }
    return waves;
}

} // namespace

TEST_F(HostWithWavesets, TheWavesetFileIsListedByItsExtension) {
    struct Case {
        const char* file;
        std::vector<std::string> samples;
    };
    const Case cases[] = {
        {"bank.sf2", {"bass", "Organ", "Piano"}},
        {"Bank.SF2", {"bass", "Organ", "Piano"}}, // any letter case, in the name and on disk
        {"Pads\\soft.sf2", {"Air", "Warm"}},
        {"pads/SOFT.sf2", {"Air", "Warm"}},
        {"layers.NSP", {"0", "1", "10", "11", "2", "3", "4", "5", "6", "7", "8", "9"}},
        {"bank.wav", {}},
        {"missing.sf2", {}},
        {"", {}},
    };
    for (const Case& c : cases) {
        RecordingView view;
        TSarvikWaveset document(&view, installDir_);
        document.Samples().Assign({"stale"});
        view.Log.clear();
        document.SetWavesetFile(c.file);
        EXPECT_EQ(document.WavesetFile(), c.file);
        EXPECT_EQ(document.Samples().Names(), c.samples) << c.file;
        EXPECT_EQ(view.Log, std::vector<std::string>{"popup cleared"}) << c.file;
        EXPECT_TRUE(view.Errors.empty()) << c.file;
    }
}

TEST_F(HostWithWavesets, EmptyWavesGetTheFirstEntryAndGivenOnesStay) {
    TSarvikWaveset document(nullptr, installDir_);
    document.Oscillators()[1]->Instruments()[0]->SetWave("Piano");
    document.Oscillators()[2]->AddInstrument().SetWave("Not in the bank");
    document.SetWavesetFile("bank.sf2");
    EXPECT_EQ(Waves(document),
              (std::vector<std::string>{"bass", "Piano", "bass", "Not in the bank", "bass"}));
    EXPECT_EQ(document.Oscillators()[3]->AddInstrument().Wave(), "bass");
}

TEST_F(HostWithWavesets, ADamagedBankIsReportedAndTheFileStillLoadsWhole) {
    WriteBytes(host_ / "song.txt", "'Song\r\n'-\r\n\r\nwaveset = cut.sf2, 1, 2, 3\r\nosc = 1\r\n"
                                   "instrument = Strings\r\nvolume = 100\r\n");
    RecordingView view;
    TSarvikWaveset document(&view, installDir_);
    ASSERT_TRUE(document.LoadFromFile(host_ / "song.txt"));
    // The message names the bank it came from.
    EXPECT_EQ(view.Errors, std::vector<std::string>{"Cannot read file \"" +
                                                    (host_ / "Samples" / "cut.sf2").string() +
                                                    "\". Stream read error"});
    EXPECT_TRUE(view.Problems.empty());
    EXPECT_EQ(document.FileName(), host_ / "song.txt");
    EXPECT_EQ(document.Oscillators()[1]->Instruments()[0]->Wave(), "Strings");
    EXPECT_EQ(document.Oscillators()[1]->Instruments()[0]->FileVolume(), 100);
    EXPECT_EQ(document.FileDelay(), 3);
    EXPECT_TRUE(document.Samples().empty());
    EXPECT_FALSE(document.Modified());
}

TEST_F(HostWithWavesets, LoadingFillsEmptyWavesWithTheFirstSortedEntry) {
    WriteBytes(host_ / "song.txt", "waveset = Bank.sf2\r\nosc = 2\r\ninstrument = Organ\r\n"
                                   "instrument =\r\n");
    TSarvikWaveset document(nullptr, installDir_);
    ASSERT_TRUE(document.LoadFromFile(host_ / "song.txt"));
    // Waves the file leaves empty take "bass"; an explicit empty line empties one again.
    EXPECT_EQ(Waves(document), (std::vector<std::string>{"bass", "bass", "Organ", "", "bass"}));
}

TEST_F(HostWithWavesets, WavesetsNamedOnManyLinesAreEachReadAndReportedOnce) {
    WriteBytes(host_ / "song.txt", "waveset = cut.sf2\r\nwaveset = bank.sf2\r\n"
                                   "osc = 1\r\ninstrument =\r\nwaveset = Pads\\soft.sf2\r\n"
                                   "osc = 2\r\ninstrument =\r\nwaveset = cut.sf2\r\n"
                                   "waveset = BANK.sf2\r\n");
    RecordingView view;
    TSarvikWaveset document(&view, installDir_);
    ASSERT_TRUE(document.LoadFromFile(host_ / "song.txt"));
    EXPECT_EQ(view.Errors, std::vector<std::string>{CutMessage()});
    // Each line fills the waves left empty with what its own waveset lists.
    EXPECT_EQ(Waves(document), (std::vector<std::string>{"bass", "Air", "bass", "bass"}));
    EXPECT_EQ(document.Samples().Names(), (std::vector<std::string>{"bass", "Organ", "Piano"}));

    // The next load reads the files again.
    WriteBytes(host_ / "Samples" / "bank.sf2", Bank(InstRecords({"Harp", "EOI"})));
    view.Errors.clear();
    ASSERT_TRUE(document.LoadFromFile(host_ / "song.txt"));
    EXPECT_EQ(view.Errors, std::vector<std::string>{CutMessage()});
    EXPECT_EQ(document.Samples().Names(), std::vector<std::string>{"Harp"});
    document.SetWavesetFile("cut.sf2");
    EXPECT_EQ(view.Errors.size(), 2u) << "outside a load every choice is read afresh";
}

TEST_F(HostWithWavesets, WavesTheWavesetDoesNotHoldAreMarkedAfterEveryChange) {
    RecordingView view;
    TSarvikWaveset document(&view, installDir_);
    ASSERT_TRUE(document.ParseText("waveset = bank.sf2\r\nosc = 1\r\ninstrument = Pian\r\n"
                                   "instrument = piano\r\ninstrument = Piano\r\n"));
    const auto& box = document.Oscillators()[1]->Instruments();
    ASSERT_EQ(box.size(), 3u);
    const auto note = [&](std::size_t at) { return RecordingView::StripOf(*box[at]).MissingNote; };
    // Exact bytes: a name that differs in letter case only is another name.
    EXPECT_EQ(note(0), "\"Pian\" is not a sample of \"bank.sf2\".");
    EXPECT_EQ(note(1), "\"piano\" is not a sample of \"bank.sf2\".");
    EXPECT_EQ(note(2), "");
    EXPECT_EQ(document.MissingWaves(),
              (std::vector<std::string>{
                  "Oscillator 2, instrument 1: \"Pian\" is not a sample of \"bank.sf2\".",
                  "Oscillator 2, instrument 2: \"piano\" is not a sample of \"bank.sf2\"."}));

    box[0]->SetWave("Piano"); // typed or chosen
    EXPECT_EQ(note(0), "");
    box[2]->SetWave("Pianos");
    EXPECT_EQ(note(2), "\"Pianos\" is not a sample of \"bank.sf2\".");
    box[1]->SetWave(""); // told of on saving, as no wave at all
    EXPECT_EQ(note(1), "");

    // Another waveset judges every wave afresh; one that lists nothing judges none.
    document.SetWavesetFile("Pads\\Soft.sf2");
    EXPECT_EQ(note(0), "\"Piano\" is not a sample of \"Pads\\Soft.sf2\".");
    document.SetWavesetFile("missing.sf2");
    for (std::size_t at = 0; at < box.size(); ++at) {
        EXPECT_EQ(note(at), "") << at;
    }
    EXPECT_TRUE(document.MissingWaves().empty());
}
