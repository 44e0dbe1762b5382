#include "base/FolderCopy.h"

#include "base/TextFile.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

[[noreturn]] void CopyFailed(const fs::path& file, const fs::path& target,
                             const std::error_code& error) {
    throw FileError("Cannot copy file \"" + PathText(file) + "\" to \"" + PathText(target) +
                    "\". " + error.message());
}

// Compared a block at a time: banks are large.
bool SameBytes(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) {
        return true;
    }
    const std::uintmax_t size = fs::file_size(a, ec);
    if (ec || size != fs::file_size(b, ec) || ec) {
        return false;
    }
    std::ifstream first(a, std::ios::binary);
    std::ifstream second(b, std::ios::binary);
    std::vector<char> one(1 << 16);
    std::vector<char> two(1 << 16);
    while (first && second) {
        first.read(one.data(), static_cast<std::streamsize>(one.size()));
        second.read(two.data(), static_cast<std::streamsize>(two.size()));
        if (first.gcount() != second.gcount() ||
            !std::equal(one.begin(), one.begin() + first.gcount(), two.begin())) {
            return false;
        }
    }
    return first.eof() && second.eof();
}

} // namespace

std::optional<fs::path> PathInsideFolder(const fs::path& folder, const fs::path& file) {
    std::error_code ec;
    const fs::path base = fs::weakly_canonical(folder, ec);
    if (ec) {
        return std::nullopt;
    }
    const fs::path target = fs::weakly_canonical(file, ec);
    if (ec) {
        return std::nullopt;
    }
    fs::path relative = target.lexically_relative(base);
    if (relative.empty() || relative == "." || *relative.begin() == "..") {
        return std::nullopt;
    }
    return relative;
}

CopyResult CopyIntoFolder(const fs::path& file, const fs::path& folder, bool replace) {
    const fs::path target = folder / file.filename();
    std::error_code ec;
    if (fs::exists(fs::symlink_status(target, ec))) {
        if (SameBytes(file, target)) {
            return CopyResult::AlreadyThere;
        }
        if (!replace) {
            return CopyResult::DifferentFileThere;
        }
    }
    fs::create_directories(folder, ec);
    if (ec) {
        CopyFailed(file, target, ec);
    }
    std::random_device seed;
    fs::path temporary = folder / (".quillkit-copy-" + std::to_string(seed()) + "-");
    temporary += file.filename().native();
    if (!fs::copy_file(file, temporary, fs::copy_options::none, ec) || ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        CopyFailed(file, target, ec ? ec : std::make_error_code(std::errc::io_error));
    }
    fs::rename(temporary, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        CopyFailed(file, target, ec);
    }
    return CopyResult::Copied;
}
