#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

// Files opened by their native names: wide characters on Windows, so that a name
// outside the code page opens too.

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Opens an existing file for binary reading; null with errno set on failure.
FilePtr OpenForReading(const std::filesystem::path& path);

// Opens an existing file for binary writing without changing it; null with errno set
// when the file may not be written.
FilePtr OpenForUpdating(const std::filesystem::path& path);

// Creates a file that must not exist yet, for binary writing; null with errno set
// (EEXIST when something is already there) on failure.
FilePtr CreateNewFile(const std::filesystem::path& path);

// Renames `from` to `to` in one step, replacing a file at `to`. On failure both stay
// as they were.
std::error_code RenameReplacing(const std::filesystem::path& from, const std::filesystem::path& to);
