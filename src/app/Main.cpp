#include "app/Main.h"

#include "base/FileNames.h"
#include "base/SameFile.h"
#include "base/TextFile.h"
#include "controls/DIBImageList.h"
#include "controls/SkinImages.h"
#include "document/FileTypeDetection.h"
#include "editor/SarvikFileFrm.h"
#include "host/HostInstallation.h"
#include "host/HostPaths.h"
#include "host/Settings.h"
#include "uikit/BaseFrm.h"
#include "uikit/ByteText.h"
#include "uikit/ErrorHandler.h"
#include "uikit/QdAction.h"

#include "app/ApplicationIcon.h"
#include "app/UserSettings.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QUndoGroup>
#include <QUrl>

TFrmMain* FrmMain = nullptr;

namespace {

const QString SarvikFilter = QStringLiteral("Sarvik Files (*.txt)|*.txt|All Files (*.*)|*.*");

QList<QMdiSubWindow*> MostRecentFirst(const QMdiArea& area) {
    QList<QMdiSubWindow*> windows = area.subWindowList(QMdiArea::ActivationHistoryOrder);
    std::reverse(windows.begin(), windows.end());
    return windows;
}

TFrmBase* DocumentOf(const QMdiSubWindow* window) {
    return window ? qobject_cast<TFrmBase*>(window->widget()) : nullptr;
}

// How far each cascaded or newly placed window stands below and right of the last.
int CascadeStep(const QMdiSubWindow& window) {
    const int title = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    return std::max(title, 16) + 4;
}

QSize MinimumFrameSize(const QMdiSubWindow& window) {
    return window.minimumSizeHint().expandedTo(window.minimumSize());
}

const QString OpenDialogName = QStringLiteral("Open");
const QString SaveDialogName = QStringLiteral("Save");

} // namespace

TFrmMain::TFrmMain(RegistryReader& registry, const std::filesystem::path& programPath,
                   QWidget* parent)
    : QMainWindow(parent) {
    FrmMain = this;
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(QString::fromLatin1(ApplicationTitle));
    // Every window, message box included, shows the program's own icon.
    QApplication::setWindowIcon(ApplicationIcon());
    setWindowIcon(QApplication::windowIcon());
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    resize(986, 465);
    setAcceptDrops(true);

    clientArea_ = new QMdiArea(this);
    clientArea_->setObjectName(QStringLiteral("ClientArea"));
    // Windows reaching beyond the visible area are reached by scrolling, as in the
    // classic multiple-document frame.
    clientArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    clientArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(clientArea_);
    statusBar()->setFixedHeight(19);
    documentPath_ = new QLabel(statusBar());
    documentPath_->setObjectName(QStringLiteral("DocumentPath"));
    documentPath_->setAccessibleName(QStringLiteral("Path of the active document"));
    statusBar()->addPermanentWidget(documentPath_);

    watcher_ = new QFileSystemWatcher(this);
    // Editors and sync tools change a file in several steps; one look after them.
    auto* settle = new QTimer(this);
    settle->setSingleShot(true);
    settle->setInterval(150);
    connect(settle, &QTimer::timeout, this,
            [this] { RunGuarded([this] { CheckOutsideChanges(); }); });
    connect(watcher_, &QFileSystemWatcher::fileChanged, settle, qOverload<>(&QTimer::start));
    connect(watcher_, &QFileSystemWatcher::directoryChanged, settle, qOverload<>(&QTimer::start));

    CreateActions();
    CreateMenus();
    connect(clientArea_, &QMdiArea::subWindowActivated, this, &TFrmMain::UpdateSaveActions);
    UpdateSaveActions();

    LoadSettings(registry, programPath);
    LoadBackgroundTile();
    ShowHostFolder();

    const QByteArray geometry = UserSettings::MainWindowGeometry();
    if (geometry.isEmpty() || !restoreGeometry(geometry)) {
        FitToDocumentWindow();
    }
}

