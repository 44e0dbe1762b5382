// Any bytes as the system.reg of a Wine prefix: the uninstall values are read from
// both views, as the host's discovery reads them, and decoded from their escapes.
#include "Scratch.h"
#include "host/HostInstallation.h"
#include "host/WineRegistryReader.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The text as its file would give it; the prefix's folders map the drive paths found.
    WineRegistryReader registry(Scratch(), std::string(reinterpret_cast<const char*>(data), size));
    // Every reported error is an answer too; discovery goes on after each.
    static_cast<void>(FindHostInstallation(registry, [](const std::string&) {}));
    return 0;
}
