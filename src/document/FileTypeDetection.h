#pragma once

#include <filesystem>
#include <istream>

// What a file is, judged before opening it: a Sarvik instrument file, another kind
// of Norvex text file this program does not edit, or neither.
enum class FileType { Unknown = -1, Sarvik = 1, OtherNorvexText = 2 };

// Judges by size, extension and the first lines that are not comments: a "waveset"
// line makes a Sarvik file, a "w1" line another Norvex text file. Only regular files
// are examined. Throws FileError when the file cannot be opened.
FileType DetectFileType(const std::filesystem::path& path);

// The judgement by content alone, on a ".txt" file of acceptable size open at its start.
FileType FileTypeOfContent(std::istream& content);
