// Any bytes as the lines of a Sarvik file, read into a document without a window.
#include "document/SarvikWaveset.h"
#include "document/TextRules.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TSarvikWaveset doc;
    doc.ParseLines(SplitLines(std::string_view(reinterpret_cast<const char*>(data), size)));
    static_cast<void>(doc.BuildText());
    return 0;
}
