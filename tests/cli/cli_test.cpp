#include "cli/CliCommands.h"
#include "support/RiffBytes.h"
#include "support/ScopedEnv.h"
#include "support/ScopedSettings.h"
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
                          "       quillkit-cli samples [--menu] FILE\n"
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
    const ScopedSettings settings;
    TempDir dir;
    WriteBytes(dir / "empty.txt", "");
    EXPECT_EQ(RunWith({"format", "--install-dir", "/opt/host", (dir / "empty.txt").string()}).Code,
              0);
    EXPECT_EQ(Settings.InstallDir, std::filesystem::path("/opt/host/"));
    RunWith({"format", "--install-dir", "", (dir / "empty.txt").string()});
    EXPECT_TRUE(Settings.InstallDir.empty());
}

TEST(CliSamples, RunsListTheWavesetOrReportTheReaderError) {
    TempDir dir;
    const std::string bank =
        Bank(InstRecords({"Piano", "bass", "\xC9tude", "Organ", "EOI", "After"}));
    WriteBytes(dir / "bank.sf2", bank);
    WriteBytes(dir / "Upper.SF2", bank);
    WriteBytes(dir / "bank.txt", bank);
    WriteBytes(dir / "noinst.sf2", List("RIFF", "sfbk", List("LIST", "pdta", "")));
    WriteBytes(dir / "cut.sf2", bank.substr(0, bank.find("EOI") + 10));
    WriteBytes(dir / "empty.sf2", "");
    WriteBytes(dir / "twelve.nsp", NspProgram(12));
    WriteBytes(dir / "negative.nsp", NspProgram(2) + ChunkSized("SIFS", 0xFFFFFF00U, ""));
    WriteBytes(dir / "empty.nsp", "");
    const auto file = [&dir](const char* name) { return (dir / name).string(); };
    const std::string missing = file("missing.sf2");
    const std::string names = "bass\nOrgan\nPiano\n\xC9tude\n";
    struct Case {
        std::vector<std::string> args;
        CliRun expected;
    };
    const Case cases[] = {
        {{"samples"}, {2, "", Usage}},
        {{"samples", "--install-dir", "x", file("bank.sf2")}, {2, "", Usage}},
        {{"samples", file("bank.sf2"), "--menu"}, {2, "", Usage}},
        {{"samples", missing},
         {2, "", "Cannot open file \"" + missing + "\". No such file or directory\n"}},
        {{"samples", file("bank.sf2")}, {0, names, ""}},
        {{"samples", file("Upper.SF2")}, {0, names, ""}},
        {{"samples", "--menu", file("bank.sf2")},
         {0, "000: bass\n001: Organ\n002: Piano\n003: \xC9tude\n", ""}},
        {{"samples", file("bank.txt")}, {0, "", ""}},
        {{"samples", file("noinst.sf2")}, {0, "", ""}},
        {{"samples", "--menu", file("noinst.sf2")}, {0, "", ""}},
        {{"samples", file("cut.sf2")},
         {1, "", "Cannot read file \"" + file("cut.sf2") + "\". Stream read error\n"}},
        {{"samples", file("empty.sf2")},
         {1, "", "Cannot read file \"" + file("empty.sf2") + "\". Stream read error\n"}},
        {{"samples", file("twelve.nsp")}, {0, "0\n1\n10\n11\n2\n3\n4\n5\n6\n7\n8\n9\n", ""}},
        {{"samples", "--menu", file("twelve.nsp")},
         {0,
          "000: Layer 0\n001: Layer 1\n002: Layer 10\n003: Layer 11\n004: Layer 2\n"
          "005: Layer 3\n006: Layer 4\n007: Layer 5\n008: Layer 6\n009: Layer 7\n"
          "010: Layer 8\n011: Layer 9\n",
          ""}},
        {{"samples", file("negative.nsp")},
         {1, "", "Cannot read file \"" + file("negative.nsp") + "\". Range check error\n"}},
        {{"samples", file("empty.nsp")}, {0, "", ""}},
    };
    for (const Case& c : cases) {
        const CliRun run = RunWith(c.args);
        const std::string label = c.args.back();
        EXPECT_EQ(run.Code, c.expected.Code) << label;
        EXPECT_EQ(run.Out, c.expected.Out) << label;
        EXPECT_EQ(run.Err, c.expected.Err) << label;
    }
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

    const ScopedEnv wine("WINEPREFIX", prefix.Path().string());
    const CliRun found = RunWith({"host"});
    wine.Set((prefix / "none").string());
    const CliRun none = RunWith({"host"});

    EXPECT_EQ(found.Code, 1) << "a value of the wrong type was reported";
    EXPECT_EQ(found.Out, installDir + "\n");
    EXPECT_EQ(found.Err, "Invalid data type for 'UninstallString'\n");
    EXPECT_EQ(none.Code, 0);
    EXPECT_EQ(none.Out, "\n");
    EXPECT_EQ(none.Err, "");
}
#endif

