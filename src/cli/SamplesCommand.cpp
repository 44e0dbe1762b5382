#include "cli/Commands.h"

#include "document/FileNames.h"
#include "document/SampleCaptions.h"
#include "document/TextFile.h"
#include "wavesets/FileStream.h"
#include "wavesets/NspUtils.h"
#include "wavesets/Sf2Utils.h"

#include <exception>
#include <memory>

int SamplesCommand(const Invocation& invocation, std::ostream& out, std::ostream& err) {
    const std::string name = PathText(invocation.File);
    const std::string extension = LowercaseExtension(name);
    TSampleList samples;
    if (extension == ".sf2" || extension == ".nsp") {
        std::unique_ptr<TFileStream> stream;
        try {
            stream = std::make_unique<TFileStream>(invocation.File);
        } catch (const FileError& error) {
            err << error.what() << '\n';
            return 2;
        }
        try {
            if (extension == ".sf2") {
                ListSf2Instruments(stream.get(), &samples);
            } else {
                ListNspLayers(stream.get(), &samples);
            }
        } catch (const std::exception& error) {
            err << error.what() << '\n';
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
