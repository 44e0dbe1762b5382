#include "editor/EditSteps.h"

#include "document/SarvikFile.h"
#include "editor/InstrumentStripView.h"

#include <algorithm>
#include <stdexcept>
#include <typeinfo>
#include <utility>

namespace {

// What a step changes, for StepTarget::Subject.
enum Subject : int {
    EffectSubject = 10,     // + the knob
    InstrumentSubject = 20, // + the knob, with the place
    NameSubject = 30,
    NotesSubject = 31,
    WaveSubject = 32, // with the place
    WavesetFileSubject = 40,
};

// A run of keys or wheel turns ends after this long without a change.
constexpr std::chrono::milliseconds KeyRunPause(1000);

QString KnobName(SarvikKnob knob) {
    switch (knob) {
    case SarvikKnob::Chorus:
        return QStringLiteral("Chorus");
    case SarvikKnob::Reverb:
        return QStringLiteral("Reverb");
    case SarvikKnob::Delay:
        break;
    }
    return QStringLiteral("Delay");
}

QString KnobName(InstrumentKnob knob) {
    switch (knob) {
    case InstrumentKnob::Hold:
        return QStringLiteral("Hold");
    case InstrumentKnob::Volume:
        return QStringLiteral("Volume");
    case InstrumentKnob::Blend:
        return QStringLiteral("Blend");
    case InstrumentKnob::Transpose:
        break;
    }
    return QStringLiteral("Transpose");
}

TSarvikOscillator& OscillatorAt(TSarvikWaveset& document, int box) {
    return *document.Oscillators().at(static_cast<std::size_t>(box));
}

void ApplySettings(TSarvikInstrument& instrument, const InstrumentSettings& settings) {
    instrument.SetWave(settings.Wave);
    for (const InstrumentKnob knob : AllInstrumentKnobs) {
        ApplyKnobPosition(instrument, knob, settings.Knobs[static_cast<std::size_t>(knob)]);
    }
}

} // namespace

InstrumentPlace PlaceOf(const TSarvikInstrument& instrument) {
    return {instrument.Oscillator().Box(), instrument.Index()};
}

TSarvikInstrument& InstrumentAt(TSarvikWaveset& document, InstrumentPlace place) {
    return *OscillatorAt(document, place.Box)
                .Instruments()
                .at(static_cast<std::size_t>(place.Index));
}

InstrumentSettings SettingsOf(const TSarvikInstrument& instrument) {
    InstrumentSettings settings{instrument.Wave(), {}};
    for (const InstrumentKnob knob : AllInstrumentKnobs) {
        settings.Knobs[static_cast<std::size_t>(knob)] = InstrumentValue(instrument, knob);
    }
    return settings;
}

TChangeStep::TChangeStep(TEditHistory& history, const QString& name, StepTarget target,
                         GestureKind gesture)
    : QUndoCommand(name), history_(history), target_(target), kind_(gesture),
      gesture_(history.Gesture()), last_(history.Now()) {}

bool TChangeStep::mergeWith(const QUndoCommand* other) {
    const auto* later = dynamic_cast<const TChangeStep*>(other);
    if (!later || typeid(*later) != typeid(*this) || later->target_ != target_ ||
        later->kind_ != kind_ || later->gesture_ != gesture_ ||
        (kind_ == GestureKind::KeyRun && later->last_ - last_ > KeyRunPause)) {
        return false;
    }
    Absorb(*later);
    last_ = later->last_;
    setObsolete(ChangesNothing());
    return true;
}

void TChangeStep::undo() {
    history_.Restore([this] { Apply(false); });
}

void TChangeStep::redo() {
    // The first redo is the push of a change already made.
    if (!std::exchange(pushed_, true)) {
        return;
    }
    history_.Restore([this] { Apply(true); });
}

TKnobStep::TKnobStep(TEditHistory& history, SarvikKnob knob, std::int32_t before,
                     std::int32_t after, bool dragging)
    : TChangeStep(history, KnobName(knob), {EffectSubject + static_cast<int>(knob), {}},
                  dragging ? GestureKind::Drag : GestureKind::KeyRun),
      effect_(true), effectKnob_(knob), before_(before), after_(after) {}

TKnobStep::TKnobStep(TEditHistory& history, InstrumentPlace place, InstrumentKnob knob,
                     std::int32_t before, std::int32_t after, bool dragging)
    : TChangeStep(history, KnobName(knob), {InstrumentSubject + static_cast<int>(knob), place},
                  dragging ? GestureKind::Drag : GestureKind::KeyRun),
      effect_(false), instrumentKnob_(knob), place_(place), before_(before), after_(after) {}

void TKnobStep::Apply(bool after) {
    const std::int32_t value = after ? after_ : before_;
    if (effect_) {
        Document().SetEffect(effectKnob_, value);
    } else {
        ApplyKnobPosition(InstrumentAt(Document(), place_), instrumentKnob_, value);
    }
}

