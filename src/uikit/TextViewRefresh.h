#pragma once

#include <string>

class QPlainTextEdit;

// Shows `text` (bytes in the code page, lines ending in "\r\n") in `view`, which shows
// `shown` now. Only the lines that differ are replaced: one knob step rewrites one
// line, and the caret, the selection and the scroll position stay where they were.
// `shown` becomes `text`.
void RefreshTextView(QPlainTextEdit& view, std::string& shown, const std::string& text);
