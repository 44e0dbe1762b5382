// Any bytes as a waveset file on disk, listed through the file stream as a bank and
// as a program: the answer (list or error) must be the one the same bytes give in
// memory, whatever the stream's read-ahead and hole skipping do. Each run of 64 or
// more zero bytes stands for 64 times as many, left as a hole of the file, so that
// small inputs reach the holes of large sparse files.
#include "Scratch.h"
#include "wavesets/FileStream.h"
#include "wavesets/MemoryStream.h"
#include "wavesets/WavesetListing.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t HoleRun = 64;
constexpr std::size_t Widening = 64;
// Keeps one run within a few milliseconds however many runs the input has.
constexpr std::size_t MaxFileSize = std::size_t{4} << 20;

// The file's bytes, and the stretches left unwritten.
struct SparseFile {
    std::string Bytes;
    std::vector<std::pair<std::size_t, std::size_t>> Holes; // offset, length
};

SparseFile Widened(std::string_view input) {
    SparseFile file;
    for (std::size_t at = 0; at < input.size();) {
        const std::size_t zeros = std::min(input.find_first_not_of('\0', at), input.size()) - at;
        if (zeros >= HoleRun && file.Bytes.size() + zeros * Widening <= MaxFileSize) {
            file.Holes.emplace_back(file.Bytes.size(), zeros * Widening);
            file.Bytes.append(zeros * Widening, '\0');
        } else {
            // The zeros, if any, are written; then the bytes up to the next zeros.
            const std::size_t next = std::min(input.find('\0', at + zeros), input.size());
            file.Bytes.append(input.substr(at, next - at));
            at = next;
            continue;
        }
        at += zeros;
    }
    return file;
}

// Writes what lies between the holes; the file's length makes the last one.
void Write(const std::filesystem::path& path, const SparseFile& file) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    bool written = fd >= 0 && ftruncate(fd, static_cast<off_t>(file.Bytes.size())) == 0;
    std::size_t at = 0;
    auto hole = file.Holes.begin();
    while (written && at < file.Bytes.size()) {
        const std::size_t end = hole == file.Holes.end() ? file.Bytes.size() : hole->first;
        if (end > at) {
            written = pwrite(fd, file.Bytes.data() + at, end - at, static_cast<off_t>(at)) ==
                      static_cast<ssize_t>(end - at);
        }
        at = hole == file.Holes.end() ? end : hole->first + hole->second;
        if (hole != file.Holes.end()) {
            ++hole;
        }
    }
    if (fd >= 0 && close(fd) != 0) {
        written = false;
    }
    if (!written) {
        ScratchFailed(path);
    }
}

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
    const std::filesystem::path path = Scratch() / "waveset";
    const SparseFile file = Widened(std::string_view(reinterpret_cast<const char*>(data), size));
    Write(path, file);
    for (const WavesetFormat format : {WavesetFormat::SoundFont2, WavesetFormat::NspProgram}) {
        TFileStream onDisk(path);
        TMemoryStream inMemory(file.Bytes);
        if (ListOn(onDisk, format) != ListOn(inMemory, format)) {
            __builtin_trap();
        }
    }
    return 0;
}
