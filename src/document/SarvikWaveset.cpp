#include "document/SarvikWaveset.h"

#include "base/TextFile.h"
#include "base/TextRules.h"
#include "document/KnobKinds.h"
#include "document/SarvikTextParser.h"
#include "document/WavesetCache.h"

#include <utility>

namespace {

// Points the document at the listings of this parse for as long as it lasts.
class ListingsInUse {
  public:
    ListingsInUse(WavesetCache*& current, WavesetCache& listings) : current_(current) {
        current_ = &listings;
    }
    ~ListingsInUse() { current_ = nullptr; }
    ListingsInUse(const ListingsInUse&) = delete;
    ListingsInUse& operator=(const ListingsInUse&) = delete;

  private:
    WavesetCache*& current_;
};

} // namespace

TSarvikWaveset::TSarvikWaveset(SarvikView* form, std::filesystem::path installDir)
    : installDir_(std::move(installDir)), form_(form) {
    UpdateGuard updating(*this);
    for (std::size_t box = 0; box < OscillatorCount; ++box) {
        AddOscillator(static_cast<int>(box));
    }
    modified_ = false;
}

TSarvikWaveset::~TSarvikWaveset() {
    UpdateGuard updating(*this);
    auto doomed = std::exchange(oscillators_, {});
    doomed.clear();
    samples_.Clear();
}

void TSarvikWaveset::SetModified(bool value) {
    if (value == modified_) {
        return;
    }
    modified_ = value;
    if (!IsUpdating()) {
        NotifyModified();
    }
}

void TSarvikWaveset::NotifyModified() {
    if (onModified_) {
        onModified_(*this);
    }
}

void TSarvikWaveset::SetReverb(std::int32_t value) {
    reverb_ = value;
    SetModified(true);
    if (form_) {
        form_->SetKnobPosition(SarvikKnob::Reverb, value);
    }
}

void TSarvikWaveset::SetChorus(std::int32_t value) {
    chorus_ = value;
    SetModified(true);
    if (form_) {
        form_->SetKnobPosition(SarvikKnob::Chorus, value);
    }
}

void TSarvikWaveset::SetDelay(std::int32_t value) {
    delay_ = value;
    SetModified(true);
    if (form_) {
        form_->SetKnobPosition(SarvikKnob::Delay, value);
    }
}

std::int32_t TSarvikWaveset::Effect(SarvikKnob knob) const {
    switch (knob) {
    case SarvikKnob::Chorus:
        return chorus_;
    case SarvikKnob::Reverb:
        return reverb_;
    case SarvikKnob::Delay:
        break;
    }
    return delay_;
}

void TSarvikWaveset::SetEffect(SarvikKnob knob, std::int32_t value) {
    switch (knob) {
    case SarvikKnob::Chorus:
        SetChorus(value);
        return;
    case SarvikKnob::Reverb:
        SetReverb(value);
        return;
    case SarvikKnob::Delay:
        SetDelay(value);
        return;
    }
}

std::int32_t TSarvikWaveset::FileReverb() const {
    return FileValue(EffectKnob, reverb_);
}

std::int32_t TSarvikWaveset::FileChorus() const {
    return FileValue(EffectKnob, chorus_);
}

std::int32_t TSarvikWaveset::FileDelay() const {
    return FileValue(EffectKnob, delay_);
}

void TSarvikWaveset::SetFileReverb(std::int32_t value) {
    SetReverb(PositionOfFileValue(EffectKnob, value));
}

void TSarvikWaveset::SetFileChorus(std::int32_t value) {
    SetChorus(PositionOfFileValue(EffectKnob, value));
}

void TSarvikWaveset::SetFileDelay(std::int32_t value) {
    SetDelay(PositionOfFileValue(EffectKnob, value));
}

void TSarvikWaveset::SetWavesetName(const std::string& value) {
    wavesetName_ = value;
    SetModified(true);
    if (form_ && form_->FieldText(SarvikField::WavesetName) != wavesetName_) {
        form_->SetFieldText(SarvikField::WavesetName, wavesetName_);
    }
    if (!IsUpdating()) {
        RefreshPreview();
    }
}

