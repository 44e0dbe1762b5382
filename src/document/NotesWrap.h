#pragma once

#include <string>
#include <string_view>
#include <vector>

// Breaks long note lines for the file header: existing CR LF breaks stay; past
// column 70 a CR LF goes after the last tab, space, hyphen or full stop, except
// inside quotes. Returns the text with the breaks inserted.
std::string WrapNotes(std::string_view notes);

// Whether the notes break a line between two lines with text: reading the file joins
// such lines into one paragraph (only an empty line keeps paragraphs apart).
bool HasJoinedLineBreak(std::string_view notes);

// The lines the notes occupy in the file header, after wrapping.
std::vector<std::string> WrappedNoteLines(std::string_view notes);

// Notes as the file holds them: written and read back until that changes nothing
// more (a line broken after a full stop reads back with a space, a line of blanks
// as an empty one), so that a loaded document writes what it reads back as.
std::string StableNotes(std::string notes);

// Reads the notes from the header's comment lines, each without its apostrophe and
// trimmed: neighbouring lines join into one paragraph with a space between them, an
// empty line stands for itself, and every paragraph ends with CR LF.
class NotesReader {
  public:
    void Add(std::string_view comment);
    std::string Notes() const;

  private:
    std::string paragraph_;
    std::string notes_;
};
