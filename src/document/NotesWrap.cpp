#include "document/NotesWrap.h"

#include "base/TextRules.h"

namespace {

constexpr std::size_t WrapColumn = 70;

bool IsQuoteMark(char c) {
    return c == '\'' || c == '"';
}

bool IsBreakCharacter(char c) {
    return c == '\t' || c == ' ' || c == '-' || c == '.';
}

bool IsCrLfAt(std::string_view text, std::size_t i) {
    return i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n';
}

} // namespace

std::string WrapNotes(std::string_view notes) {
    std::string out;
    out.reserve(notes.size() + notes.size() / WrapColumn * 2 + 2);
    // The output line since the last break, kept apart so that a break costs only
    // the bytes behind it, however long the notes are.
    std::string line;
    constexpr std::size_t NoBreak = std::string::npos;
    constexpr char NoQuote = '\0';
    std::size_t brk = NoBreak; // position in `line` just behind the last break character
    char quote = NoQuote;

    for (std::size_t i = 0; i < notes.size(); ++i) {
        if (IsCrLfAt(notes, i)) {
            // An open quote stays open across the break.
            out += line;
            out += CRLF;
            line.clear();
            brk = NoBreak;
            ++i;
            continue;
        }
        const char c = notes[i];
        line += c;
        if (IsQuoteMark(c)) {
            if (quote == NoQuote) {
                quote = c;
            } else if (c == quote) {
                quote = NoQuote;
            }
        } else if (IsBreakCharacter(c) && quote == NoQuote) {
            brk = line.size();
        }
        if (quote == NoQuote && line.size() > WrapColumn && brk != NoBreak) {
            const bool tailEmpty = brk == line.size();
            const bool atLineEnd = i + 1 == notes.size() || IsCrLfAt(notes, i + 1);
            if (tailEmpty && atLineEnd) {
                continue;
            }
            out.append(line, 0, brk);
            out += CRLF;
            line.erase(0, brk);
            brk = NoBreak;
        }
    }
    out += line;
    return out;
}

void NotesReader::Add(std::string_view comment) {
    if (comment.empty()) {
        // An empty comment line closes the open paragraph and stands for one empty
        // line of its own, so blank lines survive a load and a save.
        if (!paragraph_.empty()) {
            notes_ += paragraph_;
            notes_ += CRLF;
        }
        paragraph_.clear();
        notes_ += CRLF;
        return;
    }
    if (!paragraph_.empty()) {
        paragraph_ += ' ';
    }
    paragraph_ += comment;
}

std::string NotesReader::Notes() const {
    return paragraph_.empty() ? notes_ : notes_ + paragraph_ + std::string(CRLF);
}

std::vector<std::string> WrappedNoteLines(std::string_view notes) {
    return SplitLines(WrapNotes(notes));
}

std::string NotesAsTheyReadBack(std::string_view notes) {
    NotesReader reader;
    ForEachLine(WrapNotes(notes), [&reader](std::string_view line) {
        reader.Add(TrimBlanks(line));
        return true;
    });
    return reader.Notes();
}

std::string StableNotes(std::string notes) {
    // Rarely more than one round: a break after a full stop gains its space once, but
    // that can move the next break along a long line. Each round that changes
    // something adds such a space or drops a blank, so it ends; the bound keeps a
    // hostile line from costing more than a few passes over the notes.
    for (int round = 0; round < 64; ++round) {
        std::string again = NotesAsTheyReadBack(notes);
        if (again == notes) {
            break;
        }
        notes = std::move(again);
    }
    return notes;
}
bool HasJoinedLineBreak(std::string_view notes) {
    bool previousHasText = false;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = notes.find_first_of("\r\n", start);
        const bool hasText = !TrimBlanks(notes.substr(start, end - start)).empty();
        if (start > 0 && previousHasText && hasText) {
            return true;
        }
        if (end == std::string_view::npos) {
            return false;
        }
        previousHasText = hasText;
        start = end + (notes.compare(end, 2, CRLF) == 0 ? 2 : 1);
    }
}
