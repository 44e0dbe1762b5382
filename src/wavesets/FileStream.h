#pragma once

#include "wavesets/Stream.h"

#include <cstdio>
#include <filesystem>
#include <memory>

// A read-only stream over a regular file. Other readers may share the file; on
// Windows writers are denied while it is open. Positions are 32-bit, so a file of
// 2 GiB or more is refused when opened rather than read in part.
class TFileStream final : public TStream {
  public:
    // Throws FileError when `path` is not a regular file, cannot be opened, or is too
    // large for 32-bit positions.
    explicit TFileStream(const std::filesystem::path& path);

    std::int32_t Read(void* buffer, std::int32_t count) override;
    // The stream is read-only: nothing is ever written.
    std::int32_t Write(const void* buffer, std::int32_t count) override;
    std::int32_t Size() override { return size_; }
    std::int32_t Position() override { return position_; }
    // The holes of a sparse file, and zero bytes read ahead in large blocks.
    std::int32_t ZeroRunEnd(std::int32_t position) override;

  protected:
    void MoveTo(std::int32_t position) override { position_ = position; }

  private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    // Declared first so that it outlives the file that reads into it.
    std::unique_ptr<char[]> buffer_;
    std::unique_ptr<std::FILE, Closer> file_;
    std::int32_t size_ = 0;
    // Where reading goes on, and where the file itself stands: seeking only moves the
    // former, so positional reads that return to where they were cost no system call.
    std::int32_t position_ = 0;
    std::int64_t filePosition_ = 0;
};
