#include "editor/InstrumentStripView.h"

#include "controls/DIBContainer.h"
#include "controls/DIBEdit.h"
#include "controls/DIBGlyphButton.h"
#include "controls/DIBKnob.h"
#include "controls/HighlightDIB.h"
#include "controls/SkinImages.h"
#include "document/KnobKinds.h"
#include "document/SarvikFile.h"
#include "editor/KnobPressReset.h"
#include "editor/KnobValueEntry.h"
#include "editor/SkinFonts.h"
#include "uikit/ByteText.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QLayout>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

const QColor StripColor(45, 46, 63);
const QColor TitleColor(131, 132, 142);
const QColor WaveTextColor(205, 218, 255);
const QColor WaveBackground(78, 108, 202);
// A wave the waveset does not hold: the host would play nothing for it.
const QColor MissingWaveBackground(176, 58, 46);

QLabel* MakeLabel(QWidget* parent, const QString& text, QPoint position, const QFont& font,
                  const QColor& color) {
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    QPalette colors = label->palette();
    colors.setColor(QPalette::WindowText, color);
    label->setPalette(colors);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->move(position);
    label->adjustSize();
    return label;
}

void Highlighted(TCustomDIBControl& control) {
    control.SetOpacity(200);
    auto highlight = std::make_unique<THighlightDIB>();
    highlight->SetHighlightOpacity(255);
    control.AddFeature(std::move(highlight));
}

int Index(InstrumentKnob knob) {
    return static_cast<int>(knob);
}

} // namespace

TInstrumentStripView::TInstrumentStripView(TSarvikInstrument& instrument, int number)
    : instrument_(&instrument) {
    setFixedHeight(StripHeight);
    setMinimumWidth(StripMinimumWidth);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    container_ = new TDIBContainer(this);
    container_->SetColor(StripColor);
    container_->setGeometry(rect());

    const QFont small = SkinSmallFont();
    QFont numberFont(QStringLiteral("Arial"), 11);
    numberFont.setBold(true);
    numberLabel_ = MakeLabel(container_, QString::number(number), {6, 6}, numberFont, Qt::white);
    MakeLabel(container_, QStringLiteral("Wave"), {30, 8}, small, TitleColor);

    waveEdit_ = new TDIBEdit(container_);
    waveEdit_->setGeometry(64, 5, 120, 19);
    waveEdit_->setFont(small);
    waveEdit_->SetColors(WaveTextColor, WaveBackground);
    waveEdit_->setFrame(true);
    // The strip's own menu (Add / Delete Instrument), as everywhere else on the strip.
    waveEdit_->setContextMenuPolicy(Qt::NoContextMenu);
    MakeLineField(waveEdit_);
    waveEdit_->setAccessibleName(QStringLiteral("Wave"));
    waveEdit_->SetText(BytesToText(instrument.Wave()));
    connect(waveEdit_, &TDIBEdit::OnChange, this, [this] { WaveEdited(); });

    sampleButton_ = new TDIBGlyphButton(container_);
    sampleButton_->SetDIBImageList(SkinImages());
    sampleButton_->SetIndexMain(SkinBtn1);
    sampleButton_->SetNumGlyphs(SkinBtn1Glyphs);
    sampleButton_->setGeometry(189, 5, 22, 18);
    sampleButton_->setAccessibleName(QStringLiteral("Choose sample"));
    Highlighted(*sampleButton_);
    connect(sampleButton_, &TDIBGlyphButton::OnClick, this,
            [this] { Document().ShowSamplePopup(*instrument_); });

    AddKnob(InstrumentKnob::Hold, "Hold", {28, 29});
    AddKnob(InstrumentKnob::Volume, "Volume", {116, 29});
    AddKnob(InstrumentKnob::Blend, "Blend", {28, 61});
    AddKnob(InstrumentKnob::Transpose, "Transpose", {116, 61});
}