void TKnobStep::Absorb(const TChangeStep& later) {
    after_ = static_cast<const TKnobStep&>(later).after_;
}

TTextStep::TTextStep(TEditHistory& history, const QString& name, TextField field,
                     InstrumentPlace place, std::string before, std::string after,
                     GestureKind gesture)
    : TChangeStep(history, name,
                  {field == TextField::WavesetName ? NameSubject
                   : field == TextField::Notes     ? NotesSubject
                                                   : WaveSubject,
                   place},
                  gesture),
      field_(field), place_(place), before_(std::move(before)), after_(std::move(after)) {}

void TTextStep::Apply(bool after) {
    const std::string& value = after ? after_ : before_;
    switch (field_) {
    case TextField::WavesetName:
        Document().SetWavesetName(value);
        break;
    case TextField::Notes:
        Document().SetNotes(value);
        break;
    case TextField::Wave:
        InstrumentAt(Document(), place_).SetWave(value);
        break;
    }
}

void TTextStep::Absorb(const TChangeStep& later) {
    after_ = static_cast<const TTextStep&>(later).after_;
}

TWavesetFileStep::TWavesetFileStep(TEditHistory& history, State before, State after,
                                   std::vector<WaveChange> waves, GestureKind gesture)
    : TChangeStep(history, QStringLiteral("Waveset File"), {WavesetFileSubject, {}}, gesture),
      before_(std::move(before)), after_(std::move(after)), waves_(std::move(waves)) {}

void TWavesetFileStep::Apply(bool after) {
    // The waves first, so that the file's listing marks them as they will stand; the
    // file then lists its entries without filling any wave.
    for (const WaveChange& change : waves_) {
        InstrumentAt(Document(), change.Place).SetWave(after ? change.After : change.Before);
    }
    const State& state = after ? after_ : before_;
    Document().RestoreWavesetFile(state.File);
    Document().SetWavesetName(state.Name);
}

void TWavesetFileStep::Absorb(const TChangeStep& later) {
    const auto& step = static_cast<const TWavesetFileStep&>(later);
    after_ = step.after_;
    for (const WaveChange& change : step.waves_) {
        const auto known = std::find_if(waves_.begin(), waves_.end(), [&](const WaveChange& held) {
            return held.Place == change.Place;
        });
        if (known == waves_.end()) {
            waves_.push_back(change);
        } else {
            known->After = change.After;
        }
    }
}

bool TWavesetFileStep::ChangesNothing() const {
    return before_.File == after_.File && before_.Name == after_.Name &&
           std::all_of(waves_.begin(), waves_.end(),
                       [](const WaveChange& change) { return change.Before == change.After; });
}

TAddInstrumentStep::TAddInstrumentStep(TEditHistory& history, int box)
    : QUndoCommand(QStringLiteral("Add Instrument")), history_(history), box_(box) {}

void TAddInstrumentStep::redo() {
    history_.Restore([this] {
        TSarvikInstrument& added = OscillatorAt(history_.Document(), box_).AddInstrument();
        // Again as it was first added, whatever the waveset lists now.
        if (std::exchange(done_, true)) {
            added.SetWave(wave_);
        } else {
            wave_ = added.Wave();
        }
    });
}

void TAddInstrumentStep::undo() {
    history_.Restore([this] {
        TSarvikOscillator& oscillator = OscillatorAt(history_.Document(), box_);
        oscillator.DeleteInstrument(static_cast<std::int32_t>(oscillator.Instruments().size()) - 1);
    });
}

TDeleteInstrumentStep::TDeleteInstrumentStep(TEditHistory& history, InstrumentPlace place)
    : QUndoCommand(QStringLiteral("Delete Instrument")), history_(history), place_(place),
      deleted_(SettingsOf(InstrumentAt(history.Document(), place))),
      wasOnly_(OscillatorAt(history.Document(), place.Box).Instruments().size() == 1) {}

void TDeleteInstrumentStep::redo() {
    history_.Restore([this] {
        TSarvikOscillator& oscillator = OscillatorAt(history_.Document(), place_.Box);
        oscillator.DeleteInstrument(place_.Index);
        if (!wasOnly_) {
            return;
        }
        if (std::exchange(done_, true)) {
            ApplySettings(*oscillator.Instruments().front(), replacement_);
            return;
        }
        replacement_ = SettingsOf(*oscillator.Instruments().front());
        // An instrument as fresh as the one that replaces it: nothing to take back.
        setObsolete(replacement_.Wave == deleted_.Wave && replacement_.Knobs == deleted_.Knobs);
    });
}

void TDeleteInstrumentStep::undo() {
    history_.Restore([this] {
        TSarvikOscillator& oscillator = OscillatorAt(history_.Document(), place_.Box);
        ApplySettings(oscillator.InsertInstrument(place_.Index), deleted_);
        if (wasOnly_) {
            oscillator.DeleteInstrument(place_.Index + 1);
        }
    });
}
