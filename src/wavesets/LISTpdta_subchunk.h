#pragma once

#include "wavesets/subchunk.h"

// The common base of readers of chunks inside a SoundFont 2 bank's preset-data list.
// Its second path step is left to a descendant; on its own it never finds a chunk.
class TLISTpdtaSubchunk : public TSubchunk {
  public:
    TLISTpdtaSubchunk();

    void SetupPath() override;
    void ReadData() override;
    void WriteData() override;
};
