#pragma once

#include <QString>
#include <QUndoStack>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <string>

// The common base of document windows: what the main window may ask of any of them.
// The defaults are neutral: such a window can be named and closed, but never loads
// or writes anything. The caption reads "file (kind)" with "*" while modified.
class TFrmBase : public QWidget {
    Q_OBJECT
  public:
    explicit TFrmBase(QWidget* parent = nullptr);

    // Takes the current caption as the kind of window and shows an untitled document.
    // Derived windows call it at the end of their construction.
    virtual void FormCreate();

    virtual std::filesystem::path GetFileName() const;
    // Binds the document to `fileName` (empty: untitled) and rebuilds the caption.
    virtual void SetFileName(const std::filesystem::path& fileName);
    virtual bool CanSave(bool reportProblem, bool focusProblem);
    // An empty name means the window's own file name.
    virtual bool SaveToFile(const std::filesystem::path& fileName);
    // What the last save could not keep of the file (its owner, say), for the status
    // line; empty when it kept everything.
    virtual std::string SaveRemark() const { return {}; }
    virtual bool LoadFromFile(const std::filesystem::path& fileName);
    virtual void NewFile();
    // Asks whether a modified window may be closed: Yes allows it, Save allows it once
    // the document was saved, No (the default) keeps the window.
    virtual bool ConfirmClose();
    // How the window's owner saves it (Save, or Save as when untitled); true when
    // the document was written. Without one, the close question offers no Save.
    void SetSaveCommand(std::function<bool(TFrmBase&)> save) { save_ = std::move(save); }
    virtual bool IsModified() const;
    // Whether another program changed the window's file since it was loaded or saved.
    virtual bool ChangedOnDisk() const;
    // The window's undo history; none by default.
    virtual QUndoStack* UndoStack() const { return nullptr; }

    // The user chose to keep this window's edits over a change on disk; asked again
    // only once the window has loaded or saved its file afresh.
    bool OutsideChangeKept() const { return outsideChangeKept_; }
    void SetOutsideChangeKept(bool kept) { outsideChangeKept_ = kept; }

    const QString& BaseCaption() const { return baseCaption_; }

    // Closes without asking, after the user has already agreed.
    void CloseConfirmed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QString baseCaption_;
    std::function<bool(TFrmBase&)> save_;
    bool closeConfirmed_ = false;
    bool outsideChangeKept_ = false;
};
