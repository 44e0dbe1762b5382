#pragma once

#include "wavesets/chunk.h"

#include <string>
#include <vector>

// A chunk that knows the path of ids leading to it from the start of the file,
// finds itself by that path, and lets a descendant read or write its data.
class TSubchunk : public TChunk {
  public:
    TSubchunk();

    // `position` -1: find the chunk by its path; otherwise the chunk's header is
    // there. Afterwards Found tells whether it was found; if so ReadData has run.
    // The stream's position is restored.
    virtual void LoadFromStream(TStream* stream, std::int32_t position);
    // Fills Ids and FormTypes; here a path of no steps.
    virtual void SetupPath();
    virtual void ReadData();
    // Locates the chunk as LoadFromStream does and, if it is there, writes this
    // object's header and data over it in place. Found is left as it was.
    virtual void SaveToStream(TStream* stream, std::int32_t position);
    virtual void WriteData();

    bool Found = false;
    // One entry per step from the file's first chunk: the id to look for.
    std::vector<std::string> Ids;
    // Parallel to Ids: a non-empty entry is the form type that step must carry.
    std::vector<std::string> FormTypes;

  private:
    std::int32_t Locate(TStream* stream, std::int32_t position);
};
