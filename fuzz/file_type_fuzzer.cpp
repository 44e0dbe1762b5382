// Any bytes as the content of a ".txt" file that Open judges: a Sarvik file, another
// Norvex text, or neither; never a crash or a read without end.
#include "document/FileTypeDetection.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream content(std::string(reinterpret_cast<const char*>(data), size),
                               std::ios::binary);
    const FileType type = FileTypeOfContent(content);
    if (type != FileType::Unknown && type != FileType::Sarvik &&
        type != FileType::OtherNorvexText) {
        __builtin_trap();
    }
    return 0;
}