TDIBKnob* TInstrumentStripView::AddKnob(InstrumentKnob kind, const char* title, QPoint position) {
    const KnobKind& range = KindOf(kind);
    const QFont small = SkinSmallFont();
    const QPoint label = position + QPoint(35, 3);
    MakeLabel(container_, QString::fromLatin1(title), label, small, TitleColor);
    values_[Index(kind)] =
        MakeLabel(container_, QStringLiteral("0"), label + QPoint(0, 12), small, Qt::white);

    auto* knob = new TDIBKnob(container_);
    knob->SetDIBImageList(SkinImages());
    knob->SetIndexMain(SkinKnob1);
    knob->SetNumGlyphs(SkinKnob1Frames);
    knob->SetDrawTweens(true);
    knob->SetLoopLastFrame(false);
    knob->SetOrientation(TKnobOrientation::koVertical);
    knob->SetMin(range.Min);
    knob->SetMax(range.Max);
    // What the instrument holds, before the knob reports changes: building a strip
    // changes nothing.
    knob->SetPosition(InstrumentValue(*instrument_, kind));
    knob->SetSmallChange(range.SmallChange);
    knob->SetPageSize(range.PageSize);
    knob->SetKeyGrid(range.KeyGrid);
    knob->setGeometry(QRect(position, QSize(32, 32)));
    knob->setAccessibleName(QString::fromLatin1(title));
    // A click gives the knob the keyboard focus, for its keys and its value field.
    knob->SetDIBTabOrder(Index(kind));
    KnobValueEntry::Attach(*knob, range);
    Highlighted(*knob);
    knobs_[Index(kind)] = knob;
    connect(knob, &TCustomDIBKnob::OnChange, this, [this, kind] { KnobChanged(kind); });
    // First the end of the gesture, so that a reset by the press is a step of its own.
    // Another button pressed during a drag leaves the drag whole.
    for (const auto signal : {&TCustomDIBControl::OnMouseDown, &TCustomDIBControl::OnMouseUp}) {
        connect(knob, signal, this, [this, knob](TCustomDIBControl*, Qt::MouseButton button) {
            if (!knob->Dragging() || button == Qt::LeftButton) {
                emit KnobGestureEnded();
            }
        });
    }
    connect(knob, &TCustomDIBControl::OnMouseDown, this,
            [knob] { KnobPressReset::Instance().Press(*knob); });
    ShowReadout(kind);
    return knob;
}

TDIBKnob* TInstrumentStripView::Knob(InstrumentKnob knob) const {
    return knobs_[Index(knob)];
}

QLabel* TInstrumentStripView::ValueLabel(InstrumentKnob knob) const {
    return values_[Index(knob)];
}

QString TInstrumentStripView::Readout(InstrumentKnob kind) const {
    return QString::fromStdString(ReadoutText(KindOf(kind), knobs_[Index(kind)]->Position()));
}

void TInstrumentStripView::ShowReadout(InstrumentKnob kind) {
    const QString readout = Readout(kind);
    values_[Index(kind)]->setText(readout);
    values_[Index(kind)]->adjustSize();
    TDIBKnob* knob = knobs_[Index(kind)];
    knob->setToolTip(knob->accessibleName() + QStringLiteral(": ") + readout);
}

void TInstrumentStripView::KnobChanged(InstrumentKnob kind) {
    // A knob that has the focus keeps it: moving it through the container and back
    // would end the run of keys in progress.
    if (parentWidget() && !Document().IsUpdating() && !knobs_[Index(kind)]->hasFocus()) {
        container_->setFocus();
    }
    ShowReadout(kind);
    const std::int32_t before = InstrumentValue(*instrument_, kind);
    ApplyKnobPosition(*instrument_, kind, knobs_[Index(kind)]->Position());
    if (!Document().IsUpdating()) {
        emit KnobTurned(*instrument_, kind, before, knobs_[Index(kind)]->Dragging());
    }
}

std::int32_t InstrumentValue(const TSarvikInstrument& instrument, InstrumentKnob knob) {
    switch (knob) {
    case InstrumentKnob::Hold:
        return instrument.Hold();
    case InstrumentKnob::Volume:
        return instrument.Volume();
    case InstrumentKnob::Blend:
        return instrument.Blend();
    case InstrumentKnob::Transpose:
        break;
    }
    return instrument.Transpose();
}

