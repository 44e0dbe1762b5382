#pragma once

#include <QPlainTextEdit>

// The notes field: typing and pasting stop at `MaxLength` characters of the file (a
// line break counts as the two it takes there), and characters the code page cannot
// hold are refused. Text set by the program is kept whole, however long.
class TNotesMemo : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit TNotesMemo(QWidget* parent = nullptr);

    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length) { maxLength_ = length; }

    // The notes with CR LF line breaks, as the document keeps them.
    QString NotesText() const;
    void SetNotesText(const QString& notes);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

  private:
    // What of `text` may go in place of the selection.
    QString Admissible(const QString& text) const;

    int maxLength_ = 0;
};
