#pragma once

#include "wavesets/Stream.h"

#include <string>

// A stream over bytes held in memory. Writing past the end extends them.
class TMemoryStream final : public TStream {
  public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::string bytes);

    std::int32_t Read(void* buffer, std::int32_t count) override;
    std::int32_t Write(const void* buffer, std::int32_t count) override;
    std::int32_t Size() override { return static_cast<std::int32_t>(bytes_.size()); }
    std::int32_t Position() override { return position_; }

    const std::string& Bytes() const { return bytes_; }
    std::int32_t ZeroRunEnd(std::int32_t position) override;

  protected:
    void MoveTo(std::int32_t position) override { position_ = position; }

  private:
    std::string bytes_;
    std::int32_t position_ = 0;
};
