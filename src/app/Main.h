#pragma once

#include "base/Version.h"
#include "uikit/ApplicationTitle.h"
#include "uikit/Prompts.h"

#include <QMainWindow>
#include <QPixmap>

#include <filesystem>

class QActionGroup;
class QFileSystemWatcher;
class QLabel;
class QMdiArea;
class QMenu;
class QUndoGroup;
class QMdiSubWindow;
class RegistryReader;
class TDIBImageList;
class TFrmBase;
class TQdAction;

// The program's one main window: a frame of document windows with the file and
// window commands.
class TFrmMain : public QMainWindow {
    Q_OBJECT
  public:
    // `programPath` names the settings file; `registry` is where the host is found.
    TFrmMain(RegistryReader& registry, const std::filesystem::path& programPath,
             QWidget* parent = nullptr);
    ~TFrmMain() override;

    QMdiArea* ClientArea() const { return clientArea_; }
    // The dialog the document windows use to pick files too.
    FileDialogSettings& OpenDialog() { return openDialog_; }
    FileDialogSettings& SaveDialog() { return saveDialog_; }
    const QPixmap& BackgroundTile() const { return backgroundTile_; }
    // The skin, drawn at the first call.
    TDIBImageList* ImglstSkin();
    TFrmBase* ActiveDocument() const;
    QList<TFrmBase*> Documents() const;

    // The part of Open that follows the dialog; also used for dropped files, files
    // named on the command line and recent files.
    void OpenFile(const std::filesystem::path& path);
    // Opens each file as OpenFile does; a file that fails gets its message and the
    // others still open.
    void OpenFiles(const QStringList& paths);

    // Save and Save as of `document`; true when it was written.
    bool SaveDocument(TFrmBase& document);
    bool SaveDocumentAs(TFrmBase& document);

    QMenu* RecentFilesMenu() const { return recentFilesMenu_; }
    QMenu* WindowMenu() const { return windowMenu_; }
    QLabel* DocumentPathLabel() const { return documentPath_; }
    // Fills the Window menu's list of documents and the Recent Files menu afresh, as
    // they are each time they open.
    void UpdateWindowMenu();
    void UpdateRecentFilesMenu();

    // Looks at every document's file on disk: an unmodified document whose file
    // changed reloads, a modified one asks whether to reload. The file watcher runs
    // it; so does opening a file that is already open.
    void CheckOutsideChanges();
    QFileSystemWatcher* FileWatcher() const { return watcher_; }

    TQdAction* ActNew;
    TQdAction* ActOpen;
    TQdAction* ActSave;
    TQdAction* ActSaveAs;
    TQdAction* ActExit;
    TQdAction* ActHelpAbout;
    TQdAction* ActWindowCascade;
    TQdAction* ActWindowTile;
    TQdAction* ActWindowMinimizeAll;
    TQdAction* ActWindowArrangeIcons;
    QAction* ActUndo;
    QAction* ActRedo;
    QAction* ActClose;
    QAction* ActClearRecentFiles;
    QAction* ActWindowNext;
    QAction* ActWindowPrevious;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void CreateActions();
    void CreateMenus();
    void LoadSettings(RegistryReader& registry, const std::filesystem::path& programPath);
    void LoadBackgroundTile();
    TFrmBase* CreateDocumentWindow();
    bool ActivateOpenFile(const std::filesystem::path& path);
    void UpdateSaveActions();
    void PlaceNewWindow(QMdiSubWindow* window);
    void FitToDocumentWindow();
    void ShowHostFolder();
    void RestoreDialogFolder(FileDialogSettings& dialog, const QString& name);
    void RememberDialogFolders();
    void OpenRecentFile(const QString& path);
    void CheckOutsideChange(TFrmBase& document);
    void ReloadDocument(TFrmBase& document);
    void WatchDocumentFiles();

    void ActNewExecute();
    void ActOpenExecute();
    void ActSaveExecute();
    void ActSaveAsExecute();
    void ActHelpAboutExecute();
    void ActWindowTileExecute();
    void ActWindowCascadeExecute();
    void ActWindowMinimizeAllExecute();
    void ActWindowArrangeIconsExecute();

    QMdiArea* clientArea_;
    QUndoGroup* undoGroup_ = nullptr;
    FileDialogSettings openDialog_;
    FileDialogSettings saveDialog_;
    QPixmap backgroundTile_;
    TDIBImageList* imglstSkin_ = nullptr;
    QMenu* recentFilesMenu_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QActionGroup* windowListGroup_ = nullptr;
    QLabel* documentPath_ = nullptr;
    QFileSystemWatcher* watcher_ = nullptr;
    bool checkingOutsideChanges_ = false;
};

// The main window, while it exists.
extern TFrmMain* FrmMain;
