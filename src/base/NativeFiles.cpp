#include "base/NativeFiles.h"

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

#include <cerrno>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#endif

namespace fs = std::filesystem;

FilePtr OpenForReading(const fs::path& path) {
#ifdef _WIN32
    return FilePtr(_wfopen(path.c_str(), L"rb"));
#else
    return FilePtr(std::fopen(path.c_str(), "rb"));
#endif
}

FilePtr OpenForUpdating(const fs::path& path) {
#ifdef _WIN32
    // The read-only mark is the user's own "do not change"; an administrator's open
    // would pass it by.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        errno = EACCES;
        return nullptr;
    }
    return FilePtr(_wfopen(path.c_str(), L"r+b"));
#else
    return FilePtr(std::fopen(path.c_str(), "r+b"));
#endif
}

FilePtr CreateNewFile(const fs::path& path) {
#ifdef _WIN32
    // The C runtime's fopen knows no "x" mode; _O_EXCL does the same.
    const int fd = _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                          _S_IREAD | _S_IWRITE);
    if (fd < 0) {
        return nullptr;
    }
    FilePtr file(_fdopen(fd, "wb"));
    if (!file) {
        const int error = errno;
        _close(fd);
        errno = error;
    }
    return file;
#else
    // Readable by its owner only until it has taken the old file's mode.
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        return nullptr;
    }
    FilePtr file(fdopen(fd, "wb"));
    if (!file) {
        const int error = errno;
        close(fd);
        errno = error;
    }
    return file;
#endif
}

std::error_code RenameReplacing(const fs::path& from, const fs::path& to) {
    std::error_code ec;
#ifdef _WIN32
    // No copy fallback: the file lies beside its target, and a copy would not be atomic.
    if (!MoveFileExW(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ec.assign(static_cast<int>(GetLastError()), std::system_category());
    }
#else
    fs::rename(from, to, ec);
#endif
    return ec;
}
