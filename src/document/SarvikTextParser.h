#pragma once

#include <string>
#include <string_view>
#include <vector>

class TSarvikWaveset;

// Fills `document` from the lines of a Sarvik file; false at the first line that
// cannot be placed, with what the earlier lines set kept.
bool ParseSarvikText(TSarvikWaveset& document, const std::vector<std::string>& lines);
// The same for the whole text of a file, read in place line by line.
bool ParseSarvikText(TSarvikWaveset& document, std::string_view text);
