#include "document/SarvikWaveset.h"
#include "wavesets/WavesetListing.h"

#include <string>

bool TSarvikWaveset::CanSave(bool reportProblem, bool focusProblem) {
    if (wavesetFile_.empty()) {
        if (focusProblem && form_) {
            form_->ShowPage(SarvikPage::Waveset);
            form_->FocusField(SarvikField::Waveset);
        }
        if (reportProblem && form_) {
            form_->ReportProblem(
                {"You need to give a waveset file name before saving.", "Save", ProblemIcon::Stop});
        }
        return false;
    }
    for (const auto& oscillator : oscillators_) {
        for (const auto& instrument : oscillator->Instruments()) {
            if (!instrument->Wave().empty()) {
                continue;
            }
            if (focusProblem && form_) {
                form_->ShowPage(SarvikPage::Oscillators);
                if (InstrumentStrip* strip = instrument->Panel()) {
                    strip->FocusWave();
                }
            }
            if (reportProblem && form_) {
                form_->ReportProblem({"One of the instrument wave names has not been given.",
                                      "Save", ProblemIcon::Stop});
            }
            return false;
        }
    }
    return true;
}

void TSarvikWaveset::ShowSamplePopup(TSarvikInstrument& instrument) {
    if (!form_) {
        return;
    }
    if (samples_.empty()) {
        form_->ReportProblem({"Selected waveset has no samples.", "Waveset Samples",
                              ProblemIcon::Stop, NoSamplesDetail()});
        return;
    }
    form_->OpenSamplePopup(instrument);
}

std::string TSarvikWaveset::NoSamplesDetail() const {
    if (wavesetFile_.empty()) {
        return "No waveset file has been chosen.";
    }
    const std::string path = PathText(WavesetPath());
    if (WavesetFormatOf(wavesetFile_) == WavesetFormat::None) {
        return "\"" + path +
               "\" is neither a SoundFont 2 bank (.sf2) nor a Norvex Sampler program (.nsp).";
    }
    if (!IsRegularFile(WavesetPath())) {
        return "No waveset file was found at \"" + path + "\".";
    }
    if (wavesetUnreadable_) {
        return "\"" + path + "\" could not be read.";
    }
    return "\"" + path + "\" lists no samples.";
}
