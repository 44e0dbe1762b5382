#include "editor/NameEdit.h"

#include "uikit/ByteText.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QToolTip>

#include <functional>
#include <memory>

namespace {

bool StartsWithHyphen(const QString& text) {
    return text.startsWith(u'-');
}

// A line field that also refuses a leading hyphen, and says so.
class NameValidator : public LineFieldValidator {
  public:
    NameValidator(QObject* parent, std::function<void()> refused)
        : LineFieldValidator(parent), refused_(std::move(refused)) {}

    State validate(QString& input, int& position) const override {
        if (StartsWithHyphen(input)) {
            refused_();
            return Invalid;
        }
        return LineFieldValidator::validate(input, position);
    }

  private:
    std::function<void()> refused_;
};

} // namespace

TNameEdit::TNameEdit(QWidget* parent) : QLineEdit(parent) {
    MakeLineField(this);
    // Text the program sets is checked too; only the user's edits are refused.
    setValidator(new NameValidator(this, [this] {
        if (hasFocus()) {
            ShowHyphenTip();
        }
    }));
}

const QString& TNameEdit::HyphenTip() {
    static const QString tip = QStringLiteral(
        "A name cannot begin with a hyphen: the file would read it as the underline.");
    return tip;
}

void TNameEdit::ShowHyphenTip() {
    QToolTip::showText(mapToGlobal(QPoint(0, height())), HyphenTip(), this);
}

void TNameEdit::PasteName() {
    if (isReadOnly()) {
        return;
    }
    QString pasted = QGuiApplication::clipboard()->text();
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    if (start == 0 && StartsWithHyphen(pasted)) {
        while (StartsWithHyphen(pasted)) {
            pasted.remove(0, 1);
        }
        ShowHyphenTip();
    }
    insert(pasted);
}

void TNameEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        PasteName();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TNameEdit::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste")) {
            action->disconnect();
            connect(action, &QAction::triggered, this, &TNameEdit::PasteName);
        }
    }
    menu->exec(event->globalPos());
}
