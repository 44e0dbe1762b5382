#include "MainWindowFixture.h"
#include "support/QtTestRegistry.h"

#include "app/UserSettings.h"
#include "uikit/BaseFrm.h"
#include "uikit/QdAction.h"

#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>

class DesktopEditorTest : public QObject {
    Q_OBJECT
  private slots:
    void aDocumentWindowBeyondTheAreaIsReachedByScrolling() {
        Fixture f;
        f.Window->resize(640, 420);
        f.Window->ActNew->trigger();
        QMdiArea* area = f.Window->ClientArea();
        QMdiSubWindow* window = area->subWindowList().constFirst();
        QApplication::processEvents();
        QVERIFY(area->horizontalScrollBar()->isVisible());
        QVERIFY(area->verticalScrollBar()->isVisible());
        area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
        QApplication::processEvents();
        const QRect visible = area->viewport()->rect();
        QVERIFY2(visible.contains(window->geometry().bottomRight()),
                 qPrintable(QStringLiteral("window %1,%2 %3x%4 in %5x%6")
                                .arg(window->x())
                                .arg(window->y())
                                .arg(window->width())
                                .arg(window->height())
                                .arg(visible.width())
                                .arg(visible.height())));
        QVERIFY2(window->geometry().top() < 0, "scrolled down to the bottom");
    }

    void tileAndCascadeKeepEveryWindowAtItsMinimumSize() {
        Fixture f;
        f.Window->resize(1000, 600);
        f.Window->ActNew->trigger();
        f.Window->ActNew->trigger();
        for (QAction* arrange : {static_cast<QAction*>(f.Window->ActWindowTile),
                                 static_cast<QAction*>(f.Window->ActWindowCascade)}) {
            arrange->trigger();
            const QList<QMdiSubWindow*> windows = f.Window->ClientArea()->subWindowList();
            for (const QMdiSubWindow* window : windows) {
                QVERIFY(window->height() >= window->minimumSizeHint().height());
                QVERIFY(window->width() >= window->minimumSizeHint().width());
                QVERIFY(window->y() >= 0);
            }
            QVERIFY(windows[0]->geometry().topLeft() != windows[1]->geometry().topLeft());
        }
        // Tiled, the second stands below the first instead of over it.
        f.Window->ActWindowTile->trigger();
        const QList<QMdiSubWindow*> windows =
            f.Window->ClientArea()->subWindowList(QMdiArea::StackingOrder);
        QVERIFY(!windows[0]->geometry().intersects(windows[1]->geometry()));
    }

    void aNewWindowShowsItsTitleBar() {
        Fixture f;
        f.Window->resize(800, 500);
        for (int i = 0; i < 12; ++i) {
            f.Window->ActNew->trigger();
        }
        const QSize visible = f.Window->ClientArea()->viewport()->size();
        for (const QMdiSubWindow* window : f.Window->ClientArea()->subWindowList()) {
            QVERIFY(window->y() >= 0 && window->y() + 20 <= visible.height());
            QVERIFY(window->x() >= 0 && window->x() < visible.width());
        }
    }

    void filesNamedOnTheCommandLineOpenAsOpenDoes() {
        Fixture f;
        WriteBytes(f.Dir / "good.txt", SarvikText);
        f.Window->OpenFiles({Text(f.Dir / "missing.txt"), Text(f.Dir / "good.txt")});
        QCOMPARE(f.WindowCount(), 1);
        QCOMPARE(f.Prompts.Messages.size(), 1);
        QVERIFY(f.Prompts.Messages[0].Text.contains(QStringLiteral("missing.txt")));
        QCOMPARE(f.Active()->GetFileName(), f.Dir / "good.txt");
    }

