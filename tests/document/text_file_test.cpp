#include "RecordingView.h"
#include "support/TempDir.h"

#include "base/TextFile.h"
#include "document/FileTypeDetection.h"

#include <gtest/gtest.h>

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

std::size_t EntriesIn(const fs::path& directory) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(directory), {}));
}

// Cyrillic and Japanese: outside Windows-1252 and every other single-byte code page.
const fs::path ForeignName(u8"\u041d\u043e\u0442\u044b \u97f3\u697d.txt");

#ifndef _WIN32
// The super-user may write any file, so a check of what others may do runs as "nobody"
// while this is alive. Nothing changes for anyone else.
class OrdinaryUser {
  public:
    OrdinaryUser() : wasRoot_(geteuid() == 0) {
        if (wasRoot_ && seteuid(65534) != 0) {
            ADD_FAILURE() << "cannot act as an ordinary user";
        }
    }
    ~OrdinaryUser() {
        if (wasRoot_ && seteuid(0) != 0) {
            std::abort();
        }
    }
    OrdinaryUser(const OrdinaryUser&) = delete;
    OrdinaryUser& operator=(const OrdinaryUser&) = delete;

  private:
    bool wasRoot_;
};
#endif

#ifndef _WIN32
// Makes writes past `bytes` fail while alive, as a full disk would.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit tight = saved_;
        tight.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &tight);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
};
#endif

} // namespace

TEST(SarvikFile, LoadReadsTheFileAndShowsItsText) {
    TempDir dir;
    WriteBytes(dir / "pad.txt",
               "'Pad\r\n'---\nwaveset = pad.sf2, 10\rosc = 0\r\ninstrument = S\r\n");
    RecordingView view;
    TSarvikWaveset document(&view);
    document.SetPreview(&view);
    int notifications = 0;
    document.SetOnModified([&](TSarvikWaveset&) { ++notifications; });

    ASSERT_TRUE(document.LoadFromFile(dir / "pad.txt"));
    EXPECT_EQ(document.FileName(), dir / "pad.txt");
    EXPECT_EQ(document.WavesetName(), "Pad");
    EXPECT_EQ(document.Oscillators()[0]->Instruments()[0]->Wave(), "S");
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(notifications, 1) << "the load raised the flag, so clearing it is told";
    EXPECT_EQ(view.Text, document.BuildText());
    EXPECT_TRUE(view.Problems.empty());
}

TEST(SarvikFile, LoadOfNoFileReturnsFalseAndChangesNothing) {
    TempDir dir;
    RecordingView view;
    TSarvikWaveset document(&view);
    document.SetFileName("keep.txt");
    EXPECT_FALSE(document.LoadFromFile(dir / "missing.txt"));
    EXPECT_FALSE(document.LoadFromFile(dir.Path()));
    EXPECT_EQ(document.FileName(), "keep.txt");
    EXPECT_FALSE(document.Modified());
    EXPECT_TRUE(view.Problems.empty());
}

TEST(SarvikFile, LoadOfADamagedFileWarnsAndForgetsTheFileName) {
    TempDir dir;
    WriteBytes(dir / "bad.txt", "waveset = w.sf2\r\nosc = 9\r\ninstrument = X\r\n");
    RecordingView view;
    TSarvikWaveset document(&view);
    document.SetPreview(&view);

    ASSERT_TRUE(document.LoadFromFile(dir / "bad.txt"));
    EXPECT_TRUE(document.FileName().empty()) << "Save must ask for a new name";
    EXPECT_EQ(document.WavesetFile(), "w.sf2");
    EXPECT_TRUE(document.Modified());
    ASSERT_EQ(view.Problems.size(), 1u);
    EXPECT_EQ(view.Problems[0].Text, "Error while loading Sarvik file!");
    EXPECT_EQ(view.Problems[0].Caption, "Open");
    EXPECT_EQ(view.Problems[0].Icon, ProblemIcon::Warning);
    EXPECT_EQ(view.Text, document.BuildText());
}

TEST(SarvikFile, SaveWritesTheTextExactlyAndClearsModified) {
    TempDir dir;
    TSarvikWaveset document;
    document.SetWavesetFile("pad.sf2");
    EXPECT_FALSE(document.SaveToFile()) << "no name at all";
    EXPECT_EQ(EntriesIn(dir.Path()), 0u);

    document.SetFileName(dir / "own.txt");
    ASSERT_TRUE(document.SaveToFile(dir / "copy.txt"));
    EXPECT_EQ(ReadBytes(dir / "copy.txt"), document.BuildText());
    EXPECT_EQ(document.FileName(), dir / "own.txt") << "the caller sets the name";
    EXPECT_FALSE(document.Modified());

    document.SetWavesetName("Renamed");
    ASSERT_TRUE(document.SaveToFile());
    EXPECT_EQ(ReadBytes(dir / "own.txt"), document.BuildText());
    EXPECT_EQ(EntriesIn(dir.Path()), 2u) << "no temporary file is left behind";
}

