#include "editor/SarvikFileFrm.h"

#include "base/FileNames.h"
#include "base/FolderCopy.h"
#include "controls/DIBContainer.h"
#include "controls/DIBEdit.h"
#include "controls/DIBGlyphButton.h"
#include "controls/DIBKnob.h"
#include "controls/HighlightDIB.h"
#include "controls/SkinImages.h"
#include "document/KnobKinds.h"
#include "document/NotesWrap.h"
#include "document/SampleCaptions.h"
#include "editor/DocumentUndoKeys.h"
#include "editor/EditHistory.h"
#include "editor/InstrumentStripView.h"
#include "editor/KnobPressReset.h"
#include "editor/KnobValueEntry.h"
#include "editor/NameEdit.h"
#include "editor/NotesMemo.h"
#include "editor/OscillatorBox.h"
#include "editor/SampleChooser.h"
#include "host/HostPaths.h"
#include "uikit/ByteText.h"
#include "uikit/ErrorHandler.h"
#include "uikit/Prompts.h"
#include "uikit/QdAction.h"
#include "uikit/TextViewRefresh.h"

#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QUndoStack>

#include <algorithm>

namespace {

constexpr int FormWidth = 987;
constexpr int FormHeight = 459;
constexpr int NotesMaxLength = 1024;

const QColor OscillatorPageColor(205, 208, 209);
const QColor OscillatorBoxColor(197, 200, 201);
const QColor HeadingColor(45, 46, 63);
const QColor ValueLabelColor(64, 64, 64);  // the dark 3D shadow of the classic scheme
const QColor TextViewColor(160, 160, 160); // the button shadow of the classic scheme

const QString WavesetFilter =
    QStringLiteral("Waveset Files (*.nsp;*.sf2)|*.nsp;*.sf2|Norvex Sampler Files (*.nsp)|*.nsp|"
                   "Soundfont2 Files (*.sf2)|*.sf2|All Files (*.*)|*.*");

void SetColor(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    QPalette colors = widget->palette();
    colors.setColor(role, color);
    widget->setPalette(colors);
}

QLabel* Label(QWidget* parent, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

// Runs `action` for resize and show events of the widget it watches.
class WatchEvents : public QObject {
  public:
    WatchEvents(QObject* parent, std::function<void(QEvent::Type)> action)
        : QObject(parent), action_(std::move(action)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Show) {
            action_(event->type());
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void(QEvent::Type)> action_;
};

} // namespace

TFrmSarvikFile::TFrmSarvikFile(SarvikFileServices services, QWidget* parent)
    : TFrmBase(parent), openDialog_(services.OpenDialog ? services.OpenDialog : &ownOpenDialog_) {
    setObjectName(QStringLiteral("FrmSarvikFile"));
    setWindowTitle(QStringLiteral("Sarvik File"));
    setMinimumSize(FormWidth, FormHeight);
    setMaximumWidth(FormWidth);
    resize(FormWidth, FormHeight);

    PagesSarvik = new QTabWidget(this);
    PagesSarvik->setObjectName(QStringLiteral("PagesSarvik"));
    CreateWavesetPage();
    CreateOscillatorPage();
    TabDebug = new QWidget;
    LstDebug = new QListWidget(TabDebug);
    LstDebug->setFont(MmoSarvikTxt->font());
    PagesSarvik->addTab(TabDebug, QStringLiteral("Debug"));
    PagesSarvik->setTabVisible(2, false);
    PagesSarvik->setCurrentWidget(TabSarvikOsc);
    CreateMenus();

    waveset_ = std::make_unique<TSarvikWaveset>(this, std::move(services.InstallDir));
    waveset_->SetOnModified([this](TSarvikWaveset&) { WavesetModified(); });
    history_ = std::make_unique<TEditHistory>(*waveset_, nullptr);
    for (QWidget* field :
         std::initializer_list<QWidget*>{EdtWaveset, EdtWavesetName, MmoSarvikWavesetNotes}) {
        DocumentUndoKeys::Attach(*field, *history_->Stack());
    }
    FormCreate();
    PagesSarvik->setCurrentWidget(TabSarvikWaveset);
    waveset_->SetPreview(this);
    TabSarvikWavesetShow();
}

QSize TFrmSarvikFile::DesignSize() {
    return {FormWidth, FormHeight};
}

// The document goes first: its strips stand in this window's scroll boxes.
TFrmSarvikFile::~TFrmSarvikFile() {
    history_.reset();
    waveset_.reset();
}

void TFrmSarvikFile::CreateWavesetPage() {
    TabSarvikWaveset = new QWidget;
    TabSarvikWaveset->setObjectName(QStringLiteral("TabSarvikWaveset"));
    PagesSarvik->addTab(TabSarvikWaveset, QStringLiteral("Waveset"));

    auto* bevel = new QFrame(TabSarvikWaveset);
    bevel->setFrameShape(QFrame::StyledPanel);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setObjectName(QStringLiteral("Bevel1"));

    auto* waveFile = new QGroupBox(QStringLiteral(" Waveset File "), TabSarvikWaveset);
    waveFile->setGeometry(12, 8, 289, 57);
    EdtWaveset = new QLineEdit(waveFile);
    EdtWaveset->setGeometry(12, 20, 233, 21);
    MakeLineField(EdtWaveset);
    EdtWaveset->setAccessibleName(QStringLiteral("Waveset file"));
    connect(EdtWaveset, &QLineEdit::textChanged, this,
            [this] { RunGuarded([this] { EdtWavesetChange(); }); });
    BtnBrowseWavesetFile = new QPushButton(QStringLiteral("..."), waveFile);
    BtnBrowseWavesetFile->setGeometry(248, 20, 29, 21);
    BtnBrowseWavesetFile->setAccessibleName(QStringLiteral("Browse for a waveset file"));
    connect(BtnBrowseWavesetFile, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { BtnBrowseWavesetFileClick(); }); });

