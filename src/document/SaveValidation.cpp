#include "document/SarvikWaveset.h"

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
        form_->ReportProblem(
            {"Selected waveset has no samples.", "Waveset Samples", ProblemIcon::Stop});
        return;
    }
    form_->OpenSamplePopup(instrument);
}