#ifndef _WIN32
TEST(SarvikFile, SaveReplacesTheFileALinkPointsToAndKeepsItsPermissions) {
    TempDir dir;
    WriteBytes(dir / "real.txt", "old");
    fs::permissions(dir / "real.txt",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real.txt", dir / "link.txt");

    TSarvikWaveset document;
    ASSERT_TRUE(document.SaveToFile(dir / "link.txt"));
    EXPECT_TRUE(fs::is_symlink(dir / "link.txt"));
    EXPECT_EQ(ReadBytes(dir / "real.txt"), document.BuildText());
    EXPECT_EQ(fs::status(dir / "real.txt").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(SarvikFile, FailedSaveOnAFullDiskLeavesTheOldFileWhole) {
    TempDir dir;
    const std::string old = "'Old\r\n'---\r\n\r\nwaveset = old.sf2, 0, 0, 0\r\n";
    WriteBytes(dir / "pad.txt", old);
    TSarvikWaveset document;
    document.SetFileName(dir / "pad.txt");
    document.SetNotes(std::string(5000, 'n'));

    std::string message;
    try {
        const FileSizeLimit full(1000);
        document.SaveToFile();
    } catch (const FileError& error) {
        message = error.what();
    }

    EXPECT_NE(message.find("pad.txt"), std::string::npos) << message;
    EXPECT_EQ(ReadBytes(dir / "pad.txt"), old);
    EXPECT_EQ(EntriesIn(dir.Path()), 1u) << "the temporary file is removed";
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(document.FileName(), dir / "pad.txt");
}

// A folder that takes no new file (so no temporary file beside the target), over a
// file that may be written: the file is written in place, or, when that fails too,
// keeps its old bytes; a new file there is refused with the folder's name.
TEST(SarvikFile, SaveIntoAFolderThatTakesNoNewFileWritesTheFileInPlace) {
    TempDir dir;
    const fs::path folder = dir / "locked";
    fs::create_directory(folder);
    const std::string old = "'Old\r\n'---\r\n\r\nwaveset = old.sf2, 0, 0, 0\r\n";
    WriteBytes(folder / "pad.txt", old);
    fs::permissions(folder / "pad.txt", fs::perms::all);
    fs::permissions(folder, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec |
                                fs::perms::group_read | fs::perms::others_read);
    TSarvikWaveset document;
    document.SetFileName(folder / "pad.txt");
    document.SetNotes("new notes");

    std::string tooLong;
    std::string refused;
    {
        const OrdinaryUser user;
        EXPECT_TRUE(document.SaveToFile());
        EXPECT_EQ(ReadBytes(folder / "pad.txt"), document.BuildText());

        const std::string written = document.BuildText();
        document.SetNotes(std::string(5000, 'n'));
        try {
            const FileSizeLimit full(1000);
            document.SaveToFile();
        } catch (const FileError& error) {
            tooLong = error.what();
        }
        EXPECT_EQ(ReadBytes(folder / "pad.txt"), written) << "the old bytes went back";

        try {
            document.SaveToFile(folder / "new.txt");
        } catch (const FileError& error) {
            refused = error.what();
        }
    }
    fs::permissions(folder, fs::perms::owner_all);
    EXPECT_NE(tooLong.find("pad.txt"), std::string::npos) << tooLong;
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(refused, "Cannot create a file in \"" + folder.string() + "\". Permission denied");
    EXPECT_EQ(EntriesIn(folder), 1u);
}
#endif

#ifndef _WIN32
TEST(SarvikFile, OpenErrorsGiveTheSystemsOwnReason) {
    TempDir dir;
    fs::create_symlink(dir / "b", dir / "a");
    fs::create_symlink(dir / "a", dir / "b");
    fs::create_directory(dir / "locked");
    WriteBytes(dir / "locked" / "pad.txt", "waveset = a\r\n");
    fs::permissions(dir / "locked", fs::perms::owner_read | fs::perms::owner_write);
    fs::permissions(dir.Path(), fs::perms::all);
    const auto reason = [](const fs::path& path) {
        try {
            EnsureReadableFile(path);
        } catch (const FileError& error) {
            const std::string message = error.what();
            return message.substr(message.rfind("\". ") + 3);
        }
        return std::string("no error");
    };
    EXPECT_EQ(reason(dir / "a"), std::generic_category().message(ELOOP));
    EXPECT_EQ(reason(dir / "missing"), std::generic_category().message(ENOENT));
    {
        const OrdinaryUser user;
        EXPECT_EQ(reason(dir / "locked" / "pad.txt"), std::generic_category().message(EACCES));
    }
    fs::permissions(dir / "locked", fs::perms::owner_all);
}
#endif

#ifndef _WIN32
// A save leaves the file what it was, but for its bytes.
TEST(SarvikFile, SaveKeepsOwnerGroupModeAttributesAndOtherNames) {
    TempDir dir;
    const fs::path file = dir / "pad.txt";
    WriteBytes(file, "'Old\r\n'---\r\n\r\nwaveset = a, 0, 0, 0\r\n");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(chown(file.c_str(), 65534, 65534), 0); // another user's 0640 file
    }
    const bool attributes = setxattr(file.c_str(), "user.quillkit", "kept", 4, 0) == 0;
    fs::create_hard_link(file, dir / "other-name.txt");

    TSarvikWaveset document;
    document.SetFileName(file);
    document.SetNotes("new");
    ASSERT_TRUE(document.SaveToFile());

    struct stat info {};
    ASSERT_EQ(stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(info.st_uid, 65534u);
        EXPECT_EQ(info.st_gid, 65534u);
    }
    EXPECT_EQ(ReadBytes(dir / "other-name.txt"), document.BuildText()) << "one file, two names";

    // Without other names the file is replaced, and still keeps what it was.
    fs::remove(dir / "other-name.txt");
    document.SetNotes("newer");
    ASSERT_TRUE(document.SaveToFile());
    ASSERT_EQ(stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(info.st_uid, 65534u);
        EXPECT_EQ(info.st_gid, 65534u);
    }
    if (attributes) {
        char value[8] = {};
        EXPECT_EQ(getxattr(file.c_str(), "user.quillkit", value, sizeof value), 4);
        EXPECT_STREQ(value, "kept");
    }
    EXPECT_EQ(ReadBytes(file), document.BuildText());
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

// Only the super-user may give a file away: anyone else's save goes on, and says so.
TEST(SarvikFile, ASaveThatCannotKeepTheOwnerSaysSo) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs a file of another user, which only root can make";
    }
    TempDir dir;
    fs::permissions(dir.Path(), fs::perms::all);
    const fs::path file = dir / "shared.txt";
    WriteBytes(file, "'Old\r\n'---\r\n\r\nwaveset = a, 0, 0, 0\r\n");
    fs::permissions(file, fs::perms::all & ~fs::perms::owner_exec & ~fs::perms::group_exec &
                              ~fs::perms::others_exec); // root's, writable by all

    TSarvikWaveset document;
    document.SetFileName(file);
    document.SetNotes("by nobody");
    {
        const OrdinaryUser nobody;
        ASSERT_TRUE(document.SaveToFile());
    }
    struct stat info {};
    ASSERT_EQ(stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(ReadBytes(file), document.BuildText());
    EXPECT_FALSE(document.LastSaveKept().Owner);
    EXPECT_TRUE(document.LastSaveKept().Group); // the saver's group was the file's
    EXPECT_EQ(OwnershipRemark(document.LastSaveKept()), "its owner could not be kept");
    EXPECT_EQ(OwnershipRemark({false, false}), "its owner and group could not be kept");
    EXPECT_EQ(OwnershipRemark({true, false}), "its group could not be kept");

    document.SetNotes("by root");
    ASSERT_TRUE(document.SaveToFile());
    EXPECT_EQ(OwnershipRemark(document.LastSaveKept()), "");
}

TEST(SarvikFile, APipeOrALinkToOneIsNeverOpenedNorReplaced) {
    TempDir dir;
    ASSERT_EQ(mkfifo((dir / "pipe.txt").c_str(), 0600), 0);
    fs::create_symlink(dir / "pipe.txt", dir / "link.txt");
    for (const char* name : {"pipe.txt", "link.txt"}) {
        TSarvikWaveset document;
        try {
            document.SaveToFile(dir / name);
            ADD_FAILURE() << name << ": saved";
        } catch (const FileError& error) {
            EXPECT_NE(std::string(error.what()).find("Not a regular file"), std::string::npos)
                << error.what();
        }
    }
    EXPECT_TRUE(fs::is_fifo(dir / "pipe.txt"));
    EXPECT_EQ(EntriesIn(dir.Path()), 2u);
}
#endif

TEST(SarvikFile, SaveReplacesAnExistingFileWithExactlyTheNewText) {
    TempDir dir;
    std::vector<fs::path> names{"pad.txt", ForeignName};
#ifndef _WIN32
    names.emplace_back(std::string(251, 'n') + ".txt"); // as long as a name may be
#endif
    for (const fs::path& name : names) {
        WriteBytes(dir.Path() / name, std::string(4000, 'x'));
        TSarvikWaveset document;
        document.SetWavesetName("New");
        ASSERT_TRUE(document.SaveToFile(dir.Path() / name));
        EXPECT_EQ(ReadBytes(dir.Path() / name), document.BuildText()) << "no tail of the old file";
    }
    EXPECT_EQ(EntriesIn(dir.Path()), names.size()) << "no temporary file is left behind";
}

TEST(SarvikFile, FilesNamedOutsideTheCodePageLoadAndAreRecognised) {
    TempDir dir;
    const fs::path file = dir.Path() / ForeignName;
    WriteBytes(file, "'Pad\r\n'---\r\n\r\nwaveset = pad.sf2, 1, 2, 3\r\n");
    EXPECT_TRUE(IsRegularFile(file));
    EXPECT_NO_THROW(EnsureReadableFile(file));
    EXPECT_EQ(ReadFileBytes(file).size(), fs::file_size(file));
    EXPECT_EQ(DetectFileType(file), FileType::Sarvik);

    TSarvikWaveset document;
    ASSERT_TRUE(document.LoadFromFile(file));
    EXPECT_EQ(document.WavesetName(), "Pad");
    EXPECT_EQ(document.WavesetFile(), "pad.sf2");
    EXPECT_EQ(document.FileName(), file);
}

#ifdef _WIN32
TEST(SarvikFile, FailedSaveOfAFileHeldOpenElsewhereLeavesItWhole) {
    TempDir dir;
    const fs::path file = dir.Path() / ForeignName;
    const std::string old = "'Old\r\n'---\r\n\r\nwaveset = old.sf2, 0, 0, 0\r\n";
    WriteBytes(file, old);
    TSarvikWaveset document;
    document.SetFileName(file);
    document.SetNotes("new notes");

    // Another program (a running host, say) holds it open without letting it be
    // deleted: the replacing rename, the last step of the save, is refused.
    const HANDLE held = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::string message;
    try {
        document.SaveToFile();
    } catch (const FileError& error) {
        message = error.what();
    }
    CloseHandle(held);

    // Named in the code page, with '?' for what it lacks.
    EXPECT_NE(message.find("\\???? ??.txt\""), std::string::npos) << message;
    EXPECT_EQ(ReadBytes(file), old);
    EXPECT_EQ(EntriesIn(dir.Path()), 1u) << "the temporary file is removed";
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(document.FileName(), file);
}
#endif

TEST(SarvikFile, SaveRefusesAReadOnlyFileAndLeavesItWhole) {
    TempDir dir;
    const std::string old = "'Old\r\n'---\r\n\r\nwaveset = old.sf2, 0, 0, 0\r\n";
    WriteBytes(dir / "pad.txt", old);
    // The folder lets anyone replace its files: only the file's own mark may stop the save.
    fs::permissions(dir.Path(), fs::perms::all);
    fs::permissions(dir / "pad.txt",
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    TSarvikWaveset document;
    document.SetFileName(dir / "pad.txt");
    document.SetNotes("new notes");

    std::string message;
    {
#ifndef _WIN32
        const OrdinaryUser user;
#endif
        try {
            document.SaveToFile();
        } catch (const FileError& error) {
            message = error.what();
        }
    }
    fs::permissions(dir / "pad.txt", fs::perms::owner_write, fs::perm_options::add);

    EXPECT_EQ(message.rfind("Cannot create file \"", 0), 0u) << message;
    EXPECT_NE(message.find("pad.txt\". "), std::string::npos) << message;
    EXPECT_EQ(ReadBytes(dir / "pad.txt"), old);
    EXPECT_EQ(EntriesIn(dir.Path()), 1u) << "no temporary file is left behind";
    EXPECT_TRUE(document.Modified());
}

TEST(SarvikFile, SaveIntoAMissingFolderFailsWithTheFileName) {
    TempDir dir;
    TSarvikWaveset document;
    try {
        document.SaveToFile(dir / "no" / "such.txt");
        FAIL() << "expected an error";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("such.txt"), std::string::npos) << error.what();
    }
    EXPECT_TRUE(fs::is_empty(dir.Path()));
}