TEST(CliFormat, WavesetsResolveInTheInstallDirWithoutRegardToCase) {
    const ScopedSettings settings;
    TempDir host;
    std::filesystem::create_directories(host / "samples");
    WriteBytes(host / "samples" / "bank.sf2", Bank(InstRecords({"Piano", "bass", "EOI"})));
    const std::string bank = Bank(InstRecords({"Piano", "Organ"}));
    WriteBytes(host / "samples" / "cut.sf2", bank.substr(0, bank.find("Organ")));
    WriteBytes(host / "song.txt", "waveset = Bank.SF2\r\nosc = 1\r\ninstrument = Piano\r\n");
    WriteBytes(host / "damaged.txt", "waveset = cut.sf2\r\nosc = 1\r\ninstrument = Piano\r\n");
    const std::string dir = host.Path().string();

    const CliRun format = RunWith({"format", "--install-dir", dir, (host / "song.txt").string()});
    EXPECT_EQ(format.Code, 0) << format.Err;
    EXPECT_NE(format.Out.find("'------------ OSCILLATOR 1 ------------\r\nosc = 0\r\n\r\n"
                              "instrument = bass\r\n"),
              std::string::npos);
    EXPECT_NE(format.Out.find("osc = 1\r\n\r\ninstrument = Piano\r\n"), std::string::npos);
    EXPECT_EQ(RunWith({"check", "--install-dir", dir, (host / "song.txt").string()}).Code, 0);

    const CliRun damaged =
        RunWith({"check", "--install-dir", dir, (host / "damaged.txt").string()});
    EXPECT_EQ(damaged.Code, 1);
    // The message names the bank as it was found ("samples" here, "Samples" where the
    // name is taken as written because the file system ignores case).
    const std::string found = (host / "samples").string();
    EXPECT_EQ(damaged.Err.rfind("Cannot read file \"", 0), 0u) << damaged.Err;
    EXPECT_NE(damaged.Err.find(found.substr(0, found.size() - 7)), std::string::npos)
        << damaged.Err;
    EXPECT_TRUE(damaged.Err.ends_with(
        "amples" + std::string(1, std::filesystem::path::preferred_separator) +
        "cut.sf2\". Stream read error\nOne of the instrument wave names has not been given.\n"))
        << damaged.Err;
}

TEST(CliCheck, NamesEveryWaveTheBankDoesNotHold) {
    const ScopedSettings settings;
    TempDir host;
    std::filesystem::create_directories(host / "Samples");
    WriteBytes(host / "Samples" / "bank.sf2", Bank(InstRecords({"Piano", "bass", "EOI"})));
    WriteBytes(host / "Samples" / "empty.sf2", Bank(InstRecords({"EOI"})));
    const struct {
        const char* what;
        const char* text;
        int code;
        std::string err;
    } cases[] = {
        {"all present", "waveset = bank.sf2\r\nosc = 0\r\ninstrument = Piano\r\n", 0, ""},
        {"one missing",
         "waveset = bank.sf2\r\nosc = 0\r\ninstrument = Piano\r\ninstrument = Bass\r\n", 1,
         "Oscillator 1, instrument 2: \"Bass\" is not a sample of \"bank.sf2\".\n"},
        {"several missing",
         "waveset = bank.sf2\r\nosc = 1\r\ninstrument = Pian\r\nosc = 3\r\ninstrument = bass\r\n"
         "instrument = Organ\r\n",
         1,
         "Oscillator 2, instrument 1: \"Pian\" is not a sample of \"bank.sf2\".\n"
         "Oscillator 4, instrument 2: \"Organ\" is not a sample of \"bank.sf2\".\n"},
        // Only the empty waves of the other oscillators are reported.
        {"a bank that lists nothing judges no wave",
         "waveset = empty.sf2\r\nosc = 0\r\ninstrument = Piano\r\n", 1,
         "One of the instrument wave names has not been given.\n"},
    };
    for (const auto& c : cases) {
        WriteBytes(host / "song.txt", c.text);
        const CliRun run =
            RunWith({"check", "--install-dir", host.Path().string(), (host / "song.txt").string()});
        EXPECT_EQ(run.Code, c.code) << c.what;
        EXPECT_EQ(run.Err, c.err) << c.what;
    }
}
