#pragma once

#include "wavesets/SampleList.h"
#include "wavesets/Stream.h"

#include <string>
#include <vector>

// Above this many layers a program header is taken as corrupt and lists nothing.
constexpr std::int32_t MaxNspLayers = 65536;

// The layer numbers "0" .. count - 1, in the order SampleNameLess gives them.
std::vector<std::string> LayerNamesInOrder(std::int32_t count);

// Replaces `list` with the layer numbers "0" .. LayerCount - 1 of the Norvex Sampler
// program on `stream`, sorted as text; empty without a program header. False, with
// nothing done, when either is null. Throws RangeCheckError, before the list is
// touched, for a sample-info chunk of negative size.
bool ListNspLayers(TStream* stream, TSampleList* list);
