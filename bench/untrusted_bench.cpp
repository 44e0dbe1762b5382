// Prints what hostile or broken files cost: listing zero-filled (sparse) wavesets of
// 16 MiB, 128 MiB and 1 GiB of each kind, and loading a Sarvik file of 12 MiB of line
// breaks (CR LF, then bare CR). Each case runs in a process of its own, so its peak
// memory is its own.
#include "document/SarvikWaveset.h"
#include "wavesets/FileStream.h"
#include "wavesets/WavesetListing.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

// Runs `work` in a child; prints its time and the child's peak resident memory.
void Measure(const std::string& what, const std::function<void()>& work, const char* target) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        work();
        _exit(0);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-44s %9.1f ms %8.1f MB peak%s  (target: %s)\n", what.c_str(), ms,
                static_cast<double>(usage.ru_maxrss) / 1024.0,
                WIFEXITED(status) && WEXITSTATUS(status) == 0 ? "" : " FAILED", target);
}

void Sparse(const fs::path& path, std::uintmax_t size) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).close();
    fs::resize_file(path, size);
}

void List(const fs::path& path) {
    TFileStream stream(path);
    TSampleList list;
    try {
        ListWaveset(stream, WavesetFormatOf(path.string()), list);
    } catch (const std::exception&) {
        // an error is a result too
    }
}

} // namespace

int main() {
    const fs::path dir =
        fs::temp_directory_path() / ("quillkit-bench-" + std::to_string(std::random_device()()));
    fs::create_directories(dir);
    for (const auto& [label, size] : {std::pair{"16 MiB", std::uintmax_t{16} << 20},
                                      std::pair{"128 MiB", std::uintmax_t{128} << 20},
                                      std::pair{"1 GiB", std::uintmax_t{1} << 30}}) {
        for (const char* extension : {".sf2", ".nsp"}) {
            const fs::path file = dir / (std::string("zeros") + extension);
            Sparse(file, size);
            Measure(
                std::string("list a zero-filled ") + label + " " + extension,
                [&file] { List(file); }, "50 ms, 10 MB");
            fs::remove(file);
        }
    }
    for (const auto& [label, breaks] :
         {std::pair{"CR LF", std::string("\r\n")}, std::pair{"bare CR", std::string("\r")}}) {
        const fs::path file = dir / "breaks.txt";
        std::string bytes;
        while (bytes.size() < (std::size_t{12} << 20)) {
            bytes += breaks;
        }
        std::ofstream(file, std::ios::binary) << bytes;
        Measure(
            std::string("load 12 MiB of ") + label + " line breaks",
            [&file] {
                TSarvikWaveset document;
                document.LoadFromFile(file);
            },
            "500 ms, 40 MB");
    }
    std::error_code ignored;
    fs::remove_all(dir, ignored);
    return 0;
}
