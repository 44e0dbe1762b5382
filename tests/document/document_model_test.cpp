#include "RecordingView.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

namespace {

TSarvikInstrument& InstrumentAt(TSarvikWaveset& document, std::size_t osc, std::size_t index) {
    return *document.Oscillators().at(osc)->Instruments().at(index);
}

std::vector<std::int32_t> Indices(const TSarvikOscillator& oscillator) {
    std::vector<std::int32_t> indices;
    for (const auto& instrument : oscillator.Instruments()) {
        indices.push_back(instrument->Index());
    }
    return indices;
}

} // namespace

TEST(DocumentModel, NewDocumentHasFourOscillatorsWithOneEmptyInstrumentEach) {
    RecordingView view;
    int notifications = 0;
    TSarvikWaveset document(&view);
    document.SetOnModified([&](TSarvikWaveset&) { ++notifications; });

    ASSERT_EQ(document.Oscillators().size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        const TSarvikOscillator& oscillator = *document.Oscillators()[i];
        EXPECT_EQ(oscillator.Box(), static_cast<int>(i));
        ASSERT_EQ(oscillator.Instruments().size(), 1u);
        const TSarvikInstrument& instrument = *oscillator.Instruments()[0];
        EXPECT_EQ(instrument.Index(), 0);
        EXPECT_EQ(instrument.Volume() | instrument.Hold() | instrument.Blend() |
                      instrument.Transpose(),
                  0);
        EXPECT_EQ(instrument.Wave(), "");
        EXPECT_EQ(RecordingView::StripOf(instrument).Number, 1);
    }
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(document.UpdateCount(), 0);
    EXPECT_EQ(document.WavesetFile() + document.WavesetName() + document.Notes(), "");
    EXPECT_EQ(notifications, 0);
}

TEST(DocumentModel, ModifiedChangesAreNotifiedOnceAndNeverWhileUpdating) {
    TSarvikWaveset document;
    std::vector<bool> seen;
    document.SetOnModified([&](TSarvikWaveset& sender) { seen.push_back(sender.Modified()); });

    document.SetModified(true);
    document.SetModified(true);
    EXPECT_EQ(seen, std::vector<bool>{true});

    document.SetModified(false);
    {
        TSarvikWaveset::UpdateGuard updating(document);
        document.SetModified(true);
    }
    document.SetModified(true); // the flag did not change, so nothing to tell
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
    document.SetModified(false);
    EXPECT_EQ(seen, (std::vector<bool>{true, false, false}));
}

TEST(DocumentModel, FileUnitsConvertWithTruncationAndSaturation) {
    TSarvikWaveset document;
    TSarvikInstrument& instrument = InstrumentAt(document, 0, 0);
    struct Case {
        std::int32_t control;
        std::int32_t file;
    };
    for (const Case c : {Case{-12, -1}, Case{-4, 0}, Case{192, 24}, Case{-192, -24}}) {
        instrument.SetTranspose(c.control);
        EXPECT_EQ(instrument.FileTranspose(), c.file) << c.control;
    }
    for (const Case c : {Case{511, 127}, Case{512, 128}, Case{3, 0}}) {
        instrument.SetVolume(c.control);
        EXPECT_EQ(instrument.FileVolume(), c.file) << c.control;
        document.SetReverb(c.control);
        EXPECT_EQ(document.FileReverb(), c.file) << c.control;
    }
    instrument.SetFileVolume(128);
    EXPECT_EQ(instrument.Volume(), 512);
    instrument.SetFileTranspose(-24);
    EXPECT_EQ(instrument.Transpose(), -192);
    document.SetFileDelay(129);
    EXPECT_EQ(document.Delay(), 516);

    instrument.SetFileHold(9999);
    EXPECT_EQ(instrument.Hold(), 9999);
    EXPECT_EQ(instrument.FileHold(), 9998);
    instrument.SetFileBlend(2500);
    EXPECT_EQ(instrument.Blend(), 5000);
    instrument.SetFileBlend(-5);
    EXPECT_EQ(instrument.Blend(), 0);

    constexpr auto max = std::numeric_limits<std::int32_t>::max();
    constexpr auto min = std::numeric_limits<std::int32_t>::min();
    instrument.SetFileVolume(max);
    EXPECT_EQ(instrument.Volume(), max);
    instrument.SetFileTranspose(min);
    EXPECT_EQ(instrument.Transpose(), min);
}

