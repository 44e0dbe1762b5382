#pragma once

#include "document/ScreenlessView.h"

#include <ostream>
#include <string_view>

// The CLI's stand-in for a window: it shows nothing but the messages, one a line.
class MessageOnlyView final : public ScreenlessView {
  public:
    explicit MessageOnlyView(std::ostream& err) : err_(err) {}

    void Report(std::string_view message) {
        err_ << message << '\n';
        ++count_;
    }
    int Count() const { return count_; }

    void ReportProblem(const Problem& problem) override { Report(problem.Text); }
    void ReportError(const std::string& message) override { Report(message); }

  private:
    std::ostream& err_;
    int count_ = 0;
};
