#pragma once

#include "wavesets/MemoryStream.h"
#include "wavesets/Stream.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Builders of small RIFF and Norvex Sampler byte fixtures.

inline std::string U32(std::uint32_t value) {
    std::string bytes(4, '\0');
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[i] = static_cast<char>(value >> (8 * i));
    }
    return bytes;
}

inline std::string I32(std::int32_t value) {
    return U32(static_cast<std::uint32_t>(value));
}

// A chunk with the size field its data gives.
inline std::string Chunk(const std::string& id, const std::string& data) {
    return id + U32(static_cast<std::uint32_t>(data.size())) + data;
}

// A chunk whose size field says `size`, whatever follows.
inline std::string ChunkSized(const std::string& id, std::uint32_t size, const std::string& data) {
    return id + U32(size) + data;
}

inline std::string List(const std::string& id, const std::string& formType,
                        const std::string& children) {
    return Chunk(id, formType + children);
}

// A 22-byte SoundFont 2 instrument record; the name is cut or zero-padded to 20 bytes.
inline std::string InstRecord(const std::string& name, std::uint16_t bag = 0) {
    std::string record = name.substr(0, 20);
    record.resize(20, '\0');
    record += static_cast<char>(bag & 0xFF);
    record += static_cast<char>(bag >> 8);
    return record;
}

inline std::string InstRecords(const std::vector<std::string>& names) {
    std::string records;
    for (const std::string& name : names) {
        records += InstRecord(name);
    }
    return records;
}

// A bank laid out as SoundFont 2 banks are, with `inst` as the instrument chunk's data.
inline std::string Bank(const std::string& inst) {
    return List("RIFF", "sfbk",
                List("LIST", "INFO", Chunk("ifil", std::string("\x02\0\x01\0", 4))) +
                    List("LIST", "sdta", Chunk("smpl", std::string(64, '\x7F'))) +
                    List("LIST", "pdta",
                         Chunk("phdr", std::string(38, 'p')) + Chunk("inst", inst) +
                             Chunk("ibag", std::string(8, 'b'))));
}

inline std::string NspProgram(std::int32_t layerCount) {
    return Chunk("NPRG", I32(7) + I32(layerCount) + I32(9));
}

// A memory stream that notes where every read started and how many bytes it asked for.
class RecordingStream final : public TStream {
  public:
    explicit RecordingStream(std::string bytes) : inner_(std::move(bytes)) {}

    std::int32_t Read(void* buffer, std::int32_t count) override {
        Reads.emplace_back(inner_.Position(), count);
        return inner_.Read(buffer, count);
    }
    std::int32_t Write(const void* buffer, std::int32_t count) override {
        return inner_.Write(buffer, count);
    }
    std::int32_t Size() override { return inner_.Size(); }
    std::int32_t Position() override { return inner_.Position(); }
    std::int32_t ZeroRunEnd(std::int32_t position) override { return inner_.ZeroRunEnd(position); }

    // (position, count) of every read, in order.
    std::vector<std::pair<std::int32_t, std::int32_t>> Reads;

  protected:
    void MoveTo(std::int32_t position) override { inner_.Seek(position, TSeekOrigin::Beginning); }

  private:
    TMemoryStream inner_;
};
