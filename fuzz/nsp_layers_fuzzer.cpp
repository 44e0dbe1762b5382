// Any bytes as a Norvex Sampler program: a list, an empty list or "Range check error".
#include "wavesets/Errors.h"
#include "wavesets/MemoryStream.h"
#include "wavesets/NspUtils.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TMemoryStream stream(std::string(reinterpret_cast<const char*>(data), size));
    TSampleList list;
    list.Assign({"previous"});
    try {
        ListNspLayers(&stream, &list);
        if (list.size() > static_cast<std::size_t>(MaxNspLayers)) {
            __builtin_trap();
        }
    } catch (const RangeCheckError&) {
        if (list.size() != 1 || list.front() != "previous") {
            __builtin_trap();
        }
    }
    return 0;
}
