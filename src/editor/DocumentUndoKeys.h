#pragma once

#include <QObject>

class QUndoStack;
class QWidget;

// Sends the undo and redo keys of a text field, and the Undo and Redo of its context
// menu, to its document's history, so that the field keeps no history of its own.
class DocumentUndoKeys : public QObject {
  public:
    // Watches `field` for as long as both live.
    static void Attach(QWidget& field, QUndoStack& history);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    DocumentUndoKeys(QWidget& field, QUndoStack& history);

    QWidget* field_;
    QUndoStack* history_;
};
