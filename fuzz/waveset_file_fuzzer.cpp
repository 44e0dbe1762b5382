// Any bytes as a waveset file on disk, listed through the file stream as a bank and
// as a program: the answer (list or error) must be the one the bytes give in memory,
// whatever the stream's read-ahead and hole skipping do.
#include "ScratchFolder.h"
#include "wavesets/FileStream.h"
#include "wavesets/MemoryStream.h"
#include "wavesets/WavesetListing.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>

namespace {

// The list, or the error's message.
struct Answer {
    TSampleList Names;
    std::optional<std::string> Error;
    bool operator==(const Answer& other) const {
        return Error == other.Error && std::ranges::equal(Names, other.Names);
    }
};

Answer ListOn(TStream& stream, WavesetFormat format) {
    Answer answer;
    try {
        ListWaveset(stream, format, answer.Names);
    } catch (const std::exception& error) {
        answer.Error = error.what();
    }
    return answer;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path file = Scratch() / "waveset";
    WriteScratchFile(file, data, size);
    for (const WavesetFormat format : {WavesetFormat::SoundFont2, WavesetFormat::NspProgram}) {
        TFileStream onDisk(file);
        TMemoryStream inMemory(std::string(reinterpret_cast<const char*>(data), size));
        if (ListOn(onDisk, format) != ListOn(inMemory, format)) {
            __builtin_trap();
        }
    }
    return 0;
}
