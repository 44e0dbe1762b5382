#include "cli/CliCommands.h"

#include "document/SarvikFile.h"
#include "document/TextFile.h"
#include "host/Settings.h"

#include <exception>
#include <optional>
#include <string_view>

namespace {

constexpr std::string_view Usage = "usage: quillkit-cli format [--install-dir DIR] FILE\n";

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

  private:
    std::ostream& err_;
    int count_ = 0;
};

struct Invocation {
    std::string Command;
    std::optional<std::string> InstallDir;
    std::string File;
};

// Options come before FILE; anything else is a usage error.
std::optional<Invocation> ParseArguments(const std::vector<std::string>& args) {
    if (args.empty() || args[0] != "format") {
        return std::nullopt;
    }
    Invocation invocation{args[0], std::nullopt, {}};
    std::size_t i = 1;
    for (; i < args.size() && args[i].starts_with("--"); ++i) {
        if (args[i] == "--install-dir" && i + 1 < args.size()) {
            invocation.InstallDir = args[++i];
        } else {
            return std::nullopt;
        }
    }
    if (i + 1 != args.size()) {
        return std::nullopt;
    }
    invocation.File = args[i];
    return invocation;
}

int Format(const Invocation& invocation, std::ostream& out, std::ostream& err) {
    MessageOnlyView view(err);
    TSarvikWaveset document(&view);
    try {
        document.LoadFromFile(invocation.File);
    } catch (const std::exception& error) {
        view.Report(error.what());
    }
    out << document.BuildText();
    return view.Count() == 0 ? 0 : 1;
}

} // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::optional<Invocation> invocation = ParseArguments(args);
    if (!invocation) {
        err << Usage;
        return 2;
    }
    if (invocation->InstallDir) {
        Settings.InstallDir = WithTrailingSeparator(*invocation->InstallDir);
    }
    try {
        EnsureReadableFile(invocation->File);
    } catch (const FileError& error) {
        err << error.what() << '\n';
        return 2;
    }
    return Format(*invocation, out, err);
}
