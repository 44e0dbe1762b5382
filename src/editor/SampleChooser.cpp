#include "editor/SampleChooser.h"

#include "editor/SampleChooserModel.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The list shows at least this many rows where the screen allows.
constexpr int PreferredRows = 24;

} // namespace

TSampleChooser::TSampleChooser(QWidget* parent) : QFrame(parent, Qt::Popup) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    setAccessibleName(QStringLiteral("Sample chooser"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(3);

    filter_ = new QLineEdit(this);
    filter_->setAccessibleName(QStringLiteral("Filter samples"));
    filter_->setPlaceholderText(QStringLiteral("Filter"));
    filter_->setClearButtonEnabled(true);
    filter_->installEventFilter(this);
    layout->addWidget(filter_);

    model_ = new TSampleChooserModel(this);
    list_ = new QListView(this);
    list_->setAccessibleName(QStringLiteral("Samples"));
    list_->setModel(model_);
    // Rows of one height: the list lays out ten thousand entries at once.
    list_->setUniformItemSizes(true);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(list_);

    connect(filter_, &QLineEdit::textChanged, this, &TSampleChooser::Filter);
    connect(list_, &QListView::clicked, this,
            [this](const QModelIndex& index) { Choose(index.row()); });
}

void TSampleChooser::ClearFilterField() {
    const QSignalBlocker quiet(filter_);
    filter_->clear();
}

void TSampleChooser::SetCaptions(QStringList captions) {
    ClearFilterField(); // the model shows every entry of the new list
    // The longest caption, measured once, sets the width.
    const auto longest =
        std::max_element(captions.begin(), captions.end(),
                         [](const QString& a, const QString& b) { return a.size() < b.size(); });
    captionWidth_ =
        longest == captions.end() ? 0 : list_->fontMetrics().horizontalAdvance(*longest);
    model_->SetCaptions(std::move(captions));
}

bool TSampleChooser::IsEmpty() const {
    return model_->EntryCount() == 0;
}

void TSampleChooser::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->globalPosition().toPoint();
    setAttribute(Qt::WA_NoMouseReplay, !frameGeometry().contains(at) && anchor_.contains(at));
    QFrame::mousePressEvent(event);
}

void TSampleChooser::Open(const QRect& anchor, int current) {
    anchor_ = anchor;
    // Each opening starts from the whole list.
    ClearFilterField();
    model_->SetFilter(QString());
    PlaceAt(anchor);
    show();
    filter_->setFocus(Qt::PopupFocusReason);
    const QModelIndex row = model_->index(std::max(model_->RowOf(current), 0));
    list_->setCurrentIndex(row);
    list_->scrollTo(row, QAbstractItemView::PositionAtCenter);
}

void TSampleChooser::PlaceAt(const QRect& anchor) {
    const QScreen* screen = QGuiApplication::screenAt(anchor.center());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    const QRect room = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 600);
    const int rowHeight = std::max(list_->sizeHintForRow(0), fontMetrics().height());
    const QMargins margins = layout()->contentsMargins();
    const int chrome = filter_->sizeHint().height() + layout()->spacing() + margins.top() +
                       margins.bottom() + 2 * (list_->frameWidth() + frameWidth());
    const int wanted =
        chrome + rowHeight * std::min(PreferredRows, std::max(model_->EntryCount(), 1));
    const int below = room.bottom() - anchor.bottom();
    const int above = anchor.top() - room.top();
    const bool downward = below >= wanted || below >= above;
    const int tall = std::min(wanted, std::max(downward ? below : above, rowHeight * 4));
    const int wide = std::min(std::max(captionWidth_ + 48, 260), room.width());
    QRect frame(QPoint(anchor.left(), downward ? anchor.bottom() + 1 : anchor.top() - tall),
                QSize(wide, std::min(tall, room.height())));
    // Kept wholly on the screen, so that every entry can be reached.
    frame.moveLeft(std::clamp(frame.left(), room.left(), room.right() - frame.width() + 1));
    frame.moveTop(std::clamp(frame.top(), room.top(), room.bottom() - frame.height() + 1));
    setGeometry(frame);
}

void TSampleChooser::Filter(const QString& text) {
    const int before = model_->EntryAt(list_->currentIndex().row());
    model_->SetFilter(text);
    // The entry that was selected stays so while it is shown; else the first is.
    const int row = std::max(model_->RowOf(before), 0);
    if (model_->rowCount() > 0) {
        list_->setCurrentIndex(model_->index(row));
        list_->scrollTo(model_->index(row));
    }
}

void TSampleChooser::Choose(int row) {
    const int entry = model_->EntryAt(row);
    if (entry < 0) {
        return;
    }
    hide();
    emit Chosen(entry);
}

bool TSampleChooser::eventFilter(QObject* watched, QEvent* event) {
    if (watched != filter_ || event->type() != QEvent::KeyPress) {
        return QFrame::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        // The list moves; the caret stays in the filter.
        QCoreApplication::sendEvent(list_, event);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Choose(list_->currentIndex().row());
        return true;
    case Qt::Key_Escape:
        hide();
        return true;
    default:
        return QFrame::eventFilter(watched, event);
    }
}