    auto* effects = new QGroupBox(QStringLiteral(" Global FX "), TabSarvikWaveset);
    effects->setGeometry(12, 76, 289, 65);
    DIBContainer2 = new TDIBContainer(effects);
    DIBContainer2->setGeometry(16, 20, 265, 41);
    DIBContainer2->SetColor(effects->palette().color(QPalette::Window));
    KnbSarvikChorus = CreateEffectKnob("Chorus", 0, LblSarvikChorus);
    KnbSarvikReverb = CreateEffectKnob("Reverb", 92, LblSarvikReverb);
    KnbSarvikDelay = CreateEffectKnob("Delay", 184, LblSarvikDelay);

    auto* description = new QGroupBox(QStringLiteral(" Waveset Description "), TabSarvikWaveset);
    description->setGeometry(12, 152, 289, 217);
    Label(description, QStringLiteral("Waveset name"), 12, 20);
    EdtWavesetName = new TNameEdit(description);
    EdtWavesetName->setGeometry(12, 36, 265, 21);
    EdtWavesetName->setAccessibleName(QStringLiteral("Waveset name"));
    connect(EdtWavesetName, &QLineEdit::textChanged, this,
            [this] { RunGuarded([this] { EdtWavesetNameChange(); }); });
    Label(description, QStringLiteral("Notes about the waveset"), 12, 64);
    MmoSarvikWavesetNotes = new TNotesMemo(description);
    MmoSarvikWavesetNotes->setGeometry(12, 80, 265, 121);
    MmoSarvikWavesetNotes->SetMaxLength(NotesMaxLength);
    MmoSarvikWavesetNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MmoSarvikWavesetNotes->setAccessibleName(QStringLiteral("Notes about the waveset"));
    connect(MmoSarvikWavesetNotes, &QPlainTextEdit::textChanged, this,
            [this] { RunGuarded([this] { MmoSarvikWavesetNotesChange(); }); });
    LblNotesJoined = new QLabel(
        QStringLiteral("Single line breaks are joined when the file is read; leave an empty "
                       "line between paragraphs."),
        description);
    LblNotesJoined->setObjectName(QStringLiteral("LblNotesJoined"));
    LblNotesJoined->setWordWrap(true);
    LblNotesJoined->setGeometry(12, 173, 265, 40);
    LblNotesJoined->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LblNotesJoined->hide();
    connect(MmoSarvikWavesetNotes, &QPlainTextEdit::textChanged, this,
            &TFrmSarvikFile::UpdateNotesJoinedNote);

