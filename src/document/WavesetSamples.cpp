#include "base/TextFile.h"
#include "document/SarvikWaveset.h"
#include "document/WavesetCache.h"
#include "wavesets/FileStream.h"
#include "wavesets/WavesetListing.h"

#include <exception>

// Lists the entries of the waveset file, which always lies in the host's Samples
// folder, and gives every instrument without a wave the first of them.
void TSarvikWaveset::RebuildSamples() {
    // Outside a load every choice is found and read afresh.
    WavesetCache fresh(installDir_);
    WavesetCache& listings = listings_ ? *listings_ : fresh;
    listings.TakeBack(samples_);
    samples_.Clear();
    if (form_) {
        form_->ClearSamplePopup();
    }
    if (const WavesetFormat format = WavesetFormatOf(wavesetFile_); format != WavesetFormat::None) {
        const auto path = listings.Find(wavesetFile_);
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
                if (form_) {
                    form_->ReportError(error.what());
                }
            }
            listings.Record(*path);
        }
    }
    if (samples_.empty()) {
        return;
    }
    for (const auto& oscillator : oscillators_) {
        for (const auto& instrument : oscillator->Instruments()) {
            if (instrument->Wave().empty()) {
                instrument->SetWave(samples_.front());
            }
        }
    }
}
