#include "wavesets/Stream.h"

#include "wavesets/Errors.h"

std::int32_t TStream::Seek(std::int32_t offset, TSeekOrigin origin) {
    const std::int64_t base = origin == TSeekOrigin::Current ? Position() : 0;
    const std::int64_t target = base + offset;
    if (target < 0) {
        throw StreamSeekError();
    }
    const auto position = static_cast<std::int32_t>(target > MaxPosition ? MaxPosition : target);
    MoveTo(position);
    return position;
}

std::int32_t TStream::ZeroRunEnd(std::int32_t position) {
    return position;
}

void TStream::ReadBuffer(void* buffer, std::int32_t count) {
    if (count != 0 && Read(buffer, count) != count) {
        throw StreamReadError();
    }
}

void TStream::WriteBuffer(const void* buffer, std::int32_t count) {
    if (count != 0 && Write(buffer, count) != count) {
        throw StreamWriteError();
    }
}