void TSarvikWaveset::SetNotes(const std::string& value) {
    notes_ = value;
    SetModified(true);
    if (form_) {
        form_->SetFieldText(SarvikField::Notes, notes_);
    }
    if (!IsUpdating()) {
        RefreshPreview();
    }
}

void TSarvikWaveset::SetWavesetFile(const std::string& value) {
    const std::string file = value; // `value` may be one of our own fields
    // The name follows the file for as long as the user has not given one of its own.
    if (wavesetName_ == wavesetFile_) {
        SetWavesetName(file);
    }
    TakeWavesetFile(file, true);
}

void TSarvikWaveset::RestoreWavesetFile(const std::string& value) {
    TakeWavesetFile(value, false);
}

void TSarvikWaveset::TakeWavesetFile(const std::string& file, bool fillEmptyWaves) {
    wavesetFile_ = file;
    SetModified(true);
    {
        // The field's own change handler does nothing while we are updating.
        UpdateGuard updating(*this);
        if (form_ && form_->FieldText(SarvikField::Waveset) != wavesetFile_) {
            form_->SetFieldText(SarvikField::Waveset, wavesetFile_);
        }
    }
    RebuildSamples(fillEmptyWaves);
    // Shown once the empty waves have their first entry, so the view is what Save writes.
    if (!IsUpdating()) {
        RefreshPreview();
    }
}

void TSarvikWaveset::RefreshPreview() {
    if (preview_) {
        preview_->ShowText(BuildText());
    }
}

void TSarvikWaveset::Clear() {
    {
        UpdateGuard updating(*this);
        SetReverb(0);
        SetChorus(0);
        SetDelay(0);
        SetWavesetFile({});
        SetWavesetName({});
        SetNotes({});
        for (const auto& oscillator : oscillators_) {
            oscillator->ClearInstruments();
        }
        RefreshPreview();
    }
    SetModified(false);
}

TSarvikOscillator& TSarvikWaveset::AddOscillator(int box) {
    oscillators_.push_back(std::make_unique<TSarvikOscillator>(*this, box));
    TSarvikOscillator& oscillator = *oscillators_.back();
    oscillator.AddInstrument();
    return oscillator;
}

bool TSarvikWaveset::LoadFromFile(const std::filesystem::path& name) {
    if (!IsRegularFile(name)) {
        return false;
    }
    const std::string bytes = ReadFileBytes(name);
    disk_ = FingerprintOf(name, bytes);
    diskFile_ = name;
    fileName_ = name;
    if (!ParseText(bytes)) {
        // A later Save must ask for a name rather than overwrite a file we could not
        // fully read.
        fileName_.clear();
        if (form_) {
            form_->ReportProblem(
                {"Error while loading Sarvik file!", "Open", ProblemIcon::Warning});
        }
    }
    RefreshPreview();
    return true;
}

bool TSarvikWaveset::ParseLines(const std::vector<std::string>& lines) {
    return ParseFrom(lines);
}

bool TSarvikWaveset::ParseText(std::string_view text) {
    return ParseFrom(text);
}

template <typename Source>
bool TSarvikWaveset::ParseFrom(const Source& source) {
    bool parsed = false;
    {
        UpdateGuard updating(*this);
        WavesetCache listings(installDir_);
        const ListingsInUse inUse(listings_, listings);
        parsed = ParseSarvikText(*this, source);
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

bool TSarvikWaveset::SaveToFile(const std::filesystem::path& name) {
    const std::filesystem::path target = name.empty() ? fileName_ : name;
    if (target.empty()) {
        return false;
    }
    const std::string text = BuildText();
    lastSaveKept_ = WriteFileAtomically(target, text);
    disk_ = FingerprintOf(target, text);
    diskFile_ = target;
    SetModified(false);
    return true;
}

bool TSarvikWaveset::ChangedOnDisk() const {
    if (!disk_ || fileName_.empty() || fileName_ != diskFile_) {
        return false;
    }
    return ChangedSince(fileName_, *disk_);
}
