#include "document/SarvikOscillator.h"

#include "document/SarvikWaveset.h"

#include <algorithm>
#include <cstddef>
#include <utility>

TSarvikOscillator::TSarvikOscillator(TSarvikWaveset& waveset, int box)
    : waveset_(&waveset), box_(box) {}

TSarvikOscillator::~TSarvikOscillator() {
    // Strips may call back while they are torn down; let them find a consistent list.
    auto doomed = std::exchange(instruments_, {});
    doomed.clear();
}

TSarvikInstrument& TSarvikOscillator::AddInstrument() {
    return InsertInstrument(static_cast<std::int32_t>(instruments_.size()));
}

TSarvikInstrument& TSarvikOscillator::InsertInstrument(std::int32_t index) {
    const auto place = static_cast<std::size_t>(
        std::clamp<std::int32_t>(index, 0, static_cast<std::int32_t>(instruments_.size())));
    auto owned = std::make_unique<TSarvikInstrument>(*this);
    TSarvikInstrument& instrument = *owned;
    instruments_.insert(instruments_.begin() + static_cast<std::ptrdiff_t>(place),
                        std::move(owned));
    instrument.index_ = static_cast<std::int32_t>(place);
    for (std::size_t below = place + 1; below < instruments_.size(); ++below) {
        instruments_[below]->SetIndex(static_cast<std::int32_t>(below));
    }

    // A new strip's knobs start at 0, which is what the instrument already holds;
    // a window or not, the document has changed.
    if (SarvikView* view = waveset_->Form()) {
        instrument.panel_ = view->BuildStrip(instrument);
    }
    waveset_->SetModified(true);
    if (!waveset_->Samples().empty()) {
        instrument.SetWave(waveset_->Samples().front());
    }
    if (!waveset_->IsUpdating()) {
        waveset_->RefreshPreview();
    }
    return instrument;
}

void TSarvikOscillator::DeleteInstrument(std::int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= instruments_.size()) {
        return;
    }
    const auto position = instruments_.begin() + index;
    std::unique_ptr<TSarvikInstrument> removed = std::move(*position);
    instruments_.erase(position);
    removed.reset();

    if (instruments_.empty()) {
        AddInstrument();
    }
    RenumberInstruments();
    // Without this a deletion could be lost silently when the window closes.
    waveset_->SetModified(true);
    if (!waveset_->IsUpdating()) {
        waveset_->RefreshPreview();
    }
}

void TSarvikOscillator::ClearInstruments() {
    auto doomed = std::exchange(instruments_, {});
    doomed.clear();
    AddInstrument();
    RenumberInstruments();
}

void TSarvikOscillator::RenumberInstruments() {
    for (std::size_t i = 0; i < instruments_.size(); ++i) {
        instruments_[i]->SetIndex(static_cast<std::int32_t>(i));
    }
}
