#include "base/FolderCopy.h"

#include "base/NativeFiles.h"
#include "base/TextFile.h"
#include "base/TextRules.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

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

// The relative path of `file` below the first of its parents that is `folder`.
std::optional<fs::path> BelowFolder(const fs::path& folder, const fs::path& file) {
    std::vector<fs::path> below;
    for (fs::path at = file; at.has_relative_path(); at = at.parent_path()) {
        std::error_code ec;
        const fs::path parent = at.parent_path();
        below.push_back(at.filename());
        if (fs::equivalent(parent, folder, ec)) {
            fs::path relative;
            for (auto component = below.rbegin(); component != below.rend(); ++component) {
                relative /= *component;
            }
            return relative;
        }
        if (parent == at) {
            break;
        }
    }
    return std::nullopt;
}

std::string Utf8Name(const fs::path& path) {
    const std::u8string name = path.filename().u8string();
    return std::string(name.begin(), name.end());
}

// The entry of `folder` that `name` names, as wavesets are found: another letter case
// would be a second file of the same name.
fs::path EntryNamed(const fs::path& folder, const fs::path& name) {
    std::error_code ec;
    if (fs::exists(fs::symlink_status(folder / name, ec))) {
        return folder / name;
    }
    const std::optional<std::string> match = CaselessEntry(folder, Utf8Name(name));
    return match ? folder / fs::path(std::u8string(match->begin(), match->end())) : folder / name;
}

// Moves `from` to `to`, failing rather than replacing a file that has come there since.
bool MoveWithoutReplacing(const fs::path& from, const fs::path& to, std::error_code& ec) {
#ifdef _WIN32
    // The C library's rename never replaces an existing file there.
    if (_wrename(from.c_str(), to.c_str()) != 0) {
        ec.assign(errno, std::generic_category());
        return false;
    }
#else
    if (link(from.c_str(), to.c_str()) != 0) {
        const int error = errno;
        // A file system without hard links: the check just made has to do.
        if (error != EEXIST && !fs::exists(fs::symlink_status(to, ec))) {
            fs::rename(from, to, ec);
            return !ec;
        }
        ec.assign(error, std::generic_category());
        return false;
    }
    std::error_code ignored;
    fs::remove(from, ignored);
#endif
    return true;
}

} // namespace

std::optional<std::string> CaselessEntry(const fs::path& folder, std::string_view name) {
    const std::string wanted = AsciiLower(name);
    std::optional<std::string> best;
    std::error_code ec;
    fs::directory_iterator entries(folder.empty() ? fs::path(".") : folder, ec);
    for (; !ec && entries != fs::directory_iterator(); entries.increment(ec)) {
        std::string candidate = Utf8Name(entries->path());
        if (AsciiLower(candidate) == wanted && (!best || candidate < *best)) {
            best = std::move(candidate);
        }
    }
    return best;
}

std::optional<fs::path> PathInsideFolder(const fs::path& folder, const fs::path& file) {
    std::error_code ec;
    // The path as given first: a linked folder inside keeps the name it has there.
    if (auto relative = BelowFolder(folder, fs::absolute(file, ec).lexically_normal())) {
        return relative;
    }
    const fs::path resolved = fs::weakly_canonical(file, ec);
    return ec ? std::nullopt : BelowFolder(folder, resolved);
}

CopyResult CopyIntoFolder(const fs::path& file, const fs::path& folder, bool replace) {
    const fs::path target = EntryNamed(folder, file.filename());
    std::error_code ec;
    const bool occupied = fs::exists(fs::symlink_status(target, ec));
    if (occupied) {
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
    if (occupied) {
        ec = RenameReplacing(temporary, target); // replacing what was asked about
    } else {
        MoveWithoutReplacing(temporary, target, ec);
    }
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        CopyFailed(file, target, ec);
    }
    return CopyResult::Copied;
}
