#pragma once

#include <QScrollArea>

class QVBoxLayout;

// The scroll box of one oscillator's column: strips stand in it one below the other,
// and its scroll range grows with them. `Tag` is the oscillator's number.
class TOscillatorBox : public QScrollArea {
    Q_OBJECT
  public:
    TOscillatorBox(int tag, QWidget* parent);

    int Tag() const { return tag_; }
    QWidget* Strips() const { return strips_; }
    // Places `strip` below every strip already there.
    void AppendStrip(QWidget* strip);

  signals:
    void PopupRequested(TOscillatorBox* box, QPoint globalPosition);

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    int tag_;
    QWidget* strips_;
    QVBoxLayout* layout_;
};
