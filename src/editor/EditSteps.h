#pragma once

#include "document/SarvikView.h"
#include "editor/EditHistory.h"

#include <QUndoCommand>

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

class TSarvikInstrument;
class TSarvikWaveset;

// An instrument by its place: its oscillator's box and its index there. Steps keep
// places, not instruments, since undoing a deletion makes the instrument anew.
struct InstrumentPlace {
    int Box = -1;
    std::int32_t Index = -1;
    bool operator==(const InstrumentPlace&) const = default;
};
InstrumentPlace PlaceOf(const TSarvikInstrument& instrument);
// The instrument at `place`; throws std::out_of_range when there is none.
TSarvikInstrument& InstrumentAt(TSarvikWaveset& document, InstrumentPlace place);

// What a step changed, so that only changes of the same thing merge.
struct StepTarget {
    int Subject = 0;
    InstrumentPlace Place = {};
    bool operator==(const StepTarget&) const = default;
};

// A change the user has already made, of one thing from one value to another. Pushing it
// does nothing more; changes of the same target in the same gesture merge into one step,
// and a step that ends where it began is dropped.
class TChangeStep : public QUndoCommand {
  public:
    TChangeStep(TEditHistory& history, const QString& name, StepTarget target, GestureKind gesture);

    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override;
    void undo() override;
    void redo() override;

  protected:
    TSarvikWaveset& Document() const { return history_.Document(); }
    // Puts the value of after the step (true) or of before it.
    virtual void Apply(bool after) = 0;
    // Takes the end value of `later`, a change of the same target.
    virtual void Absorb(const TChangeStep& later) = 0;
    virtual bool ChangesNothing() const = 0;

  private:
    TEditHistory& history_;
    StepTarget target_;
    GestureKind kind_;
    std::uint64_t gesture_;
    std::chrono::steady_clock::time_point last_;
    bool pushed_ = false;
};

// A value in knob units: an effect knob or a knob of an instrument.
class TKnobStep final : public TChangeStep {
  public:
    TKnobStep(TEditHistory& history, SarvikKnob knob, std::int32_t before, std::int32_t after,
              bool dragging);
    TKnobStep(TEditHistory& history, InstrumentPlace place, InstrumentKnob knob,
              std::int32_t before, std::int32_t after, bool dragging);

  protected:
    void Apply(bool after) override;
    void Absorb(const TChangeStep& later) override;
    bool ChangesNothing() const override { return before_ == after_; }

  private:
    bool effect_;
    SarvikKnob effectKnob_ = SarvikKnob::Chorus;
    InstrumentKnob instrumentKnob_ = InstrumentKnob::Hold;
    InstrumentPlace place_;
    std::int32_t before_;
    std::int32_t after_;
};

// The name, the notes or an instrument's wave.
class TTextStep final : public TChangeStep {
  public:
    TTextStep(TEditHistory& history, const QString& name, TextField field, InstrumentPlace place,
              std::string before, std::string after, GestureKind gesture);

  protected:
    void Apply(bool after) override;
    void Absorb(const TChangeStep& later) override;
    bool ChangesNothing() const override { return before_ == after_; }

  private:
    TextField field_;
    InstrumentPlace place_;
    std::string before_;
    std::string after_;
};

// The waveset file, with the name that follows it and the waves its first entry filled.
class TWavesetFileStep final : public TChangeStep {
  public:
    struct WaveChange {
        InstrumentPlace Place;
        std::string Before;
        std::string After;
    };
    struct State {
        std::string File;
        std::string Name;
    };
    TWavesetFileStep(TEditHistory& history, State before, State after,
                     std::vector<WaveChange> waves, GestureKind gesture);

  protected:
    void Apply(bool after) override;
    void Absorb(const TChangeStep& later) override;
    bool ChangesNothing() const override;

  private:
    State before_;
    State after_;
    std::vector<WaveChange> waves_;
};

// What an instrument holds, to make it again.
struct InstrumentSettings {
    std::string Wave;
    std::array<std::int32_t, 4> Knobs{};
};
InstrumentSettings SettingsOf(const TSarvikInstrument& instrument);

// Add Instrument: a new instrument below the others of an oscillator.
class TAddInstrumentStep final : public QUndoCommand {
  public:
    TAddInstrumentStep(TEditHistory& history, int box);
    void undo() override;
    void redo() override;

  private:
    TEditHistory& history_;
    int box_;
    std::string wave_;
    bool done_ = false;
};

// Delete Instrument; undo puts it back at its place with its wave and values. Deleting
// an oscillator's only instrument leaves a new one, which undo takes away again.
class TDeleteInstrumentStep final : public QUndoCommand {
  public:
    TDeleteInstrumentStep(TEditHistory& history, InstrumentPlace place);
    void undo() override;
    void redo() override;

  private:
    TEditHistory& history_;
    InstrumentPlace place_;
    InstrumentSettings deleted_;
    bool wasOnly_;
    InstrumentSettings replacement_;
    bool done_ = false;
};
