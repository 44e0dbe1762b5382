#include "document/FileTypeDetection.h"

#include "base/FileNames.h"
#include "base/TextFile.h"
#include "base/TextRules.h"

#include <fstream>
#include <string>
#include <system_error>

namespace {

// Files from 100001 blocks of 128 bytes on are too large to be instrument files.
constexpr std::uintmax_t MaxBlocks = 100000;
constexpr int LinesExamined = 17;

} // namespace

FileType DetectFileType(const std::filesystem::path& path) {
    EnsureReadableFile(path);
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw FileError("Cannot open file \"" + PathText(path) + "\".");
    }
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec || size / 128 > MaxBlocks) {
        return FileType::Unknown;
    }
    if (LowercaseExtension(PathText(path.filename())) != ".txt") {
        return FileType::Unknown;
    }
    return FileTypeOfContent(file);
}

FileType FileTypeOfContent(std::istream& content) {
    // Comment lines do not count, so that files with long notes are still recognised.
    std::string raw;
    for (int counted = 0; counted < LinesExamined && std::getline(content, raw);) {
        const std::string_view line = TrimBlanks(raw);
        if (!line.empty() && line.front() == '\'') {
            continue;
        }
        ++counted;
        if (line.size() <= 1) {
            continue;
        }
        if (line.size() >= 7 && EqualsIgnoringAsciiCase(line.substr(0, 7), "waveset")) {
            return FileType::Sarvik;
        }
        if (EqualsIgnoringAsciiCase(line.substr(0, 2), "w1")) {
            return FileType::OtherNorvexText;
        }
    }
    return FileType::Unknown;
}
