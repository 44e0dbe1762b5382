#include "editor/NotesMemo.h"

#include "uikit/ByteText.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

int FileLength(const QString& text) {
    return static_cast<int>(text.size() + text.count(u'\n'));
}

} // namespace

TNotesMemo::TNotesMemo(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
}

QString TNotesMemo::NotesText() const {
    // Block by block: toPlainText() would turn no-break spaces into plain ones.
    QString text;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (block != document()->begin()) {
            text += QStringLiteral("\r\n");
        }
        text += block.text();
    }
    return text;
}

void TNotesMemo::SetNotesText(const QString& notes) {
    QString text = notes;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    setPlainText(text);
}

QString TNotesMemo::Admissible(const QString& text) const {
    QString accepted;
    for (const QChar character : text) {
        if (character == u'\n' || IsEncodable(QString(character))) {
            accepted += character;
        }
    }
    if (maxLength_ <= 0) {
        return accepted;
    }
    const int room =
        maxLength_ - FileLength(toPlainText()) +
        FileLength(textCursor().selectedText().replace(QChar::ParagraphSeparator, u'\n'));
    while (!accepted.isEmpty() && FileLength(accepted) > room) {
        accepted.chop(1);
    }
    return accepted;
}

void TNotesMemo::keyPressEvent(QKeyEvent* event) {
    const bool lineBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString typed = lineBreak ? QStringLiteral("\n") : event->text();
    // Anything but a control key's text would be inserted, printable or not (a zero-width
    // space, half of a character beyond the basic plane): all of it is checked.
    const bool inserts =
        lineBreak || (!typed.isEmpty() && typed.at(0).unicode() >= 0x20 && typed.at(0) != u'\x7f');
    if (inserts && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        if (Admissible(typed) != typed) {
            event->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TNotesMemo::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    if (!commit.isEmpty() && Admissible(commit) != commit) {
        QInputMethodEvent trimmed(event->preeditString(), event->attributes());
        trimmed.setCommitString(Admissible(commit), event->replacementStart(),
                                event->replacementLength());
        QPlainTextEdit::inputMethodEvent(&trimmed);
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void TNotesMemo::insertFromMimeData(const QMimeData* source) {
    if (source->hasText()) {
        QString text = source->text();
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(u'\r', u'\n');
        insertPlainText(Admissible(text));
    }
}
