#include "editor/DocumentUndoKeys.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QUndoStack>

namespace {

bool IsUndo(const QKeyEvent& key) {
    return key.matches(QKeySequence::Undo);
}

// Ctrl+Y and Ctrl+Shift+Z on every platform, beside what the platform calls Redo.
bool IsRedo(const QKeyEvent& key) {
    const QKeyCombination pressed = key.keyCombination();
    return key.matches(QKeySequence::Redo) ||
           pressed == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
           pressed == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
}

} // namespace

DocumentUndoKeys::DocumentUndoKeys(QWidget& field, QUndoStack& history)
    : QObject(&field), history_(&history) {
    connect(&history, &QObject::destroyed, this, [this] { history_ = nullptr; });
}

void DocumentUndoKeys::Attach(QWidget& field, QUndoStack& history) {
    if (auto* memo = qobject_cast<QPlainTextEdit*>(&field)) {
        memo->setUndoRedoEnabled(false);
    }
    field.installEventFilter(new DocumentUndoKeys(field, history));
}

bool DocumentUndoKeys::eventFilter(QObject* watched, QEvent* event) {
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (!key || !history_) {
        return QObject::eventFilter(watched, event);
    }
    const auto& pressed = static_cast<const QKeyEvent&>(*event);
    const bool undo = IsUndo(pressed);
    const bool redo = !undo && IsRedo(pressed);
    if (!undo && !redo) {
        return QObject::eventFilter(watched, event);
    }
    if (event->type() == QEvent::ShortcutOverride) {
        // The key stays with the field, which hands it to the document's history below,
        // rather than with a window's Undo shortcut that may not be there.
        event->accept();
        return true;
    }
    if (undo) {
        history_->undo();
    } else {
        history_->redo();
    }
    return true;
}
