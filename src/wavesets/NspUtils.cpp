#include "wavesets/NspUtils.h"

#include "wavesets/NspFile.h"

bool ListNspLayers(TStream* stream, TSampleList* list) {
    if (!stream || !list) {
        return false;
    }
    TNspFile file;
    file.LoadFromStream(stream);
    std::vector<std::string> names;
    if (const TNspNPRGChunk* program = file.GetNPRGChunk();
        program && program->LayerCount() <= MaxNspLayers) {
        for (std::int32_t layer = 0; layer < program->LayerCount(); ++layer) {
            names.push_back(std::to_string(layer));
        }
    }
    list->Assign(std::move(names));
    return true;
}