    void recentFilesAreRememberedNewestFirstAndForgetVanishedOnes() {
        Fixture f;
        QStringList opened;
        for (int i = 0; i < 12; ++i) {
            const fs::path path = f.Dir / ("song" + std::to_string(i) + ".txt");
            WriteBytes(path, SarvikText);
            f.Open(path);
            opened.prepend(Text(path));
        }
        f.Open(f.Dir / "song3.txt"); // already open: first again
        opened.removeAll(Text(f.Dir / "song3.txt"));
        opened.prepend(Text(f.Dir / "song3.txt"));
        f.Window->ClientArea()->closeAllSubWindows();

        // A new run of the program, with the same settings.
        TFrmMain again(f.Registry, f.Dir / "quillkit");
        again.UpdateRecentFilesMenu();
        QStringList listed = ActionTexts(again.RecentFilesMenu());
        QCOMPARE(listed.size(), UserSettings::MaxRecentFiles + 2);
        QCOMPARE(listed.first(), QStringLiteral("&1 song3.txt"));
        QCOMPARE(listed[1], QStringLiteral("&2 song11.txt"));
        QCOMPARE(listed[9], QStringLiteral("1&0 song2.txt")); // song3 went first
        QCOMPARE(listed.last(), QStringLiteral("Clear Recent Files"));
        QCOMPARE(again.RecentFilesMenu()->actions().first()->toolTip(),
                 QDir::toNativeSeparators(opened.first()));

        fs::remove(f.Dir / "song11.txt");
        again.RecentFilesMenu()->actions()[1]->trigger();
        QCOMPARE(f.Prompts.Messages.size(), 1);
        QVERIFY(f.Prompts.Messages[0].Text.contains(QStringLiteral("song11.txt")));
        QVERIFY(!UserSettings::RecentFiles().contains(Text(f.Dir / "song11.txt")));
        again.RecentFilesMenu()->actions().first()->trigger();
        QCOMPARE(again.ClientArea()->subWindowList().size(), 1);
        QCOMPARE(again.Documents().constFirst()->GetFileName(), f.Dir / "song3.txt");

        again.ActClearRecentFiles->trigger();
        QCOMPARE(ActionTexts(again.RecentFilesMenu()), QStringList({"", "Clear Recent Files"}));
        QVERIFY(!again.ActClearRecentFiles->isEnabled());
    }