TFrmMain::~TFrmMain() {
    // The area reports its last window going away while it is destroyed, after this
    // object has ceased to be a main window.
    clientArea_->disconnect(this);
    if (FrmMain == this) {
        FrmMain = nullptr;
    }
}

void TFrmMain::CreateActions() {
    const auto action = [this](const char* name, const char* caption, int id, auto handler) {
        auto* created = new TQdAction(QString::fromLatin1(caption), id, this);
        created->setObjectName(QString::fromLatin1(name));
        connect(created, &QAction::triggered, this,
                [this, handler] { RunGuarded([this, handler] { (this->*handler)(); }); });
        return created;
    };
    ActNew = action("ActNew", "New", 9, &TFrmMain::ActNewExecute);
    ActOpen = action("ActOpen", "Open...", 8, &TFrmMain::ActOpenExecute);
    ActSave = action("ActSave", "Save", 4, &TFrmMain::ActSaveExecute);
    ActSaveAs = action("ActSaveAs", "Save as...", 10, &TFrmMain::ActSaveAsExecute);
    ActExit = action("ActExit", "Exit", 0, &QWidget::close);
    ActHelpAbout =
        action("ActHelpAbout", "About Norvex Quillkit...", 1, &TFrmMain::ActHelpAboutExecute);
    ActWindowCascade = new TQdAction(QStringLiteral("Cascade"), 7, this);
    ActWindowTile = new TQdAction(QStringLiteral("Tile"), 8, this);
    ActWindowMinimizeAll =
        action("ActWindowMinimizeAll", "Minimize All", 9, &TFrmMain::ActWindowMinimizeAllExecute);
    ActWindowArrangeIcons = action("ActWindowArrangeIcons", "Arrange Icons", 6,
                                   &TFrmMain::ActWindowArrangeIconsExecute);
    ActWindowCascade->setObjectName(QStringLiteral("ActWindowCascade"));
    ActWindowTile->setObjectName(QStringLiteral("ActWindowTile"));
    connect(ActWindowCascade, &QAction::triggered, this, &TFrmMain::ActWindowCascadeExecute);
    connect(ActWindowTile, &QAction::triggered, this, &TFrmMain::ActWindowTileExecute);

    ActNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    ActOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    ActSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));

    // Their texts name the step: "Undo Volume", "Redo Delete Instrument".
    undoGroup_ = new QUndoGroup(this);
    ActUndo = undoGroup_->createUndoAction(this, QStringLiteral("Undo"));
    ActUndo->setObjectName(QStringLiteral("ActUndo"));
    ActUndo->setShortcuts(QKeySequence::Undo);
    ActRedo = undoGroup_->createRedoAction(this, QStringLiteral("Redo"));
    ActRedo->setObjectName(QStringLiteral("ActRedo"));
    ActRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});

    ActClose = new QAction(QStringLiteral("Close"), this);
    ActClose->setObjectName(QStringLiteral("ActClose"));
    ActClose->setShortcuts(QKeySequence::Close);
    connect(ActClose, &QAction::triggered, clientArea_, &QMdiArea::closeActiveSubWindow);
    ActClearRecentFiles = new QAction(QStringLiteral("Clear Recent Files"), this);
    ActClearRecentFiles->setObjectName(QStringLiteral("ActClearRecentFiles"));
    connect(ActClearRecentFiles, &QAction::triggered, this, [this] {
        UserSettings::ClearRecentFiles();
        UpdateRecentFilesMenu();
    });
    ActWindowNext = new QAction(QStringLiteral("Next Window"), this);
    ActWindowNext->setObjectName(QStringLiteral("ActWindowNext"));
    ActWindowNext->setShortcuts(QKeySequence::NextChild);
    connect(ActWindowNext, &QAction::triggered, clientArea_, &QMdiArea::activateNextSubWindow);
    ActWindowPrevious = new QAction(QStringLiteral("Previous Window"), this);
    ActWindowPrevious->setObjectName(QStringLiteral("ActWindowPrevious"));
    ActWindowPrevious->setShortcuts(QKeySequence::PreviousChild);
    connect(ActWindowPrevious, &QAction::triggered, clientArea_,
            &QMdiArea::activatePreviousSubWindow);
}

