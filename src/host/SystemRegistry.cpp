#include "host/RegistryReader.h"

#ifdef _WIN32
#include "host/WindowsRegistryReader.h"
#else
#include "host/WineRegistryReader.h"
#endif

std::unique_ptr<RegistryReader> MakeSystemRegistryReader() {
#ifdef _WIN32
    return std::make_unique<WindowsRegistryReader>();
#else
    return std::make_unique<WineRegistryReader>(WineRegistryReader::DefaultPrefix());
#endif
}
