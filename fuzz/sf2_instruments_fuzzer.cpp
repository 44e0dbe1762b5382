// Any bytes as a SoundFont 2 bank: a list, an empty list or "Stream read error".
#include "wavesets/Errors.h"
#include "wavesets/MemoryStream.h"
#include "wavesets/Sf2Utils.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TMemoryStream stream(std::string(reinterpret_cast<const char*>(data), size));
    TSampleList list;
    list.Assign({"previous"});
    try {
        ListSf2Instruments(&stream, &list);
    } catch (const StreamReadError&) {
        if (list.size() != 1 || list.front() != "previous") {
            __builtin_trap();
        }
    }
    return 0;
}
