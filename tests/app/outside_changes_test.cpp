#include "MainWindowFixture.h"
#include "support/QtTestRegistry.h"

#include <QFileSystemWatcher>
#include <QStatusBar>
#include <QTest>

namespace {

const std::string OtherText = "'Other\r\n'-----\r\n\r\nwaveset = other.sf2, 1, 2, 3\r\n";

// What another program does when it saves: a new file renamed over the old one.
void ReplaceByRename(const fs::path& path, const std::string& bytes) {
    const fs::path temporary = path.parent_path() / ".other-program.tmp";
    WriteBytes(temporary, bytes);
    fs::rename(temporary, path);
}

} // namespace

class OutsideChangesTest : public QObject {
    Q_OBJECT
  private slots:
    void saveAsksBeforeOverwritingAnOutsideChange() {
        Fixture f;
        const fs::path file = f.Dir / "pad.txt";
        WriteBytes(file, SarvikText);
        f.Open(file);
        f.Active()->Waveset().SetNotes("mine");
        f.Window->FileWatcher()->blockSignals(true); // the question comes from Save here
        ReplaceByRename(file, OtherText);

        f.Prompts.Answers.push_back(MessageAnswer::Cancel);
        f.Window->ActSave->trigger();
        QCOMPARE(ReadBytes(file), OtherText);
        QVERIFY(f.Active()->IsModified());
        QCOMPARE(int(f.Prompts.Messages.last().Buttons),
                 int(MessageButtons::OverwriteSaveAsCancel));
        QCOMPARE(int(f.Prompts.Messages.last().DefaultButton), int(MessageAnswer::Cancel));
        QVERIFY(f.Prompts.Messages.last().Text.contains(QStringLiteral("pad.txt")));

        f.Prompts.Answers.push_back(MessageAnswer::Dismissed); // Escape
        f.Window->ActSave->trigger();
        QCOMPARE(ReadBytes(file), OtherText);

        f.Prompts.Answers.push_back(MessageAnswer::SaveAs);
        f.Prompts.FileChoices.push_back(Text(f.Dir / "mine.txt"));
        f.Window->ActSave->trigger();
        QCOMPARE(ReadBytes(file), OtherText);
        QCOMPARE(ReadBytes(f.Dir / "mine.txt"), f.Active()->Waveset().BuildText());

        WriteBytes(file, SarvikText);
        f.Open(file);
        f.Active()->Waveset().SetNotes("mine again");
        ReplaceByRename(file, SarvikText + "\r\n");
        f.Prompts.Answers.push_back(MessageAnswer::Overwrite);
        f.Window->ActSave->trigger();
        QCOMPARE(ReadBytes(file), f.Active()->Waveset().BuildText());
        // Saved now: the next Save asks nothing.
        const qsizetype asked = f.Prompts.Messages.size();
        f.Active()->Waveset().SetNotes("once more");
        f.Window->ActSave->trigger();
        QCOMPARE(f.Prompts.Messages.size(), asked);
        f.Window->FileWatcher()->blockSignals(false);
    }

    void anUnmodifiedDocumentFollowsItsFileOnDisk() {
        Fixture f;
        const fs::path file = f.Dir / "pad.txt";
        WriteBytes(file, SarvikText);
        f.Open(file);
        ReplaceByRename(file, OtherText);
        // The watcher sees the rename over the file.
        QTRY_COMPARE_WITH_TIMEOUT(f.Active()->Waveset().WavesetFile(), std::string("other.sf2"),
                                  5000);
        QVERIFY(!f.Active()->IsModified());
        QVERIFY(f.Prompts.Messages.isEmpty());
        QVERIFY(f.Window->statusBar()->currentMessage().startsWith(QStringLiteral("Reloaded")));
        // And goes on watching the new file.
        WriteBytes(file, SarvikText);
        QTRY_COMPARE_WITH_TIMEOUT(f.Active()->Waveset().WavesetFile(), std::string("pad.sf2"),
                                  5000);
    }

    void aModifiedDocumentAsksWhetherToReload() {
        Fixture f;
        const fs::path file = f.Dir / "pad.txt";
        WriteBytes(file, SarvikText);
        f.Open(file);
        f.Window->FileWatcher()->blockSignals(true);
        f.Active()->Waveset().SetNotes("mine");
        WriteBytes(file, OtherText);

        f.Prompts.Answers.push_back(MessageAnswer::KeepMine);
        f.Window->CheckOutsideChanges();
        QCOMPARE(f.Prompts.Messages.size(), 1);
        QCOMPARE(int(f.Prompts.Messages[0].Buttons), int(MessageButtons::ReloadKeepMine));
        QCOMPARE(f.Active()->Waveset().Notes(), std::string("mine"));
        f.Window->CheckOutsideChanges();
        QCOMPARE(f.Prompts.Messages.size(), 1); // asked once for one change

        // Kept: Save is what asks before the other program's bytes are overwritten.
        f.Prompts.Answers.push_back(MessageAnswer::Cancel);
        f.Window->ActSave->trigger();
        QCOMPARE(ReadBytes(file), OtherText);

        // Opening the file again offers the reload again; Reload takes the disk's bytes.
        f.Active()->SetOutsideChangeKept(false);
        f.Prompts.Answers.push_back(MessageAnswer::Reload);
        f.Open(file);
        QCOMPARE(f.WindowCount(), 1);
        QCOMPARE(f.Active()->Waveset().WavesetFile(), std::string("other.sf2"));
        QVERIFY(!f.Active()->IsModified());
        f.Window->FileWatcher()->blockSignals(false);
    }
};

static RegisterTest<OutsideChangesTest> registered;

#include "outside_changes_test.moc"
