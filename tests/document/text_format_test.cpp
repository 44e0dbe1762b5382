#include "RecordingView.h"

#include "base/TextRules.h"

#include <gtest/gtest.h>

namespace {

// The oscillator block of an oscillator holding only a new instrument.
std::string EmptyOscillatorBlock(int number) {
    return "'------------ OSCILLATOR " + std::to_string(number + 1) + " ------------\r\n" +
           "osc = " + std::to_string(number) + "\r\n\r\n" +
           "instrument = \r\ntranspose = 0\r\nhold = 0\r\nblend = 0\r\nvolume = 0\r\n"
           "reserved = 0, 0\r\n\r\n";
}

const std::string PadText = "'Pad\r\n"
                            "'---\r\n"
                            "'Soft.\r\n"
                            "\r\n"
                            "waveset = pad.sf2, 10, 20, 0\r\n"
                            "\r\n"
                            "'------------ OSCILLATOR 1 ------------\r\n"
                            "osc = 0\r\n"
                            "\r\n"
                            "instrument = Strings\r\n"
                            "transpose = -12\r\n"
                            "hold = 250\r\n"
                            "blend = 0\r\n"
                            "volume = 100\r\n"
                            "reserved = 0, 0\r\n"
                            "\r\n" +
                            EmptyOscillatorBlock(1) + EmptyOscillatorBlock(2) +
                            EmptyOscillatorBlock(3);

// What a document holds beyond a new one, in file units, on one line.
std::string Describe(const TSarvikWaveset& document) {
    std::vector<std::string> parts;
    if (!document.WavesetName().empty()) {
        parts.push_back("name=" + document.WavesetName());
    }
    if (!document.Notes().empty()) {
        parts.push_back("notes=" + document.Notes());
    }
    if (!document.WavesetFile().empty() || document.Chorus() || document.Reverb() ||
        document.Delay()) {
        parts.push_back("waveset=" + document.WavesetFile() + " " +
                        std::to_string(document.FileChorus()) + " " +
                        std::to_string(document.FileReverb()) + " " +
                        std::to_string(document.FileDelay()));
    }
    for (std::size_t i = 0; i < document.Oscillators().size(); ++i) {
        const auto& instruments = document.Oscillators()[i]->Instruments();
        std::string osc;
        bool isNew = instruments.size() == 1;
        for (const auto& instrument : instruments) {
            const std::string values = std::to_string(instrument->FileTranspose()) + "/" +
                                       std::to_string(instrument->FileHold()) + "/" +
                                       std::to_string(instrument->FileBlend()) + "/" +
                                       std::to_string(instrument->FileVolume());
            isNew = isNew && instrument->Wave().empty() && values == "0/0/0/0";
            osc += (osc.empty() ? "" : ",") + instrument->Wave() + "/" + values;
        }
        if (!isNew) {
            parts.push_back("osc" + std::to_string(i) + "=" + osc);
        }
    }
    std::string description;
    for (const std::string& part : parts) {
        description += (description.empty() ? "" : "; ") + part;
    }
    return description;
}

std::vector<std::string> LinesOf(const std::string& text) {
    return SplitLines(text);
}

} // namespace

TEST(SarvikText, PadDocumentIsWrittenByteForByte) {
    TSarvikWaveset document;
    document.SetWavesetName("Pad");
    document.SetNotes("Soft.");
    document.SetWavesetFile("pad.sf2");
    document.SetFileChorus(10);
    document.SetFileReverb(20);
    document.SetFileDelay(0);
    TSarvikInstrument& strings = *document.Oscillators()[0]->Instruments()[0];
    strings.SetWave("Strings");
    strings.SetFileTranspose(-12);
    strings.SetFileHold(250);
    strings.SetFileVolume(100);

    EXPECT_EQ(document.BuildText(), PadText);
}

