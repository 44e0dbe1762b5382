#include "wavesets/subchunk.h"

TSubchunk::TSubchunk() {
    // A virtual call made while constructing reaches the class being constructed;
    // each descendant's constructor repeats the call, so the most derived path wins.
    SetupPath();
}

std::int32_t TSubchunk::Locate(TStream* stream, std::int32_t position) {
    if (position != -1) {
        return position;
    }
    // Whatever chunk starts the stream is the root; its id is not tested.
    TChunk root;
    root.ReadHeader(stream, 0);
    for (std::size_t step = 0; step < Ids.size(); ++step) {
        const std::string& formType = step < FormTypes.size() ? FormTypes[step] : std::string();
        const std::int32_t found = formType.empty() ? root.FindChunk(Ids[step], -1)
                                                    : root.FindListChunk(Ids[step], formType, -1);
        if (found == -1) {
            return -1;
        }
        root.ReadHeaderAt(found);
    }
    return root.Position;
}

void TSubchunk::LoadFromStream(TStream* stream, std::int32_t position) {
    position = Locate(stream, position);
    if (position == -1) {
        Found = false;
        return;
    }
    ReadHeader(stream, position);
    Found = true;
    const std::int32_t resume = stream->Position();
    ReadData();
    stream->Seek(resume, TSeekOrigin::Beginning);
}

void TSubchunk::SetupPath() {}

void TSubchunk::ReadData() {}

void TSubchunk::SaveToStream(TStream* stream, std::int32_t position) {
    position = Locate(stream, position);
    if (position == -1) {
        return;
    }
    WriteHeader(stream, position);
    const std::int32_t resume = stream->Position();
    WriteData();
    stream->Seek(resume, TSeekOrigin::Beginning);
}

void TSubchunk::WriteData() {}
