#include "editor/DocumentUndoKeys.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
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

QMenu* StandardMenu(QObject* field) {
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        return line->createStandardContextMenu();
    }
    if (auto* memo = qobject_cast<QPlainTextEdit*>(field)) {
        return memo->createStandardContextMenu();
    }
    return nullptr;
}

// The field's own menu, its Undo and Redo taken over by the document's history.
void ShowMenu(QObject* field, QUndoStack& history, QPoint globalPosition) {
    QMenu* menu = StandardMenu(field);
    if (!menu) {
        return;
    }
    // Newer toolkits name the two items; older ones put them first, before a separator.
    const QList<QAction*> actions = menu->actions();
    QAction* undo = menu->findChild<QAction*>(QStringLiteral("edit-undo"));
    QAction* redo = menu->findChild<QAction*>(QStringLiteral("edit-redo"));
    if ((!undo || !redo) && actions.size() > 2 && actions[2]->isSeparator()) {
        undo = actions[0];
        redo = actions[1];
    }
    for (QAction* action : {undo, redo}) {
        if (!action) {
            continue;
        }
        QObject::disconnect(action, &QAction::triggered, field, nullptr);
        action->setEnabled(action == undo ? history.canUndo() : history.canRedo());
        QObject::connect(action, &QAction::triggered, &history,
                         action == undo ? &QUndoStack::undo : &QUndoStack::redo);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPosition);
}

} // namespace

DocumentUndoKeys::DocumentUndoKeys(QWidget& field, QUndoStack& history)
    : QObject(&field), field_(&field), history_(&history) {
    connect(&history, &QObject::destroyed, this, [this] { history_ = nullptr; });
}

void DocumentUndoKeys::Attach(QWidget& field, QUndoStack& history) {
    auto* filter = new DocumentUndoKeys(field, history);
    field.installEventFilter(filter);
    if (auto* memo = qobject_cast<QPlainTextEdit*>(&field)) {
        memo->setUndoRedoEnabled(false);
        // A right-click lands on the memo's viewport, which hands it on past the memo's
        // own event filters.
        memo->viewport()->installEventFilter(filter);
    }
}

bool DocumentUndoKeys::eventFilter(QObject* watched, QEvent* event) {
    // A field whose menu is its owner's (the wave field's is the strip's) keeps it so.
    if (event->type() == QEvent::ContextMenu && history_ &&
        field_->contextMenuPolicy() == Qt::DefaultContextMenu) {
        ShowMenu(field_, *history_, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
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
