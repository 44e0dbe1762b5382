#include "wavesets/WavesetListing.h"

#include "base/FileNames.h"
#include "wavesets/NspUtils.h"
#include "wavesets/Sf2Utils.h"

WavesetFormat WavesetFormatOf(std::string_view fileName) {
    const std::string extension = LowercaseExtension(fileName);
    if (extension == ".sf2") {
        return WavesetFormat::SoundFont2;
    }
    if (extension == ".nsp") {
        return WavesetFormat::NspProgram;
    }
    return WavesetFormat::None;
}

void ListWaveset(TStream& stream, WavesetFormat format, TSampleList& list) {
    switch (format) {
    case WavesetFormat::SoundFont2:
        ListSf2Instruments(&stream, &list);
        return;
    case WavesetFormat::NspProgram:
        ListNspLayers(&stream, &list);
        return;
    case WavesetFormat::None:
        list.Clear();
        return;
    }
}