TEST(SarvikText, NewDocumentIsWrittenWithoutHeader) {
    EXPECT_EQ(TSarvikWaveset().BuildText(), "waveset = , 0, 0, 0\r\n\r\n" +
                                                EmptyOscillatorBlock(0) + EmptyOscillatorBlock(1) +
                                                EmptyOscillatorBlock(2) + EmptyOscillatorBlock(3));
}

TEST(SarvikText, HeaderWritesNameUnderlineNotesAndOneEmptyLine) {
    struct Case {
        const char* name;
        const char* notes;
        const char* header;
    };
    const Case cases[] = {
        {"", "", ""},
        {"Pad", "", "'Pad\r\n'---\r\n\r\n"},
        // A lone underline, or the reader would take the notes for the name.
        {"", "Only notes", "'-\r\n'Only notes\r\n\r\n"},
        {"N", "one\r\n\r\ntwo\r\n", "'N\r\n'-\r\n'one\r\n'\r\n'two\r\n\r\n"},
        {"", "\r\n", "'-\r\n'\r\n\r\n"},
    };
    for (const Case& c : cases) {
        TSarvikWaveset document;
        document.SetWavesetName(c.name);
        document.SetNotes(c.notes);
        const std::string text = document.BuildText();
        EXPECT_EQ(text.substr(0, text.find("waveset = ")), c.header) << c.name << "|" << c.notes;
    }
}

TEST(SarvikText, NamesAndNotesComeBackAsWrittenAndTheSecondWriteIsTheFirst) {
    const std::string longNotes = [] {
        std::string notes;
        while (notes.size() < 1024) {
            notes += "word" + std::to_string(notes.size()) + " ";
        }
        notes.resize(1024);
        notes.back() = 'x'; // a trailing blank is trimmed like any other
        return notes;
    }();
    struct Case {
        const char* what;
        std::string header; // as a file holds it, before the waveset line
        std::string name;
        std::string notes; // as read back
    };
    const Case cases[] = {
        {"no header: the name follows the waveset file", "", "a.sf2", ""},
        {"a name alone", "'Pad\r\n'---\r\n", "Pad", ""},
        {"notes without a name", "'-\r\n'Soft and slow.\r\n", "", "Soft and slow.\r\n"},
        {"notes of one line", "'Pad\r\n'---\r\n'Soft.\r\n", "Pad", "Soft.\r\n"},
        {"paragraphs", "'Pad\r\n'---\r\n'one\r\n'\r\n'two\r\n", "Pad", "one\r\n\r\ntwo\r\n"},
        {"single breaks are joined", "'-\r\n'one\r\n'two\r\n", "", "one two\r\n"},
        {"a hand-made name with a leading hyphen is the underline",
         "'-Dark Pad\r\n'---------\r\n'Soft.\r\n", "a.sf2", "--------- Soft.\r\n"},
        {"notes of 1024 characters, wrapped and joined", "'-\r\n'" + longNotes + "\r\n", "",
         longNotes + "\r\n"},
    };
    for (const Case& c : cases) {
        TSarvikWaveset document;
        ASSERT_TRUE(document.ParseLines(LinesOf(c.header + "\r\nwaveset = a.sf2\r\n"))) << c.what;
        EXPECT_EQ(document.WavesetName(), c.name) << c.what;
        EXPECT_EQ(document.Notes(), c.notes) << c.what;
        const std::string first = document.BuildText();
        TSarvikWaveset reread;
        ASSERT_TRUE(reread.ParseLines(LinesOf(first))) << c.what;
        EXPECT_EQ(reread.WavesetName(), c.name) << c.what;
        EXPECT_EQ(reread.Notes(), c.notes) << c.what;
        EXPECT_EQ(reread.BuildText(), first) << c.what;
    }
}

