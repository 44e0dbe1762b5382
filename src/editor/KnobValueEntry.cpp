#include "editor/KnobValueEntry.h"

#include "controls/CustomDIBKnob.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

KnobValueEntry* KnobValueEntry::Attach(TCustomDIBKnob& knob, const KnobKind& kind) {
    return new KnobValueEntry(knob, kind);
}

KnobValueEntry::KnobValueEntry(TCustomDIBKnob& knob, const KnobKind& kind)
    : QObject(&knob), knob_(knob), kind_(kind) {
    knob.installEventFilter(this);
}

void KnobValueEntry::Open(const QString& text) {
    if (field_ || knob_.parentWidget() == nullptr) {
        return;
    }
    auto* field = new QLineEdit(knob_.parentWidget());
    field_ = field;
    field->setAccessibleName(knob_.accessibleName() + QStringLiteral(" value"));
    field->setToolTip(QStringLiteral("Enter applies, Escape cancels"));
    // The number of the read-out, without its unit.
    field->setText(text.isEmpty() ? QString::number(ReadoutNumber(kind_, knob_.Position())) : text);
    if (text.isEmpty()) {
        field->selectAll();
    }
    const int width = std::max(knob_.width() + 24,
                               field->fontMetrics().horizontalAdvance(QStringLiteral("-00000 ms")));
    field->setGeometry(knob_.x(), knob_.y() + (knob_.height() - 20) / 2, width, 20);
    field->installEventFilter(this);
    field->show();
    field->raise();
    field->setFocus(Qt::OtherFocusReason);
}

void KnobValueEntry::Apply() {
    if (!field_) {
        return;
    }
    const std::optional<std::int32_t> position =
        PositionOfReadout(kind_, field_->text().toStdString());
    if (!position) {
        QApplication::beep();
        field_->selectAll();
        return; // stays open for a better number
    }
    Close(true);
    knob_.SetPosition(*position);
}

void KnobValueEntry::Close(bool focusKnob) {
    if (!field_) {
        return;
    }
    QLineEdit* field = field_;
    field_ = nullptr;
    field->removeEventFilter(this);
    // The focus first: hiding the focused field would pass it on down the chain and
    // scroll the column to wherever that is.
    if (focusKnob) {
        knob_.setFocus(Qt::OtherFocusReason);
    }
    field->hide();
    field->deleteLater();
}

bool KnobValueEntry::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &knob_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
            return false;
        }
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_F2:
            Open();
            return true;
        default:
            break;
        }
        const QString typed = key->text();
        if (typed.size() == 1 && (typed.front().isDigit() || typed == QStringLiteral("-"))) {
            Open(typed);
            return true;
        }
        return false;
    }
    if (field_ && watched == field_) {
        if (event->type() == QEvent::KeyPress) {
            switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                Apply();
                return true;
            case Qt::Key_Escape:
                Close(true);
                return true;
            default:
                break;
            }
        } else if (event->type() == QEvent::FocusOut) {
            // Clicking elsewhere cancels, as Escape does, and the focus goes there; the
            // field's own menu or a switch to another window keeps it open.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
                Close(false);
            }
        }
    }
    return false;
}
