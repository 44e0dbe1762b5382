// Any bytes as a ".txt" file that Open judges: a Sarvik file, another Norvex text,
// or neither; never a crash or a read without end.
#include "document/FileTypeDetection.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// A file of this process's own, removed when it ends.
struct ScratchFile {
    ~ScratchFile() {
        std::error_code ignored;
        std::filesystem::remove(Path, ignored);
    }
    const std::filesystem::path Path = std::filesystem::temp_directory_path() /
                                       ("quillkit-fuzz-" + std::to_string(getpid()) + ".txt");
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ScratchFile scratch;
    const std::filesystem::path& file = scratch.Path;
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    const FileType type = DetectFileType(file);
    if (type != FileType::Unknown && type != FileType::Sarvik &&
        type != FileType::OtherNorvexText) {
        __builtin_trap();
    }
    return 0;
}
