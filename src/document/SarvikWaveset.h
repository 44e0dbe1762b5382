#pragma once

#include "base/FileFingerprint.h"
#include "base/TextFile.h"
#include "document/SarvikOscillator.h"
#include "document/SarvikView.h"
#include "wavesets/SampleList.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class WavesetCache;

// One Sarvik instrument-description file in memory: the waveset reference, the
// global effects, the name and notes, and four oscillators. Every text is a byte
// string exactly as it stands in the file.
class TSarvikWaveset {
  public:
    using ModifiedHandler = std::function<void(TSarvikWaveset& sender)>;

    static constexpr std::size_t OscillatorCount = 4;
    // A damaged file must not build an endless column of strips.
    static constexpr std::size_t MaxInstrumentsPerOscillator = 1024;

    // `form` is the window the document is shown in; nullptr for a document
    // without a window. Wavesets are looked up in the Samples folder of the host
    // installed in `installDir` (empty: relative to the current directory).
    explicit TSarvikWaveset(SarvikView* form = nullptr, std::filesystem::path installDir = {});
    virtual ~TSarvikWaveset();
    TSarvikWaveset(const TSarvikWaveset&) = delete;
    TSarvikWaveset& operator=(const TSarvikWaveset&) = delete;

    // Raises the updating counter for its lifetime. While the document is updating
    // nothing is notified and the text view is not refreshed.
    class UpdateGuard {
      public:
        explicit UpdateGuard(TSarvikWaveset& waveset) : waveset_(waveset) {
            ++waveset_.updateCount_;
        }
        ~UpdateGuard() { --waveset_.updateCount_; }
        UpdateGuard(const UpdateGuard&) = delete;
        UpdateGuard& operator=(const UpdateGuard&) = delete;

      private:
        TSarvikWaveset& waveset_;
    };

    const std::string& WavesetFile() const { return wavesetFile_; }
    const std::string& WavesetName() const { return wavesetName_; }
    const std::string& Notes() const { return notes_; }
    const std::filesystem::path& FileName() const { return fileName_; }
    bool Modified() const { return modified_; }
    std::int32_t UpdateCount() const { return updateCount_; }
    bool IsUpdating() const { return updateCount_ > 0; }
    std::int32_t Delay() const { return delay_; }
    std::int32_t Chorus() const { return chorus_; }
    std::int32_t Reverb() const { return reverb_; }

    const std::vector<std::unique_ptr<TSarvikOscillator>>& Oscillators() const {
        return oscillators_;
    }
    const TSampleList& Samples() const { return samples_; }
    TSampleList& Samples() { return samples_; }
    // What to tell of `wave` when the waveset lists samples but none of that name:
    // "\"Pian\" is not a sample of \"GM.sf2\"."; empty when the name is listed or
    // the waveset lists nothing to judge by.
    std::string MissingWaveNote(const std::string& wave) const;
    // That note for every instrument whose wave is missing, in the file's order, led
    // by where the instrument is: "Oscillator 2, instrument 3: ...".
    std::vector<std::string> MissingWaves() const;
    // Where the waveset file is looked for: in the host's Samples folder, with letter
    // case matched to what is on disk. Empty without a waveset file.
    std::filesystem::path WavesetPath() const;

    const std::filesystem::path& InstallDir() const { return installDir_; }
    SarvikView* Form() const { return form_; }
    SarvikView* Preview() const { return preview_; }
    void SetPreview(SarvikView* preview) { preview_ = preview; }
    void SetOnModified(ModifiedHandler handler) { onModified_ = std::move(handler); }
    void SetFileName(const std::filesystem::path& fileName) { fileName_ = fileName; }

    void SetModified(bool value);
    void SetReverb(std::int32_t value);
    void SetChorus(std::int32_t value);
    void SetDelay(std::int32_t value);
    // The same three, by the knob that edits them.
    std::int32_t Effect(SarvikKnob knob) const;
    void SetEffect(SarvikKnob knob, std::int32_t value);
    void SetWavesetName(const std::string& value);
    void SetNotes(const std::string& value);
    void SetWavesetFile(const std::string& value);
    // Puts back a waveset file an edit had replaced: its entries are listed again, but
    // no wave is filled in and the name stays; what the edit changed of those is put
    // back on its own.
    void RestoreWavesetFile(const std::string& value);

    std::int32_t FileReverb() const;
    std::int32_t FileChorus() const;
    std::int32_t FileDelay() const;
    void SetFileReverb(std::int32_t value);
    void SetFileChorus(std::int32_t value);
    void SetFileDelay(std::int32_t value);

    void RefreshPreview();
    // Tells the window what Modified is, also when it was set while updating.
    void NotifyModified();
    // Makes this a new, empty document without unsaved changes; FileName stays.
    void Clear();
    TSarvikOscillator& AddOscillator(int box);

    // Whether the document is complete enough to save: a waveset file, and a wave for
    // every instrument. Reports and focuses the first problem as asked; changes nothing.
    bool CanSave(bool reportProblem, bool focusProblem);
    // Opens the sample chooser for `instrument`, or tells that there is nothing to choose.
    void ShowSamplePopup(TSarvikInstrument& instrument);

    // The whole content of the file as saving writes it.
    std::string BuildText() const;
    // False only when there is no file at `name`.
    bool LoadFromFile(const std::filesystem::path& name);
    // Fills the document from the lines of a file, or from its whole text read in
    // place; false when a line cannot be placed.
    bool ParseLines(const std::vector<std::string>& lines);
    bool ParseText(std::string_view text);
    // An empty name means FileName; false when both are empty. Replaces the file
    // atomically; on failure throws and leaves the old file as it was.
    bool SaveToFile(const std::filesystem::path& name = {});
    // What the last save could not keep of the file it replaced.
    const OwnershipKept& LastSaveKept() const { return lastSaveKept_; }

    // Whether another program has changed (or removed) FileName since this document
    // loaded or last saved it; false for a document never bound to a file on disk.
    bool ChangedOnDisk() const;

  private:
    template <typename Source>
    bool ParseFrom(const Source& source);
    // Why the chooser has nothing to list, naming the path looked up.
    std::string NoSamplesDetail() const;
    void RebuildSamples(bool fillEmptyWaves);
    // Takes `file` with its field and its listing.
    void TakeWavesetFile(const std::string& file, bool fillEmptyWaves);

    std::filesystem::path installDir_;
    std::string wavesetFile_;
    std::string wavesetName_;
    std::vector<std::unique_ptr<TSarvikOscillator>> oscillators_;
    std::string notes_;
    SarvikView* preview_ = nullptr;
    std::filesystem::path fileName_;
    // What the file was when last loaded or saved, and which file that was.
    std::optional<FileFingerprint> disk_;
    std::filesystem::path diskFile_;
    OwnershipKept lastSaveKept_;
    bool modified_ = false;
    std::int32_t updateCount_ = 0;
    TSampleList samples_;
    // The waveset file was found but could not be read.
    bool wavesetUnreadable_ = false;
    // Set while a file is being parsed.
    WavesetCache* listings_ = nullptr;
    SarvikView* form_;
    ModifiedHandler onModified_;
    std::int32_t delay_ = 0;
    std::int32_t chorus_ = 0;
    std::int32_t reverb_ = 0;
};