    Label(TabSarvikWaveset, QStringLiteral("Sarvik file view"), 328, 4);
    MmoSarvikTxt = new QPlainTextEdit(TabSarvikWaveset);
    MmoSarvikTxt->setReadOnly(true);
    MmoSarvikTxt->setAcceptDrops(false);
    MmoSarvikTxt->setLineWrapMode(QPlainTextEdit::NoWrap);
    MmoSarvikTxt->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MmoSarvikTxt->setAccessibleName(QStringLiteral("Sarvik file view"));
    QFont monospace(QStringLiteral("Lucida Console"), 8);
    monospace.setStyleHint(QFont::TypeWriter);
    MmoSarvikTxt->setFont(monospace);
    SetColor(MmoSarvikTxt, QPalette::Base, TextViewColor);
    SetColor(MmoSarvikTxt, QPalette::Text, Qt::black);

    MmoDebug = new QPlainTextEdit(TabSarvikWaveset);
    MmoDebug->setGeometry(12, 376, 289, 165);
    MmoDebug->setVisible(false);

    TabSarvikWaveset->installEventFilter(new WatchEvents(this, [this, bevel](QEvent::Type type) {
        bevel->setGeometry(0, 0, 313, TabSarvikWaveset->height());
        LayOutStretchingControls();
        if (type == QEvent::Show && waveset_) {
            RunGuarded([this] { TabSarvikWavesetShow(); });
        }
    }));
}

TDIBKnob* TFrmSarvikFile::CreateEffectKnob(const char* caption, int left, QLabel*& valueLabel) {
    auto* knob = new TDIBKnob(DIBContainer2);
    knob->setObjectName(QStringLiteral("KnbSarvik") + QString::fromLatin1(caption));
    knob->setGeometry(left, 0, 32, 32);
    knob->SetDIBImageList(SkinImages());
    knob->SetIndexMain(SkinKnob2);
    knob->SetNumGlyphs(SkinKnob2Frames);
    knob->SetMin(EffectKnob.Min);
    knob->SetMax(EffectKnob.Max);
    knob->SetPosition(0);
    knob->SetSmallChange(EffectKnob.SmallChange);
    knob->SetPageSize(EffectKnob.PageSize);
    knob->SetDrawTweens(true);
    knob->SetOpacity(200);
    // A click gives the knob the keyboard focus, for its keys and its value field.
    knob->SetDIBTabOrder(left / 92);
    auto highlight = std::make_unique<THighlightDIB>();
    highlight->SetHighlightOpacity(255);
    knob->AddFeature(std::move(highlight));
    knob->setAccessibleName(QString::fromLatin1(caption));

    Label(DIBContainer2, QString::fromLatin1(caption), left + 36, 0);
    valueLabel = Label(DIBContainer2, QStringLiteral("100%"), left + 36, 16);
    valueLabel->setFont(QFont(QStringLiteral("Tahoma"), 8));
    SetColor(valueLabel, QPalette::WindowText, ValueLabelColor);
    connect(knob, &TCustomDIBKnob::OnChange, this,
            [this, knob] { RunGuarded([this, knob] { EffectKnobChange(knob); }); });
    // First the end of the gesture, so that a reset by the press is a step of its own.
    for (const auto signal : {&TCustomDIBControl::OnMouseDown, &TCustomDIBControl::OnMouseUp}) {
        connect(knob, signal, this, [this, knob](TCustomDIBControl*, Qt::MouseButton button) {
            // Another button pressed during a drag leaves the drag whole.
            if (history_ && (!knob->Dragging() || button == Qt::LeftButton)) {
                history_->EndGesture();
            }
        });
    }
    connect(knob, &TCustomDIBControl::OnMouseDown, this,
            [knob] { KnobPressReset::Instance().Press(*knob); });
    KnobValueEntry::Attach(*knob, EffectKnob);
    knob->setToolTip(QString::fromLatin1(caption) + QStringLiteral(": ") +
                     QString::fromStdString(ReadoutText(EffectKnob, knob->Position())));
    return knob;
}