void TFrmMain::CreateMenus() {
    menuBar()->setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    file->addAction(ActNew);
    file->addAction(ActOpen);
    file->addSeparator();
    file->addAction(ActSave);
    file->addAction(ActSaveAs);
    file->addSeparator();
    file->addAction(ActExit);
    // What this program adds comes after the classic items.
    file->addSeparator();
    recentFilesMenu_ = file->addMenu(QStringLiteral("Recent Files"));
    recentFilesMenu_->setObjectName(QStringLiteral("RecentFiles1"));
    recentFilesMenu_->setToolTipsVisible(true);
    connect(recentFilesMenu_, &QMenu::aboutToShow, this, &TFrmMain::UpdateRecentFilesMenu);
    UpdateRecentFilesMenu();
    file->addAction(ActClose);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("Edit1"));
    edit->addAction(ActUndo);
    edit->addAction(ActRedo);

    // Kept for the skins the host may offer one day; there is only the default.
    QMenu* skin = menuBar()->addMenu(QStringLiteral("Skin"));
    skin->setObjectName(QStringLiteral("Skin1"));
    QAction* defaultSkin = skin->addAction(QStringLiteral("Default"));
    defaultSkin->setCheckable(true);
    defaultSkin->setChecked(true);
    skin->menuAction()->setVisible(false);

    QMenu* window = menuBar()->addMenu(QStringLiteral("Window"));
    window->setObjectName(QStringLiteral("mnuWindow"));
    window->addAction(ActWindowCascade);
    window->addAction(ActWindowTile);
    window->addAction(ActWindowMinimizeAll);
    window->addSeparator();
    window->addAction(ActWindowNext);
    window->addAction(ActWindowPrevious);
    windowMenu_ = window;
    windowListGroup_ = new QActionGroup(this);
    connect(window, &QMenu::aboutToShow, this, &TFrmMain::UpdateWindowMenu);

    QMenu* help = menuBar()->addMenu(QStringLiteral("?"));
    help->setObjectName(QStringLiteral("Help1"));
    help->addAction(ActHelpAbout);
}

void TFrmMain::LoadSettings(RegistryReader& registry, const std::filesystem::path& programPath) {
    Settings.InstallDir = ::LoadSettings(programPath, registry, [](const std::string& message) {
        ReportUnhandledError(QString::fromLocal8Bit(message));
    });
    const std::filesystem::path samples = HostPath(Settings.InstallDir, "Samples\\");
    std::error_code ec;
    // Without a host and without a Samples folder here, the user's documents are
    // the likelier start than a folder that does not exist.
    const QString start = Settings.InstallDir.empty() && !std::filesystem::is_directory(samples, ec)
                              ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                              : PathToText(samples);
    openDialog_.InitialDir = start;
    saveDialog_.InitialDir = start;
    RestoreDialogFolder(openDialog_, OpenDialogName);
    RestoreDialogFolder(saveDialog_, SaveDialogName);
}

void TFrmMain::RestoreDialogFolder(FileDialogSettings& dialog, const QString& name) {
    const QString folder = UserSettings::DialogFolder(name);
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
        dialog.InitialDir = folder;
    }
}

void TFrmMain::RememberDialogFolders() {
    // A dialog remembers its folder once a file was chosen in it; until then the
    // host's Samples folder stays its start.
    for (const auto& [dialog, name] :
         {std::pair{&openDialog_, OpenDialogName}, std::pair{&saveDialog_, SaveDialogName}}) {
        if (!dialog->FileName.isEmpty()) {
            UserSettings::SetDialogFolder(name, dialog->InitialDir);
        }
    }
}

void TFrmMain::ShowHostFolder() {
    if (Settings.InstallDir.empty()) {
        const QString samples = QDir::current().absoluteFilePath(QStringLiteral("Samples"));
        statusBar()->showMessage(QStringLiteral("No Norvex host found: wavesets are looked up in "
                                                "the Samples folder beside the current folder, %1")
                                     .arg(QDir::toNativeSeparators(samples)));
    } else {
        statusBar()->showMessage(
            QStringLiteral("Norvex host: %1").arg(PathToText(Settings.InstallDir)));
    }
}

