#include "base/TextFile.h"
#include "document/SarvikWaveset.h"
#include "document/WavesetCache.h"
#include "host/HostPaths.h"
#include "wavesets/FileStream.h"
#include "wavesets/WavesetListing.h"

#include <exception>
#include <string>
#include <vector>

// Lists the entries of the waveset file, which always lies in the host's Samples
// folder, and gives every instrument without a wave the first of them when asked to.
void TSarvikWaveset::RebuildSamples(bool fillEmptyWaves) {
    // Outside a load every choice is found and read afresh.
    WavesetCache fresh(installDir_);
    WavesetCache& listings = listings_ ? *listings_ : fresh;
    listings.TakeBack(samples_);
    samples_.Clear();
    if (form_) {
        form_->ClearSamplePopup();
    }
    wavesetUnreadable_ = false;
    const auto path = wavesetFile_.empty() ? std::nullopt : listings.Find(wavesetFile_);
    if (form_) {
        form_->ShowWavesetPath(PathText(path ? *path : WavesetPath()), path.has_value());
    }
    if (const WavesetFormat format = WavesetFormatOf(wavesetFile_); format != WavesetFormat::None) {
        if (path && !listings.Lend(*path, samples_)) {
            // One damaged bank must not stop a load half way: the rest of the file
            // still belongs in the document.
            try {
                TFileStream stream(*path);
                try {
                    ListWaveset(stream, format, samples_);
                } catch (const std::exception& error) {
                    throw FileError(ReadErrorText(*path, error.what()));
                }
            } catch (const std::exception& error) {
                wavesetUnreadable_ = true;
                if (form_) {
                    form_->ReportError(error.what());
                }
            }
            listings.Record(*path);
        }
    }
    for (const auto& oscillator : oscillators_) {
        for (const auto& instrument : oscillator->Instruments()) {
            if (fillEmptyWaves && instrument->Wave().empty() && !samples_.empty()) {
                instrument->SetWave(samples_.front());
            } else {
                // Another waveset judges the same name afresh.
                instrument->ShowWaveMark();
            }
        }
    }
}

std::filesystem::path TSarvikWaveset::WavesetPath() const {
    return wavesetFile_.empty() ? std::filesystem::path()
                                : HostPath(installDir_, "Samples\\" + wavesetFile_);
}

std::string TSarvikWaveset::MissingWaveNote(const std::string& wave) const {
    // An empty wave is told of on saving, as no wave at all.
    if (wave.empty() || samples_.empty() || samples_.Contains(wave)) {
        return {};
    }
    return '"' + wave + "\" is not a sample of \"" + wavesetFile_ + "\".";
}

std::vector<std::string> TSarvikWaveset::MissingWaves() const {
    std::vector<std::string> missing;
    for (std::size_t box = 0; box < oscillators_.size(); ++box) {
        for (const auto& instrument : oscillators_[box]->Instruments()) {
            if (std::string note = MissingWaveNote(instrument->Wave()); !note.empty()) {
                missing.push_back("Oscillator " + std::to_string(box + 1) + ", instrument " +
                                  std::to_string(instrument->Index() + 1) + ": " + note);
            }
        }
    }
    return missing;
}
