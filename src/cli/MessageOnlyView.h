#pragma once

#include "document/SarvikView.h"

#include <ostream>
#include <string_view>

// The CLI's stand-in for a window: it shows nothing but the messages, one a line.
class MessageOnlyView final : public SarvikView {
  public:
    explicit MessageOnlyView(std::ostream& err) : err_(err) {}

    void Report(std::string_view message) {
        err_ << message << '\n';
        ++count_;
    }
    int Count() const { return count_; }

    void SetKnobPosition(SarvikKnob, std::int32_t) override {}
    std::string FieldText(SarvikField) const override { return {}; }
    void SetFieldText(SarvikField, const std::string&) override {}
    void ShowPage(SarvikPage) override {}
    void FocusField(SarvikField) override {}
    void ShowText(const std::string&) override {}
    void ClearSamplePopup() override {}
    void OpenSamplePopup(TSarvikInstrument&) override {}
    std::unique_ptr<InstrumentStrip> BuildStrip(TSarvikInstrument&) override { return nullptr; }
    void ReportProblem(const Problem& problem) override { Report(problem.Text); }
    void ReportError(const std::string& message) override { Report(message); }

  private:
    std::ostream& err_;
    int count_ = 0;
};
