#pragma once

#include "wavesets/SampleList.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The caption of the sample chooser's item for entry `index` of a waveset's list:
// "000: Piano" by name, or for a Norvex Sampler program "000: Layer 0", with the
// layer number that the wave field and the file get (an entry that is no decimal
// integer counts as layer 0).
std::string SampleCaption(std::size_t index, std::string_view entry, bool layers);

// The captions of every entry of `samples`, as listed from `wavesetFile`: layers when
// its extension is ".nsp" in any letter case, names otherwise.
std::vector<std::string> SampleCaptions(const TSampleList& samples, std::string_view wavesetFile);
