// Any bytes as the lines of a Sarvik file, read into a document without a window.
#include "document/SarvikWaveset.h"
#include "document/TextRules.h"
#include "host/Settings.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Waveset names from the input must not reach files of the machine running the fuzzer.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Settings.InstallDir = "/nonexistent-quillkit-fuzz-host/";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TSarvikWaveset doc;
    doc.ParseLines(SplitLines(std::string_view(reinterpret_cast<const char*>(data), size)));
    static_cast<void>(doc.BuildText());
    return 0;
}
