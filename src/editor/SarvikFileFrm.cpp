#include "editor/SarvikFileFrm.h"

#include "app/ByteText.h"
#include "app/ErrorHandler.h"
#include "app/Prompts.h"

#include <QFont>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TFrmSarvikFile::TFrmSarvikFile(QWidget* parent) : TFrmBase(parent) {
    setWindowTitle(QStringLiteral("Sarvik File"));
    resize(987, 459);
    auto* layout = new QVBoxLayout(this);
    MmoSarvikTxt = new QPlainTextEdit(this);
    MmoSarvikTxt->setReadOnly(true);
    MmoSarvikTxt->setAcceptDrops(false);
    QFont font(QStringLiteral("Lucida Console"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(8);
    MmoSarvikTxt->setFont(font);
    layout->addWidget(MmoSarvikTxt);

    waveset_ = std::make_unique<TSarvikWaveset>(this);
    waveset_->SetOnModified([this](TSarvikWaveset&) { WavesetModified(); });
    FormCreate();
    waveset_->SetPreview(this);
    waveset_->RefreshPreview();
}

// The document goes first: its strips stand in this window's controls.
TFrmSarvikFile::~TFrmSarvikFile() {
    waveset_.reset();
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
    return waveset_->SaveToFile(fileName);
}

bool TFrmSarvikFile::LoadFromFile(const std::filesystem::path& fileName) {
    return waveset_->LoadFromFile(fileName);
}

void TFrmSarvikFile::NewFile() {
    waveset_->Clear();
}

bool TFrmSarvikFile::IsModified() const {
    return waveset_->Modified();
}

void TFrmSarvikFile::WavesetModified() {
    SetFileName(GetFileName());
}

void TFrmSarvikFile::SetKnobPosition(SarvikKnob, std::int32_t) {}

std::string TFrmSarvikFile::FieldText(SarvikField field) const {
    const auto found = fields_.find(field);
    return found == fields_.end() ? std::string() : found->second;
}

void TFrmSarvikFile::SetFieldText(SarvikField field, const std::string& text) {
    fields_[field] = text;
}

void TFrmSarvikFile::ShowPage(SarvikPage) {}

void TFrmSarvikFile::FocusField(SarvikField) {}

void TFrmSarvikFile::ShowText(const std::string& text) {
    MmoSarvikTxt->setPlainText(BytesToText(text));
}

void TFrmSarvikFile::ClearSamplePopup() {}

void TFrmSarvikFile::OpenSamplePopup(TSarvikInstrument&) {}

std::unique_ptr<InstrumentStrip> TFrmSarvikFile::BuildStrip(TSarvikInstrument&) {
    return nullptr;
}

void TFrmSarvikFile::ReportProblem(const Problem& problem) {
    AppPrompts().Message(
        {BytesToText(problem.Text), BytesToText(problem.Caption),
         problem.Icon == ProblemIcon::Stop ? MessageIcon::Stop : MessageIcon::Warning,
         MessageButtons::Ok, MessageAnswer::Ok});
}

void TFrmSarvikFile::ReportError(const std::string& message) {
    ReportUnhandledError(QString::fromLocal8Bit(message));
}
