#pragma once

#include "wavesets/LISTpdta_subchunk.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// One instrument record of a SoundFont 2 "inst" chunk, 22 bytes on disk.
struct TSfInstRecord {
    static constexpr std::int32_t StoredSize = 22;

    // Ended by a zero byte when shorter than 20.
    std::array<char, 20> Name{};
    // Index of the instrument's first zone; kept, not used.
    std::uint16_t BagIndex = 0;
};

// The instrument chunk of a bank's preset-data list: the records before the
// terminal record "EOI".
class TinstChunk : public TLISTpdtaSubchunk {
  public:
    TinstChunk();

    void SetupPath() override;
    void ReadData() override;
    void WriteData() override;

    // The name of record `index`: its 20 bytes, cut before the first zero byte.
    std::string GetInstrumentName(std::size_t index) const;

    std::vector<TSfInstRecord> Records;
};
