#pragma once

// Where targets that must reach the file system as the program does keep their files:
// a folder of this process's own, under a random name, removed when the process ends.
#include "TempDir.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

// The folder, made at the first call.
inline const std::filesystem::path& Scratch() {
    static const TempDir folder;
    return folder.Path();
}

// Stops the run: a file that could not be written would have the target fuzz stale
// bytes and report nothing.
[[noreturn]] inline void ScratchFailed(const std::filesystem::path& file) {
    std::fprintf(stderr, "fuzz: cannot write %s\n", file.c_str());
    std::abort();
}

// Replaces the content of `file` (keeping its inode, so its other names see it too).
inline void WriteScratchFile(const std::filesystem::path& file, const std::uint8_t* data,
                             std::size_t size) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    if (!out) {
        ScratchFailed(file);
    }
}
