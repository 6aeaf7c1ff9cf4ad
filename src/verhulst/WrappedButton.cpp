#include "WrappedButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
constexpr int Margin = 3;
}

WrappedButton::WrappedButton(QWidget* parent, const char* name, const QString& caption,
                             const QString& toolTip)
    : QPushButton(caption, parent) {
    setObjectName(QLatin1String(name));
    setToolTip(toolTip);
}

void WrappedButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The style draws the face and the focus frame; the caption goes on top, wrapped.
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(rect().adjusted(Margin, Margin, -Margin, -Margin),
                     Qt::AlignCenter | Qt::TextWordWrap, text());
}
