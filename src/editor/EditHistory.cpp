#include "editor/EditHistory.h"

#include "document/SarvikFile.h"
#include "editor/EditSteps.h"
#include "uikit/ErrorHandler.h"

#include <QApplication>
#include <QUndoStack>
#include <QWidget>

#include <memory>
#include <vector>

TEditHistory::TEditHistory(TSarvikWaveset& document, QObject* parent)
    : QObject(parent), document_(document), stack_(new QUndoStack(this)) {
    connect(stack_, &QUndoStack::indexChanged, this, [this] { SyncModifiedMark(); });
    // A run of keys or typing ends where the focus leaves its control.
    connect(qApp, &QApplication::focusChanged, this, [this] { EndGesture(); });
}

TEditHistory::~TEditHistory() {
    // The steps go before the document they point into.
    stack_->disconnect(this);
    stack_->clear();
}

void TEditHistory::EndGesture() {
    ++gesture_;
}

void TEditHistory::Reset() {
    resetting_ = true;
    stack_->clear();
    // No undo leads back to a state that is in a file when the document differs from
    // every file; an empty stack keeps the clean index it had, so it is set either way.
    if (document_.Modified()) {
        stack_->resetClean();
    } else {
        stack_->setClean();
    }
    resetting_ = false;
    EndGesture();
}

void TEditHistory::MarkSaved() {
    stack_->setClean();
    EndGesture();
}

bool TEditHistory::Recording() const {
    return !document_.IsUpdating();
}

void TEditHistory::SyncModifiedMark() {
    if (resetting_) {
        return;
    }
    const bool modified = !stack_->isClean();
    if (modified != document_.Modified() || markStale_) {
        markStale_ = false;
        document_.SetModified(modified);
        document_.NotifyModified();
    }
}

std::chrono::steady_clock::time_point TEditHistory::Now() const {
    return clock_ ? clock_() : std::chrono::steady_clock::now();
}

void TEditHistory::Restore(const std::function<void()>& change) {
    bool failed = false;
    {
        TSarvikWaveset::UpdateGuard updating(document_);
        // Undo and Redo are run by the toolkit's actions: an error is shown, not thrown
        // through the event loop.
        try {
            change();
        } catch (const std::exception& error) {
            failed = true;
            ReportUnhandledError(error);
        }
    }
    markStale_ = true;
    EndGesture();
    document_.RefreshPreview();
    if (failed) {
        // Not while the stack is still running the step that failed.
        QMetaObject::invokeMethod(
            this, [this] { GiveUp(); }, Qt::QueuedConnection);
    }
}

void TEditHistory::GiveUp() {
    document_.SetModified(true);
    Reset();
    document_.NotifyModified();
}

void TEditHistory::Push(QUndoCommand* step) {
    stack_->push(step);
    // A step that turned out to change nothing is dropped without an index change.
    SyncModifiedMark();
}

void TEditHistory::RecordEffect(SarvikKnob knob, std::int32_t before, std::int32_t after,
                                bool dragging) {
    if (Recording() && before != after) {
        Push(new TKnobStep(*this, knob, before, after, dragging));
    }
}

void TEditHistory::RecordInstrumentKnob(const TSarvikInstrument& instrument, InstrumentKnob knob,
                                        std::int32_t before, std::int32_t after, bool dragging) {
    if (Recording() && before != after) {
        Push(new TKnobStep(*this, PlaceOf(instrument), knob, before, after, dragging));
    }
}

void TEditHistory::RecordWave(const TSarvikInstrument& instrument, const std::string& before,
                              bool chosen) {
    if (!Recording() || before == instrument.Wave()) {
        return;
    }
    if (chosen) {
        EndGesture(); // a choice is a step of its own, never part of typing
    }
    Push(new TTextStep(*this, chosen ? QStringLiteral("Sample") : QStringLiteral("Wave"),
                       TextField::Wave, PlaceOf(instrument), before, instrument.Wave(),
                       GestureKind::Typing));
    if (chosen) {
        EndGesture();
    }
}

void TEditHistory::ChangeWavesetFile(const std::string& file, GestureKind gesture) {
    if (!Recording()) {
        document_.SetWavesetFile(file);
        return;
    }
    // The waves the new file's first entry fills belong to the step.
    std::vector<const TSarvikInstrument*> instruments;
    std::vector<std::string> wavesBefore;
    for (const auto& oscillator : document_.Oscillators()) {
        for (const auto& instrument : oscillator->Instruments()) {
            instruments.push_back(instrument.get());
            wavesBefore.push_back(instrument->Wave());
        }
    }
    const TWavesetFileStep::State before{document_.WavesetFile(), document_.WavesetName()};
    document_.SetWavesetFile(file);
    std::vector<TWavesetFileStep::WaveChange> waves;
    for (std::size_t i = 0; i < instruments.size(); ++i) {
        if (instruments[i]->Wave() != wavesBefore[i]) {
            waves.push_back({PlaceOf(*instruments[i]), wavesBefore[i], instruments[i]->Wave()});
        }
    }
    const TWavesetFileStep::State after{document_.WavesetFile(), document_.WavesetName()};
    if (before.File != after.File || before.Name != after.Name || !waves.empty()) {
        Push(new TWavesetFileStep(*this, before, after, std::move(waves), gesture));
    }
}

void TEditHistory::ChangeWavesetName(const std::string& name) {
    ChangeText(QStringLiteral("Waveset Name"), TextField::WavesetName, &TSarvikWaveset::WavesetName,
               &TSarvikWaveset::SetWavesetName, name);
}

void TEditHistory::ChangeNotes(const std::string& notes) {
    ChangeText(QStringLiteral("Notes"), TextField::Notes, &TSarvikWaveset::Notes,
               &TSarvikWaveset::SetNotes, notes);
}

void TEditHistory::ChangeText(const QString& name, TextField field,
                              const std::string& (TSarvikWaveset::*text)() const,
                              void (TSarvikWaveset::*setText)(const std::string&),
                              const std::string& value) {
    std::string before = (document_.*text)();
    (document_.*setText)(value);
    if (Recording() && before != (document_.*text)()) {
        Push(new TTextStep(*this, name, field, {}, std::move(before), (document_.*text)(),
                           GestureKind::Typing));
    }
}

void TEditHistory::AddInstrument(int box) {
    EndGesture();
    Push(new TAddInstrumentStep(*this, box));
}

void TEditHistory::DeleteInstrument(const TSarvikInstrument& instrument) {
    EndGesture();
    Push(new TDeleteInstrumentStep(*this, PlaceOf(instrument)));
}
