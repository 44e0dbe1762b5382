#pragma once

#include <QColor>
#include <QLineEdit>

// A one-line text field in the colours of the skin.
class TDIBEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit TDIBEdit(QWidget* parent = nullptr);

    void SetColors(const QColor& text, const QColor& background);

    // 0 means no limit.
    int MaxLength() const;
    void SetMaxLength(int length);

    // Keeps the first MaxLength characters and puts the caret at the end.
    void SetText(const QString& text);

  signals:
    void OnChange(TDIBEdit* sender);
};
