#pragma once

// A folder of this fuzzing process's own, for targets that must reach the file
// system as the program does; removed when the process ends.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

class ScratchFolder {
  public:
    ScratchFolder() { std::filesystem::create_directories(path_); }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_ =
        std::filesystem::temp_directory_path() / ("quillkit-fuzz-" + std::to_string(getpid()));
};

// The folder, made at the first call.
inline const std::filesystem::path& Scratch() {
    static const ScratchFolder folder;
    return folder.Path();
}

// Replaces the content of `file` (keeping its inode, so its other names see it too).
inline void WriteScratchFile(const std::filesystem::path& file, const std::uint8_t* data,
                             std::size_t size) {
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}
