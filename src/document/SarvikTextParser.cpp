#include "document/SarvikTextParser.h"

#include "base/TextRules.h"
#include "document/NotesWrap.h"
#include "document/SarvikWaveset.h"

#include <string>

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

enum class ParseStage { Header, Notes, Body };

// Reads the lines of a file into a document, one stage of the file after another.
class SarvikTextParser {
  public:
    explicit SarvikTextParser(TSarvikWaveset& document) : document_(document) {}
    // One line of the file; false when it cannot be placed.
    bool Feed(std::string_view rawLine);

  private:
    bool ParseBodyLine(std::string_view line);
    void ParseWavesetValue(std::string_view value);
    TSarvikInstrument* ParsedInstrument() const;

    TSarvikWaveset& document_;
    struct {
        ParseStage Stage = ParseStage::Header;
        NotesReader Notes;
        std::int32_t Oscillator = 0;
        std::int32_t Instrument = -1;
        // An underline below no name: the name was cleared on purpose, and stays so
        // when the waveset line would otherwise make the name follow the file.
        bool EmptyNameGiven = false;
    } state_;
};

} // namespace

bool SarvikTextParser::Feed(std::string_view rawLine) {
    const std::string_view line = TrimBlanks(rawLine);
    if (line.empty()) {
        return true;
    }
    if (state_.Stage != ParseStage::Body && StartsWithWavesetKey(line)) {
        document_.SetNotes(StableNotes(state_.Notes.Notes()));
        state_.Stage = ParseStage::Body;
    }
    if (state_.Stage == ParseStage::Body) {
        return ParseBodyLine(line);
    }
    if (line.front() != '\'') {
        return true;
    }
    const std::string_view comment = TrimBlanks(line.substr(1));
    if (state_.Stage == ParseStage::Header) {
        if (!comment.empty() && comment.front() == '-') {
            state_.Stage = ParseStage::Notes;
            // Written for notes under no name; a longer underline is an old file's.
            state_.EmptyNameGiven = comment == "-" && document_.WavesetName().empty();
        } else {
            document_.SetWavesetName(std::string(comment));
        }
    } else {
        state_.Notes.Add(comment);
    }
    return true;
}

TSarvikInstrument* SarvikTextParser::ParsedInstrument() const {
    if (state_.Oscillator < 0 ||
        static_cast<std::size_t>(state_.Oscillator) >= document_.Oscillators().size() ||
        state_.Instrument < 0) {
        return nullptr;
    }
    const auto& instruments =
        document_.Oscillators()[static_cast<std::size_t>(state_.Oscillator)]->Instruments();
    const auto index = static_cast<std::size_t>(state_.Instrument);
    return index < instruments.size() ? instruments[index].get() : nullptr;
}

bool SarvikTextParser::ParseBodyLine(std::string_view line) {
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
        state_.Oscillator = ParseIntegerOr0(value);
        state_.Instrument = -1;
        return true;
    case BodyKey::Instrument: {
        if (state_.Oscillator < 0 ||
            static_cast<std::size_t>(state_.Oscillator) >= document_.Oscillators().size()) {
            return false;
        }
        TSarvikOscillator& oscillator =
            *document_.Oscillators()[static_cast<std::size_t>(state_.Oscillator)];
        const auto wanted = static_cast<std::size_t>(state_.Instrument + 1) + 1;
        if (wanted > oscillator.Instruments().size() &&
            wanted > TSarvikWaveset::MaxInstrumentsPerOscillator) {
            return false;
        }
        ++state_.Instrument;
        while (oscillator.Instruments().size() < wanted) {
            oscillator.AddInstrument();
        }
        ParsedInstrument()->SetWave(std::string(value));
        return true;
    }
    case BodyKey::Transpose:
    case BodyKey::Hold:
    case BodyKey::Blend:
    case BodyKey::Volume:
        break;
    }

    TSarvikInstrument* instrument = ParsedInstrument();
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

void SarvikTextParser::ParseWavesetValue(std::string_view value) {
    std::string_view rest = value;
    std::string file;
    if (const std::size_t comma = value.find(','); comma != std::string_view::npos) {
        file = AsciiLower(TrimBlanks(value.substr(0, comma)));
        rest = TrimBlanks(value.substr(comma + 1));
    } else {
        // Lowered like a file named before a comma: what is written has the comma.
        file = AsciiLower(value);
    }
    document_.SetWavesetFile(file);
    if (state_.EmptyNameGiven && !document_.WavesetName().empty()) {
        document_.SetWavesetName({});
    }
    const std::int32_t chorus = ParseIntegerOr0(TakeField(rest));
    const std::int32_t reverb = ParseIntegerOr0(TakeField(rest));
    const std::int32_t delay = ParseIntegerOr0(TrimBlanks(rest));
    document_.SetFileChorus(chorus);
    document_.SetFileReverb(reverb);
    document_.SetFileDelay(delay);
}

bool ParseSarvikText(TSarvikWaveset& document, const std::vector<std::string>& lines) {
    SarvikTextParser parser(document);
    for (const std::string& line : lines) {
        if (!parser.Feed(line)) {
            return false;
        }
    }
    return true;
}

bool ParseSarvikText(TSarvikWaveset& document, std::string_view text) {
    SarvikTextParser parser(document);
    return ForEachLine(text, [&parser](std::string_view line) { return parser.Feed(line); });
}
