#pragma once

#include "document/SarvikView.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class QLabel;
class TCustomDIBKnob;
class TDIBContainer;
class TDIBEdit;
class TDIBGlyphButton;
class TDIBKnob;
class TSarvikInstrument;
class TSarvikWaveset;

// Every strip is this tall, so that a column knows where each lies before it is built.
inline constexpr int StripHeight = 100;
inline constexpr int StripMinimumWidth = 234;

// The position of an instrument's knob, as the instrument holds it.
std::int32_t InstrumentValue(const TSarvikInstrument& instrument, InstrumentKnob knob);
// What a turn of an instrument's knob to `position` does to the instrument and its
// document: the value set, the document modified, its text view refreshed.
void ApplyKnobPosition(TSarvikInstrument& instrument, InstrumentKnob knob, std::int32_t position);

// One instrument's strip: its number, wave field, sample button and four knobs with
// live read-outs. Knob changes go straight into the instrument and mark the document.
class TInstrumentStripView : public QWidget {
    Q_OBJECT
  public:
    TInstrumentStripView(TSarvikInstrument& instrument, int number);

    TSarvikInstrument& Instrument() const { return *instrument_; }
    TDIBContainer* Container() const { return container_; }
    QLabel* NumberLabel() const { return numberLabel_; }
    TDIBEdit* WaveEdit() const { return waveEdit_; }
    TDIBGlyphButton* SampleButton() const { return sampleButton_; }
    TDIBKnob* Knob(InstrumentKnob knob) const;
    QLabel* ValueLabel(InstrumentKnob knob) const;

    // Runs the change handler of `knob` as a turn of it would.
    void KnobChanged(InstrumentKnob knob);
    // Shows the wave field in the warning colour with `note` as its tip; an empty
    // note shows it as usual.
    void SetWaveMissing(const QString& note);

  signals:
    // The strip's menu is asked for at `globalPosition`.
    void PopupRequested(TInstrumentStripView* strip, QPoint globalPosition);
    // The user turned `knob` from `before` to where the instrument now holds it.
    void KnobTurned(TSarvikInstrument& instrument, InstrumentKnob knob, std::int32_t before,
                    bool dragging);
    // The user changed the wave in the field, from `before`.
    void WaveChanged(TSarvikInstrument& instrument, const std::string& before);
    // A knob was pressed or let go: whatever gesture ran is over.
    void KnobGestureEnded();

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    TSarvikWaveset& Document() const;
    TDIBKnob* AddKnob(InstrumentKnob kind, const char* title, QPoint position);
    void ShowReadout(InstrumentKnob kind);
    QString Readout(InstrumentKnob kind) const;
    void WaveEdited();

    TSarvikInstrument* instrument_;
    TDIBContainer* container_;
    QLabel* numberLabel_;
    TDIBEdit* waveEdit_;
    TDIBGlyphButton* sampleButton_;
    TDIBKnob* knobs_[4] = {};
    QLabel* values_[4] = {};
};

// The place of one strip in its column: as tall as a strip, and empty until the strip
// is first needed (it comes into view, or the program works with it), when `build`
// builds it inside.
class TStripSlot final : public QWidget {
    Q_OBJECT
  public:
    explicit TStripSlot(std::function<void(TStripSlot&)> build);
    void Build();
    bool Built() const { return !build_; }
    // The strip once built, else nullptr.
    TInstrumentStripView* Strip() const;

  private:
    void TakeTabPlace();

    std::function<void(TStripSlot&)> build_;
};

// The instrument's handle on its strip: removing the handle removes the strip. The
// strip itself is built when it is first needed; until then the handle keeps what it
// would show and does what its knobs would do.
class InstrumentStripHandle final : public InstrumentStrip {
  public:
    // `built` is told of the strip once it is built.
    InstrumentStripHandle(TSarvikInstrument& instrument, int number,
                          std::function<void(TInstrumentStripView&)> built);
    ~InstrumentStripHandle() override;
    InstrumentStripHandle(const InstrumentStripHandle&) = delete;
    InstrumentStripHandle& operator=(const InstrumentStripHandle&) = delete;

    // The place of the strip in its column.
    TStripSlot* Slot() const { return slot_.data(); }
    // The strip, built now if it was not yet.
    TInstrumentStripView* View() const;

    void SetKnobPosition(InstrumentKnob knob, std::int32_t position) override;
    void SetWaveText(const std::string& text) override;
    void SetNumber(std::int32_t number) override;
    void FocusWave() override;
    void SetWaveMissing(const std::string& note) override;

  private:
    TSarvikInstrument* instrument_;
    int number_;
    std::function<void(TInstrumentStripView&)> built_;
    std::string missingNote_;
    std::array<std::int32_t, 4> knobs_{};
    QPointer<TStripSlot> slot_;
    QPointer<TInstrumentStripView> view_;
};
