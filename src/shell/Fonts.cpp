#include "Fonts.h"

#include <QStringList>

QFont screenFont(double points, bool bold) {
    QFont font;
    font.setFamilies(
        QStringList{QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    // QFont rejects sizes that are not positive.
    font.setPointSizeF(points > 0 ? points : 1);
    font.setBold(bold);
    return font;
}