void TFrmSarvikFile::CreateOscillatorPage() {
    TabSarvikOsc = new QWidget;
    TabSarvikOsc->setObjectName(QStringLiteral("TabSarvikOsc"));
    PagesSarvik->addTab(TabSarvikOsc, QStringLiteral("Oscillators"));
    TabSarvikOsc->setAutoFillBackground(true);
    SetColor(TabSarvikOsc, QPalette::Window, OscillatorPageColor);

    QFont headingFont(QStringLiteral("Arial"), 11);
    headingFont.setBold(true);
    constexpr int HeadingLefts[] = {2, 242, 484, 724};
    for (int i = 0; i < 4; ++i) {
        auto* heading = new QLabel(QStringLiteral("Oscillator %1").arg(i + 1), TabSarvikOsc);
        heading->setGeometry(HeadingLefts[i], 4, 236, 16);
        heading->setAlignment(Qt::AlignCenter);
        heading->setFont(headingFont);
        SetColor(heading, QPalette::WindowText, HeadingColor);

        auto* box = new TOscillatorBox(i, TabSarvikOsc);
        box->setObjectName(QStringLiteral("SbxOsc%1").arg(i + 1));
        box->setAccessibleName(QStringLiteral("Oscillator %1").arg(i + 1));
        SetColor(box->viewport(), QPalette::Window, OscillatorBoxColor);
        connect(box, &TOscillatorBox::PopupRequested, this,
                [this](TOscillatorBox* source, QPoint at) {
                    oscPopupComponent_ = source;
                    PopupOsc->popup(at);
                });
        SbxOsc[static_cast<std::size_t>(i)] = box;
    }
    TabSarvikOsc->installEventFilter(
        new WatchEvents(this, [this](QEvent::Type) { LayOutStretchingControls(); }));
}

void TFrmSarvikFile::CreateMenus() {
    const auto guarded = [this](TQdAction* action, void (TFrmSarvikFile::*handler)()) {
        connect(action, &QAction::triggered, this,
                [this, handler] { RunGuarded([this, handler] { (this->*handler)(); }); });
    };
    ActAddInstrument = new TQdAction(QStringLiteral("Add Instrument"), 5, this);
    ActDelInstrument = new TQdAction(QStringLiteral("Delete Instrument"), 6, this);
    ActAddInstrumentInst = new TQdAction(QStringLiteral("Add Instrument"), 7, this);
    guarded(ActAddInstrument, &TFrmSarvikFile::ActAddInstrumentExecute);
    guarded(ActDelInstrument, &TFrmSarvikFile::ActDelInstrumentExecute);
    guarded(ActAddInstrumentInst, &TFrmSarvikFile::ActAddInstrumentInstExecute);

    SampleChooser = new TSampleChooser(this);
    connect(SampleChooser, &TSampleChooser::Chosen, this,
            [this](int entry) { RunGuarded([this, entry] { ClickChooseSample(entry); }); });
    PopupOsc = new QMenu(this);
    PopupOsc->addAction(ActAddInstrument);
    PopupInst = new QMenu(this);
    PopupInst->addAction(ActAddInstrumentInst);
    PopupInst->addAction(ActDelInstrument);
}

void TFrmSarvikFile::resizeEvent(QResizeEvent* event) {
    TFrmBase::resizeEvent(event);
    // The panel around the pages has a border of 5 pixels.
    PagesSarvik->setGeometry(rect().adjusted(5, 5, -5, -5));
}

void TFrmSarvikFile::LayOutStretchingControls() {
    // The text view and the oscillator columns keep their top and follow the bottom.
    MmoSarvikTxt->setGeometry(328, 20, 633, std::max(100, TabSarvikWaveset->height() - 20 - 8));
    const int boxHeight = std::max(100, TabSarvikOsc->height() - 23 - 4);
    for (std::size_t i = 0; i < SbxOsc.size(); ++i) {
        SbxOsc[i]->setGeometry(static_cast<int>(241 * i), 23, 238, boxHeight);
    }
}

std::filesystem::path TFrmSarvikFile::GetFileName() const {
    return waveset_->FileName();
}

void TFrmSarvikFile::SetFileName(const std::filesystem::path& fileName) {
    waveset_->SetFileName(fileName);
    TFrmBase::SetFileName(fileName);
}

