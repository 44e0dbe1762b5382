#include "wavesets/NspUtils.h"

#include "wavesets/NspFile.h"

#include <string>

std::vector<std::string> LayerNamesInOrder(std::int32_t count) {
    std::vector<std::string> names;
    if (count <= 0) {
        return names;
    }
    names.reserve(static_cast<std::size_t>(count));
    // "0", then 1, 10, 100, ..., 11, ..., 2, ...: decimal numbers in text order,
    // each the next of the last without sorting. The digits are kept as text beside
    // the number, so each name is one copy of them.
    names.emplace_back("0");
    std::int64_t number = 1;
    std::string digits = "1";
    for (std::int32_t i = 1; i < count; ++i) {
        names.push_back(digits);
        if (i + 1 == count) {
            break; // the last name has no next
        }
        if (number * 10 < count) {
            number *= 10;
            digits += '0';
        } else {
            while (number + 1 >= count || number % 10 == 9) {
                number /= 10;
                digits.pop_back();
            }
            ++number;
            ++digits.back();
        }
    }
    return names;
}

bool ListNspLayers(TStream* stream, TSampleList* list) {
    if (!stream || !list) {
        return false;
    }
    TNspFile file;
    file.LoadFromStream(stream);
    std::vector<std::string> names;
    if (const TNspNPRGChunk* program = file.GetNPRGChunk();
        program && program->LayerCount() <= MaxNspLayers) {
        names = LayerNamesInOrder(program->LayerCount());
    }
    list->AssignInOrder(std::move(names));
    return true;
}
