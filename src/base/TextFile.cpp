#include "base/TextFile.h"

#include "base/NativeFiles.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <random>
#include <system_error>

#ifdef _WIN32
#include "base/CodePage.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

std::string SystemMessage(int error) {
    return std::generic_category().message(error);
}

[[noreturn]] void Fail(const char* what, const fs::path& path, const std::string& reason) {
    throw FileError(std::string(what) + " \"" + PathText(path) + "\". " + reason);
}

// Where the bytes really go when `path` is a symbolic link (or a chain of them).
fs::path FollowLinks(fs::path path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec))) {
            return path;
        }
        const fs::path target = fs::read_symlink(path, ec);
        if (ec) {
            Fail("Cannot create file", path, ec.message());
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    Fail("Cannot create file", path, SystemMessage(ELOOP));
}

// Opens a new file beside `target` that no one else has, for writing; null with errno
// set when the folder takes no new file.
FilePtr CreateTemporaryBeside(const fs::path& target, fs::path& temporary) {
    std::random_device seed;
    std::mt19937 random(seed());
    const fs::path directory = target.parent_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        // A short name of its own: the target's name may already be as long as the
        // folder allows.
        const fs::path name(".quillkit-" + std::to_string(random() % 1000000U) + ".tmp");
        temporary = directory.empty() ? name : directory / name;
        errno = 0;
        // Never reuse a file that is already there.
        if (FilePtr file = CreateNewFile(temporary)) {
            return file;
        }
        if (errno != EEXIST) {
            return nullptr;
        }
    }
    errno = EEXIST;
    return nullptr;
}

// Writes `bytes` over the start of the open file and cuts it to their length; false
// with errno set when any step fails.
bool Overwrite(FilePtr file, const fs::path& path, std::string_view bytes) {
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size() ||
        std::fflush(file.get()) != 0) {
        return false;
    }
    if (std::fclose(file.release()) != 0) {
        return false;
    }
    std::error_code ec;
    fs::resize_file(path, bytes.size(), ec);
    if (ec) {
        errno = ec.value();
        return false;
    }
    return true;
}

// For a folder that takes no new file but lets the file itself be written: the file
// is written in place, and its old bytes, kept in memory, go back if that fails.
void WriteInPlace(const fs::path& target, std::string_view bytes) {
    const std::string old = ReadFileBytes(target);
    errno = 0;
    FilePtr file = OpenForUpdating(target);
    if (!file) {
        Fail("Cannot write file", target, SystemMessage(errno));
    }
    if (Overwrite(std::move(file), target, bytes)) {
        return;
    }
    const int error = errno;
    if (FilePtr again = OpenForUpdating(target)) {
        Overwrite(std::move(again), target, old);
    }
    Fail("Cannot write file", target, SystemMessage(error));
}

#ifndef _WIN32
// Gives the new file what the old one was before any content goes in: its mode,
// owner and group (kept where the system lets this user), and its extended
// attributes.
OwnershipKept TakeOver(std::FILE* file, const struct stat& old, const fs::path& from) {
    const int fd = fileno(file);
    fchmod(fd, old.st_mode & 07777);
    OwnershipKept kept;
    if (fchown(fd, old.st_uid, old.st_gid) != 0) {
        // Not root: the group alone may still be kept.
        const bool groupSet = fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0;
        struct stat now {};
        if (fstat(fd, &now) == 0) {
            kept.Owner = now.st_uid == old.st_uid;
            kept.Group = now.st_gid == old.st_gid;
        } else {
            // The new file is ours, so the owner is kept only if it was ours already.
            kept.Owner = old.st_uid == geteuid();
            kept.Group = groupSet;
        }
    }
    const ssize_t size = listxattr(from.c_str(), nullptr, 0);
    if (size <= 0) {
        return kept;
    }
    std::string names(static_cast<std::size_t>(size), '\0');
    const ssize_t listed = listxattr(from.c_str(), names.data(), names.size());
    for (std::size_t at = 0; listed > 0 && at < static_cast<std::size_t>(listed);) {
        const char* name = names.c_str() + at;
        const ssize_t length = getxattr(from.c_str(), name, nullptr, 0);
        if (length >= 0 && length <= 65536) {
            std::string value(static_cast<std::size_t>(length), '\0');
            if (getxattr(from.c_str(), name, value.data(), value.size()) == length) {
                fsetxattr(fd, name, value.data(), value.size(), 0);
            }
        }
        at += std::char_traits<char>::length(name) + 1;
    }
    return kept;
}

// Makes a rename in `folder` last through a power cut.
void SyncFolder(const fs::path& folder) {
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}
#endif

} // namespace

std::string PathText(const fs::path& path) {
#ifdef _WIN32
    // Messages are code-page text there; path::string() would give UTF-8, or throw.
    return WideToCodePage(path.native());
#else
    return path.string();
#endif
}