bool TFrmSarvikFile::CanSave(bool reportProblem, bool focusProblem) {
    return waveset_->CanSave(reportProblem, focusProblem);
}

bool TFrmSarvikFile::SaveToFile(const std::filesystem::path& fileName) {
    const bool saved = waveset_->SaveToFile(fileName);
    if (saved) {
        history_->MarkSaved();
    }
    return saved;
}

std::string TFrmSarvikFile::SaveRemark() const {
    return OwnershipRemark(waveset_->LastSaveKept());
}

bool TFrmSarvikFile::LoadFromFile(const std::filesystem::path& fileName) {
    const bool loaded = waveset_->LoadFromFile(fileName);
    if (loaded) {
        history_->Reset();
    }
    return loaded;
}

void TFrmSarvikFile::NewFile() {
    waveset_->Clear();
    history_->Reset();
}

QUndoStack* TFrmSarvikFile::UndoStack() const {
    return history_->Stack();
}

bool TFrmSarvikFile::IsModified() const {
    return waveset_->Modified();
}

bool TFrmSarvikFile::ChangedOnDisk() const {
    return waveset_->ChangedOnDisk();
}

void TFrmSarvikFile::WavesetModified() {
    SetFileName(GetFileName());
}

void TFrmSarvikFile::TabSarvikWavesetShow() {
    // Showing the page refreshes labels and view but is no change of the document.
    for (TDIBKnob* knob : {KnbSarvikReverb, KnbSarvikChorus, KnbSarvikDelay}) {
        ShowEffectReadout(knob);
    }
    ShowText(waveset_->BuildText());
}

void TFrmSarvikFile::ShowEffectReadout(TDIBKnob* knob) {
    QLabel* label = knob == KnbSarvikChorus   ? LblSarvikChorus
                    : knob == KnbSarvikReverb ? LblSarvikReverb
                                              : LblSarvikDelay;
    const QString readout = QString::fromStdString(ReadoutText(EffectKnob, knob->Position()));
    label->setText(readout);
    label->adjustSize();
    knob->setToolTip(knob->accessibleName() + QStringLiteral(": ") + readout);
}

void TFrmSarvikFile::EffectKnobChange(TDIBKnob* knob) {
    if (!waveset_) {
        return; // the knobs are set up before the document exists
    }
    TSarvikWaveset& document = *waveset_;
    // A knob that has the focus keeps it, as in the strips.
    if (DIBContainer2->parentWidget()->parentWidget() && !document.IsUpdating() &&
        !knob->hasFocus()) {
        DIBContainer2->setFocus();
    }
    ShowEffectReadout(knob);
    const SarvikKnob kind = knob == KnbSarvikChorus   ? SarvikKnob::Chorus
                            : knob == KnbSarvikReverb ? SarvikKnob::Reverb
                                                      : SarvikKnob::Delay;
    const std::int32_t before = document.Effect(kind);
    document.SetEffect(kind, knob->Position());
    document.SetModified(true);
    if (!document.IsUpdating()) {
        ShowText(document.BuildText());
        if (history_) {
            history_->RecordEffect(kind, before, knob->Position(), knob->Dragging());
        }
    }
}

void TFrmSarvikFile::EdtWavesetChange() {
    if (!waveset_->IsUpdating()) {
        history_->ChangeWavesetFile(TextToBytes(EdtWaveset->text()), GestureKind::Typing);
    }
}

void TFrmSarvikFile::EdtWavesetNameChange() {
    if (!waveset_->IsUpdating()) {
        history_->ChangeWavesetName(TextToBytes(EdtWavesetName->text()));
    }
}

void TFrmSarvikFile::UpdateNotesJoinedNote() {
    // The field gives room to the note while it shows.
    const bool joined = HasJoinedLineBreak(TextToBytes(MmoSarvikWavesetNotes->NotesText()));
    LblNotesJoined->setVisible(joined);
    MmoSarvikWavesetNotes->resize(MmoSarvikWavesetNotes->width(), joined ? 91 : 121);
}

void TFrmSarvikFile::MmoSarvikWavesetNotesChange() {
    if (!waveset_->IsUpdating()) {
        history_->ChangeNotes(TextToBytes(MmoSarvikWavesetNotes->NotesText()));
    }
}

