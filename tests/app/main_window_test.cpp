#include "MainWindowFixture.h"
#include "app_tests.h"
#include "support/FakeRegistry.h"
#include "support/QtTestRegistry.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

#include "app/Main.h"
#include "controls/DIBKnob.h"
#include "controls/SkinImages.h"
#include "editor/SarvikFileFrm.h"
#include "support/ScopedSettings.h"
#include "support/ScopedUserSettings.h"
#include "uikit/BaseFrm.h"
#include "uikit/QdAction.h"
#include "uikit/QtPrompts.h"

#include <QDropEvent>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>

#include <memory>

namespace fs = std::filesystem;

void MainWindowTest::showsItsTitleAndMenus() {
    Fixture f;
    QCOMPARE(f.Window->windowTitle(), QStringLiteral("Norvex Quillkit"));
    QCOMPARE(FrmMain, f.Window.get());
    TDIBImageList* skin = f.Window->ImglstSkin();
    QVERIFY(skin != nullptr);
    QCOMPARE(SkinImages(), skin);
    const QList<QAction*> menus = f.Window->menuBar()->actions();
    QCOMPARE(menus.size(), 5);
    QCOMPARE(menus[0]->text(), QStringLiteral("&File"));
    QCOMPARE(ActionTexts(menus[0]->menu()), QStringList({"New", "Open...", "", "Save", "Save as...",
                                                         "", "Exit", "", "Recent Files", "Close"}));
    QCOMPARE(menus[1]->text(), QStringLiteral("&Edit"));
    QCOMPARE(ActionTexts(menus[1]->menu()), QStringList({"Undo", "Redo"}));
    QVERIFY(!f.Window->ActUndo->isEnabled());
    QVERIFY(!f.Window->ActRedo->isEnabled());
    QCOMPARE(f.Window->ActUndo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    QCOMPARE(f.Window->ActRedo->shortcuts(),
             QList<QKeySequence>({QKeySequence(QStringLiteral("Ctrl+Y")),
                                  QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));
    QCOMPARE(menus[2]->text(), QStringLiteral("Skin"));
    QVERIFY(!menus[2]->isVisible());
    QCOMPARE(ActionTexts(menus[3]->menu()), QStringList({"Cascade", "Tile", "Minimize All", "",
                                                         "Next Window", "Previous Window"}));
    QCOMPARE(ActionTexts(menus[4]->menu()), QStringList({"About Norvex Quillkit..."}));

    QCOMPARE(f.Window->ActNew->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    QCOMPARE(f.Window->ActOpen->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    QCOMPARE(f.Window->ActSave->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    QVERIFY(f.Window->ActSaveAs->shortcut().isEmpty());
    const QList<std::pair<TQdAction*, int>> ids = {
        {f.Window->ActExit, 0},          {f.Window->ActHelpAbout, 1},
        {f.Window->ActSave, 4},          {f.Window->ActWindowArrangeIcons, 6},
        {f.Window->ActWindowCascade, 7}, {f.Window->ActOpen, 8},
        {f.Window->ActNew, 9},           {f.Window->ActSaveAs, 10}};
    for (const auto& [action, id] : ids) {
        QCOMPARE(action->ID(), id);
    }
    QVERIFY(f.Window->ActWindowArrangeIcons->associatedObjects().isEmpty());

    f.Window->ActHelpAbout->trigger();
    QCOMPARE(f.Prompts.Messages.size(), 1);
    // The version comes from the project's own: one number to change for a release.
    QVERIFY(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$"))
                .match(QString::fromLatin1(ApplicationVersion))
                .hasMatch());
    QVERIFY(f.Prompts.Messages[0].Text.startsWith(
        QStringLiteral("Norvex Quillkit %1\n\n").arg(QString::fromLatin1(ApplicationVersion))));
    QCOMPARE(f.Prompts.Messages[0].Caption, QStringLiteral("Norvex Quillkit"));
}

void MainWindowTest::saveCommandsNeedAnActiveDocument() {
    Fixture f;
    QVERIFY(QTest::qWaitForWindowActive(f.Window.get()));
    QVERIFY(!f.Window->ActSave->isEnabled());
    QVERIFY(!f.Window->ActSaveAs->isEnabled());
    QTest::keyClick(f.Window.get(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(f.Prompts.Messages.isEmpty());
    QVERIFY(f.Prompts.SaveDialogs.isEmpty());

    QTest::keyClick(f.Window.get(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(f.WindowCount(), 1);
    QVERIFY(f.Window->ActSave->isEnabled());
    QVERIFY(f.Window->ActSaveAs->isEnabled());
    QCOMPARE(f.Window->ActiveDocument()->windowTitle(), QStringLiteral("New (Sarvik File)"));
    QVERIFY(!f.Window->ActiveDocument()->IsModified());

    f.Window->ClientArea()->closeAllSubWindows();
    QCOMPARE(f.WindowCount(), 0);
    QVERIFY(!f.Window->ActSave->isEnabled());
}

void MainWindowTest::undoAndRedoFollowTheActiveDocument() {
    Fixture f;
    QVERIFY(QTest::qWaitForWindowActive(f.Window.get()));
    WriteBytes(f.Dir / "pad.txt", SarvikText);
    f.Open(f.Dir / "pad.txt");
    TFrmSarvikFile* pad = f.Active();
    QVERIFY(pad);
    const std::string loaded = pad->Waveset().BuildText();
    QVERIFY(!f.Window->ActUndo->isEnabled());
    pad->PagesSarvik->setCurrentWidget(pad->TabSarvikWaveset);
    QTest::mouseClick(pad->KnbSarvikDelay, Qt::LeftButton);
    QTest::keyClick(pad->KnbSarvikDelay, Qt::Key_PageUp);
    QVERIFY(f.Window->ActUndo->isEnabled());
    QCOMPARE(f.Window->ActUndo->text(), QStringLiteral("Undo Delay"));

    // Another document has a history of its own.
    QTest::keyClick(f.Window.get(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(f.WindowCount(), 2);
    QVERIFY(!f.Window->ActUndo->isEnabled());
    QCOMPARE(f.Window->ActUndo->text(), QStringLiteral("Undo"));

    f.Window->ClientArea()->setActiveSubWindow(f.Window->ClientArea()->subWindowList()[0]);
    QCOMPARE(f.Active(), pad);
    QCOMPARE(f.Window->ActUndo->text(), QStringLiteral("Undo Delay"));
    QTest::keyClick(pad->KnbSarvikDelay, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(pad->Waveset().BuildText(), loaded);
    QCOMPARE(pad->windowTitle(), QStringLiteral("pad.txt (Sarvik File)"));
    QCOMPARE(f.Window->ActRedo->text(), QStringLiteral("Redo Delay"));
    QTest::keyClick(pad->KnbSarvikDelay, Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(pad->Waveset().BuildText() != loaded);
    QCOMPARE(pad->windowTitle(), QStringLiteral("pad.txt* (Sarvik File)"));
}

void MainWindowTest::openingAnOpenFileActivatesItsWindow() {
    Fixture f;
    WriteBytes(f.Dir / "pad.txt", SarvikText);
    fs::create_symlink(f.Dir / "pad.txt", f.Dir / "link.txt");
    f.Open(f.Dir / "pad.txt");
    QCOMPARE(f.WindowCount(), 1);
    QMdiSubWindow* first = f.Window->ClientArea()->subWindowList().first();
    QCOMPARE(f.Active()->windowTitle(), QStringLiteral("pad.txt (Sarvik File)"));
    QCOMPARE(f.Active()->Waveset().WavesetName(), std::string("Pad"));
    QVERIFY(!f.Active()->IsModified());
    QCOMPARE(f.Prompts.OpenDialogs[0].Title, QStringLiteral("Open"));
    QCOMPARE(f.Prompts.OpenDialogs[0].Filter,
             QStringLiteral("Sarvik Files (*.txt)|*.txt|All Files (*.*)|*.*"));

    f.Window->ActNew->trigger();
    first->showMinimized();
    f.Open(f.Dir / "link.txt");
    QCOMPARE(f.WindowCount(), 2);
    QVERIFY(!first->isMinimized());
    QCOMPARE(f.Window->ClientArea()->currentSubWindow(), first);
    QVERIFY(f.Prompts.Messages.isEmpty());
}

void MainWindowTest::dialogFiltersMatchWavesetNamesInAnyCase() {
    const QStringList filters = QtNameFilters(QStringLiteral(
        "Waveset Files (*.nsp;*.sf2)|*.nsp;*.sf2|Sarvik Files (*.txt)|*.txt|All Files (*.*)|*.*"));
#ifdef _WIN32
    QCOMPARE(filters,
             QStringList({"Waveset Files (*.nsp *.sf2)", "Sarvik Files (*.txt)", "All Files (*)"}));
#else
    QCOMPARE(filters, QStringList({"Waveset Files (*.nsp *.NSP *.sf2 *.SF2)",
                                   "Sarvik Files (*.txt *.TXT)", "All Files (*)"}));
#endif
}

void MainWindowTest::openingAnUnknownFileCreatesNoWindow() {
    Fixture f;
    WriteBytes(f.Dir / "song.txt", "w1 = 3\r\nwaveset = a.sf2\r\n");
    f.Open(f.Dir / "song.txt");
    QCOMPARE(f.WindowCount(), 0);
    QCOMPARE(f.Prompts.MessageTexts(),
             QStringList({"File type not detected. Not a supported Norvex file?"}));
    QCOMPARE(f.Prompts.Messages[0].Caption, QStringLiteral("Open"));
}

void MainWindowTest::errorsOfACommandAreShownAndTheProgramGoesOn() {
    Fixture f;
    f.Open(f.Dir / "vanished.txt");
    QCOMPARE(f.WindowCount(), 0);
    QCOMPARE(f.Prompts.Messages.size(), 1);
    QVERIFY2(f.Prompts.Messages[0].Text.startsWith(QStringLiteral("Cannot open file")),
             qPrintable(f.Prompts.Messages[0].Text));
    QCOMPARE(f.Prompts.Messages[0].Caption, QStringLiteral("Norvex Quillkit"));
    QVERIFY(f.Window->isVisible());
}

void MainWindowTest::failedLoadShowsAnUntitledModifiedWindow() {
    Fixture f;
    WriteBytes(f.Dir / "bad.txt", "waveset = w.sf2\r\nosc = 9\r\ninstrument = X\r\n");
    f.Open(f.Dir / "bad.txt");
    QCOMPARE(f.WindowCount(), 1);
    QCOMPARE(f.Prompts.MessageTexts(), QStringList({"Error while loading Sarvik file!"}));
    QCOMPARE(f.Active()->windowTitle(), QStringLiteral("New* (Sarvik File)"));
}

void MainWindowTest::saveOfAnUntitledDocumentGoesThroughSaveAs() {
    Fixture f;
    f.Window->ActNew->trigger();
    f.Window->ActSave->trigger();
    QCOMPARE(f.Prompts.MessageTexts(),
             QStringList({"You need to give a waveset file name before saving."}));
    QVERIFY(f.Prompts.SaveDialogs.isEmpty());

    f.CompleteActiveDocument();
    f.Prompts.FileChoices.push_back(std::nullopt);
    f.Window->ActSave->trigger();
    QCOMPARE(f.Prompts.SaveDialogs.size(), 1);
    QCOMPARE(f.Prompts.SaveDialogs[0].Title, QStringLiteral("Save as"));
    QCOMPARE(f.Prompts.SaveDialogs[0].FileName, QString());
    QVERIFY(fs::is_empty(f.Dir.Path()));
    QVERIFY(f.Active()->IsModified());

    f.Prompts.FileChoices.push_back(Text(f.Dir / "song.txt"));
    f.Window->ActSave->trigger();
    QCOMPARE(ReadBytes(f.Dir / "song.txt"), f.Active()->Waveset().BuildText());
    QCOMPARE(f.Active()->windowTitle(), QStringLiteral("song.txt (Sarvik File)"));
    QCOMPARE(f.Prompts.SaveDialogs.size(), 2);
}

void MainWindowTest::saveAsForcesTheTxtExtension_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::newRow("no extension") << "lead"
                                  << "lead.txt";
    QTest::newRow("another extension") << "lead.dat"
                                       << "lead.txt";
    QTest::newRow("dotted folder") << "v1.2/lead"
                                   << "v1.2/lead.txt";
}

void MainWindowTest::saveAsForcesTheTxtExtension() {
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    Fixture f;
    fs::create_directories(f.Dir / "v1.2");
    f.Window->ActNew->trigger();
    f.CompleteActiveDocument();
    f.Prompts.FileChoices.push_back(Text(f.Dir / typed.toStdString()));
    f.Window->ActSaveAs->trigger();
    QCOMPARE(f.Active()->GetFileName(), f.Dir / saved.toStdString());
    QCOMPARE(ReadBytes(f.Dir / saved.toStdString()), f.Active()->Waveset().BuildText());
    QVERIFY(!fs::exists(f.Dir / typed.toStdString()) || typed == saved);
    QVERIFY(!f.Active()->IsModified());
}

void MainWindowTest::saveAsAsksBeforeReplacingAFileTheExtensionRuleChose() {
    Fixture f;
    WriteBytes(f.Dir / "lead.txt", "old");
    f.Window->ActNew->trigger();
    f.CompleteActiveDocument();

    f.Prompts.FileChoices.push_back(Text(f.Dir / "lead.dat"));
    f.Prompts.Answers.push_back(MessageAnswer::No);
    f.Window->ActSaveAs->trigger();
    QCOMPARE(f.Prompts.Messages.size(), 1);
    QCOMPARE(f.Prompts.Messages[0].Text, Text(f.Dir / "lead.txt") + " already exists. Replace it?");
    QCOMPARE(f.Prompts.Messages[0].Caption, QStringLiteral("Save as"));
    QCOMPARE(int(f.Prompts.Messages[0].DefaultButton), int(MessageAnswer::No));
    QCOMPARE(ReadBytes(f.Dir / "lead.txt"), std::string("old"));
    QVERIFY(f.Active()->GetFileName().empty());

    f.Prompts.FileChoices.push_back(Text(f.Dir / "lead.dat"));
    f.Prompts.Answers.push_back(MessageAnswer::Yes);
    f.Window->ActSaveAs->trigger();
    QCOMPARE(ReadBytes(f.Dir / "lead.txt"), f.Active()->Waveset().BuildText());
}

void MainWindowTest::exitAsksEveryModifiedWindowBeforeClosingAny() {
    Fixture f;
    f.Window->ActNew->trigger();
    f.Active()->Waveset().SetNotes("first");
    f.Window->ActNew->trigger();
    f.Active()->Waveset().SetNotes("second");
    f.Window->ActNew->trigger(); // unchanged: never asked

    f.Prompts.Answers = {MessageAnswer::Yes, MessageAnswer::No};
    f.Window->ActExit->trigger();
    QCOMPARE(f.Prompts.Messages.size(), 2);
    QCOMPARE(f.WindowCount(), 3);
    QVERIFY(f.Window->isVisible());
    for (TFrmBase* document : f.Window->Documents()) {
        QVERIFY(document->isVisible());
    }

    f.Prompts.Answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    f.Window->ActExit->trigger();
    QCOMPARE(f.Prompts.Messages.size(), 4);
    QVERIFY(!f.Window->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(f.WindowCount(), 0);
}

void MainWindowTest::minimizeAllAndArrangeIcons() {
    Fixture f;
    f.Window->ActWindowMinimizeAll->trigger();
    f.Window->ActWindowArrangeIcons->trigger();
    QCOMPARE(f.WindowCount(), 0);

    f.Window->ActNew->trigger();
    f.Window->ActNew->trigger();
    f.Window->ActWindowMinimizeAll->trigger();
    const QList<QMdiSubWindow*> windows = f.Window->ClientArea()->subWindowList();
    for (const QMdiSubWindow* window : windows) {
        QVERIFY(window->isMinimized());
    }
    f.Window->ActWindowArrangeIcons->trigger();
    const int bottom = f.Window->ClientArea()->viewport()->height();
    QCOMPARE(windows[0]->geometry().bottom() + 1, bottom);
    QCOMPARE(windows[1]->geometry().bottom() + 1, bottom);
    QVERIFY(!windows[0]->geometry().intersects(windows[1]->geometry()));
}

void MainWindowTest::tileStacksFullWidthWindows() {
    Fixture f;
    f.Window->resize(1400, 1100);
    f.Window->ActNew->trigger();
    f.Window->ActNew->trigger();
    f.Window->ActWindowTile->trigger();
    const QList<QMdiSubWindow*> windows = f.Window->ClientArea()->subWindowList();
    QCOMPARE(windows[0]->x(), 0);
    QCOMPARE(windows[1]->x(), 0);
    QVERIFY(!windows[0]->geometry().intersects(windows[1]->geometry()));
}

void MainWindowTest::hostFolderGivesDialogFoldersAndBackground() {
    TempDir host;
    fs::create_directories(host / "Samples");
    fs::create_directories(host / "Skins" / "Default");
    QImage tile(8, 6, QImage::Format_RGB32);
    tile.fill(Qt::darkCyan);
    QVERIFY(tile.save(Text(host / "Skins" / "Default" / "BgTile.bmp"), "BMP"));
    {
        Fixture f(host.Path());
        QCOMPARE(f.Window->OpenDialog().InitialDir, Text(host / "Samples"));
        QCOMPARE(f.Window->SaveDialog().InitialDir, Text(host / "Samples"));
        QCOMPARE(f.Window->BackgroundTile().size(), QSize(8, 6));
        QCOMPARE(f.Window->ClientArea()->background().texture().size(), QSize(8, 6));
    }
    Fixture none;
    // No host and no Samples folder here: the user's documents.
    QCOMPARE(none.Window->OpenDialog().InitialDir,
             QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    QVERIFY(none.Window->BackgroundTile().isNull());
}

void MainWindowTest::droppedFilesOpenOneByOne() {
    Fixture f;
    WriteBytes(f.Dir / "one.txt", SarvikText);
    WriteBytes(f.Dir / "two.txt", SarvikText);
    WriteBytes(f.Dir / "other.dat", SarvikText);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(Text(f.Dir / "one.txt")),
                  QUrl::fromLocalFile(Text(f.Dir / "other.dat")),
                  QUrl::fromLocalFile(Text(f.Dir / "two.txt"))});
    // The drop goes to the widget that accepted the drag as it entered.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.Window.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.Window.get(), &drop);
    QCOMPARE(f.WindowCount(), 2);
    QCOMPARE(f.Prompts.MessageTexts(),
             QStringList({"File type not detected. Not a supported Norvex file?"}));
}

static RegisterTest<MainWindowTest> registered;