void ApplyKnobPosition(TSarvikInstrument& instrument, InstrumentKnob knob, std::int32_t position) {
    switch (knob) {
    case InstrumentKnob::Hold:
        instrument.SetHold(position);
        break;
    case InstrumentKnob::Volume:
        instrument.SetVolume(position);
        break;
    case InstrumentKnob::Blend:
        instrument.SetBlend(position);
        break;
    case InstrumentKnob::Transpose:
        instrument.SetTranspose(position);
        break;
    }
    // Also while loading: a value the knob clamps is what will be saved.
    TSarvikWaveset& document = instrument.Oscillator().Waveset();
    document.SetModified(true);
    if (!document.IsUpdating()) {
        document.RefreshPreview();
    }
}

void TInstrumentStripView::SetWaveMissing(const QString& note) {
    if (note == waveEdit_->toolTip()) {
        return;
    }
    waveEdit_->SetColors(WaveTextColor, note.isEmpty() ? WaveBackground : MissingWaveBackground);
    waveEdit_->setToolTip(note);
    waveEdit_->setAccessibleDescription(note);
}

void TInstrumentStripView::WaveEdited() {
    // While loading, the field only shows what the document holds (a name beyond the
    // field's length limit must not come back cut).
    if (Document().IsUpdating()) {
        return;
    }
    const std::string wave = TextToBytes(waveEdit_->text());
    if (wave == instrument_->Wave()) {
        return; // the document wrote it
    }
    const std::string before = instrument_->Wave();
    instrument_->SetWave(wave);
    // A typed wave name is a change like any other: it must not be lost on closing.
    TSarvikWaveset& document = Document();
    document.SetModified(true);
    document.RefreshPreview();
    emit WaveChanged(*instrument_, before);
}

TSarvikWaveset& TInstrumentStripView::Document() const {
    // Not the window's: strips are built while the window's document is being made.
    return instrument_->Oscillator().Waveset();
}

void TInstrumentStripView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    container_->setGeometry(rect());
}

void TInstrumentStripView::contextMenuEvent(QContextMenuEvent* event) {
    emit PopupRequested(this, event->globalPos());
}

