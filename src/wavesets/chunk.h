#pragma once

#include "wavesets/Stream.h"

#include <cstdint>
#include <string>
#include <string_view>

// One RIFF chunk header at a known stream position. Every read is positional: it
// seeks where it is told and puts the stream back where it found it.
class TChunk {
  public:
    TChunk() = default;
    virtual ~TChunk() = default;
    TChunk(const TChunk&) = delete;
    TChunk& operator=(const TChunk&) = delete;

    // Reads the header at `position` into this object.
    virtual void ReadHeader(TStream* stream, std::int32_t position);
    // Writes Id, Size and, for "RIFF" and "LIST", FormType at `position`.
    virtual void WriteHeader(TStream* stream, std::int32_t position);

    // For -1 the first child of this chunk; otherwise the chunk behind the one at
    // `position`. -1 when that lies at or past the end of the stream, or when a size
    // so large that the sum wraps around would lead back instead of on.
    std::int32_t NextChunkPos(std::int32_t position);
    // The first chunk with `id` among those following `startPos` (-1: from the first
    // child on), or -1.
    std::int32_t FindChunk(std::string_view id, std::int32_t startPos);
    // As FindChunk, but the chunk must also carry `formType`.
    std::int32_t FindListChunk(std::string_view id, std::string_view formType,
                               std::int32_t startPos);
    // Moves this object onto another chunk of its own stream.
    void ReadHeaderAt(std::int32_t position);

    static bool IsList(std::string_view id) { return id == "RIFF" || id == "LIST"; }

    std::string Id;
    std::uint32_t Size = 0;
    // Size + 8, in 32-bit arithmetic.
    std::uint32_t TotalSize = 0;
    // Empty unless Id is "RIFF" or "LIST".
    std::string FormType;
    // Not owned.
    TStream* Stream = nullptr;
    // -1: no chunk.
    std::int32_t Position = -1;
    // Just behind the header; for a list, its first child.
    std::int32_t DataStart = -1;
};