bool IsRegularFile(const fs::path& path) noexcept {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

std::string ReadFileBytes(const fs::path& path) {
    return ReadFileBytesUpTo(path, std::string().max_size());
}

std::string ReadFileBytesUpTo(const fs::path& path, std::size_t limit) {
    errno = 0;
    FilePtr file = OpenForReading(path);
    if (!file) {
        ThrowOpenError(path, errno);
    }
    std::string bytes;
    // The size is only a hint for the first allocation; the loop reads what is there.
    std::error_code ec;
    if (const std::uintmax_t size = fs::file_size(path, ec);
        !ec && size < (std::uintmax_t{1} << 30)) {
        bytes.reserve(std::min(static_cast<std::size_t>(size), limit));
    }
    char buffer[65536];
    while (bytes.size() < limit) {
        const std::size_t wanted = std::min(sizeof buffer, limit - bytes.size());
        const std::size_t count = std::fread(buffer, 1, wanted, file.get());
        bytes.append(buffer, count);
        if (count < wanted) {
            break;
        }
    }
    if (std::ferror(file.get())) {
        Fail("Cannot read file", path, SystemMessage(errno));
    }
    return bytes;
}

OwnershipKept WriteFileAtomically(const fs::path& path, std::string_view bytes) {
    const fs::path target = FollowLinks(path);
    std::error_code statusError;
    const fs::file_status status = fs::status(target, statusError);
    // A device or a pipe is never opened for writing, nor replaced by a file.
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        Fail("Cannot write file", target, "Not a regular file");
    }
#ifndef _WIN32
    struct stat old {};
    const bool known = stat(target.c_str(), &old) == 0;
    // A file of several names stays one file: its other names see the new bytes.
    if (known && old.st_nlink > 1) {
        WriteInPlace(target, bytes);
        return {};
    }
#endif
    // The new file replaces the old one by a rename, which the folder allows even where
    // the file itself is read-only; a file its owner may not write is refused instead.
    errno = 0;
    const bool exists = OpenForUpdating(target) != nullptr;
    if (!exists && errno != ENOENT) {
        Fail("Cannot create file", target, SystemMessage(errno));
    }
    fs::path temporary;
    FilePtr file = CreateTemporaryBeside(target, temporary);
    if (!file) {
        const int error = errno;
        if (exists && (error == EACCES || error == EPERM)) {
            WriteInPlace(target, bytes);
            return {};
        }
        if (error == ENOENT) {
            Fail("Cannot create file", target, SystemMessage(error));
        }
        // The folder itself refused the new file: the message names the folder.
        const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
        Fail("Cannot create a file in", folder, SystemMessage(error));
    }
    OwnershipKept kept;
    try {
#ifndef _WIN32
        if (known) {
            kept = TakeOver(file.get(), old, target);
        }
#endif
        errno = 0;
        if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size() ||
            std::fflush(file.get()) != 0) {
            Fail("Cannot write file", target, SystemMessage(errno));
        }
#ifndef _WIN32
        // On the disk before it replaces the old file.
        if (fsync(fileno(file.get())) != 0) {
            Fail("Cannot write file", target, SystemMessage(errno));
        }
#endif
        errno = 0;
        if (std::fclose(file.release()) != 0) {
            Fail("Cannot write file", target, SystemMessage(errno));
        }
        const std::error_code ec = RenameReplacing(temporary, target);
        if (ec) {
            Fail("Cannot write file", target, ec.message());
        }
#ifndef _WIN32
        SyncFolder(target.parent_path());
#endif
    } catch (...) {
        file.reset();
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw;
    }
    return kept;
}

std::string OwnershipRemark(const OwnershipKept& kept) {
    if (kept.Owner && kept.Group) {
        return {};
    }
    const char* what = !kept.Owner && !kept.Group ? "owner and group"
                       : !kept.Owner              ? "owner"
                                                  : "group";
    return std::string("its ") + what + " could not be kept";
}

std::string ReadErrorText(const fs::path& path, const std::string& reason) {
    return "Cannot read file \"" + PathText(path) + "\". " + reason;
}

void ThrowOpenError(const fs::path& path, const std::string& reason) {
    Fail("Cannot open file", path, reason);
}

void ThrowOpenError(const fs::path& path, int error) {
    ThrowOpenError(path, SystemMessage(error));
}

void EnsureRegularFile(const fs::path& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (!fs::exists(status)) {
        // The system's own reason: a link loop or a folder that may not be searched is
        // no missing file.
        if (ec && ec != std::errc::no_such_file_or_directory) {
            ThrowOpenError(path, ec.message());
        }
        ThrowOpenError(path, ENOENT);
    }
    if (fs::is_directory(status)) {
        ThrowOpenError(path, EISDIR);
    }
    if (!fs::is_regular_file(status)) {
        ThrowOpenError(path, "Not a regular file");
    }
}

void EnsureReadableFile(const fs::path& path) {
    EnsureRegularFile(path);
    errno = 0;
    if (!OpenForReading(path)) {
        ThrowOpenError(path, errno);
    }
}
