#include "document/SampleCaptions.h"

#include "base/TextRules.h"
#include "wavesets/WavesetListing.h"

#include <cstdint>

namespace {

// At least three digits, with leading zeros.
std::string Padded(std::size_t index) {
    std::string digits = std::to_string(index);
    return digits.size() < 3 ? std::string(3 - digits.size(), '0') + digits : digits;
}

} // namespace

std::string SampleCaption(std::size_t index, std::string_view entry, bool layers) {
    std::string caption = Padded(index) + ": ";
    if (layers) {
        // The number the wave field and the file get, not one counted from 1.
        caption += "Layer " + std::to_string(ParseIntegerOr0(entry));
    } else {
        caption += entry;
    }
    return caption;
}

std::vector<std::string> SampleCaptions(const TSampleList& samples, std::string_view wavesetFile) {
    const bool layers = WavesetFormatOf(wavesetFile) == WavesetFormat::NspProgram;
    std::vector<std::string> captions;
    captions.reserve(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        captions.push_back(SampleCaption(i, samples[i], layers));
    }
    return captions;
}
