// Lists generated SoundFont 2 banks and prints what it costs: bytes read and time
// per listing of a 200 MB bank, and time per listing of a bank of 10 000 instruments.
#include "support/RiffBytes.h"

#include "wavesets/FileStream.h"
#include "wavesets/Sf2Utils.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A bank laid out as real ones are: INFO, the sample data, then the preset data.
// The sample data is a hole in a sparse file: no disk space, never read.
struct GeneratedBank {
    std::uint64_t FileSize;
    std::int32_t SampleStart;
    std::int32_t SampleEnd;
    std::int32_t InstBytes;
};

GeneratedBank WriteBank(const fs::path& path, const std::vector<std::string>& names,
                        std::uint32_t sampleBytes) {
    const std::string info =
        List("LIST", "INFO",
             Chunk("ifil", std::string("\x02\0\x01\0", 4)) + Chunk("isng", "EMU8000\0") +
                 Chunk("INAM", "Generated bank\0\0"));
    const std::string inst = InstRecords(names) + InstRecord("EOI");
    const std::string pdta =
        List("LIST", "pdta",
             Chunk("phdr", std::string(38 * 2, 'p')) + Chunk("pbag", std::string(8, 'b')) +
                 Chunk("pmod", std::string(10, 'm')) + Chunk("pgen", std::string(8, 'g')) +
                 Chunk("inst", inst) + Chunk("ibag", std::string(8, 'b')) +
                 Chunk("imod", std::string(10, 'm')) + Chunk("igen", std::string(8, 'g')) +
                 Chunk("shdr", std::string(46 * 2, 's')));
    const std::string sdtaHeader =
        ChunkSized("LIST", 4 + 8 + sampleBytes, "sdta") + ChunkSized("smpl", sampleBytes, "");
    const std::uint64_t riffSize = 4 + info.size() + sdtaHeader.size() + sampleBytes + pdta.size();
    const std::string head =
        ChunkSized("RIFF", static_cast<std::uint32_t>(riffSize), "sfbk") + info + sdtaHeader;

    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << head;
    out.seekp(static_cast<std::streamoff>(head.size() + sampleBytes));
    out << pdta;
    out.close();
    return {8 + riffSize, static_cast<std::int32_t>(head.size()),
            static_cast<std::int32_t>(head.size() + sampleBytes),
            static_cast<std::int32_t>(inst.size())};
}

// Passes everything through and counts what was read, and where.
class CountingStream final : public TStream {
  public:
    explicit CountingStream(TStream& inner) : inner_(inner) {}

    std::int32_t Read(void* buffer, std::int32_t count) override {
        const std::int32_t from = inner_.Position();
        const std::int32_t arrived = inner_.Read(buffer, count);
        BytesRead += arrived;
        ++Reads;
        Positions.insert(from);
        if (from < SampleEnd && from + arrived > SampleStart) {
            SampleBytesRead += arrived;
        }
        return arrived;
    }
    std::int32_t Write(const void* buffer, std::int32_t count) override {
        return inner_.Write(buffer, count);
    }
    std::int32_t Size() override { return inner_.Size(); }
    std::int32_t Position() override { return inner_.Position(); }

    std::int64_t BytesRead = 0;
    std::int64_t SampleBytesRead = 0;
    std::int64_t Reads = 0;
    std::set<std::int32_t> Positions;
    std::int32_t SampleStart = 0;
    std::int32_t SampleEnd = 0;

  protected:
    void MoveTo(std::int32_t position) override { inner_.Seek(position, TSeekOrigin::Beginning); }

  private:
    TStream& inner_;
};

std::vector<std::string> InstrumentNames(int count) {
    static const char* const kinds[] = {"Piano", "bass", "Organ", "strings", "PAD", "Lead"};
    std::mt19937 random(7);
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        names.push_back(std::string(kinds[random() % 6]) + " " + std::to_string(random() % 100000));
    }
    return names;
}

// Opens, lists and closes, as the editor does for every change of waveset file.
std::size_t ListOnce(const fs::path& path) {
    TFileStream stream(path);
    TSampleList list;
    ListSf2Instruments(&stream, &list);
    return list.size();
}

// Median milliseconds of `runs` listings after one warm-up listing.
double MedianListingMs(const fs::path& path, int runs, std::size_t expected) {
    if (ListOnce(path) != expected) {
        std::fprintf(stderr, "listed the wrong number of instruments\n");
        std::exit(1);
    }
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const std::size_t listed = ListOnce(path);
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        if (listed != expected) {
            std::exit(1);
        }
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main() {
    const fs::path dir =
        fs::temp_directory_path() / ("quillkit-bench-" + std::to_string(std::random_device()()));
    fs::create_directories(dir);

    const fs::path large = dir / "large.sf2";
    const std::vector<std::string> names = InstrumentNames(128);
    const GeneratedBank bank = WriteBank(large, names, 200U * 1000U * 1000U);
    {
        TFileStream file(large);
        CountingStream counting(file);
        counting.SampleStart = bank.SampleStart;
        counting.SampleEnd = bank.SampleEnd;
        TSampleList list;
        ListSf2Instruments(&counting, &list);
        const std::int64_t headerBytes = counting.BytesRead - bank.InstBytes;
        std::printf("200 MB bank (%llu bytes, %zu instruments):\n",
                    static_cast<unsigned long long>(bank.FileSize), list.size());
        std::printf("  bytes read: %lld = %d of the \"inst\" chunk + %lld of headers walked\n",
                    static_cast<long long>(counting.BytesRead), bank.InstBytes,
                    static_cast<long long>(headerBytes));
        std::printf("  reads: %lld at %zu positions; sample data bytes read: %lld\n",
                    static_cast<long long>(counting.Reads), counting.Positions.size(),
                    static_cast<long long>(counting.SampleBytesRead));
    }
    std::printf("  time per listing, warm cache (open, list, sort, close): %.3f ms "
                "(target: under 1 ms)\n",
                MedianListingMs(large, 2000, names.size()));

    const fs::path many = dir / "many.sf2";
    const std::vector<std::string> manyNames = InstrumentNames(10000);
    WriteBank(many, manyNames, 1000U * 1000U);
    std::printf("bank of 10 000 instruments:\n");
    std::printf("  time per listing and sorting (open, list, sort, close): %.3f ms "
                "(target: under 20 ms)\n",
                MedianListingMs(many, 200, manyNames.size()));

    std::error_code ignored;
    fs::remove_all(dir, ignored);
    return 0;
}