TEST(SarvikText, AFileReachesItsFinalFormAtTheFirstSave) {
    struct Case {
        const char* what;
        std::string text;
        std::string firstHeader; // what the first save writes before the oscillators
    };
    const Case cases[] = {
        {"a waveset named by a hyphen, the name following it", "WAVESET=-",
         "'-\r\n\r\nwaveset = -, 0, 0, 0\r\n\r\n"},
        {"notes paragraphs beginning with a hyphen",
         "'-\r\n'- one\r\n'\r\n'- two\r\nwaveset = a.sf2",
         "'-\r\n'- one\r\n'\r\n'- two\r\n\r\nwaveset = a.sf2, 0, 0, 0\r\n\r\n"},
        {"a name that is a line of hyphens", "'Pad\r\n'---\r\n'---\r\nwaveset = a.sf2",
         "'Pad\r\n'---\r\n'---\r\n\r\nwaveset = a.sf2, 0, 0, 0\r\n\r\n"},
        {"a waveset file without a comma, in capitals", "waveset = Pad.SF2",
         "'pad.sf2\r\n'-------\r\n\r\nwaveset = pad.sf2, 0, 0, 0\r\n\r\n"},
        {"a long line broken after a full stop reads back with a space",
         "'N\r\n'-\r\n'" + std::string(69, 'a') + "." + std::string(5, 'b') + "\r\nwaveset = a",
         "'N\r\n'-\r\n'" + std::string(69, 'a') +
             ". \r\n'bbbbb\r\n\r\nwaveset = a, 0, 0, 0\r\n\r\n"},
    };
    for (const Case& c : cases) {
        TSarvikWaveset loaded;
        loaded.ParseLines(LinesOf(c.text));
        const std::string first = loaded.BuildText();
        EXPECT_EQ(first.substr(0, first.find("'------------ OSC")), c.firstHeader) << c.what;
        TSarvikWaveset again;
        again.ParseLines(LinesOf(first));
        EXPECT_EQ(again.BuildText(), first) << c.what;
    }
    // Waves typed with an apostrophe are written as the file reads them back.
    TSarvikWaveset typed;
    typed.Oscillators()[0]->Instruments()[0]->SetWave("Piano 'soft'");
    typed.SetWavesetFile("a.sf2");
    const std::string first = typed.BuildText();
    EXPECT_NE(first.find("instrument = Piano\r\n"), std::string::npos);
    TSarvikWaveset again;
    again.ParseLines(LinesOf(first));
    EXPECT_EQ(again.BuildText(), first);
}