TStripSlot::TStripSlot(std::function<void(TStripSlot&)> build) : build_(std::move(build)) {
    setFixedHeight(StripHeight);
    setMinimumWidth(StripMinimumWidth);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

void TStripSlot::Build() {
    if (build_) {
        const auto build = std::exchange(build_, nullptr);
        build(*this);
        TakeTabPlace();
    }
}

TInstrumentStripView* TStripSlot::Strip() const {
    QLayoutItem* item = layout()->count() > 0 ? layout()->itemAt(0) : nullptr;
    return item ? qobject_cast<TInstrumentStripView*>(item->widget()) : nullptr;
}

namespace {

// The widgets of `strip` that take the focus, in the order they were made, which is
// the strip's own Tab order (the toolkit's Tab order passes over the others).
QList<QWidget*> FocusableIn(const QWidget* strip) {
    QList<QWidget*> focusable;
    for (QWidget* child : strip->findChildren<QWidget*>()) {
        if (child->focusPolicy() != Qt::NoFocus) {
            focusable << child;
        }
    }
    return focusable;
}

} // namespace

void TStripSlot::TakeTabPlace() {
    // A strip built later than its neighbours would come last in the Tab order: it
    // goes after the nearest built strip above, or before the nearest one below.
    TInstrumentStripView* strip = Strip();
    QLayout* column = parentWidget() ? parentWidget()->layout() : nullptr;
    const QList<QWidget*> own = strip ? FocusableIn(strip) : QList<QWidget*>();
    if (own.isEmpty() || !column) {
        return;
    }
    QWidget* after = nullptr;
    const int index = column->indexOf(this);
    for (int above = index - 1; above >= 0 && !after; --above) {
        const auto* slot = qobject_cast<TStripSlot*>(column->itemAt(above)->widget());
        if (TInstrumentStripView* built = slot ? slot->Strip() : nullptr) {
            const QList<QWidget*> focusable = FocusableIn(built);
            after = focusable.isEmpty() ? nullptr : focusable.back();
        }
    }
    for (int below = index + 1; below < column->count() && !after; ++below) {
        const auto* slot = qobject_cast<TStripSlot*>(column->itemAt(below)->widget());
        if (TInstrumentStripView* built = slot ? slot->Strip() : nullptr) {
            const QList<QWidget*> focusable = FocusableIn(built);
            if (focusable.isEmpty()) {
                continue;
            }
            after = focusable.front()->previousInFocusChain();
            while (after != focusable.front() && after->focusPolicy() == Qt::NoFocus) {
                after = after->previousInFocusChain();
            }
            if (after == focusable.front()) {
                after = nullptr;
            }
        }
    }
    for (QWidget* widget : own) {
        if (after) {
            QWidget::setTabOrder(after, widget);
        }
        after = widget;
    }
}

InstrumentStripHandle::InstrumentStripHandle(TSarvikInstrument& instrument, int number,
                                             std::function<void(TInstrumentStripView&)> built)
    : instrument_(&instrument), number_(number), built_(std::move(built)) {
    slot_ = new TStripSlot([this](TStripSlot& slot) {
        auto* view = new TInstrumentStripView(*instrument_, number_);
        view_ = view;
        slot.layout()->addWidget(view);
        // Shown now rather than at the next turn of the event loop, so it can take the
        // focus.
        view->show();
        view->SetWaveMissing(BytesToText(missingNote_));
        if (built_) {
            built_(*view);
        }
    });
    slot_->setAccessibleName(QStringLiteral("Instrument %1").arg(number));
    // What the document will set, it sets from these: the knobs of a new strip.
    for (const InstrumentKnob knob : AllInstrumentKnobs) {
        knobs_[static_cast<std::size_t>(knob)] = InstrumentValue(instrument, knob);
    }
}

InstrumentStripHandle::~InstrumentStripHandle() {
    // The slot goes with the handle, and the strip in it.
    const std::unique_ptr<TStripSlot> slot(slot_.data());
}

TInstrumentStripView* InstrumentStripHandle::View() const {
    if (!view_ && slot_) {
        slot_->Build();
    }
    return view_.data();
}

void InstrumentStripHandle::SetKnobPosition(InstrumentKnob knob, std::int32_t position) {
    // Clamped to the knob's range, and a change of it is a change of the instrument
    // and of the document; a value the knob cannot show is never kept, even where the
    // knob already stands at its end.
    if (view_) {
        TDIBKnob& shown = *view_->Knob(knob);
        shown.SetPosition(position);
        if (InstrumentValue(*instrument_, knob) != shown.Position()) {
            ApplyKnobPosition(*instrument_, knob, shown.Position());
        }
        return;
    }
    const KnobKind& kind = KindOf(knob);
    const std::int32_t clamped = std::clamp(position, kind.Min, kind.Max);
    std::int32_t& held = knobs_[static_cast<std::size_t>(knob)];
    if (clamped != held || InstrumentValue(*instrument_, knob) != clamped) {
        held = clamped;
        ApplyKnobPosition(*instrument_, knob, clamped);
    }
}

void InstrumentStripHandle::SetWaveText(const std::string& text) {
    if (!view_) {
        return; // a strip built later shows what the instrument holds then
    }
    const QString shown = BytesToText(text);
    // Rewriting the same text would move the caret of someone typing.
    if (view_->WaveEdit()->text() != shown) {
        view_->WaveEdit()->SetText(shown);
    }
}

void InstrumentStripHandle::SetNumber(std::int32_t number) {
    number_ = number;
    if (slot_) {
        slot_->setAccessibleName(QStringLiteral("Instrument %1").arg(number));
    }
    if (view_) {
        view_->NumberLabel()->setText(QString::number(number));
        view_->NumberLabel()->adjustSize();
    }
}

void InstrumentStripHandle::SetWaveMissing(const std::string& note) {
    missingNote_ = note;
    if (view_) {
        view_->SetWaveMissing(BytesToText(note));
    }
}

void InstrumentStripHandle::FocusWave() {
    if (TInstrumentStripView* view = View()) {
        view->WaveEdit()->setFocus();
    }
}
