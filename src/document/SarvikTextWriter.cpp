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

// A body line ends at an apostrophe (a comment follows): a value holding one is
// written as the file will read it back.
std::string_view HeldValue(std::string_view value) {
    const std::size_t apostrophe = value.find('\'');
    return apostrophe == std::string_view::npos ? value
                                                : TrimRightBlanks(value.substr(0, apostrophe));
}

// The waveset file ends at a comma, where the effects begin, and at an apostrophe.
std::string_view HeldWavesetFile(std::string_view file) {
    const std::size_t end = file.find_first_of(",'");
    return end == std::string_view::npos ? file : TrimRightBlanks(file.substr(0, end));
}

// A name line that begins with a hyphen is the underline: such a name is written
// without its leading hyphens (and the blanks among them).
std::string_view HeldName(std::string_view name) {
    if (!TrimBlanks(name).starts_with('-')) {
        return name;
    }
    std::size_t start = 0;
    while (start < name.size() &&
           (name[start] == '-' || static_cast<unsigned char>(name[start]) <= 32)) {
        ++start;
    }
    return TrimBlanks(name.substr(start));
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

    // Lines of the wrapped notes are written in place: notes of many lines cost no
    // string for each.
    const std::string wrapped = WrapNotes(notes_);
    const bool hasNotes = !wrapped.empty();
    const std::string_view name = HeldName(wavesetName_);
    const std::string_view file = HeldWavesetFile(wavesetFile_);
    if (!name.empty()) {
        text += '\'';
        text += name;
        text += CRLF;
        text += '\'';
        text.append(name.size(), '-');
        text += CRLF;
    } else if (hasNotes || !file.empty()) {
        // Without an underline the reader would take every notes line for the name,
        // and without a name the name would follow the waveset file.
        text += "'-";
        text += CRLF;
    }
    ForEachLine(wrapped, [&text](std::string_view line) {
        text += '\'';
        text += line;
        text += CRLF;
        return true;
    });
    if (hasNotes || !name.empty() || !file.empty()) {
        text += CRLF;
    }

    text += "waveset = ";
    text += file;
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
            AppendKeyLine(text, "instrument", HeldValue(instrument->Wave()));
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
