// Times `quillkit-cli samples BANK` against minimal_sf2_names, a plain C reader that
// prints the same lines, as whole processes started side by side in turns. The bank is
// the one named on the command line, else the biggest ".sf2" in /usr/share/sounds/sf2.
// Both programs are taken from this program's folder.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

fs::path BiggestBank(const fs::path& folder) {
    fs::path biggest;
    std::uintmax_t biggestSize = 0;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        std::error_code sizeError;
        const std::uintmax_t size = entry.file_size(sizeError);
        if (!sizeError && entry.path().extension() == ".sf2" && size > biggestSize) {
            biggest = fs::canonical(entry.path(), sizeError); // a link names its file
            biggestSize = size;
        }
    }
    return biggest;
}

// Runs `command` with its standard output going to `output`; false when it could not be
// started or did not end with 0.
bool Run(const std::vector<std::string>& command, const char* output) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output, O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    std::vector<char*> argv;
    for (const std::string& argument : command) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    const int started = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return started == 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const fs::path bank = argc > 1 ? fs::path(argv[1]) : BiggestBank("/usr/share/sounds/sf2");
    if (bank.empty()) {
        std::printf("no bank in /usr/share/sounds/sf2 (the Debian package "
                    "musescore-general-soundfont-lossless holds the biggest)\n");
        return 0;
    }
    const fs::path folder = fs::read_symlink("/proc/self/exe").parent_path();
    const std::vector<std::string> cli{(folder / "quillkit-cli").string(), "samples",
                                       bank.string()};
    const std::vector<std::string> reader{(folder / "minimal_sf2_names").string(), bank.string()};

    // Both must print the very same lines, or the comparison times different work.
    const fs::path scratch =
        fs::temp_directory_path() / ("quillkit-cli-bench-" + std::to_string(getpid()));
    const std::string cliOut = scratch.string() + ".cli";
    const std::string readerOut = scratch.string() + ".c";
    const bool ran = Run(cli, cliOut.c_str()) && Run(reader, readerOut.c_str());
    const std::string listed = Contents(cliOut);
    const bool same = ran && !listed.empty() && listed == Contents(readerOut);
    std::error_code ignored;
    fs::remove(cliOut, ignored);
    fs::remove(readerOut, ignored);
    if (!same) {
        std::fprintf(stderr, "the two programs did not list the same names of %s\n", bank.c_str());
        return 1;
    }

    constexpr int Rounds = 101;
    std::vector<double> cliTimes;
    std::vector<double> readerTimes;
    for (int round = 0; round < Rounds; ++round) {
        for (const bool isCli : {round % 2 == 0, round % 2 != 0}) {
            const auto start = Clock::now();
            if (!Run(isCli ? cli : reader, "/dev/null")) {
                std::fprintf(stderr, "a run failed\n");
                return 1;
            }
            (isCli ? cliTimes : readerTimes)
                .push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        }
    }
    const double cliMs = Median(cliTimes);
    const double readerMs = Median(readerTimes);
    const auto lines = std::count(listed.begin(), listed.end(), '\n');
    std::printf("samples of %s (%s, %ld names): quillkit-cli %.2f ms, a minimal C reader "
                "%.2f ms: %.2f times (whole processes, medians of %d; target: at most 1.5 "
                "times)\n",
                bank.filename().c_str(),
                (std::to_string(fs::file_size(bank) / 1000000) + " MB").c_str(),
                static_cast<long>(lines), cliMs, readerMs, cliMs / readerMs, Rounds);
    return 0;
}
