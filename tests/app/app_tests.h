#pragma once

#include <QObject>

class BaseWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void captionFollowsFileNameAndModifiedState_data();
    void captionFollowsFileNameAndModifiedState();
    void emptyNameAfterABoundOneShowsNewAgain();
    void closingAsksOnlyWhenModifiedAndOnlyYesCloses_data();
    void closingAsksOnlyWhenModifiedAndOnlyYesCloses();
};

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void showsItsTitleAndMenus();
    void saveCommandsNeedAnActiveDocument();
    void undoAndRedoFollowTheActiveDocument();
    void openingAnOpenFileActivatesItsWindow();
    void dialogFiltersMatchWavesetNamesInAnyCase();
    void openingAnUnknownFileCreatesNoWindow();
    void errorsOfACommandAreShownAndTheProgramGoesOn();
    void failedLoadShowsAnUntitledModifiedWindow();
    void saveOfAnUntitledDocumentGoesThroughSaveAs();
    void saveAsForcesTheTxtExtension_data();
    void saveAsForcesTheTxtExtension();
    void saveAsAsksBeforeReplacingAFileTheExtensionRuleChose();
    void exitAsksEveryModifiedWindowBeforeClosingAny();
    void minimizeAllAndArrangeIcons();
    void tileStacksFullWidthWindows();
    void hostFolderGivesDialogFoldersAndBackground();
    void droppedFilesOpenOneByOne();
};
