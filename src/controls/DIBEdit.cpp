#include "controls/DIBEdit.h"

#include <limits>

namespace {

// No limit at all: QLineEdit's own default would cut a longer name.
constexpr int Unlimited = std::numeric_limits<int>::max();

} // namespace

TDIBEdit::TDIBEdit(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(Unlimited);
    connect(this, &QLineEdit::textChanged, this, [this] { emit OnChange(this); });
}

void TDIBEdit::SetColors(const QColor& text, const QColor& background) {
    QPalette colors = palette();
    colors.setColor(QPalette::Text, text);
    colors.setColor(QPalette::Base, background);
    setPalette(colors);
}

int TDIBEdit::MaxLength() const {
    return maxLength() == Unlimited ? 0 : maxLength();
}

void TDIBEdit::SetMaxLength(int length) {
    setMaxLength(length >= 1 ? length : Unlimited);
}

void TDIBEdit::SetText(const QString& text) {
    setText(text);
    end(false);
}
