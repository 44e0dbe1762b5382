#include "uikit/TextViewRefresh.h"

#include "base/LineChange.h"
#include "uikit/ByteText.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <utility>

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
    // The caret and the selection by line and column: on a line that is rewritten they
    // keep their place in it, rather than being pushed past the new text.
    const auto first = static_cast<int>(change.FirstLine);
    const auto rewrittenEnd = static_cast<int>(change.FirstLine + change.OldLines);
    const QTextCursor caret = view.textCursor();
    const auto placeOf = [&](int position) {
        const QTextBlock block = document.findBlock(position);
        return std::pair{block.blockNumber(), position - block.position()};
    };
    const auto anchor = placeOf(caret.anchor());
    const auto head = placeOf(caret.position());
    const auto rewritten = [&](const std::pair<int, int>& place) {
        return place.first >= first && place.first < rewrittenEnd;
    };
    const bool restore = rewritten(anchor) || rewritten(head);
    const int scrolledDown = view.verticalScrollBar()->value();
    const int scrolledRight = view.horizontalScrollBar()->value();

    QTextCursor cursor(&document);
    cursor.setPosition(document.findBlockByNumber(first).position());
    if (change.OldEnd >= shown.size()) {
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    } else {
        const int end = static_cast<int>(change.FirstLine + change.OldLines);
        cursor.setPosition(document.findBlockByNumber(end).position(), QTextCursor::KeepAnchor);
    }
    cursor.insertText(
        BytesToText(std::string_view(text).substr(change.Begin, change.NewEnd - change.Begin)));
    shown = text;

    if (restore) {
        const auto positionOf = [&](const std::pair<int, int>& place) {
            const QTextBlock block =
                document.findBlockByNumber(std::min(place.first, document.blockCount() - 1));
            return block.position() + std::min(place.second, block.length() - 1);
        };
        QTextCursor restored(&document);
        restored.setPosition(positionOf(anchor));
        restored.setPosition(positionOf(head), QTextCursor::KeepAnchor);
        view.setTextCursor(restored);
        view.verticalScrollBar()->setValue(scrolledDown);
        view.horizontalScrollBar()->setValue(scrolledRight);
    }
}
