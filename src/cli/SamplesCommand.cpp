#include "cli/Commands.h"

#include "base/TextFile.h"
#include "document/SampleCaptions.h"
#include "wavesets/FileStream.h"
#include "wavesets/WavesetListing.h"

#include <exception>
#include <memory>

int SamplesCommand(const Invocation& invocation, std::ostream& out, std::ostream& err) {
    const std::string name = PathText(invocation.File);
    const WavesetFormat format = WavesetFormatOf(name);
    TSampleList samples;
    if (format != WavesetFormat::None) {
        std::unique_ptr<TFileStream> stream;
        try {
            stream = std::make_unique<TFileStream>(invocation.File);
        } catch (const FileError& error) {
            err << error.what() << '\n';
            return 2;
        }
        try {
            ListWaveset(*stream, format, samples);
        } catch (const std::exception& error) {
            err << ReadErrorText(invocation.File, error.what()) << '\n';
            return 1;
        }
    }
    const std::vector<std::string> lines =
        invocation.Has("--menu") ? SampleCaptions(samples, name) : samples.Names();
    for (const std::string& line : lines) {
        out << line << '\n';
    }
    return 0;
}
