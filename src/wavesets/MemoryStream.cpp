#include "wavesets/MemoryStream.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

TMemoryStream::TMemoryStream(std::string bytes) : bytes_(std::move(bytes)) {
    if (bytes_.size() > static_cast<std::size_t>(MaxPosition)) {
        throw std::length_error("A stream holds less than 2 GiB");
    }
}

std::int32_t TMemoryStream::Read(void* buffer, std::int32_t count) {
    const std::int32_t size = Size();
    if (count <= 0 || position_ >= size) {
        return 0;
    }
    const std::int32_t n = std::min(count, size - position_);
    std::memcpy(buffer, bytes_.data() + position_, static_cast<std::size_t>(n));
    position_ += n;
    return n;
}

std::int32_t TMemoryStream::Write(const void* buffer, std::int32_t count) {
    if (count <= 0) {
        return 0;
    }
    const std::int32_t n = std::min(count, MaxPosition - position_);
    const auto end = static_cast<std::size_t>(position_) + static_cast<std::size_t>(n);
    if (end > bytes_.size()) {
        bytes_.resize(end);
    }
    std::memcpy(bytes_.data() + position_, buffer, static_cast<std::size_t>(n));
    position_ += n;
    return n;
}

std::int32_t TMemoryStream::ZeroRunEnd(std::int32_t position) {
    if (position < 0 || static_cast<std::size_t>(position) >= bytes_.size()) {
        return position;
    }
    const std::size_t end = bytes_.find_first_not_of('\0', static_cast<std::size_t>(position));
    return static_cast<std::int32_t>(end == std::string::npos ? bytes_.size() : end);
}
