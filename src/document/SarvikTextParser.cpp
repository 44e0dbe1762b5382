#include "document/SarvikWaveset.h"
#include "document/TextRules.h"

#include <string>

struct TSarvikWaveset::ParseState {
    ParseStage Stage = ParseStage::Header;
    std::string Paragraph;
    std::vector<std::string> NoteLines;
    std::int32_t Oscillator = 0;
    std::int32_t Instrument = -1;
};

namespace {

bool StartsWithWavesetKey(std::string_view line) {
    return line.size() >= 7 && EqualsIgnoringAsciiCase(line.substr(0, 7), "waveset");
}

enum class BodyKey { Other, Waveset, Osc, Instrument, Transpose, Hold, Blend, Volume };

BodyKey KeyOf(std::string_view key) {
    struct Name {
        std::string_view Text;
        BodyKey Key;
    };
    static constexpr Name Names[] = {
        {"instrument", BodyKey::Instrument},
        {"transpose", BodyKey::Transpose},
        {"hold", BodyKey::Hold},
        {"blend", BodyKey::Blend},
        {"volume", BodyKey::Volume},
        {"osc", BodyKey::Osc},
        {"waveset", BodyKey::Waveset},
    };
    for (const Name& name : Names) {
        if (EqualsIgnoringAsciiCase(key, name.Text)) {
            return name.Key;
        }
    }
    return BodyKey::Other;
}

std::string JoinNoteLines(const std::vector<std::string>& lines) {
    std::string notes;
    for (const std::string& line : lines) {
        notes += line;
        notes += CRLF;
    }
    return notes;
}

// Takes the next comma-separated field off `rest`; "0" when no comma is left.
std::string_view TakeField(std::string_view& rest) {
    const std::size_t comma = rest.find(',');
    if (comma == std::string_view::npos) {
        return "0";
    }
    const std::string_view field = TrimBlanks(rest.substr(0, comma));
    rest = TrimBlanks(rest.substr(comma + 1));
    return field;
}

// Points the document at the listings of this parse for as long as it lasts.
class ListingsInUse {
  public:
    ListingsInUse(WavesetListings*& current, WavesetListings& listings) : current_(current) {
        current_ = &listings;
    }
    ~ListingsInUse() { current_ = nullptr; }
    ListingsInUse(const ListingsInUse&) = delete;
    ListingsInUse& operator=(const ListingsInUse&) = delete;

  private:
    WavesetListings*& current_;
};

} // namespace

bool TSarvikWaveset::ParseLines(const std::vector<std::string>& lines) {
    ParseState state;
    bool parsed = true;
    {
        UpdateGuard updating(*this);
        WavesetListings listings;
        const ListingsInUse inUse(listings_, listings);
        for (const std::string& rawLine : lines) {
            const std::string_view line = TrimBlanks(rawLine);
            if (line.empty()) {
                continue;
            }
            if (state.Stage != ParseStage::Body && StartsWithWavesetKey(line)) {
                if (!state.Paragraph.empty()) {
                    state.NoteLines.push_back(std::move(state.Paragraph));
                }
                SetNotes(JoinNoteLines(state.NoteLines));
                state.Stage = ParseStage::Body;
            }
            if (state.Stage == ParseStage::Body) {
                if (!ParseBodyLine(line, state)) {
                    parsed = false;
                    break;
                }
                continue;
            }
            if (line.front() != '\'') {
                continue;
            }
            const std::string_view comment = TrimBlanks(line.substr(1));
            if (state.Stage == ParseStage::Header) {
                if (!comment.empty() && comment.front() == '-') {
                    state.Stage = ParseStage::Notes;
                } else {
                    SetWavesetName(std::string(comment));
                }
            } else if (comment.empty()) {
                // An empty comment line closes the open paragraph and stands for one
                // empty line of its own, so blank lines survive a load and a save.
                if (!state.Paragraph.empty()) {
                    state.NoteLines.push_back(std::move(state.Paragraph));
                    state.Paragraph.clear();
                }
                state.NoteLines.emplace_back();
            } else {
                if (!state.Paragraph.empty()) {
                    state.Paragraph += ' ';
                }
                state.Paragraph += comment;
            }
        }
    }
    if (parsed) {
        SetModified(false);
    } else {
        // What the earlier lines set stays, so the document differs from any file.
        modified_ = true;
        NotifyModified();
    }
    return parsed;
}