void TFrmSarvikFile::BtnBrowseWavesetFileClick() {
    FileDialogSettings& dialog = *openDialog_;
    dialog.FileName = BytesToText(waveset_->WavesetFile());
    dialog.Title = QStringLiteral("Select Waveset");
    dialog.Filter = WavesetFilter;
    dialog.FilterIndex = 0;
    if (!AppPrompts().RunOpenDialog(dialog)) {
        return;
    }
    RememberChosenFolder(dialog);
    const std::filesystem::path chosen = TextToPath(dialog.FileName);
    // The host looks for wavesets in its Samples folder only: a bank in a folder there
    // keeps its path relative to it, one elsewhere only its name.
    const std::filesystem::path samples = HostPath(waveset_->InstallDir(), "Samples");
    const std::optional<std::filesystem::path> inside = PathInsideFolder(samples, chosen);
    QString name;
    if (inside) {
        for (const std::filesystem::path& component : *inside) {
            name += (name.isEmpty() ? QString() : QStringLiteral("\\")) +
                    QString::fromStdString(PathToUtf8(component));
        }
    } else {
        name = QString::fromStdString(PathToUtf8(chosen.filename()));
    }
    if (!IsEncodable(name)) {
        AppPrompts().Message(
            {QStringLiteral("The name %1 cannot be written into a Sarvik file. Please rename "
                            "the waveset file.")
                 .arg(name),
             QStringLiteral("Select Waveset"), MessageIcon::Warning, MessageButtons::Ok,
             MessageAnswer::Ok});
        return;
    }
    if (!inside && !OfferCopyIntoSamples(chosen, samples)) {
        return;
    }
    // A file chosen is a step of its own, whatever was typed before.
    history_->EndGesture();
    history_->ChangeWavesetFile(TextToBytes(name), GestureKind::Typing);
    history_->EndGesture();
}

bool TFrmSarvikFile::OfferCopyIntoSamples(const std::filesystem::path& chosen,
                                          const std::filesystem::path& samples) {
    const QString file = PathToText(chosen);
    const QString folder = PathToText(samples);
    const MessageAnswer answer = AppPrompts().Message(
        {QStringLiteral("%1 lies outside the Samples folder, %2, where the host looks for "
                        "wavesets. Copy it there?")
             .arg(file, folder),
         QStringLiteral("Select Waveset"), MessageIcon::Question,
         MessageButtons::CopyNameOnlyCancel, MessageAnswer::Copy,
         QStringLiteral("With the name only, the host finds the waveset only where a file of "
                        "that name is in the Samples folder.")});
    if (answer == MessageAnswer::NameOnly) {
        return true;
    }
    if (answer != MessageAnswer::Copy) {
        return false;
    }
    try {
        if (CopyIntoFolder(chosen, samples, false) == CopyResult::DifferentFileThere) {
            const MessageAnswer replace = AppPrompts().Message(
                {QStringLiteral("The Samples folder already holds a different file named %1. "
                                "Replace it?")
                     .arg(PathToText(chosen.filename())),
                 QStringLiteral("Select Waveset"), MessageIcon::Warning, MessageButtons::YesNo,
                 MessageAnswer::No});
            if (replace != MessageAnswer::Yes) {
                return false;
            }
            CopyIntoFolder(chosen, samples, true);
        }
    } catch (const FileError& error) {
        AppPrompts().Message({QString::fromLocal8Bit(error.what()),
                              QStringLiteral("Select Waveset"), MessageIcon::Warning,
                              MessageButtons::Ok, MessageAnswer::Ok});
        return false;
    }
    return true;
}

void TFrmSarvikFile::BuildSampleChooser() {
    if (!SampleChooser->IsEmpty()) {
        return; // built at an earlier opening; a new waveset clears it
    }
    const std::vector<std::string> captions =
        SampleCaptions(waveset_->Samples(), waveset_->WavesetFile());
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(captions.size()));
    for (const std::string& caption : captions) {
        entries.push_back(BytesToText(caption));
    }
    SampleChooser->SetCaptions(std::move(entries));
}

