#pragma once

#include <QLineEdit>

// The waveset name field: one line that the code page can hold, of any length, and
// never beginning with a hyphen, which the file would read back as the underline
// below the name. A typed leading hyphen is refused and a pasted name loses its
// leading hyphens, each time with a tip that says why.
class TNameEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit TNameEdit(QWidget* parent = nullptr);

    static const QString& HyphenTip();

    // Pastes the clipboard's text as Ctrl+V and the context menu do.
    void PasteName();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void ShowHyphenTip();
};