TSarvikInstrument* TSarvikWaveset::ParsedInstrument(const ParseState& state) const {
    if (state.Oscillator < 0 || static_cast<std::size_t>(state.Oscillator) >= oscillators_.size() ||
        state.Instrument < 0) {
        return nullptr;
    }
    const auto& instruments =
        oscillators_[static_cast<std::size_t>(state.Oscillator)]->Instruments();
    const auto index = static_cast<std::size_t>(state.Instrument);
    return index < instruments.size() ? instruments[index].get() : nullptr;
}

bool TSarvikWaveset::ParseBodyLine(std::string_view line, ParseState& state) {
    if (line.front() == '\'') {
        return true;
    }
    if (const std::size_t apostrophe = line.find('\''); apostrophe != std::string_view::npos) {
        line = TrimRightBlanks(line.substr(0, apostrophe));
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return true;
    }
    const BodyKey key = KeyOf(TrimBlanks(line.substr(0, equals)));
    const std::string_view value = TrimBlanks(line.substr(equals + 1));

    switch (key) {
    case BodyKey::Other:
        return true;
    case BodyKey::Waveset:
        ParseWavesetValue(value);
        return true;
    case BodyKey::Osc:
        state.Oscillator = ParseIntegerOr0(value);
        state.Instrument = -1;
        return true;
    case BodyKey::Instrument: {
        if (state.Oscillator < 0 ||
            static_cast<std::size_t>(state.Oscillator) >= oscillators_.size()) {
            return false;
        }
        TSarvikOscillator& oscillator = *oscillators_[static_cast<std::size_t>(state.Oscillator)];
        const auto wanted = static_cast<std::size_t>(state.Instrument + 1) + 1;
        if (wanted > oscillator.Instruments().size() && wanted > MaxInstrumentsPerOscillator) {
            return false;
        }
        ++state.Instrument;
        while (oscillator.Instruments().size() < wanted) {
            oscillator.AddInstrument();
        }
        ParsedInstrument(state)->SetWave(std::string(value));
        return true;
    }
    case BodyKey::Transpose:
    case BodyKey::Hold:
    case BodyKey::Blend:
    case BodyKey::Volume:
        break;
    }

    TSarvikInstrument* instrument = ParsedInstrument(state);
    if (!instrument) {
        return false;
    }
    const std::int32_t number = ParseIntegerOr0(value);
    switch (key) {
    case BodyKey::Transpose:
        instrument->SetFileTranspose(number);
        break;
    case BodyKey::Hold:
        instrument->SetFileHold(number);
        break;
    case BodyKey::Blend:
        instrument->SetFileBlend(number);
        break;
    default:
        instrument->SetFileVolume(number);
        break;
    }
    return true;
}

void TSarvikWaveset::ParseWavesetValue(std::string_view value) {
    std::string_view rest = value;
    std::string file;
    if (const std::size_t comma = value.find(','); comma != std::string_view::npos) {
        file = AsciiLower(TrimBlanks(value.substr(0, comma)));
        rest = TrimBlanks(value.substr(comma + 1));
    } else {
        file = std::string(value);
    }
    SetWavesetFile(file);
    const std::int32_t chorus = ParseIntegerOr0(TakeField(rest));
    const std::int32_t reverb = ParseIntegerOr0(TakeField(rest));
    const std::int32_t delay = ParseIntegerOr0(TrimBlanks(rest));
    SetFileChorus(chorus);
    SetFileReverb(reverb);
    SetFileDelay(delay);
}
