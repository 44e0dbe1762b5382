#pragma once

#include <QString>
#include <QWidget>

#include <filesystem>

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
    virtual bool LoadFromFile(const std::filesystem::path& fileName);
    virtual void NewFile();
    // Asks whether a modified window may be closed; only Yes allows it.
    virtual bool ConfirmClose();
    virtual bool IsModified() const;

    const QString& BaseCaption() const { return baseCaption_; }

    // Closes without asking, after the user has already agreed.
    void CloseConfirmed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QString baseCaption_;
    bool closeConfirmed_ = false;
};
