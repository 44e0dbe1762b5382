#pragma once

#include "wavesets/SampleList.h"
#include "wavesets/Stream.h"

#include <string_view>

// The kinds of waveset file the host plays, told apart by the file's extension.
enum class WavesetFormat { None, SoundFont2, NspProgram };

// ".sf2" is a SoundFont 2 bank and ".nsp" a Norvex Sampler program, in any letter
// case; every other name lists nothing.
WavesetFormat WavesetFormatOf(std::string_view fileName);

// Replaces `list` with the sorted entries of the waveset on `stream`: the instrument
// names of a bank, the layer numbers of a program; empty for WavesetFormat::None.
// Throws the reader's error for a damaged file, before the list is touched.
void ListWaveset(TStream& stream, WavesetFormat format, TSampleList& list);
