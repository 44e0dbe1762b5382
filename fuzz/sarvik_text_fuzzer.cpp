// Any bytes as the lines of a Sarvik file, read into a document without a window.
#include "base/TextRules.h"
#include "document/SarvikWaveset.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Waveset names from the input must not reach files of the machine running the fuzzer.
    TSarvikWaveset doc(nullptr, "/nonexistent-quillkit-fuzz-host/");
    doc.ParseLines(SplitLines(std::string_view(reinterpret_cast<const char*>(data), size)));
    static_cast<void>(doc.BuildText());
    return 0;
}