TEST(SarvikText, ParsingFillsTheDocument) {
    struct Case {
        const char* what;
        std::string text;
        std::string description;
    };
    const Case cases[] = {
        {"the Pad document", PadText,
         "name=Pad; notes=Soft.\r\n; waveset=pad.sf2 10 20 0; osc0=Strings/-12/250/0/100"},
        {"keys in any case, with or without blanks, with trailing comments",
         "waveset = b.sf2\r\nosc = 0\r\nInstrument = Piano\r\nVolume = 100\r\nosc=1\r\n"
         "instrument=Bass ' low\r\nvolume=100 ' loud\r\n  HOLD   =   2500  \r\nreserved = 0, 0\r\n"
         "unknown = 5\r\nno equals sign\r\n",
         "name=b.sf2; waveset=b.sf2 0 0 0; osc0=Piano/0/0/0/100; osc1=Bass/0/2500/0/100"},
        {"waveset file before a comma is lowercased", "waveset = MyBank.SF2, 1, 2, 3",
         "name=mybank.sf2; waveset=mybank.sf2 1 2 3"},
        // Lowered too: the file written has the comma, and must read back the same.
        {"waveset file without a comma is lowercased as well", "waveset = MyBank.SF2",
         "name=mybank.sf2; waveset=mybank.sf2 0 0 0"},
        {"a single field after the file is the delay", "waveset = a.sf2, 5",
         "name=a.sf2; waveset=a.sf2 0 0 5"},
        {"fields that are no numbers read as 0", "waveset = a.sf2 , x, -3 ,7, 9",
         "name=a.sf2; waveset=a.sf2 0 -3 0"},
        {"a longer key beginning with waveset ends the header but sets nothing",
         "'Name\r\nWavesetFile = x.sf2\r\nwaveset = r.sf2", "name=Name; waveset=r.sf2 0 0 0"},
        {"a second waveset line sets file and effects again, not name and notes",
         "'Name\r\n'-\r\n'note\r\nwaveset = a.sf2, 1, 2, 3\r\nwaveset = b.sf2, 4, 5, 6\r\n"
         "'late comment",
         "name=Name; notes=note\r\n; waveset=b.sf2 4 5 6"},
        {"osc restarts its instruments and instrument lines grow the list",
         "waveset = w.sf2\r\nosc = 2\r\ninstrument = A\r\ninstrument = B\r\nosc = 1\r\n"
         "instrument = C\r\nvolume = 4\r\nosc = 1\r\ninstrument = D\r\n",
         "name=w.sf2; waveset=w.sf2 0 0 0; osc1=D/0/0/0/4; osc2=A/0/0/0/0,B/0/0/0/0"},
        {"an empty instrument line empties the wave",
         "waveset = w\r\ninstrument = A\r\nosc = 0\r\ninstrument =", "name=w; waveset=w 0 0 0"},
        {"note lines join into paragraphs with single blanks",
         "'Pad\r\n'---\r\n'Soft\r\n'pads.\r\n'\r\n'Second-\r\n'part\r\n\r\nwaveset = p.sf2",
         "name=Pad; notes=Soft pads.\r\n\r\nSecond- part\r\n; waveset=p.sf2 0 0 0"},
        {"every empty comment line is one empty notes line",
         "'N\r\n'-\r\n'\r\n'a\r\n'\r\n'\r\n'b\r\n'\r\nwaveset = x",
         "name=N; notes=\r\na\r\n\r\n\r\nb\r\n\r\n; waveset=x 0 0 0"},
        {"without an underline every comment is a name and the last one wins",
         "'Pad\r\n'Soft.\r\n\r\nwaveset = p.sf2", "name=Soft.; waveset=p.sf2 0 0 0"},
        {"a name beginning with a hyphen reads as the underline",
         "'-Pad\r\n'----\r\n'notes\r\nwaveset = x",
         "name=x; notes=---- notes\r\n; waveset=x 0 0 0"},
        {"lines that are not comments are ignored in the header",
         "junk\r\n'Name\r\nvolume = 3\r\nwaveset = x", "name=Name; waveset=x 0 0 0"},
        {"an apostrophe cuts a value", "waveset = it's.sf2, 1\r\ninstrument = Rock 'n' Roll",
         "name=it; waveset=it 0 0 0; osc0=Rock/0/0/0/0"},
        {"a file of empty lines is a new document", "\r\n\r\n   \r\n\t\r\n", ""},
        {"without a waveset line only the name is read",
         "'Name\r\nosc = 1\r\ninstrument = X\r\nvolume = 3", "name=Name"},
        {"lone CR and lone LF end lines too",
         "'N\r'-\n'note\rwaveset = w.sf2\nosc = 0\rinstrument = I\n\nhold = 1",
         "name=N; notes=note\r\n; waveset=w.sf2 0 0 0; osc0=I/0/1/0/0"},
    };
    for (const Case& c : cases) {
        TSarvikWaveset document;
        EXPECT_TRUE(document.ParseLines(LinesOf(c.text))) << c.what;
        EXPECT_EQ(Describe(document), c.description) << c.what;
        EXPECT_FALSE(document.Modified()) << c.what;
        EXPECT_EQ(document.UpdateCount(), 0) << c.what;
    }
}