TEST(DocumentModel, SettersMoveTheWindowsControls) {
    RecordingView view;
    TSarvikWaveset document(&view);
    document.SetChorus(12);
    document.SetReverb(34);
    document.SetDelay(56);
    EXPECT_EQ(view.Knobs,
              (std::map<SarvikKnob, std::int32_t>{
                  {SarvikKnob::Chorus, 12}, {SarvikKnob::Reverb, 34}, {SarvikKnob::Delay, 56}}));

    document.SetWavesetName("Pad");
    const int writes = view.FieldWrites;
    document.SetWavesetName("Pad"); // the field already shows it
    EXPECT_EQ(view.FieldWrites, writes);
    document.SetNotes("x");
    document.SetNotes("x"); // the notes field is always written
    EXPECT_EQ(view.FieldWrites, writes + 2);
    EXPECT_EQ(view.Fields[SarvikField::Notes], "x");

    document.SetModified(false);
    TSarvikInstrument& instrument = InstrumentAt(document, 2, 0);
    instrument.SetHold(5000);
    instrument.SetVolume(256);
    instrument.SetWave("Strings");
    RecordingView::Strip& strip = RecordingView::StripOf(instrument);
    EXPECT_EQ(strip.Knobs[InstrumentKnob::Hold], 5000);
    EXPECT_EQ(strip.Knobs[InstrumentKnob::Volume], 256);
    EXPECT_EQ(strip.WaveText, "Strings");
    EXPECT_FALSE(document.Modified()) << "instrument setters leave the flag to the strip";
}

TEST(DocumentModel, WavesetNameFollowsTheFileUntilTheUserNamesIt) {
    RecordingView view;
    TSarvikWaveset document(&view);
    document.SetPreview(&view);

    document.SetWavesetFile("bank.sf2");
    EXPECT_EQ(document.WavesetName(), "bank.sf2");
    document.SetWavesetFile("other.nsp");
    EXPECT_EQ(document.WavesetName(), "other.nsp");
    EXPECT_EQ(view.Fields[SarvikField::Waveset], "other.nsp");
    EXPECT_EQ(view.Fields[SarvikField::WavesetName], "other.nsp");
    EXPECT_EQ(view.Text, document.BuildText());
    EXPECT_EQ(document.UpdateCount(), 0);

    document.SetWavesetName("My Pad");
    document.SetWavesetFile("third.sf2");
    EXPECT_EQ(document.WavesetName(), "My Pad");
    EXPECT_TRUE(document.Modified());
}

TEST(DocumentModel, TextViewIsRefreshedOnlyOnceAttachedAndNotWhileUpdating) {
    RecordingView view;
    TSarvikWaveset document(&view);
    document.SetWavesetName("before");
    EXPECT_EQ(view.TextRefreshes, 0);

    document.SetPreview(&view);
    {
        TSarvikWaveset::UpdateGuard updating(document);
        document.SetNotes("quiet");
        document.SetWavesetFile("quiet.sf2");
    }
    EXPECT_EQ(view.TextRefreshes, 0);
    document.SetNotes("loud");
    EXPECT_EQ(view.TextRefreshes, 1);
    EXPECT_EQ(view.Text, document.BuildText());
}

TEST(DocumentModel, AddingAnInstrumentMarksModifiedAndGivesItTheFirstSample) {
    for (const bool withView : {false, true}) {
        RecordingView view;
        TSarvikWaveset document(withView ? &view : nullptr);
        document.Samples().Assign({"Organ", "bass"});
        TSarvikInstrument& added = document.Oscillators()[1]->AddInstrument();
        EXPECT_TRUE(document.Modified()) << withView;
        EXPECT_EQ(added.Index(), 1);
        EXPECT_EQ(added.Wave(), "bass");
        if (withView) {
            EXPECT_EQ(RecordingView::StripOf(added).Number, 2);
            EXPECT_EQ(RecordingView::StripOf(added).WaveText, "bass");
        }
    }
}

