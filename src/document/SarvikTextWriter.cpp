#include "base/TextRules.h"
#include "document/NotesWrap.h"
#include "document/SarvikWaveset.h"

#include <string>

namespace {

void AppendKeyLine(std::string& text, std::string_view key, std::string_view value) {
    text += key;
    text += " = ";
    text += value;
    text += CRLF;
}

void AppendKeyLine(std::string& text, std::string_view key, std::int32_t value) {
    text += key;
    text += " = ";
    AppendInteger(text, value);
    text += CRLF;
}

} // namespace

std::string TSarvikWaveset::BuildText() const {
    std::string text;
    // Six key lines with their numbers come to at most 140 bytes besides the wave.
    std::size_t size = 256 + wavesetFile_.size() + 2 * wavesetName_.size() + 2 * notes_.size();
    for (const auto& oscillator : oscillators_) {
        size += 64;
        for (const auto& instrument : oscillator->Instruments()) {
            size += 140 + instrument->Wave().size();
        }
    }
    text.reserve(size);

    const std::vector<std::string> noteLines = WrappedNoteLines(notes_);
    if (!wavesetName_.empty()) {
        text += '\'';
        text += wavesetName_;
        text += CRLF;
        text += '\'';
        text.append(wavesetName_.size(), '-');
        text += CRLF;
    } else if (!noteLines.empty()) {
        // Without an underline the reader would take every notes line for the name.
        text += "'-";
        text += CRLF;
    }
    for (const std::string& line : noteLines) {
        text += '\'';
        text += line;
        text += CRLF;
    }
    if (!noteLines.empty() || !wavesetName_.empty()) {
        text += CRLF;
    }

    text += "waveset = ";
    text += wavesetFile_;
    for (const std::int32_t effect : {FileChorus(), FileReverb(), FileDelay()}) {
        text += ", ";
        AppendInteger(text, effect);
    }
    text += CRLF;
    text += CRLF;

    for (std::size_t i = 0; i < oscillators_.size(); ++i) {
        text += "'------------ OSCILLATOR ";
        AppendInteger(text, static_cast<std::int64_t>(i) + 1);
        text += " ------------";
        text += CRLF;
        AppendKeyLine(text, "osc", static_cast<std::int32_t>(i));
        text += CRLF;
        for (const auto& instrument : oscillators_[i]->Instruments()) {
            AppendKeyLine(text, "instrument", instrument->Wave());
            AppendKeyLine(text, "transpose", instrument->FileTranspose());
            AppendKeyLine(text, "hold", instrument->FileHold());
            AppendKeyLine(text, "blend", instrument->FileBlend());
            AppendKeyLine(text, "volume", instrument->FileVolume());
            AppendKeyLine(text, "reserved", "0, 0");
            text += CRLF;
        }
    }
    return text;
}
