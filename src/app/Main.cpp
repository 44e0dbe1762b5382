#include "app/Main.h"

#include "base/FileNames.h"
#include "base/SameFile.h"
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

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
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

} // namespace

TFrmMain::TFrmMain(RegistryReader& registry, const std::filesystem::path& programPath,
                   QWidget* parent)
    : QMainWindow(parent) {
    FrmMain = this;
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(QString::fromLatin1(ApplicationTitle));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    resize(986, 465);
    setAcceptDrops(true);

    // The knobs of every document window draw from these pictures.
    imglstSkin_ = CreateSkinImages(devicePixelRatioF(), this);
    SetSkinImages(imglstSkin_);

    clientArea_ = new QMdiArea(this);
    setCentralWidget(clientArea_);
    statusBar()->setFixedHeight(19);

    CreateActions();
    CreateMenus();
    connect(clientArea_, &QMdiArea::subWindowActivated, this, &TFrmMain::UpdateSaveActions);
    UpdateSaveActions();

    LoadSettings(registry, programPath);
    LoadBackgroundTile();
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
    connect(ActWindowCascade, &QAction::triggered, clientArea_, &QMdiArea::cascadeSubWindows);
    connect(ActWindowTile, &QAction::triggered, this, &TFrmMain::ActWindowTileExecute);

    ActNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    ActOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    ActSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
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

    QMenu* help = menuBar()->addMenu(QStringLiteral("?"));
    help->setObjectName(QStringLiteral("Help1"));
    help->addAction(ActHelpAbout);
}

void TFrmMain::LoadSettings(RegistryReader& registry, const std::filesystem::path& programPath) {
    Settings.InstallDir = ::LoadSettings(programPath, registry, [](const std::string& message) {
        ReportUnhandledError(QString::fromLocal8Bit(message));
    });
    const QString samples = PathToText(HostPath(Settings.InstallDir, "Samples\\"));
    openDialog_.InitialDir = samples;
    saveDialog_.InitialDir = samples;
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
    const bool active = ActiveDocument() != nullptr;
    ActSave->setEnabled(active);
    ActSaveAs->setEnabled(active);
}

TFrmBase* TFrmMain::CreateDocumentWindow() {
    auto* document = new TFrmSarvikFile({Settings.InstallDir, &openDialog_});
    QMdiSubWindow* window = clientArea_->addSubWindow(document);
    window->show();
    return document;
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
    OpenFile(TextToPath(openDialog_.FileName));
}

void TFrmMain::OpenFile(const std::filesystem::path& path) {
    if (ActivateOpenFile(path)) {
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
    TFrmBase* document = ActiveDocument();
    if (!document || !document->CanSave(true, true)) {
        return;
    }
    if (document->GetFileName().empty()) {
        ActSaveAsExecute();
        return;
    }
    document->SaveToFile({});
}

void TFrmMain::ActSaveAsExecute() {
    TFrmBase* document = ActiveDocument();
    if (!document || !document->CanSave(true, true)) {
        return;
    }
    saveDialog_.FileName = PathToText(document->GetFileName());
    saveDialog_.Title = QStringLiteral("Save as");
    saveDialog_.Filter = SarvikFilter;
    saveDialog_.FilterIndex = 0;
    if (!AppPrompts().RunSaveDialog(saveDialog_)) {
        return;
    }
    const std::filesystem::path confirmed = TextToPath(saveDialog_.FileName);
    const std::filesystem::path name = Utf8ToPath(WithTxtExtension(PathToUtf8(confirmed)));
    // The dialog asked about the name as typed; a changed name that exists is asked about here.
    std::error_code ec;
    if (name != confirmed && std::filesystem::exists(name, ec) &&
        AppPrompts().Message(
            {QStringLiteral("%1 already exists. Replace it?").arg(PathToText(name)),
             QStringLiteral("Save as"), MessageIcon::Warning, MessageButtons::YesNo,
             MessageAnswer::No}) != MessageAnswer::Yes) {
        return;
    }
    document->SetFileName(name);
    if (!document->GetFileName().empty()) {
        ActSaveExecute();
    } else {
        AppPrompts().Message({QStringLiteral("File name not given. Cannot save."),
                              QStringLiteral("Save"), MessageIcon::Warning, MessageButtons::Ok,
                              MessageAnswer::Ok});
    }
}

void TFrmMain::ActHelpAboutExecute() {
    AppPrompts().Message(
        {QStringLiteral("%1 %2\n\nAn editor for the instrument files of the Sarvik synthesizer.\n"
                        "Made with Qt %3.")
             .arg(QString::fromLatin1(ApplicationTitle), QString::fromLatin1(ApplicationVersion),
                  QString::fromLatin1(qVersion())),
         QString::fromLatin1(ApplicationTitle), MessageIcon::None, MessageButtons::Ok,
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
    const QSize area = clientArea_->viewport()->size();
    const int height = std::max(1, area.height() / static_cast<int>(windows.size()));
    int top = 0;
    for (QMdiSubWindow* window : windows) {
        if (window->isMaximized()) {
            window->showNormal();
        }
        window->setGeometry(0, top, area.width(), height);
        top += height;
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
    event->accept();
}

bool TFrmMain::event(QEvent* event) {
    // Moved to a screen with another scale: draw the skin again so knobs stay crisp.
    if (event->type() == QEvent::ScreenChangeInternal) {
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
