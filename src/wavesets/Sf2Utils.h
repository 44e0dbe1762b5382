#pragma once

#include "wavesets/SampleList.h"
#include "wavesets/Stream.h"

// Replaces `list` with the instrument names of the SoundFont 2 bank on `stream`,
// sorted; empty when the bank has no instrument chunk. False, with nothing done, when
// either is null. A header or record cut short by the end of the stream throws
// StreamReadError before the list is touched.
bool ListSf2Instruments(TStream* stream, TSampleList* list);