void TFrmMain::FitToDocumentWindow() {
    // Large enough to show one document window whole, where the screen allows it.
    const QScreen* screen = this->screen();
    if (!screen) {
        return;
    }
    // A frame around an empty stand-in of the document window's size: building a
    // real one would cost the start-up what it costs to open a document.
    QMdiSubWindow frame;
    auto* standIn = new QWidget;
    standIn->setMinimumSize(TFrmSarvikFile::DesignSize());
    frame.setWidget(standIn);
    const QSize document = frame.sizeHint().expandedTo(frame.minimumSizeHint());
    // Not laid out yet: the menu bar and the status bar above and below the area, and
    // a little room around the window.
    const QSize chrome(8, menuBar()->sizeHint().height() + statusBar()->height() + 8);
    const QSize wanted = (document + chrome).expandedTo(size());
    const QRect available = screen->availableGeometry();
    if (wanted.width() <= available.width() && wanted.height() <= available.height()) {
        resize(wanted);
    }
}

void TFrmMain::LoadBackgroundTile() {
    const auto file = FindHostFile(Settings.InstallDir, "Skins\\Default\\BgTile.bmp");
    QPixmap tile;
    if (file && tile.load(PathToText(*file)) && tile.width() > 0 && tile.height() > 0) {
        backgroundTile_ = tile;
        // The brush starts at the area's top-left corner and is painted afresh on scrolling.
        clientArea_->setBackground(QBrush(backgroundTile_));
    }
}

TFrmBase* TFrmMain::ActiveDocument() const {
    return DocumentOf(clientArea_->currentSubWindow());
}

QList<TFrmBase*> TFrmMain::Documents() const {
    QList<TFrmBase*> documents;
    for (QMdiSubWindow* window : MostRecentFirst(*clientArea_)) {
        if (TFrmBase* document = DocumentOf(window)) {
            documents << document;
        }
    }
    return documents;
}

void TFrmMain::UpdateSaveActions() {
    TFrmBase* document = ActiveDocument();
    // Undo and Redo follow the active document window.
    undoGroup_->setActiveStack(document ? document->UndoStack() : nullptr);
    ActSave->setEnabled(document != nullptr);
    ActSaveAs->setEnabled(document != nullptr);
    ActClose->setEnabled(document != nullptr);
    WatchDocumentFiles();
    const std::filesystem::path file = document ? document->GetFileName() : std::filesystem::path();
    std::error_code ec;
    documentPath_->setText(file.empty() ? QString()
                                        : PathToText(std::filesystem::absolute(file, ec)));
}

void TFrmMain::WatchDocumentFiles() {
    // The files and their folders: a file replaced by a rename (as editors and sync
    // tools save) shows as a change of its folder.
    QStringList wanted;
    for (TFrmBase* document : Documents()) {
        if (!document->GetFileName().empty()) {
            const QFileInfo file(PathToText(std::filesystem::absolute(document->GetFileName())));
            wanted << file.absoluteFilePath() << file.absolutePath();
        }
    }
    wanted.removeDuplicates();
    QStringList watched = watcher_->files() + watcher_->directories();
    for (const QString& path : watched) {
        if (!wanted.contains(path)) {
            watcher_->removePath(path);
        }
    }
    for (const QString& path : wanted) {
        if (!watched.contains(path) && QFileInfo::exists(path)) {
            watcher_->addPath(path);
        }
    }
}

void TFrmMain::CheckOutsideChanges() {
    // A question is open: the changes that come meanwhile are looked at after it.
    if (checkingOutsideChanges_) {
        return;
    }
    checkingOutsideChanges_ = true;
    const struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{checkingOutsideChanges_};
    for (TFrmBase* document : Documents()) {
        CheckOutsideChange(*document);
    }
    // A file replaced by a rename is watched afresh.
    for (const QString& path : watcher_->files()) {
        watcher_->removePath(path);
    }
    WatchDocumentFiles();
}

