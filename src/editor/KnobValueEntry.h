#pragma once

#include "document/KnobKinds.h"

#include <QObject>
#include <QPointer>

class QLineEdit;
class TCustomDIBKnob;

// Typing a knob's value: Enter, F2 or a digit on a focused knob opens a small field at
// the knob, in the unit of its read-out. Enter there sets the knob (to the end of its
// range for a value beyond it) as a turn would; a text that is no number is refused
// and the field stays open; Escape or leaving the field changes nothing.
class KnobValueEntry final : public QObject {
    Q_OBJECT
  public:
    // Owned by `knob`.
    static KnobValueEntry* Attach(TCustomDIBKnob& knob, const KnobKind& kind);

    // The open field, or nullptr.
    QLineEdit* Field() const { return field_; }
    // Opens the field holding `text`, or the read-out's number when it is empty.
    void Open(const QString& text = QString());

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    KnobValueEntry(TCustomDIBKnob& knob, const KnobKind& kind);
    void Apply();
    void Close(bool focusKnob);

    TCustomDIBKnob& knob_;
    const KnobKind& kind_;
    QPointer<QLineEdit> field_;
};
