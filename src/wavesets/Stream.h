#pragma once

#include <cstdint>

enum class TSeekOrigin { Beginning, Current };

// A seekable byte stream with 32-bit positions, owned by whoever opened it.
class TStream {
  public:
    static constexpr std::int32_t MaxPosition = INT32_MAX;

    TStream() = default;
    virtual ~TStream() = default;
    TStream(const TStream&) = delete;
    TStream& operator=(const TStream&) = delete;

    // Reads up to `count` bytes; returns how many arrived (0 at or past the end).
    virtual std::int32_t Read(void* buffer, std::int32_t count) = 0;
    // Writes up to `count` bytes; returns how many were written.
    virtual std::int32_t Write(const void* buffer, std::int32_t count) = 0;
    virtual std::int32_t Size() = 0;
    virtual std::int32_t Position() = 0;

    // Moves to `offset` from `origin` and returns the new position. A position past
    // the end is allowed (reads there give nothing); one beyond the 32-bit range
    // stops at MaxPosition, so a skip by a huge size can never wrap around.
    // Throws StreamSeekError for a position before the start.
    std::int32_t Seek(std::int32_t offset, TSeekOrigin origin);

    // Exactly `count` bytes, or StreamReadError.
    void ReadBuffer(void* buffer, std::int32_t count);
    // Exactly `count` bytes, or StreamWriteError.
    void WriteBuffer(const void* buffer, std::int32_t count);

    // Where the run of zero bytes that starts at `position` ends, as far as the stream
    // can tell cheaply (a hole of a sparse file, bytes in memory); `position` itself
    // when it cannot tell, or when no byte lies there (before 0, at or past Size()).
    // Otherwise never past Size(). Leaves Position() as it was.
    virtual std::int32_t ZeroRunEnd(std::int32_t position);

  protected:
    // `position` lies within 0 .. MaxPosition.
    virtual void MoveTo(std::int32_t position) = 0;
};
