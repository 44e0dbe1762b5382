#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

// A file that could not be opened, read or written; the message names the file and
// carries the system's own explanation.
class FileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The path as text for messages, in the bytes the user would recognise.
std::string PathText(const std::filesystem::path& path);

// True for a regular file (after following links); never throws.
bool IsRegularFile(const std::filesystem::path& path) noexcept;

// The whole content of a regular file. Throws FileError.
std::string ReadFileBytes(const std::filesystem::path& path);
// The same, but never more than `limit` bytes of it.
std::string ReadFileBytesUpTo(const std::filesystem::path& path, std::size_t limit);

// Whether a replaced file is still its owner's and its group's: only the super-user
// may give a new file to somebody else.
struct OwnershipKept {
    bool Owner = true;
    bool Group = true;
};

// Writes `bytes` to a temporary file beside `path` (beside the file a link points
// to) and renames it over that file, so that a failure at any step leaves the old
// file whole. Keeps the old file's permission bits, attributes and, where it may,
// its owner and group. Throws FileError.
OwnershipKept WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// What a save could not keep, for the status line; empty when all was kept.
std::string OwnershipRemark(const OwnershipKept& kept);

// The message of a file whose content could not be read: its name and `reason`, in
// the form of the other file messages.
std::string ReadErrorText(const std::filesystem::path& path, const std::string& reason);

// Throws FileError unless `path` is a regular file (links followed). Made before
// opening: opening a pipe or a device could block or have effects.
void EnsureRegularFile(const std::filesystem::path& path);

// Throws FileError unless `path` is a regular file that can be opened for reading.
void EnsureReadableFile(const std::filesystem::path& path);

// Throws the FileError of a file that could not be opened: the file's name and
// `reason`, or the system's text for the errno value `error`.
[[noreturn]] void ThrowOpenError(const std::filesystem::path& path, const std::string& reason);
[[noreturn]] void ThrowOpenError(const std::filesystem::path& path, int error);
