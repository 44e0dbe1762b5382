#pragma once

#include "app/BaseFrm.h"
#include "document/SarvikFile.h"

#include <map>
#include <memory>

class QPlainTextEdit;

// The document window of a Sarvik file: it owns its document and shows the text that
// saving would write.
class TFrmSarvikFile : public TFrmBase, public SarvikView {
    Q_OBJECT
  public:
    explicit TFrmSarvikFile(QWidget* parent = nullptr);
    ~TFrmSarvikFile() override;

    TSarvikWaveset& Waveset() const { return *waveset_; }

    std::filesystem::path GetFileName() const override;
    void SetFileName(const std::filesystem::path& fileName) override;
    bool CanSave(bool reportProblem, bool focusProblem) override;
    bool SaveToFile(const std::filesystem::path& fileName) override;
    bool LoadFromFile(const std::filesystem::path& fileName) override;
    void NewFile() override;
    bool IsModified() const override;

    // What the document asks of its window.
    void SetKnobPosition(SarvikKnob knob, std::int32_t position) override;
    std::string FieldText(SarvikField field) const override;
    void SetFieldText(SarvikField field, const std::string& text) override;
    void ShowPage(SarvikPage page) override;
    void FocusField(SarvikField field) override;
    void ShowText(const std::string& text) override;
    void ClearSamplePopup() override;
    void OpenSamplePopup(TSarvikInstrument& instrument) override;
    std::unique_ptr<InstrumentStrip> BuildStrip(TSarvikInstrument& instrument) override;
    void ReportProblem(const Problem& problem) override;
    void ReportError(const std::string& message) override;

  private:
    void WavesetModified();

    QPlainTextEdit* MmoSarvikTxt;
    std::map<SarvikField, std::string> fields_;
    std::unique_ptr<TSarvikWaveset> waveset_;
};
