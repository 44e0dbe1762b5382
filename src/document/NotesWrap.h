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
