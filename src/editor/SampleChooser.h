#pragma once

#include <QFrame>
#include <QStringList>

class QLineEdit;
class QListView;
class TSampleChooserModel;

// The sample chooser: a popup with a filter field over the list of a waveset's
// entries. Typing filters at once; Up, Down and the page keys move in the list while
// the typing goes on; Enter or a click chooses; Escape or a click outside cancels.
class TSampleChooser final : public QFrame {
    Q_OBJECT
  public:
    explicit TSampleChooser(QWidget* parent);

    // The entries, as captions in sample order; built once per waveset.
    void SetCaptions(QStringList captions);
    bool IsEmpty() const;

    // Opens below `anchor` (global coordinates), or above it where the screen has more
    // room there, with `current` (an entry index, or -1) selected and in view.
    void Open(const QRect& anchor, int current);

    QLineEdit* FilterField() const { return filter_; }
    QListView* List() const { return list_; }
    TSampleChooserModel* Model() const { return model_; }

  signals:
    // The entry (its index in the sample list) chosen; the chooser has closed.
    void Chosen(int entry);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A press outside closes the chooser; one on the button that opened it must not
    // reach the button too and open it again.
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void Filter(const QString& text);
    // Empties the field without filtering: the caller sets the list's filter.
    void ClearFilterField();
    void Choose(int row);
    void PlaceAt(const QRect& anchor);

    QLineEdit* filter_;
    QListView* list_;
    TSampleChooserModel* model_;
    int captionWidth_ = 0;
    QRect anchor_;
};
