#include "wavesets/FileStream.h"

#include "base/TextFile.h"

#include <algorithm>
#include <cerrno>

#ifdef _WIN32
#include <share.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// Fails unless the open file is a regular file that 32-bit positions can cover.
std::int32_t CheckedSize(const std::filesystem::path& path, bool regular, std::int64_t size) {
    if (!regular) {
        ThrowOpenError(path, "Not a regular file");
    }
    if (size > TStream::MaxPosition) {
        ThrowOpenError(path, EFBIG);
    }
    return static_cast<std::int32_t>(size);
}

int SeekFile(std::FILE* file, std::int64_t position) {
#ifdef _WIN32
    return _fseeki64(file, position, SEEK_SET);
#else
    return fseeko(file, static_cast<off_t>(position), SEEK_SET);
#endif
}

} // namespace

TFileStream::TFileStream(const std::filesystem::path& path) {
    EnsureRegularFile(path);
#ifdef _WIN32
    errno = 0;
    file_.reset(_wfsopen(path.c_str(), L"rb", _SH_DENYWR));
    if (!file_) {
        ThrowOpenError(path, errno);
    }
    struct _stat64 info {};
    if (_fstat64(_fileno(file_.get()), &info) != 0) {
        ThrowOpenError(path, errno);
    }
    size_ = CheckedSize(path, (info.st_mode & _S_IFMT) == _S_IFREG, info.st_size);
#else
    // Non-blocking, in case the path was swapped for a pipe since the check above.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        ThrowOpenError(path, errno);
    }
    errno = 0;
    file_.reset(fdopen(fd, "rb"));
    if (!file_) {
        const int error = errno;
        close(fd);
        ThrowOpenError(path, error);
    }
    struct stat info {};
    if (fstat(fd, &info) != 0) {
        ThrowOpenError(path, errno);
    }
    size_ = CheckedSize(path, S_ISREG(info.st_mode), info.st_size);
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
#endif
    // Large blocks: a walk over many small chunks then costs few system calls. No
    // larger than the file, which is mostly small.
    // The buffer is our own: given none, the C library picks its own size.
    const auto bufferSize = static_cast<std::size_t>(std::clamp<std::int32_t>(size_, 512, 1 << 16));
    buffer_ = std::make_unique<char[]>(bufferSize);
    std::setvbuf(file_.get(), buffer_.get(), _IOFBF, bufferSize);
}

std::int32_t TFileStream::Read(void* buffer, std::int32_t count) {
    // Positions stay within 32 bits even if the file has grown since it was opened.
    count = std::min(count, MaxPosition - position_);
    if (count <= 0) {
        return 0;
    }
    if (filePosition_ != position_) {
        if (SeekFile(file_.get(), position_) != 0) {
            filePosition_ = -1;
            return 0;
        }
        filePosition_ = position_;
    }
    const std::size_t n = std::fread(buffer, 1, static_cast<std::size_t>(count), file_.get());
    if (n < static_cast<std::size_t>(count)) {
        // After an end of file or an error the stdio position is not to be trusted.
        std::clearerr(file_.get());
        filePosition_ = -1;
    } else {
        filePosition_ += static_cast<std::int64_t>(n);
    }
    position_ += static_cast<std::int32_t>(n);
    return static_cast<std::int32_t>(n);
}

std::int32_t TFileStream::Write(const void*, std::int32_t) {
    return 0;
}

std::int32_t TFileStream::ZeroRunEnd(std::int32_t position) {
    if (position < 0 || position >= size_) {
        return position;
    }
    const std::int32_t resume = position_;
    std::int32_t end = position;
#ifndef _WIN32
    // A hole reads as zeros without a byte on the disk: skipped without reading.
    const off_t data = lseek(fileno(file_.get()), static_cast<off_t>(position), SEEK_DATA);
    filePosition_ = -1;
    if (data < 0) {
        end = size_; // no data after `position`: the rest is a hole
    } else if (data > position) {
        end = static_cast<std::int32_t>(std::min<off_t>(data, size_));
    }
#endif
    // Then zeros that are really there, a block at a time, for as far as they go.
    char block[1 << 16];
    while (end < size_) {
        MoveTo(end);
        const std::int32_t arrived = Read(block, static_cast<std::int32_t>(sizeof block));
        if (arrived <= 0) {
            break;
        }
        const char* first = std::find_if(block, block + arrived, [](char c) { return c != 0; });
        end += static_cast<std::int32_t>(first - block);
        if (first != block + arrived) {
            break;
        }
    }
    MoveTo(resume);
    return std::min(end, size_);
}