void TFrmSarvikFile::ClickChooseSample(int tag) {
    const TSampleList& samples = waveset_->Samples();
    if (tag < 0 || static_cast<std::size_t>(tag) >= samples.size() || !samplePopupComponent_) {
        return;
    }
    {
        const QScopedValueRollback choosing(choosingSample_, true);
        samplePopupComponent_->SetText(BytesToText(samples[static_cast<std::size_t>(tag)]));
    }
    if (!waveset_->IsUpdating()) {
        samplePopupComponent_->setFocus();
    }
}

void TFrmSarvikFile::AddInstrumentToOscillator(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= waveset_->Oscillators().size()) {
        return;
    }
    TSarvikOscillator& oscillator = *waveset_->Oscillators()[static_cast<std::size_t>(index)];
    history_->AddInstrument(index);
    if (oscillator.Instruments().empty()) {
        return;
    }
    const auto* handle =
        dynamic_cast<const InstrumentStripHandle*>(oscillator.Instruments().back()->Panel());
    if (handle && handle->View()) {
        TOscillatorBox* box = SbxOsc[static_cast<std::size_t>(index)];
        box->Strips()->layout()->activate();
        box->ensureWidgetVisible(handle->View(), 0, 0);
        handle->View()->Container()->setFocus();
    }
}

void TFrmSarvikFile::ActAddInstrumentExecute() {
    if (oscPopupComponent_) {
        AddInstrumentToOscillator(oscPopupComponent_->Tag());
    }
}

void TFrmSarvikFile::ActAddInstrumentInstExecute() {
    if (!instPopupComponent_) {
        return;
    }
    for (QWidget* ancestor = instPopupComponent_->parentWidget(); ancestor;
         ancestor = ancestor->parentWidget()) {
        if (auto* box = qobject_cast<TOscillatorBox*>(ancestor)) {
            AddInstrumentToOscillator(box->Tag());
            return;
        }
    }
}

void TFrmSarvikFile::ActDelInstrumentExecute() {
    if (!instPopupComponent_) {
        return;
    }
    // The strip is the menu's popup component: it goes once the menu's event is over.
    QPointer<TInstrumentStripView> strip = instPopupComponent_;
    QMetaObject::invokeMethod(
        this,
        [this, strip] {
            if (strip) {
                RunGuarded([this, &strip] { history_->DeleteInstrument(strip->Instrument()); });
            }
        },
        Qt::QueuedConnection);
}

void TFrmSarvikFile::PopupInstAt(TInstrumentStripView* strip, QPoint globalPosition) {
    instPopupComponent_ = strip;
    PopupInst->popup(globalPosition);
}

void TFrmSarvikFile::SetKnobPosition(SarvikKnob knob, std::int32_t position) {
    switch (knob) {
    case SarvikKnob::Chorus:
        KnbSarvikChorus->SetPosition(position);
        break;
    case SarvikKnob::Reverb:
        KnbSarvikReverb->SetPosition(position);
        break;
    case SarvikKnob::Delay:
        KnbSarvikDelay->SetPosition(position);
        break;
    }
}

std::string TFrmSarvikFile::FieldText(SarvikField field) const {
    switch (field) {
    case SarvikField::Waveset:
        return TextToBytes(EdtWaveset->text());
    case SarvikField::WavesetName:
        return TextToBytes(EdtWavesetName->text());
    case SarvikField::Notes:
        return TextToBytes(MmoSarvikWavesetNotes->NotesText());
    }
    return {};
}

void TFrmSarvikFile::SetFieldText(SarvikField field, const std::string& text) {
    // The document writes what it already holds: the field's own handler stays quiet,
    // and text that is already shown is left alone so a caret never jumps.
    if (FieldText(field) == text) {
        return;
    }
    const QString shown = BytesToText(text);
    switch (field) {
    case SarvikField::Waveset: {
        const QSignalBlocker quiet(EdtWaveset);
        EdtWaveset->setText(shown);
        break;
    }
    case SarvikField::WavesetName: {
        const QSignalBlocker quiet(EdtWavesetName);
        EdtWavesetName->setText(shown);
        break;
    }
    case SarvikField::Notes: {
        {
            const QSignalBlocker quiet(MmoSarvikWavesetNotes);
            MmoSarvikWavesetNotes->SetNotesText(shown);
        }
        UpdateNotesJoinedNote();
        break;
    }
    }
}

