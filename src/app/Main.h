#pragma once

#include "base/Version.h"
#include "uikit/ApplicationTitle.h"
#include "uikit/Prompts.h"

#include <QMainWindow>
#include <QPixmap>

#include <filesystem>

class QMdiArea;
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
    TDIBImageList* ImglstSkin() const { return imglstSkin_; }
    TFrmBase* ActiveDocument() const;
    QList<TFrmBase*> Documents() const;

    // The part of Open that follows the dialog; also used for dropped files.
    void OpenFile(const std::filesystem::path& path);

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

    void ActNewExecute();
    void ActOpenExecute();
    void ActSaveExecute();
    void ActSaveAsExecute();
    void ActHelpAboutExecute();
    void ActWindowTileExecute();
    void ActWindowMinimizeAllExecute();
    void ActWindowArrangeIconsExecute();

    QMdiArea* clientArea_;
    FileDialogSettings openDialog_;
    FileDialogSettings saveDialog_;
    QPixmap backgroundTile_;
    TDIBImageList* imglstSkin_;
};

// The main window, while it exists.
extern TFrmMain* FrmMain;
