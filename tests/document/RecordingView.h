#pragma once

#include "document/SarvikFile.h"

#include <map>
#include <string>
#include <vector>

// A window double that keeps the state the document gives it and logs every call.
class RecordingView : public SarvikView {
  public:
    struct Strip : InstrumentStrip {
        Strip(RecordingView& view, std::int32_t number) : View(view), Number(number) {}
        ~Strip() override { View.Log.push_back("strip removed " + std::to_string(Number)); }
        void SetKnobPosition(InstrumentKnob knob, std::int32_t position) override {
            Knobs[knob] = position;
        }
        void SetWaveText(const std::string& text) override { WaveText = text; }
        void SetNumber(std::int32_t number) override { Number = number; }
        void FocusWave() override { View.Log.push_back("focus wave " + std::to_string(Number)); }
        void SetWaveMissing(const std::string& note) override { MissingNote = note; }

        RecordingView& View;
        std::int32_t Number;
        std::string WaveText;
        std::string MissingNote;
        std::map<InstrumentKnob, std::int32_t> Knobs;
    };

    void SetKnobPosition(SarvikKnob knob, std::int32_t position) override {
        Knobs[knob] = position;
    }
    std::string FieldText(SarvikField field) const override {
        const auto found = Fields.find(field);
        return found == Fields.end() ? std::string() : found->second;
    }
    void SetFieldText(SarvikField field, const std::string& text) override {
        Fields[field] = text;
        ++FieldWrites;
    }
    void ShowPage(SarvikPage page) override {
        Log.push_back(page == SarvikPage::Waveset ? "page waveset" : "page oscillators");
    }
    void FocusField(SarvikField field) override {
        Log.push_back("focus field " + std::to_string(static_cast<int>(field)));
    }
    void ShowText(const std::string& text) override {
        Text = text;
        ++TextRefreshes;
    }
    void ClearSamplePopup() override { Log.push_back("popup cleared"); }
    void ShowWavesetPath(const std::string& path, bool found) override {
        WavesetPath = path;
        WavesetFound = found;
    }
    void OpenSamplePopup(TSarvikInstrument& instrument) override {
        Log.push_back("popup opened " + std::to_string(instrument.Index() + 1));
    }
    std::unique_ptr<InstrumentStrip> BuildStrip(TSarvikInstrument& instrument) override {
        Log.push_back("strip built " + std::to_string(instrument.Index() + 1));
        return std::make_unique<Strip>(*this, instrument.Index() + 1);
    }
    void ReportProblem(const Problem& problem) override { Problems.push_back(problem); }
    void ReportError(const std::string& message) override { Errors.push_back(message); }

    static Strip& StripOf(const TSarvikInstrument& instrument) {
        return dynamic_cast<Strip&>(*instrument.Panel());
    }

    std::map<SarvikKnob, std::int32_t> Knobs;
    std::map<SarvikField, std::string> Fields;
    int FieldWrites = 0;
    std::string Text;
    int TextRefreshes = 0;
    std::string WavesetPath;
    bool WavesetFound = false;
    std::vector<std::string> Log;
    std::vector<Problem> Problems;
    std::vector<std::string> Errors;
};
