#pragma once

#include "wavesets/Stream.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TNspFile;

// One chunk of a Norvex Sampler program file: a four-byte id, a 32-bit size (taken
// as signed) and that many data bytes. This one only steps over its data.
class TNspChunk {
  public:
    explicit TNspChunk(TNspFile* owner) : Owner(owner) {}
    virtual ~TNspChunk() = default;
    TNspChunk(const TNspChunk&) = delete;
    TNspChunk& operator=(const TNspChunk&) = delete;

    // Reads what the chunk needs of its data and steps over the rest.
    virtual void Load();

    std::int32_t Size = 0;
    std::string Id;
    // Of the chunk's first header byte.
    std::uint32_t Offset = 0;
    // Not owned.
    TNspFile* Owner;

  protected:
    // Steps over the data bytes this chunk has not read; nothing when its size,
    // taken as signed, leaves none.
    void SkipRest();
};

using TNspSampleInfo = std::array<unsigned char, 104>;
using TNspSampleInfoList = std::vector<TNspSampleInfo>;
using TNspLayerInfoList = std::vector<std::uint8_t>;

// The program header.
class TNspNPRGChunk final : public TNspChunk {
  public:
    using TNspChunk::TNspChunk;
    void Load() override;

    std::int32_t LayerCount() const { return Header[1]; }

    // Three 32-bit words; the second is the number of layers.
    std::array<std::int32_t, 3> Header{};
};

class TNspLYRSChunk final : public TNspChunk {
  public:
    using TNspChunk::TNspChunk;
    void Load() override;

    // Never filled.
    TNspLayerInfoList Layers;
};

class TNspSIFSChunk final : public TNspChunk {
  public:
    using TNspChunk::TNspChunk;
    // Throws RangeCheckError for a size of -104 or less: a negative record count.
    void Load() override;

    TNspSampleInfoList SampleInfos;
};

class TNspSDATChunk final : public TNspChunk {
  public:
    using TNspChunk::TNspChunk;
};

// Splits a Norvex Sampler program file into its flat sequence of chunks.
class TNspFile {
  public:
    TNspFile() = default;
    virtual ~TNspFile() = default;
    TNspFile(const TNspFile&) = delete;
    TNspFile& operator=(const TNspFile&) = delete;

    // A real program has four chunks; past this many a file is no program, and
    // walking on would cost time and memory in proportion to its size.
    static constexpr std::size_t MaxChunks = 1024;

    // Reads the chunks from the start of `stream`, at most MaxChunks of them; a null
    // stream changes nothing.
    virtual void LoadFromStream(TStream* stream);

    // Up to `count` bytes, moving Position on by what arrived; never fails.
    std::int32_t Read(void* buffer, std::int32_t count);
    // The next chunk, or null once fewer than 8 header bytes arrive.
    std::unique_ptr<TNspChunk> ReadChunk();
    // The first chunk in file order whose id is `id`, or null.
    TNspChunk* FindChunk(std::string_view id) const;
    TNspNPRGChunk* GetNPRGChunk() const;

    std::vector<std::unique_ptr<TNspChunk>> Chunks;
    // Not owned.
    TStream* Stream = nullptr;
    // How far reading has got.
    std::uint32_t Position = 0;
};
