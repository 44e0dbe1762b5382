#include "editor/SkinFonts.h"

#include <QFontInfo>

QFont SkinSmallFont() {
    QFont font(QStringLiteral("standard 07_53"), 6);
    // The bitmap font is drawn for 6 points; an outline stand-in needs a little more.
    if (QFontInfo(font).family() != font.family()) {
        font.setPointSizeF(6.5);
    }
    return font;
}
