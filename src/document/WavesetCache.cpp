#include "document/WavesetCache.h"

#include "host/HostPaths.h"

#include <utility>

std::optional<std::filesystem::path> WavesetCache::Find(const std::string& wavesetFile) {
    const auto [known, added] = paths_.try_emplace(wavesetFile);
    if (added) {
        known->second = FindHostFile(installDir_, "Samples\\" + wavesetFile);
    }
    return known->second;
}

void WavesetCache::TakeBack(TSampleList& samples) {
    if (lent_) {
        listings_[*lent_] = std::move(samples);
        lent_.reset();
    }
}

bool WavesetCache::Lend(const std::filesystem::path& path, TSampleList& samples) {
    const auto listing = listings_.find(path);
    if (listing == listings_.end()) {
        return false;
    }
    samples = std::move(listing->second);
    lent_ = path;
    return true;
}

void WavesetCache::Record(const std::filesystem::path& path) {
    listings_[path];
    lent_ = path;
}
