#pragma once

#include "document/SarvikView.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

class QUndoCommand;
class QUndoStack;
class TSarvikInstrument;
class TSarvikWaveset;

// How far one step reaches: a drag from press to release; a run of key presses or
// wheel turns until the focus moves or a second passes without a change; a run of
// typing until the focus moves.
enum class GestureKind { Drag, KeyRun, Typing };
// The texts a step can change.
enum class TextField { WavesetName, Notes, Wave };

// The undo history of one document. The window tells it of every change the user makes
// (already made, with the value before it) or lets it make the change (waveset file,
// name, notes, adding and deleting instruments); undo and redo put the document back
// through its own setters. Nothing is recorded while the document is updating, and the
// document's modified mark follows the history's clean state.
class TEditHistory : public QObject {
    Q_OBJECT
  public:
    TEditHistory(TSarvikWaveset& document, QObject* parent);
    ~TEditHistory() override;

    QUndoStack* Stack() const { return stack_; }
    TSarvikWaveset& Document() const { return document_; }
    // Which gesture a new change belongs to; EndGesture starts the next one.
    std::uint64_t Gesture() const { return gesture_; }
    void EndGesture();

    // The history of a document just loaded, made new, or that failed to load: empty,
    // and at its clean state unless the document differs from every file already.
    void Reset();
    // The document was written: its present state is the clean one.
    void MarkSaved();

    void RecordEffect(SarvikKnob knob, std::int32_t before, std::int32_t after, bool dragging);
    void RecordInstrumentKnob(const TSarvikInstrument& instrument, InstrumentKnob knob,
                              std::int32_t before, std::int32_t after, bool dragging);
    // A wave typed into its field, or a sample chosen for it.
    void RecordWave(const TSarvikInstrument& instrument, const std::string& before, bool chosen);

    // These make the change and record it.
    void ChangeWavesetFile(const std::string& file, GestureKind gesture);
    void ChangeWavesetName(const std::string& name);
    void ChangeNotes(const std::string& notes);
    void AddInstrument(int box);
    void DeleteInstrument(const TSarvikInstrument& instrument);

    // Runs `change` as an undo or redo: the document updating (so nothing is recorded
    // and no strip takes the focus), then its view refreshed once. An error is shown,
    // and the history, no longer in step with the document, is given up.
    void Restore(const std::function<void()>& change);

    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    // When a change is made, for the pause that ends a run of keys; tests replace it.
    std::chrono::steady_clock::time_point Now() const;
    void SetClock(Clock clock) { clock_ = std::move(clock); }

  private:
    bool Recording() const;
    void Push(QUndoCommand* step);
    void ChangeText(const QString& name, TextField field,
                    const std::string& (TSarvikWaveset::*text)() const,
                    void (TSarvikWaveset::*setText)(const std::string&), const std::string& value);
    void SyncModifiedMark();
    void GiveUp();

    TSarvikWaveset& document_;
    QUndoStack* stack_;
    std::uint64_t gesture_ = 0;
    bool resetting_ = false;
    // An undo or redo set the document's mark while it was updating: tell the window.
    bool markStale_ = false;
    Clock clock_;
};
