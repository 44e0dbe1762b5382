#pragma once

#include <QScrollArea>

class QVBoxLayout;
class TStripSlot;

// The scroll box of one oscillator's column: strips stand in it one below the other,
// and its scroll range grows with them. `Tag` is the oscillator's number.
class TOscillatorBox : public QScrollArea {
    Q_OBJECT
  public:
    TOscillatorBox(int tag, QWidget* parent);

    int Tag() const { return tag_; }
    QWidget* Strips() const { return strips_; }
    // Places `slot` at `index` among the strips there (past the last: below them all);
    // strips are built as they come into view.
    void PlaceStrip(TStripSlot* slot, int index);

  signals:
    void PopupRequested(TOscillatorBox* box, QPoint globalPosition);

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Builds the strips that lie in view, and one more above and below.
    void BuildStripsInView();

    int tag_;
    QWidget* strips_;
    QVBoxLayout* layout_;
};
