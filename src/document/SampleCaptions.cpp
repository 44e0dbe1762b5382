#include "document/SampleCaptions.h"

#include "document/FileNames.h"

#include <charconv>
#include <cstdint>

namespace {

// At least three digits, with leading zeros.
std::string Padded(std::size_t index) {
    std::string digits = std::to_string(index);
    return digits.size() < 3 ? std::string(3 - digits.size(), '0') + digits : digits;
}

// The whole entry as a decimal integer of 32 bits, optionally signed; otherwise 0.
std::int64_t LayerNumber(std::string_view entry) {
    std::string_view digits = entry;
    if (digits.starts_with('+')) {
        digits.remove_prefix(1);
        if (digits.starts_with('-')) {
            return 0;
        }
    }
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size() || digits.empty()) {
        return 0;
    }
    return value;
}

} // namespace

std::string SampleCaption(std::size_t index, std::string_view entry, bool layers) {
    std::string caption = Padded(index) + ": ";
    if (layers) {
        caption += "Layer " + std::to_string(LayerNumber(entry) + 1);
    } else {
        caption += entry;
    }
    return caption;
}

std::vector<std::string> SampleCaptions(const TSampleList& samples, std::string_view wavesetFile) {
    const bool layers = LowercaseExtension(wavesetFile) == ".nsp";
    std::vector<std::string> captions;
    captions.reserve(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        captions.push_back(SampleCaption(i, samples[i], layers));
    }
    return captions;
}
