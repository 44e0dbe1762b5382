#include "cli/CliCommands.h"
#include "host/Settings.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct CliRun {
    int Code;
    std::string Out;
    std::string Err;
};

CliRun RunWith(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunCli(args, out, err);
    return {code, out.str(), err.str()};
}

const std::string Usage = "usage: quillkit-cli format [--install-dir DIR] FILE\n";

std::string NewDocumentText() {
    std::string text = "waveset = , 0, 0, 0\r\n\r\n";
    for (int i = 0; i < 4; ++i) {
        text += "'------------ OSCILLATOR " + std::to_string(i + 1) +
                " ------------\r\nosc = " + std::to_string(i) +
                "\r\n\r\ninstrument = \r\ntranspose = 0\r\nhold = 0\r\nblend = 0\r\nvolume = 0\r\n"
                "reserved = 0, 0\r\n\r\n";
    }
    return text;
}

} // namespace

TEST(CliFormat, RunsGiveExitCodeStdoutAndMessages) {
    TempDir dir;
    WriteBytes(dir / "empty.txt", "\r\n\r\n");
    WriteBytes(dir / "bad.txt", "waveset = , 0, 0, 0\r\nhold = 5\r\n");
    const std::string missing = (dir / "missing.txt").string();
    struct Case {
        std::vector<std::string> args;
        CliRun expected;
    };
    const Case cases[] = {
        {{}, {2, "", Usage}},
        {{"bogus"}, {2, "", Usage}},
        {{"format"}, {2, "", Usage}},
        {{"format", "--verbose", (dir / "empty.txt").string()}, {2, "", Usage}},
        {{"format", (dir / "empty.txt").string(), "extra"}, {2, "", Usage}},
        {{"format", (dir / "empty.txt").string(), "--install-dir", "x"}, {2, "", Usage}},
        {{"format", "--install-dir"}, {2, "", Usage}},
        {{"format", missing},
         {2, "", "Cannot open file \"" + missing + "\". No such file or directory\n"}},
        {{"format", dir.Path().string()},
         {2, "", "Cannot open file \"" + dir.Path().string() + "\". Is a directory\n"}},
        {{"format", (dir / "empty.txt").string()}, {0, NewDocumentText(), ""}},
        {{"format", "--install-dir", "", (dir / "empty.txt").string()}, {0, NewDocumentText(), ""}},
        {{"format", (dir / "bad.txt").string()},
         {1, NewDocumentText(), "Error while loading Sarvik file!\n"}},
    };
    for (const Case& c : cases) {
        const CliRun run = RunWith(c.args);
        const std::string label = c.args.empty() ? "(no arguments)" : c.args.back();
        EXPECT_EQ(run.Code, c.expected.Code) << label;
        EXPECT_EQ(run.Out, c.expected.Out) << label;
        EXPECT_EQ(run.Err, c.expected.Err) << label;
    }
}

TEST(CliFormat, InstallDirGainsItsTrailingSeparator) {
    TempDir dir;
    WriteBytes(dir / "empty.txt", "");
    EXPECT_EQ(RunWith({"format", "--install-dir", "/opt/host", (dir / "empty.txt").string()}).Code,
              0);
    EXPECT_EQ(Settings.InstallDir, std::filesystem::path("/opt/host/"));
    RunWith({"format", "--install-dir", "", (dir / "empty.txt").string()});
    EXPECT_TRUE(Settings.InstallDir.empty());
}
