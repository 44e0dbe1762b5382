#pragma once

#include "wavesets/SampleList.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>

// The waveset files that one load has found and read. A file may name its waveset on
// every line; each is found and read once, and a damaged one reported once.
class WavesetCache {
  public:
    // Wavesets are looked up in the Samples folder of the host installed there.
    explicit WavesetCache(std::filesystem::path installDir) : installDir_(std::move(installDir)) {}

    // Where the waveset file lies in the host's Samples folder, if anywhere.
    std::optional<std::filesystem::path> Find(const std::string& wavesetFile);

    // The document's list goes back to the file it was lent from, if any; the document
    // holds one file's list at a time, so lending moves it instead of copying it.
    void TakeBack(TSampleList& samples);
    // Lends the list read from `path` before; false when it has not been read yet.
    bool Lend(const std::filesystem::path& path, TSampleList& samples);
    // `samples` was just read from `path`, and is now lent.
    void Record(const std::filesystem::path& path);

  private:
    std::filesystem::path installDir_;
    std::map<std::string, std::optional<std::filesystem::path>> paths_;
    std::map<std::filesystem::path, TSampleList> listings_;
    std::optional<std::filesystem::path> lent_;
};