TEST(SarvikText, LinesThatCannotBePlacedFailTheParseAndKeepWhatCameBefore) {
    std::string tooMany = "waveset = w\r\nosc = 3\r\n";
    for (int i = 0; i < 1025; ++i) {
        tooMany += "instrument = I" + std::to_string(i) + "\r\n";
    }
    struct Case {
        const char* what;
        std::string text;
        std::string description;
    };
    const Case cases[] = {
        {"instrument of an oscillator beyond 3",
         "waveset = w, 4\r\nosc = 0\r\ninstrument = A\r\nosc = 4\r\ninstrument = X\r\n"
         "osc = 0\r\ninstrument = late",
         "name=w; waveset=w 0 0 4; osc0=A/0/0/0/0"},
        {"value line of a negative oscillator", "waveset = w\r\nosc = -1\r\nvolume = 5",
         "name=w; waveset=w 0 0 0"},
        {"value line before the first instrument", "waveset = w\r\nhold = 5",
         "name=w; waveset=w 0 0 0"},
        {"value line after osc but before its instrument",
         "waveset = w\r\nosc = 0\r\ninstrument = A\r\nosc = 0\r\nvolume = 5",
         "name=w; waveset=w 0 0 0; osc0=A/0/0/0/0"},
    };
    for (const Case& c : cases) {
        TSarvikWaveset document;
        int notifications = 0;
        document.SetOnModified([&](TSarvikWaveset&) { ++notifications; });
        EXPECT_FALSE(document.ParseLines(LinesOf(c.text))) << c.what;
        EXPECT_EQ(Describe(document), c.description) << c.what;
        EXPECT_TRUE(document.Modified()) << c.what;
        EXPECT_EQ(notifications, 1) << c.what;
        EXPECT_EQ(document.UpdateCount(), 0) << c.what;
    }

    TSarvikWaveset document;
    EXPECT_FALSE(document.ParseLines(LinesOf(tooMany)));
    EXPECT_EQ(document.Oscillators()[3]->Instruments().size(), 1024u);
}

TEST(SarvikText, RoundTripsKeepEveryByteTheFormatKeeps) {
    std::string highBytes;
    for (int c = 0x80; c <= 0xFF; ++c) {
        highBytes += static_cast<char>(c);
    }
    TSarvikWaveset original;
    original.SetWavesetName("N\xE9" + highBytes);
    original.SetNotes("first " + highBytes + "\r\n\r\n\r\nsecond\r\n");
    original.SetWavesetFile("b\xE4nk.sf2");
    TSarvikInstrument& instrument = *original.Oscillators()[1]->Instruments()[0];
    instrument.SetWave(highBytes);
    instrument.SetFileVolume(129);
    instrument.SetFileTranspose(3);
    instrument.SetFileHold(2570);
    instrument.SetFileBlend(9999);

    const std::string text = original.BuildText();
    TSarvikWaveset loaded;
    ASSERT_TRUE(loaded.ParseLines(LinesOf(text)));
    EXPECT_EQ(loaded.WavesetName(), original.WavesetName());
    EXPECT_EQ(loaded.WavesetFile(), original.WavesetFile());
    const TSarvikInstrument& read = *loaded.Oscillators()[1]->Instruments()[0];
    EXPECT_EQ(read.Wave(), highBytes);
    EXPECT_EQ(read.FileVolume(), 129) << "values are written as read";
    EXPECT_EQ(read.FileTranspose(), 3);
    EXPECT_EQ(read.FileHold(), 2570);
    EXPECT_EQ(read.FileBlend(), 9998);

    // The second generation is stable: blank note lines are neither lost nor added.
    const std::string again = loaded.BuildText();
    TSarvikWaveset third;
    ASSERT_TRUE(third.ParseLines(LinesOf(again)));
    EXPECT_EQ(third.BuildText(), again);
    EXPECT_EQ(third.Notes(), loaded.Notes());
}

TEST(SarvikText, LongNotesAreWrappedOnWritingAndJoinedOnReading) {
    std::string notes;
    for (int i = 0; i < 200; ++i) {
        notes += "word" + std::to_string(i) + " ";
    }
    TSarvikWaveset document;
    document.SetWavesetName("Name");
    document.SetNotes(notes);
    TSarvikWaveset loaded;
    ASSERT_TRUE(loaded.ParseLines(LinesOf(document.BuildText())));
    // Trailing blanks of the broken lines are trimmed away and the lines joined again.
    EXPECT_EQ(loaded.Notes(), notes.substr(0, notes.size() - 1) + "\r\n");
}
