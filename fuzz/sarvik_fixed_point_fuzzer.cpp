// Any bytes as a Sarvik file: what a load and a save write must read back to itself,
// so that a document reaches its final form at the first save.
#include "base/TextRules.h"
#include "document/SarvikWaveset.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

std::string Rewritten(std::string_view text) {
    // Waveset names from the input must not reach files of the machine running the fuzzer.
    TSarvikWaveset document(nullptr, "/nonexistent-quillkit-fuzz-host/");
    document.ParseLines(SplitLines(text));
    return document.BuildText();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string first =
        Rewritten(std::string_view(reinterpret_cast<const char*>(data), size));
    if (Rewritten(first) != first) {
        __builtin_trap();
    }
    return 0;
}
