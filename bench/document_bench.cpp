// Loads and writes a large Sarvik file and prints how long each step takes.
#include "document/SarvikFile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::string GeneratedFile(int instrumentsPerOscillator, std::size_t notesBytes) {
    std::string notes;
    while (notes.size() < notesBytes) {
        notes += "Notes about the waveset, written at some length. ";
    }
    notes.resize(notesBytes);

    TSarvikWaveset document;
    document.SetWavesetName("Benchmark bank");
    document.SetNotes(notes);
    document.SetWavesetFile("bench.sf2");
    document.SetFileChorus(10);
    for (const auto& oscillator : document.Oscillators()) {
        for (int i = 0; i < instrumentsPerOscillator; ++i) {
            TSarvikInstrument& instrument =
                i == 0 ? *oscillator->Instruments()[0] : oscillator->AddInstrument();
            instrument.SetWave("Instrument " + std::to_string(i));
            instrument.SetFileTranspose(i % 49 - 24);
            instrument.SetFileHold(i * 7 % 10000);
            instrument.SetFileBlend(i * 13 % 10000);
            instrument.SetFileVolume(i % 129);
        }
    }
    return document.BuildText();
}

double Milliseconds(std::chrono::steady_clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main() {
    const std::string text = GeneratedFile(1000, 1024);
    const auto path = std::filesystem::temp_directory_path() / "quillkit-bench.txt";
    std::ofstream(path, std::ios::binary) << text;

    std::vector<double> loads;
    std::vector<double> builds;
    for (int run = 0; run < 30; ++run) {
        TSarvikWaveset document;
        const auto start = std::chrono::steady_clock::now();
        document.LoadFromFile(path);
        const auto loaded = std::chrono::steady_clock::now();
        const std::string built = document.BuildText();
        const auto end = std::chrono::steady_clock::now();
        if (built != text) {
            std::fprintf(stderr, "round trip changed the text\n");
            return 1;
        }
        loads.push_back(Milliseconds(loaded - start));
        builds.push_back(Milliseconds(end - loaded));
    }
    std::filesystem::remove(path);

    const double load = Median(loads);
    const double build = Median(builds);
    std::printf("file: 4 x 1000 instruments, 1 KiB notes, %zu bytes\n", text.size());
    std::printf("load (read + parse): %.2f ms (median of %zu)\n", load, loads.size());
    std::printf("BuildText:           %.2f ms\n", build);
    std::printf("total:               %.2f ms (target: under 10 ms)\n", load + build);
    return 0;
}
