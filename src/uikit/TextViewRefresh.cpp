#include "uikit/TextViewRefresh.h"

#include "base/LineChange.h"
#include "uikit/ByteText.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

void RefreshTextView(QPlainTextEdit& view, std::string& shown, const std::string& text) {
    QTextDocument& document = *view.document();
    // The view is only ever written by the program: its own undo would keep every
    // version of a large text.
    document.setUndoRedoEnabled(false);
    const auto lines = static_cast<int>(std::count(shown.begin(), shown.end(), '\n')) + 1;
    if (shown.empty() || document.blockCount() != lines) {
        // Nothing to build on, or the view holds something else.
        view.setPlainText(BytesToText(text));
        shown = text;
        return;
    }
    const LineChange change = ChangedLines(shown, text);
    if (change.None()) {
        return;
    }
    QTextCursor cursor(&document);
    cursor.setPosition(document.findBlockByNumber(static_cast<int>(change.FirstLine)).position());
    if (change.OldEnd >= shown.size()) {
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    } else {
        const int end = static_cast<int>(change.FirstLine + change.OldLines);
        cursor.setPosition(document.findBlockByNumber(end).position(), QTextCursor::KeepAnchor);
    }
    cursor.insertText(
        BytesToText(std::string_view(text).substr(change.Begin, change.NewEnd - change.Begin)));
    shown = text;
}
