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

const std::string Usage = "usage: quillkit-cli format [--install-dir DIR] FILE\n"
                          "       quillkit-cli check [--install-dir DIR] FILE\n"
                          "       quillkit-cli detect FILE\n"
                          "       quillkit-cli host\n";

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
    WriteBytes(dir / "other.txt", "'comment\r\nW1 = 2\r\n");
    WriteBytes(dir / "no-wave.txt", "waveset = b.sf2\r\nosc = 0\r\ninstrument = Piano\r\n");
    WriteBytes(dir / "complete.txt",
               "waveset = b.sf2\r\nosc = 0\r\ninstrument = Piano\r\nosc = 1\r\n"
               "instrument = Bass\r\nosc = 2\r\ninstrument = A\r\nosc = 3\r\n"
               "instrument = B\r\n");
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

#ifndef _WIN32
TEST(CliHost, PrintsTheInstallationOfTheWinePrefix) {
    TempDir prefix;
    std::filesystem::create_directories(prefix / "drive_c" / "Norvex");
    WriteBytes(
        prefix / "system.reg",
        "WINE REGISTRY Version 2\n\n"
        "[Software\\\\Wow6432Node\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\"
        "Norvex Zephal] 1\n\"UninstallString\"=dword:00000001\n\n"
        "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\Norvex Tarnis] 1\n"
        "\"UninstallString\"=\"\\\"C:\\\\Norvex\\\\uninstall.exe\\\" /S\"\n");
    const std::string installDir =
        std::filesystem::canonical(prefix / "drive_c" / "Norvex").string() + "/";

    setenv("WINEPREFIX", prefix.Path().c_str(), 1);
    const CliRun found = RunWith({"host"});
    setenv("WINEPREFIX", (prefix / "none").c_str(), 1);
    const CliRun none = RunWith({"host"});
    unsetenv("WINEPREFIX");

    EXPECT_EQ(found.Code, 1) << "a value of the wrong type was reported";
    EXPECT_EQ(found.Out, installDir + "\n");
    EXPECT_EQ(found.Err, "Invalid data type for 'UninstallString'\n");
    EXPECT_EQ(none.Code, 0);
    EXPECT_EQ(none.Out, "\n");
    EXPECT_EQ(none.Err, "");
}
#endif