    void theWindowMenuListsTheDocumentsAndCloseClosesTheActiveOne() {
        Fixture f;
        WriteBytes(f.Dir / "pad.txt", SarvikText);
        f.Window->ActNew->trigger();
        f.Open(f.Dir / "pad.txt");
        f.Window->UpdateWindowMenu();
        const QList<QAction*> items = f.Window->WindowMenu()->actions();
        QCOMPARE(items[items.size() - 2]->text(), QStringLiteral("&1 New (Sarvik File)"));
        QCOMPARE(items.last()->text(), QStringLiteral("&2 pad.txt (Sarvik File)"));
        QVERIFY(items.last()->isChecked());
        QVERIFY(!items[items.size() - 2]->isChecked());
        QCOMPARE(f.Window->ActWindowNext->shortcuts(),
                 QKeySequence::keyBindings(QKeySequence::NextChild));
        QCOMPARE(f.Window->DocumentPathLabel()->text(), Text(f.Dir / "pad.txt"));

        items[items.size() - 2]->trigger();
        QCOMPARE(f.Window->ActiveDocument()->windowTitle(), QStringLiteral("New (Sarvik File)"));
        QVERIFY(f.Window->ActClose->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+W"))));
        f.Window->ActClose->trigger();
        QCOMPARE(f.WindowCount(), 1);
        QCOMPARE(f.Active()->GetFileName(), f.Dir / "pad.txt");
    }

    void theCloseQuestionCanSaveAndClosesOnlyWhenSaved() {
        Fixture f;
        f.Window->ActNew->trigger();
        f.CompleteActiveDocument();
        // Untitled: Save asks for a name; cancelling it keeps the window.
        f.Prompts.Answers.push_back(MessageAnswer::Save);
        f.Prompts.FileChoices.push_back(std::nullopt);
        f.Active()->parentWidget()->close();
        QCOMPARE(f.WindowCount(), 1);
        QCOMPARE(f.Prompts.Messages[0].Text,
                 QStringLiteral("You have modified the file. Close anyway?"));
        QCOMPARE(int(f.Prompts.Messages[0].Buttons), int(MessageButtons::YesNoSave));
        QCOMPARE(int(f.Prompts.Messages[0].DefaultButton), int(MessageAnswer::No));
        QCOMPARE(f.Prompts.SaveDialogs.size(), 1);

        // A save that fails shows why and keeps the window and its mark.
        f.Active()->SetFileName(f.Dir / "gone" / "pad.txt");
        f.Prompts.Answers.push_back(MessageAnswer::Save);
        f.Active()->parentWidget()->close();
        QCOMPARE(f.WindowCount(), 1);
        QVERIFY(f.Active()->IsModified());
        QCOMPARE(f.Prompts.Messages.size(), 3);
        QVERIFY(f.Prompts.Messages[1].Informative.contains(QStringLiteral("pad.txt")));
        QVERIFY(f.Prompts.Messages[2].Text.contains(QStringLiteral("pad.txt")));

        // Saved, it closes.
        f.Active()->SetFileName(f.Dir / "pad.txt");
        f.Prompts.Answers.push_back(MessageAnswer::Save);
        f.Active()->parentWidget()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(f.WindowCount(), 0);
        QVERIFY(fs::exists(f.Dir / "pad.txt"));
        QCOMPARE(f.Window->statusBar()->currentMessage(),
                 QStringLiteral("Saved %1").arg(Text(f.Dir / "pad.txt")));
    }

    void aFailedSaveAsKeepsTheWindowsNameAndMark() {
        Fixture f;
        WriteBytes(f.Dir / "pad.txt", SarvikText);
        f.Open(f.Dir / "pad.txt");
        f.Active()->Waveset().SetNotes("changed");
        f.Prompts.FileChoices.push_back(Text(f.Dir / "missing" / "other.txt"));
        f.Window->ActSaveAs->trigger();
        QCOMPARE(f.Active()->GetFileName(), f.Dir / "pad.txt");
        QCOMPARE(f.Active()->windowTitle(), QStringLiteral("pad.txt* (Sarvik File)"));
        QCOMPARE(f.Prompts.Messages.size(), 1);
        QVERIFY(f.Prompts.Messages[0].Text.contains(QStringLiteral("other.txt")));
    }

    void theProgramAndItsDocumentsShowTheirOwnIcon() {
        Fixture f;
        f.Window->ActNew->trigger();
        QVERIFY(!f.Window->windowIcon().isNull());
        const QImage icon = f.Window->windowIcon().pixmap(32, 32).toImage();
        QCOMPARE(f.Active()->windowIcon().pixmap(32, 32).toImage(), icon);
        QCOMPARE(f.Window->ClientArea()
                     ->subWindowList()
                     .constFirst()
                     ->windowIcon()
                     .pixmap(32, 32)
                     .toImage(),
                 icon);
        QCOMPARE(QApplication::windowIcon().pixmap(32, 32).toImage(), icon);
        // Drawn from the program's own picture: its dark frame, not a toolkit logo.
        QCOMPARE(icon.pixelColor(16, 3), QColor(0x2d, 0x2e, 0x3f));
        f.Window->ActHelpAbout->trigger();
        QCOMPARE(int(f.Prompts.Messages.last().Icon), int(MessageIcon::Application));
    }

    void theMainWindowRemembersItsPlaceAndTheDialogFolders() {
        Fixture f;
        f.Window->setGeometry(40, 50, 900, 560);
        fs::create_directories(f.Dir / "songs");
        WriteBytes(f.Dir / "songs" / "pad.txt", SarvikText);
        f.Open(f.Dir / "songs" / "pad.txt");
        QVERIFY(f.Window->close());

        TFrmMain again(f.Registry, f.Dir / "quillkit");
        QCOMPARE(again.size(), QSize(900, 560));
        QCOMPARE(again.OpenDialog().InitialDir, Text(f.Dir / "songs"));
        QCOMPARE(UserSettings::DialogFolder(QStringLiteral("Save")), QString());
    }
};

static RegisterTest<DesktopEditorTest> registered;

#include "desktop_editor_test.moc"
