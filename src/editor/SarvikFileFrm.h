#pragma once

#include "document/SarvikFile.h"
#include "uikit/BaseFrm.h"
#include "uikit/Prompts.h"

#include <QPointer>

#include <array>
#include <memory>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class TSampleChooser;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class TCustomDIBKnob;
class TDIBContainer;
class TDIBEdit;
class TDIBKnob;
class TEditHistory;
class QUndoStack;
class TInstrumentStripView;
class TNameEdit;
class TNotesMemo;
class TOscillatorBox;
class TQdAction;

// What a Sarvik file window is given by the program that opens it.
struct SarvikFileServices {
    // Where the host is installed: wavesets lie in its Samples folder.
    std::filesystem::path InstallDir;
    // The dialog that picks a waveset, shared with the program's Open command so that
    // both remember one folder; without it the window keeps a dialog of its own.
    FileDialogSettings* OpenDialog = nullptr;
};

// The document window of a Sarvik file: a Waveset page (waveset file, global effects,
// name, notes and the text that saving writes) and an Oscillators page with the four
// columns of instrument strips. It owns its document and forwards the main window's
// requests to it.
class TFrmSarvikFile : public TFrmBase, public SarvikView {
    Q_OBJECT
  public:
    explicit TFrmSarvikFile(SarvikFileServices services = {}, QWidget* parent = nullptr);
    ~TFrmSarvikFile() override;

    TSarvikWaveset& Waveset() const { return *waveset_; }
    // The window's size as designed, which is also its smallest.
    static QSize DesignSize();

    std::filesystem::path GetFileName() const override;
    void SetFileName(const std::filesystem::path& fileName) override;
    bool CanSave(bool reportProblem, bool focusProblem) override;
    bool SaveToFile(const std::filesystem::path& fileName) override;
    std::string SaveRemark() const override;
    bool LoadFromFile(const std::filesystem::path& fileName) override;
    void NewFile() override;
    bool IsModified() const override;
    bool ChangedOnDisk() const override;
    QUndoStack* UndoStack() const override;
    TEditHistory& History() const { return *history_; }

    // What the document asks of its window.
    void SetKnobPosition(SarvikKnob knob, std::int32_t position) override;
    std::string FieldText(SarvikField field) const override;
    void SetFieldText(SarvikField field, const std::string& text) override;
    void ShowPage(SarvikPage page) override;
    void FocusField(SarvikField field) override;
    void ShowText(const std::string& text) override;
    void ClearSamplePopup() override;
    void ShowWavesetPath(const std::string& path, bool found) override;
    void OpenSamplePopup(TSarvikInstrument& instrument) override;
    std::unique_ptr<InstrumentStrip> BuildStrip(TSarvikInstrument& instrument) override;
    void ReportProblem(const Problem& problem) override;
    void ReportError(const std::string& message) override;

    void AddInstrumentToOscillator(int index);

    // The components, by their names.
    QTabWidget* PagesSarvik;
    QWidget* TabSarvikWaveset;
    QWidget* TabSarvikOsc;
    QWidget* TabDebug;
    QLineEdit* EdtWaveset;
    QPushButton* BtnBrowseWavesetFile;
    TDIBContainer* DIBContainer2;
    TDIBKnob* KnbSarvikChorus;
    TDIBKnob* KnbSarvikReverb;
    TDIBKnob* KnbSarvikDelay;
    QLabel* LblSarvikChorus;
    QLabel* LblSarvikReverb;
    QLabel* LblSarvikDelay;
    TNameEdit* EdtWavesetName;
    TNotesMemo* MmoSarvikWavesetNotes;
    QLabel* LblNotesJoined;
    QPlainTextEdit* MmoSarvikTxt;
    QPlainTextEdit* MmoDebug;
    QListWidget* LstDebug;
    std::array<TOscillatorBox*, 4> SbxOsc;
    TSampleChooser* SampleChooser;
    QMenu* PopupOsc;
    QMenu* PopupInst;
    TQdAction* ActAddInstrument;
    TQdAction* ActDelInstrument;
    TQdAction* ActAddInstrumentInst;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void CreateWavesetPage();
    void CreateOscillatorPage();
    void CreateMenus();
    TDIBKnob* CreateEffectKnob(const char* caption, int left, QLabel*& valueLabel);
    void LayOutStretchingControls();

    void TabSarvikWavesetShow();
    void EffectKnobChange(TDIBKnob* knob);
    // The knob's value label and tip.
    void ShowEffectReadout(TDIBKnob* knob);
    void EdtWavesetChange();
    void EdtWavesetNameChange();
    void MmoSarvikWavesetNotesChange();
    void UpdateNotesJoinedNote();
    void BtnBrowseWavesetFileClick();
    // Asks what to do with a waveset outside the Samples folder, copying it there when
    // so answered: true to go on and use its name, false to change nothing.
    bool OfferCopyIntoSamples(const std::filesystem::path& chosen,
                              const std::filesystem::path& samples);
    void BuildSampleChooser();
    void ClickChooseSample(int tag);
    void ActAddInstrumentExecute();
    void ActAddInstrumentInstExecute();
    void ActDelInstrumentExecute();
    void PopupInstAt(TInstrumentStripView* strip, QPoint globalPosition);
    void WavesetModified();

    FileDialogSettings ownOpenDialog_;
    FileDialogSettings* openDialog_;
    QPointer<TDIBEdit> samplePopupComponent_;
    QPointer<TOscillatorBox> oscPopupComponent_;
    QPointer<TInstrumentStripView> instPopupComponent_;
    std::unique_ptr<TSarvikWaveset> waveset_;
    // Goes before the document: its steps point into it.
    std::unique_ptr<TEditHistory> history_;
    // A sample is being chosen from the chooser, not typed.
    bool choosingSample_ = false;
    // What the text view shows, as bytes: the next refresh replaces only what differs.
    std::string shownText_;
};