void TFrmMain::CheckOutsideChange(TFrmBase& document) {
    if (!document.ChangedOnDisk() || document.OutsideChangeKept()) {
        return;
    }
    const QString name = PathToText(document.GetFileName());
    if (!IsRegularFile(document.GetFileName())) {
        // Nothing to reload; the next Save asks before writing it anew.
        statusBar()->showMessage(QStringLiteral("%1 was removed by another program").arg(name));
        document.SetOutsideChangeKept(true);
        return;
    }
    if (!document.IsModified()) {
        ReloadDocument(document);
        statusBar()->showMessage(
            QStringLiteral("Reloaded %1: another program changed it").arg(name));
        return;
    }
    const MessageAnswer answer = AppPrompts().Message(
        {QStringLiteral("%1 has been changed by another program. Reload it and lose your "
                        "changes, or keep yours?")
             .arg(name),
         QStringLiteral("File changed"), MessageIcon::Warning, MessageButtons::ReloadKeepMine,
         MessageAnswer::KeepMine,
         QStringLiteral("Keeping yours, Save will ask before it overwrites the file.")});
    if (answer == MessageAnswer::Reload) {
        ReloadDocument(document);
    } else {
        document.SetOutsideChangeKept(true);
    }
}

void TFrmMain::ReloadDocument(TFrmBase& document) {
    const std::filesystem::path path = document.GetFileName();
    document.NewFile();
    document.SetFileName(path);
    document.SetOutsideChangeKept(false);
    bool loaded = false;
    try {
        loaded = document.LoadFromFile(path);
    } catch (...) {
        document.SetFileName({});
        throw;
    }
    document.SetFileName(loaded ? document.GetFileName() : std::filesystem::path());
}

void TFrmMain::UpdateWindowMenu() {
    for (QAction* old : windowListGroup_->actions()) {
        windowMenu_->removeAction(old);
        delete old;
    }
    const QList<QMdiSubWindow*> windows = clientArea_->subWindowList();
    if (!windows.isEmpty()) {
        auto* separator = new QAction(windowListGroup_);
        separator->setSeparator(true);
        windowMenu_->addAction(separator);
    }
    for (qsizetype i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows[i];
        const QString number = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QString::number(i + 1);
        QAction* item =
            windowMenu_->addAction(QStringLiteral("%1 %2").arg(number, window->windowTitle()));
        windowListGroup_->addAction(item);
        item->setCheckable(true);
        item->setChecked(window == clientArea_->activeSubWindow());
        connect(item, &QAction::triggered, this, [this, window] {
            if (clientArea_->subWindowList().contains(window)) {
                clientArea_->setActiveSubWindow(window);
            }
        });
    }
}

void TFrmMain::UpdateRecentFilesMenu() {
    recentFilesMenu_->clear();
    const QStringList files = UserSettings::RecentFiles();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString& path = files[i];
        const QString number = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QStringLiteral("1&0");
        QAction* item = recentFilesMenu_->addAction(
            QStringLiteral("%1 %2").arg(number, QFileInfo(path).fileName()));
        item->setToolTip(QDir::toNativeSeparators(path));
        item->setStatusTip(QDir::toNativeSeparators(path));
        connect(item, &QAction::triggered, this,
                [this, path] { RunGuarded([this, &path] { OpenRecentFile(path); }); });
    }
    recentFilesMenu_->addSeparator();
    recentFilesMenu_->addAction(ActClearRecentFiles);
    ActClearRecentFiles->setEnabled(!files.isEmpty());
}

void TFrmMain::OpenRecentFile(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        UserSettings::RemoveRecentFile(path);
        AppPrompts().Message({QStringLiteral("%1 no longer exists. It is removed from the "
                                             "recent files.")
                                  .arg(QDir::toNativeSeparators(path)),
                              QStringLiteral("Open"), MessageIcon::Warning, MessageButtons::Ok,
                              MessageAnswer::Ok});
        return;
    }
    OpenFile(TextToPath(path));
}

