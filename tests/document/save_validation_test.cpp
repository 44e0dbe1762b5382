#include "RecordingView.h"

#include <gtest/gtest.h>

TEST(SaveValidation, TheFirstProblemIsFocusedAndReported) {
    struct Case {
        const char* what;
        bool giveWaveset;
        bool giveWaves;
        bool report;
        bool focus;
        bool result;
        std::vector<std::string> log;
        const char* message;
    };
    const Case cases[] = {
        {"a new document lacks its waveset file first",
         false,
         false,
         true,
         true,
         false,
         {"page waveset", "focus field 0"},
         "You need to give a waveset file name before saving."},
        {"a missing wave is found on the oscillators page",
         true,
         false,
         true,
         true,
         false,
         {"page oscillators", "focus wave 2"},
         "One of the instrument wave names has not been given."},
        {"neither focus nor report when not asked", true, false, false, false, false, {}, nullptr},
        {"a complete document can be saved", true, true, true, true, true, {}, nullptr},
    };
    for (const Case& c : cases) {
        RecordingView view;
        TSarvikWaveset document(&view);
        if (c.giveWaveset) {
            document.SetWavesetFile("bank.sf2");
        }
        for (const auto& oscillator : document.Oscillators()) {
            oscillator->Instruments()[0]->SetWave("Piano");
        }
        // Oscillator 3's second instrument has no wave unless the case gives it one.
        document.Oscillators()[2]->AddInstrument().SetWave(c.giveWaves ? "Bass" : "");
        view.Log.clear();
        document.SetModified(false);

        EXPECT_EQ(document.CanSave(c.report, c.focus), c.result) << c.what;
        EXPECT_EQ(view.Log, c.log) << c.what;
        if (c.message) {
            ASSERT_EQ(view.Problems.size(), 1u) << c.what;
            EXPECT_EQ(view.Problems[0].Text, c.message);
            EXPECT_EQ(view.Problems[0].Caption, "Save");
            EXPECT_EQ(view.Problems[0].Icon, ProblemIcon::Stop);
        } else {
            EXPECT_TRUE(view.Problems.empty()) << c.what;
        }
        EXPECT_FALSE(document.Modified()) << c.what;
    }
}

TEST(SaveValidation, SamplePopupOpensOnlyWithSamples) {
    RecordingView view;
    TSarvikWaveset document(&view);
    TSarvikInstrument& instrument = *document.Oscillators()[1]->Instruments()[0];
    document.ShowSamplePopup(instrument);
    ASSERT_EQ(view.Problems.size(), 1u);
    EXPECT_EQ(view.Problems[0].Text, "Selected waveset has no samples.");
    EXPECT_EQ(view.Problems[0].Caption, "Waveset Samples");
    EXPECT_EQ(view.Problems[0].Icon, ProblemIcon::Stop);

    document.Samples().Assign({"Piano"});
    view.Log.clear();
    document.ShowSamplePopup(instrument);
    EXPECT_EQ(view.Log, std::vector<std::string>{"popup opened 1"});
    EXPECT_EQ(view.Problems.size(), 1u);
}
