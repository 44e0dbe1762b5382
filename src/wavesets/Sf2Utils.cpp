#include "wavesets/Sf2Utils.h"

#include "wavesets/inst_chunk.h"

bool ListSf2Instruments(TStream* stream, TSampleList* list) {
    if (!stream || !list) {
        return false;
    }
    TinstChunk chunk;
    stream->Seek(0, TSeekOrigin::Beginning);
    chunk.LoadFromStream(stream, -1);
    std::vector<std::string> names;
    if (chunk.Found) {
        names.reserve(chunk.Records.size());
        for (std::size_t i = 0; i < chunk.Records.size(); ++i) {
            names.push_back(chunk.GetInstrumentName(i));
        }
    }
    list->Assign(std::move(names));
    return true;
}