void TFrmMain::OpenFiles(const QStringList& paths) {
    for (const QString& path : paths) {
        RunGuarded([&] { OpenFile(TextToPath(QFileInfo(path).absoluteFilePath())); });
    }
}

TDIBImageList* TFrmMain::ImglstSkin() {
    // The knobs of every document window draw from these pictures, drawn when the
    // first window needs them: the empty main window shows none.
    if (!imglstSkin_) {
        imglstSkin_ = CreateSkinImages(devicePixelRatioF(), this);
        SetSkinImages(imglstSkin_);
    }
    return imglstSkin_;
}

TFrmBase* TFrmMain::CreateDocumentWindow() {
    ImglstSkin();
    auto* document = new TFrmSarvikFile({Settings.InstallDir, &openDialog_});
    document->setWindowIcon(windowIcon());
    document->SetSaveCommand([this](TFrmBase& window) { return SaveDocument(window); });
    if (QUndoStack* history = document->UndoStack()) {
        undoGroup_->addStack(history);
    }
    QMdiSubWindow* window = clientArea_->addSubWindow(document);
    window->setWindowIcon(windowIcon());
    // The caption follows the document; the path in the status bar follows too.
    connect(document, &QWidget::windowTitleChanged, this, &TFrmMain::UpdateSaveActions);
    PlaceNewWindow(window);
    window->show();
    return document;
}

void TFrmMain::PlaceNewWindow(QMdiSubWindow* window) {
    // One step below and right of the newest window, starting again at the top-left
    // corner where the title bar would leave the visible area.
    const QList<QMdiSubWindow*> others = clientArea_->subWindowList(QMdiArea::CreationOrder);
    QPoint place(0, 0);
    for (const QMdiSubWindow* other : others) {
        if (other != window && other->isVisible() && !other->isMinimized()) {
            place = other->pos() + QPoint(CascadeStep(*window), CascadeStep(*window));
        }
    }
    const QSize visible = clientArea_->viewport()->size();
    if (place.y() + CascadeStep(*window) > visible.height() || place.x() + 64 > visible.width()) {
        place = QPoint(0, 0);
    }
    window->move(place);
}

void TFrmMain::ActNewExecute() {
    CreateDocumentWindow()->NewFile();
}

void TFrmMain::ActOpenExecute() {
    openDialog_.FileName.clear();
    openDialog_.Title = QStringLiteral("Open");
    openDialog_.Filter = SarvikFilter;
    openDialog_.FilterIndex = 0;
    if (!AppPrompts().RunOpenDialog(openDialog_)) {
        return;
    }
    RememberChosenFolder(openDialog_);
    RememberDialogFolders();
    OpenFile(TextToPath(openDialog_.FileName));
}

