// Any bytes as a Sarvik file loaded into a document without a window. What follows
// the first NUL byte is the host's one waveset file, found in its Samples folder as
// "fuzz.sf2" and as "fuzz.nsp", so that loading reaches the readers and their
// error reports.
#include "Scratch.h"
#include "base/TextFile.h"
#include "document/SarvikWaveset.h"
#include "document/ScreenlessView.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace {

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

// A window that keeps its fields, as the document reads some of them back. A load
// asks the user nothing, and the only errors it reports are those of the waveset
// file, which lies in the Samples folder and is named by the message.
class FieldsOnlyView final : public ScreenlessView {
  public:
    std::string FieldText(SarvikField field) const override {
        const auto text = fields_.find(field);
        return text == fields_.end() ? std::string() : text->second;
    }
    void SetFieldText(SarvikField field, const std::string& text) override {
        fields_[field] = text;
    }
    void ReportProblem(const Problem&) override { __builtin_trap(); }
    void ReportError(const std::string& message) override {
        static const std::string samples = '"' + PathText(InstallDir() / "Samples" / "");
        if (message.find(samples) == std::string::npos) {
            __builtin_trap();
        }
    }

  private:
    std::map<SarvikField, std::string> fields_;
};

// Writes the bank only when it changed, as most runs keep it.
void PutBank(std::string_view bank) {
    static std::string written;
    if (bank != written) {
        WriteScratchFile(InstallDir() / "Samples" / "fuzz.sf2",
                         reinterpret_cast<const std::uint8_t*>(bank.data()), bank.size());
        written = bank;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = input.find('\0');
    const std::string_view text = input.substr(0, nul);
    // A waveset name that climbs out of the Samples folder would reach the files of
    // the machine running the fuzzer.
    if (text.find("../") != text.npos || text.find("..\\") != text.npos) {
        return -1;
    }
    PutBank(nul == input.npos ? std::string_view() : input.substr(nul + 1));
    FieldsOnlyView view;
    TSarvikWaveset doc(&view, InstallDir());
    static_cast<void>(doc.ParseText(text));
    static_cast<void>(doc.BuildText());
    return 0;
}
