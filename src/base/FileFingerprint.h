#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

// What a file on disk was at one moment: enough to tell later whether another
// program has changed it since (a changed time alone, with the same bytes, is no
// change).
struct FileFingerprint {
    std::uintmax_t Size = 0;
    std::filesystem::file_time_type Time{};
    std::uint64_t Hash = 0;
};

// A 64-bit FNV-1a hash of the bytes.
std::uint64_t HashBytes(std::string_view bytes);

// The fingerprint of `path` holding `bytes` (just read or written); nothing when the
// file is not there.
std::optional<FileFingerprint> FingerprintOf(const std::filesystem::path& path,
                                             std::string_view bytes);

// Whether the file at `path` differs from `known`: gone, another size, or other bytes.
// The bytes are only read again when size or time have changed.
bool ChangedSince(const std::filesystem::path& path, const FileFingerprint& known);