void TFrmMain::OpenFile(const std::filesystem::path& path) {
    if (ActivateOpenFile(path)) {
        if (TFrmBase* document = ActiveDocument()) {
            CheckOutsideChange(*document);
        }
        UserSettings::AddRecentFile(PathToText(std::filesystem::absolute(path)));
        return;
    }
    if (DetectFileType(path) != FileType::Sarvik) {
        AppPrompts().Message(
            {QStringLiteral("File type not detected. Not a supported Norvex file?"),
             QStringLiteral("Open"), MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
        return;
    }
    TFrmBase* document = CreateDocumentWindow();
    document->SetFileName(path);
    document->NewFile();
    // A window must never stay bound to a file it could not read: Save would then
    // overwrite that file with what little was read.
    bool loaded = false;
    try {
        loaded = document->LoadFromFile(path);
    } catch (...) {
        document->SetFileName({});
        throw;
    }
    // A failed load unbinds the name; the caption must say so.
    document->SetFileName(loaded ? document->GetFileName() : std::filesystem::path());
    UserSettings::AddRecentFile(PathToText(std::filesystem::absolute(path)));
}

bool TFrmMain::ActivateOpenFile(const std::filesystem::path& path) {
    for (QMdiSubWindow* window : MostRecentFirst(*clientArea_)) {
        TFrmBase* document = DocumentOf(window);
        if (!document || !IsSameFile(document->GetFileName(), path)) {
            continue;
        }
        if (window->isMinimized() || window->isMaximized()) {
            window->showNormal();
        }
        clientArea_->setActiveSubWindow(window);
        window->raise();
        return true;
    }
    return false;
}

void TFrmMain::ActSaveExecute() {
    if (TFrmBase* document = ActiveDocument()) {
        SaveDocument(*document);
    }
}

void TFrmMain::ActSaveAsExecute() {
    if (TFrmBase* document = ActiveDocument()) {
        SaveDocumentAs(*document);
    }
}

bool TFrmMain::SaveDocument(TFrmBase& document) {
    if (!document.CanSave(true, true)) {
        return false;
    }
    if (document.GetFileName().empty()) {
        return SaveDocumentAs(document);
    }
    if (document.ChangedOnDisk()) {
        // Nothing is written over another program's change without the user's word.
        const MessageAnswer answer = AppPrompts().Message(
            {QStringLiteral("%1 has been changed by another program since it was opened. "
                            "Overwrite it?")
                 .arg(PathToText(document.GetFileName())),
             QStringLiteral("Save"), MessageIcon::Warning, MessageButtons::OverwriteSaveAsCancel,
             MessageAnswer::Cancel});
        if (answer == MessageAnswer::SaveAs) {
            return SaveDocumentAs(document);
        }
        if (answer != MessageAnswer::Overwrite) {
            return false;
        }
    }
    if (!document.SaveToFile({})) {
        return false;
    }
    document.SetOutsideChangeKept(false);
    UserSettings::AddRecentFile(PathToText(std::filesystem::absolute(document.GetFileName())));
    QString saved = QStringLiteral("Saved %1").arg(PathToText(document.GetFileName()));
    if (const std::string remark = document.SaveRemark(); !remark.empty()) {
        saved += QStringLiteral(", but ") + QString::fromStdString(remark);
    }
    statusBar()->showMessage(saved);
    return true;
}

bool TFrmMain::SaveDocumentAs(TFrmBase& document) {
    if (!document.CanSave(true, true)) {
        return false;
    }
    saveDialog_.FileName = PathToText(document.GetFileName());
    saveDialog_.Title = QStringLiteral("Save as");
    saveDialog_.Filter = SarvikFilter;
    saveDialog_.FilterIndex = 0;
    if (!AppPrompts().RunSaveDialog(saveDialog_)) {
        return false;
    }
    RememberChosenFolder(saveDialog_);
    RememberDialogFolders();
    const std::filesystem::path confirmed = TextToPath(saveDialog_.FileName);
    const std::filesystem::path name = Utf8ToPath(WithTxtExtension(PathToUtf8(confirmed)));
    // The dialog asked about the name as typed; a changed name that exists is asked about here.
    std::error_code ec;
    if (name != confirmed && std::filesystem::exists(name, ec) &&
        AppPrompts().Message(
            {QStringLiteral("%1 already exists. Replace it?").arg(PathToText(name)),
             QStringLiteral("Save as"), MessageIcon::Warning, MessageButtons::YesNo,
             MessageAnswer::No}) != MessageAnswer::Yes) {
        return false;
    }
    const std::filesystem::path previous = document.GetFileName();
    document.SetFileName(name);
    if (document.GetFileName().empty()) {
        AppPrompts().Message({QStringLiteral("File name not given. Cannot save."),
                              QStringLiteral("Save"), MessageIcon::Warning, MessageButtons::Ok,
                              MessageAnswer::Ok});
        document.SetFileName(previous);
        return false;
    }
    // Nothing written, nothing renamed: a failed save keeps the window as it was.
    bool saved = false;
    try {
        saved = SaveDocument(document);
    } catch (...) {
        document.SetFileName(previous);
        throw;
    }
    if (!saved) {
        document.SetFileName(previous);
    }
    return saved;
}

void TFrmMain::ActHelpAboutExecute() {
    AppPrompts().Message(
        {QStringLiteral("%1 %2\n\nAn editor for the instrument files of the Sarvik synthesizer.\n"
                        "Made with Qt %3.")
             .arg(QString::fromLatin1(ApplicationTitle), QString::fromLatin1(ApplicationVersion),
                  QString::fromLatin1(qVersion())),
         QString::fromLatin1(ApplicationTitle), MessageIcon::Application, MessageButtons::Ok,
         MessageAnswer::Ok});
}

void TFrmMain::ActWindowTileExecute() {
    // Horizontal tiling: full-width windows, one above the other.
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : clientArea_->subWindowList(QMdiArea::StackingOrder)) {
        if (!window->isMinimized()) {
            windows << window;
        }
    }
    if (windows.isEmpty()) {
        return;
    }
    // Never below a window's minimum size: where they do not fit, the area scrolls.
    const QSize area = clientArea_->viewport()->size();
    const int share = std::max(1, area.height() / static_cast<int>(windows.size()));
    int top = 0;
    for (QMdiSubWindow* window : windows) {
        if (window->isMaximized()) {
            window->showNormal();
        }
        const QSize least = MinimumFrameSize(*window);
        const int height = std::max(share, least.height());
        window->setGeometry(0, top, std::max(area.width(), least.width()), height);
        top += height;
    }
}

void TFrmMain::ActWindowCascadeExecute() {
    // Each window keeps its size (at least its minimum), one step below and right of
    // the one behind it, the active one in front.
    int place = 0;
    for (QMdiSubWindow* window : clientArea_->subWindowList(QMdiArea::StackingOrder)) {
        if (window->isMinimized()) {
            continue;
        }
        if (window->isMaximized()) {
            window->showNormal();
        }
        window->setGeometry(
            QRect(QPoint(place, place), window->size().expandedTo(MinimumFrameSize(*window))));
        window->raise();
        place += CascadeStep(*window);
    }
}

void TFrmMain::ActWindowMinimizeAllExecute() {
    // From the least recently activated window to the most recent one.
    for (QMdiSubWindow* window : clientArea_->subWindowList(QMdiArea::ActivationHistoryOrder)) {
        window->showMinimized();
    }
}

void TFrmMain::ActWindowArrangeIconsExecute() {
    // Minimised windows in rows along the bottom of the area, left to right.
    const QSize area = clientArea_->viewport()->size();
    int x = 0;
    int y = area.height();
    for (QMdiSubWindow* window : clientArea_->subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isMinimized()) {
            continue;
        }
        const QSize size = window->size();
        if (x > 0 && x + size.width() > area.width()) {
            x = 0;
            y -= size.height();
        }
        window->move(x, y - size.height());
        x += size.width();
    }
}

void TFrmMain::closeEvent(QCloseEvent* event) {
    // Every modified window is asked before any is closed; the first No keeps them all.
    const QList<TFrmBase*> documents = Documents();
    for (TFrmBase* document : documents) {
        if (document->IsModified() && !document->ConfirmClose()) {
            event->ignore();
            return;
        }
    }
    for (TFrmBase* document : documents) {
        document->CloseConfirmed();
    }
    UserSettings::SetMainWindowGeometry(saveGeometry());
    RememberDialogFolders();
    event->accept();
}

bool TFrmMain::event(QEvent* event) {
    // Moved to a screen with another scale: draw the skin again so knobs stay crisp.
    if (event->type() == QEvent::ScreenChangeInternal && imglstSkin_) {
        FillSkinImages(*imglstSkin_, devicePixelRatioF());
    }
    return QMainWindow::event(event);
}

void TFrmMain::dragEnterEvent(QDragEnterEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            event->acceptProposedAction();
            return;
        }
    }
}

void TFrmMain::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    event->acceptProposedAction();
    for (const QUrl& url : urls) {
        if (url.isLocalFile()) {
            RunGuarded([&] { OpenFile(TextToPath(url.toLocalFile())); });
        }
    }
}
