#include "base/FileFingerprint.h"

#include "base/TextFile.h"

#include <exception>

namespace fs = std::filesystem;

std::uint64_t HashBytes(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 1099511628211ULL;
    }
    return hash;
}

std::optional<FileFingerprint> FingerprintOf(const fs::path& path, std::string_view bytes) {
    std::error_code ec;
    const fs::file_time_type time = fs::last_write_time(path, ec);
    if (ec) {
        return std::nullopt;
    }
    return FileFingerprint{bytes.size(), time, HashBytes(bytes)};
}

bool ChangedSince(const fs::path& path, const FileFingerprint& known) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        return true;
    }
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec || size != known.Size) {
        return true;
    }
    const fs::file_time_type time = fs::last_write_time(path, ec);
    if (!ec && time == known.Time) {
        return false;
    }
    try {
        return HashBytes(ReadFileBytes(path)) != known.Hash;
    } catch (const std::exception&) {
        return true;
    }
}