void TFrmSarvikFile::ShowPage(SarvikPage page) {
    PagesSarvik->setCurrentWidget(page == SarvikPage::Waveset ? TabSarvikWaveset : TabSarvikOsc);
}

void TFrmSarvikFile::FocusField(SarvikField field) {
    switch (field) {
    case SarvikField::Waveset:
        EdtWaveset->setFocus();
        break;
    case SarvikField::WavesetName:
        EdtWavesetName->setFocus();
        break;
    case SarvikField::Notes:
        MmoSarvikWavesetNotes->setFocus();
        break;
    }
}

void TFrmSarvikFile::ShowText(const std::string& text) {
    RefreshTextView(*MmoSarvikTxt, shownText_, text);
}

void TFrmSarvikFile::ClearSamplePopup() {
    SampleChooser->SetCaptions({});
}

void TFrmSarvikFile::ShowWavesetPath(const std::string& path, bool found) {
    const QString shown = QString::fromLocal8Bit(path);
    EdtWaveset->setToolTip(path.empty() ? QString()
                           : found      ? shown
                                        : QStringLiteral("Not found: %1").arg(shown));
}

void TFrmSarvikFile::OpenSamplePopup(TSarvikInstrument& instrument) {
    const auto* handle = dynamic_cast<const InstrumentStripHandle*>(instrument.Panel());
    if (!handle || !handle->View()) {
        return;
    }
    TInstrumentStripView* strip = handle->View();
    samplePopupComponent_ = strip->WaveEdit();
    BuildSampleChooser();
    const TSampleList& samples = waveset_->Samples();
    const auto current = std::find(samples.begin(), samples.end(), instrument.Wave());
    const QWidget* button = strip->SampleButton();
    SampleChooser->Open(QRect(button->mapToGlobal(QPoint(0, 0)), button->size()),
                        current == samples.end() ? -1
                                                 : static_cast<int>(current - samples.begin()));
}

std::unique_ptr<InstrumentStrip> TFrmSarvikFile::BuildStrip(TSarvikInstrument& instrument) {
    const int box = instrument.Oscillator().Box();
    if (box < 0 || static_cast<std::size_t>(box) >= SbxOsc.size()) {
        return nullptr;
    }
    auto handle = std::make_unique<InstrumentStripHandle>(
        instrument, instrument.Index() + 1, [this](TInstrumentStripView& strip) {
            connect(&strip, &TInstrumentStripView::PopupRequested, this,
                    &TFrmSarvikFile::PopupInstAt);
            // Strips are built only once the window and its history exist.
            connect(&strip, &TInstrumentStripView::KnobTurned, this,
                    [this](TSarvikInstrument& turned, InstrumentKnob knob, std::int32_t before,
                           bool dragging) {
                        if (history_) {
                            history_->RecordInstrumentKnob(turned, knob, before,
                                                           InstrumentValue(turned, knob), dragging);
                        }
                    });
            connect(&strip, &TInstrumentStripView::WaveChanged, this,
                    [this](TSarvikInstrument& changed, const std::string& before) {
                        if (history_) {
                            history_->RecordWave(changed, before, choosingSample_);
                        }
                    });
            connect(&strip, &TInstrumentStripView::KnobGestureEnded, this, [this] {
                if (history_) {
                    history_->EndGesture();
                }
            });
            if (history_) {
                DocumentUndoKeys::Attach(*strip.WaveEdit(), *history_->Stack());
            }
        });
    // Built when it comes into view: opening a large file costs what is shown.
    SbxOsc[static_cast<std::size_t>(box)]->PlaceStrip(handle->Slot(), instrument.Index());
    return handle;
}

void TFrmSarvikFile::ReportProblem(const Problem& problem) {
    AppPrompts().Message(
        {BytesToText(problem.Text), BytesToText(problem.Caption),
         problem.Icon == ProblemIcon::Stop ? MessageIcon::Stop : MessageIcon::Warning,
         MessageButtons::Ok, MessageAnswer::Ok, QString::fromLocal8Bit(problem.Detail)});
}

void TFrmSarvikFile::ReportError(const std::string& message) {
    ReportUnhandledError(QString::fromLocal8Bit(message));
}
