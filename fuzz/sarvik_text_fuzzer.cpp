// Any bytes as a Sarvik file loaded into a document without a window. What follows
// the first NUL byte is the host's one waveset file, found in its Samples folder as
// "fuzz.sf2" and as "fuzz.nsp", so that loading reaches the readers and their
// error reports.
#include "ScratchFolder.h"
#include "document/SarvikView.h"
#include "document/SarvikWaveset.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace {

// A window that keeps its fields and takes every message.
class FieldsOnlyView final : public SarvikView {
  public:
    void SetKnobPosition(SarvikKnob, std::int32_t) override {}
    std::string FieldText(SarvikField field) const override {
        const auto text = fields_.find(field);
        return text == fields_.end() ? std::string() : text->second;
    }
    void SetFieldText(SarvikField field, const std::string& text) override {
        fields_[field] = text;
    }
    void ShowPage(SarvikPage) override {}
    void FocusField(SarvikField) override {}
    void ShowText(const std::string&) override {}
    void ClearSamplePopup() override {}
    void OpenSamplePopup(TSarvikInstrument&) override {}
    std::unique_ptr<InstrumentStrip> BuildStrip(TSarvikInstrument&) override { return nullptr; }
    void ReportProblem(const Problem& problem) override {
        if (problem.Text.empty()) {
            __builtin_trap();
        }
    }
    void ReportError(const std::string& message) override {
        if (message.empty()) {
            __builtin_trap();
        }
    }

  private:
    std::map<SarvikField, std::string> fields_;
};

// The installation folder: Samples/fuzz.sf2, with fuzz.nsp a second name of it.
const std::filesystem::path& InstallDir() {
    static const std::filesystem::path dir = [] {
        const std::filesystem::path samples = Scratch() / "Samples";
        std::filesystem::create_directories(samples);
        WriteScratchFile(samples / "fuzz.sf2", nullptr, 0);
        std::filesystem::create_hard_link(samples / "fuzz.sf2", samples / "fuzz.nsp");
        return Scratch() / "";
    }();
    return dir;
}

// Writes the bank only when it changed, as most runs keep it.
void PutBank(std::string_view bank) {
    static std::string written;
    if (bank != written) {
        written = bank;
        WriteScratchFile(InstallDir() / "Samples" / "fuzz.sf2",
                         reinterpret_cast<const std::uint8_t*>(written.data()), written.size());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = input.find('\0');
    PutBank(nul == input.npos ? std::string_view() : input.substr(nul + 1));
    FieldsOnlyView view;
    TSarvikWaveset doc(&view, InstallDir());
    static_cast<void>(doc.ParseText(input.substr(0, nul)));
    static_cast<void>(doc.BuildText());
    return 0;
}
