#pragma once

#include "document/SarvikView.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class TCustomDIBKnob;
class TDIBContainer;
class TDIBEdit;
class TDIBGlyphButton;
class TDIBKnob;
class TSarvikInstrument;
class TSarvikWaveset;

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

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    TSarvikWaveset& Document() const;
    TDIBKnob* AddKnob(InstrumentKnob kind, const char* title, QPoint position);
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

// The instrument's handle on its strip: removing the handle removes the strip.
class InstrumentStripHandle final : public InstrumentStrip {
  public:
    explicit InstrumentStripHandle(TInstrumentStripView* view) : view_(view) {}
    ~InstrumentStripHandle() override;

    TInstrumentStripView* View() const { return view_.data(); }

    void SetKnobPosition(InstrumentKnob knob, std::int32_t position) override;
    void SetWaveText(const std::string& text) override;
    void SetNumber(std::int32_t number) override;
    void FocusWave() override;
    void SetWaveMissing(const std::string& note) override;

  private:
    QPointer<TInstrumentStripView> view_;
};