TEST(DocumentModel, DeletingRenumbersTheRestAndMarksModified) {
    RecordingView view;
    TSarvikWaveset document(&view);
    TSarvikOscillator& oscillator = *document.Oscillators()[0];
    oscillator.AddInstrument().SetWave("second");
    oscillator.AddInstrument().SetWave("third");
    document.SetModified(false);
    view.Log.clear();

    oscillator.Instruments()[1]->Delete();
    EXPECT_EQ(Indices(oscillator), (std::vector<std::int32_t>{0, 1}));
    EXPECT_EQ(oscillator.Instruments()[1]->Wave(), "third");
    EXPECT_EQ(RecordingView::StripOf(*oscillator.Instruments()[0]).Number, 1);
    EXPECT_EQ(RecordingView::StripOf(*oscillator.Instruments()[1]).Number, 2);
    EXPECT_EQ(view.Log, std::vector<std::string>{"strip removed 2"});
    EXPECT_TRUE(document.Modified());

    oscillator.DeleteInstrument(7); // no such instrument: nothing happens
    EXPECT_EQ(oscillator.Instruments().size(), 2u);
}

TEST(DocumentModel, DeletingTheOnlyInstrumentLeavesAFreshOne) {
    TSarvikWaveset document;
    document.Samples().Assign({"first"});
    TSarvikOscillator& oscillator = *document.Oscillators()[3];
    TSarvikInstrument& only = *oscillator.Instruments()[0];
    only.SetVolume(100);
    only.SetWave("old");
    only.Delete();

    ASSERT_EQ(oscillator.Instruments().size(), 1u);
    const TSarvikInstrument& fresh = *oscillator.Instruments()[0];
    EXPECT_EQ(fresh.Index(), 0);
    EXPECT_EQ(fresh.Volume(), 0);
    EXPECT_EQ(fresh.Wave(), "first");
}

TEST(DocumentModel, ClearMakesANewDocumentButKeepsTheFileName) {
    RecordingView view;
    TSarvikWaveset document(&view);
    document.SetPreview(&view);
    int notifications = 0;
    document.SetOnModified([&](TSarvikWaveset&) { ++notifications; });
    document.SetFileName("/tmp/pad.txt");
    document.SetWavesetFile("pad.sf2");
    document.SetNotes("notes");
    document.SetChorus(40);
    document.Oscillators()[2]->AddInstrument();
    InstrumentAt(document, 2, 0).SetVolume(400);
    notifications = 0;

    document.Clear();
    EXPECT_EQ(notifications, 1);
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(document.FileName(), "/tmp/pad.txt");
    EXPECT_EQ(document.BuildText(), TSarvikWaveset().BuildText());
    EXPECT_EQ(view.Text, document.BuildText());
    EXPECT_EQ(view.Knobs[SarvikKnob::Chorus], 0);
    EXPECT_EQ(document.Oscillators()[2]->Instruments().size(), 1u);
    EXPECT_EQ(document.UpdateCount(), 0);
}

TEST(DocumentModel, DestroyingTheDocumentRemovesEveryStrip) {
    RecordingView view;
    {
        TSarvikWaveset document(&view);
        document.Oscillators()[0]->AddInstrument();
        view.Log.clear();
    }
    EXPECT_EQ(view.Log.size(), 5u);
}

TEST(DocumentModel, UpdatingCounterIsRestoredWhenAnErrorPassesThrough) {
    struct FailingView : RecordingView {
        void SetFieldText(SarvikField field, const std::string& text) override {
            if (field == SarvikField::Waveset) {
                throw std::runtime_error("window gone");
            }
            RecordingView::SetFieldText(field, text);
        }
    };
    FailingView view;
    TSarvikWaveset document(&view);
    EXPECT_THROW(document.ParseLines({"waveset = x.sf2"}), std::runtime_error);
    EXPECT_EQ(document.UpdateCount(), 0);
    EXPECT_THROW(document.SetWavesetFile("y.sf2"), std::runtime_error);
    EXPECT_EQ(document.UpdateCount(), 0);
}
