#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class TSarvikInstrument;

// The controls of the editor window that the document writes into.
enum class SarvikKnob { Chorus, Reverb, Delay };
enum class SarvikField { Waveset, WavesetName, Notes };
enum class SarvikPage { Waveset, Oscillators };
enum class InstrumentKnob { Hold, Volume, Blend, Transpose };
inline constexpr std::array AllInstrumentKnobs{InstrumentKnob::Hold, InstrumentKnob::Volume,
                                               InstrumentKnob::Blend, InstrumentKnob::Transpose};

enum class ProblemIcon { Warning, Stop };

// A message the user must see, shown as a modal box with an OK button.
struct Problem {
    std::string Text;
    std::string Caption;
    ProblemIcon Icon = ProblemIcon::Warning;
    // Shown below the text, smaller: what the message is about.
    std::string Detail = {};
};

// One instrument's strip of controls. The instrument owns it; destroying the
// handle removes the strip from its window.
class InstrumentStrip {
  public:
    virtual ~InstrumentStrip() = default;
    virtual void SetKnobPosition(InstrumentKnob knob, std::int32_t position) = 0;
    virtual void SetWaveText(const std::string& text) = 0;
    virtual void SetNumber(std::int32_t number) = 0;
    virtual void FocusWave() = 0;
    // Marks the wave field as naming no entry of the waveset, with `note` saying so;
    // an empty note takes the mark away.
    virtual void SetWaveMissing(const std::string& note) = 0;
};

// The window a document is shown in. The document never sees a widget: every
// effect it has on its window goes through here, and a document without a view
// simply skips these calls.
class SarvikView {
  public:
    virtual ~SarvikView() = default;

    virtual void SetKnobPosition(SarvikKnob knob, std::int32_t position) = 0;
    virtual std::string FieldText(SarvikField field) const = 0;
    virtual void SetFieldText(SarvikField field, const std::string& text) = 0;
    virtual void ShowPage(SarvikPage page) = 0;
    virtual void FocusField(SarvikField field) = 0;

    // The read-only view of the text that saving would write.
    virtual void ShowText(const std::string& text) = 0;

    virtual void ClearSamplePopup() = 0;
    // Where the waveset file was looked up (native path text; empty without a waveset
    // file), and whether a file is there.
    virtual void ShowWavesetPath(const std::string& path, bool found) = 0;
    virtual void OpenSamplePopup(TSarvikInstrument& instrument) = 0;

    // Builds the strip of a new instrument below the existing ones of its oscillator's
    // box. May return nothing when the view shows no strips.
    virtual std::unique_ptr<InstrumentStrip> BuildStrip(TSarvikInstrument& instrument) = 0;

    virtual void ReportProblem(const Problem& problem) = 0;
    // An error that ended part of the work (a damaged waveset file, say), shown as
    // the application shows unexpected errors; the work goes on.
    virtual void ReportError(const std::string& message) = 0;
};
