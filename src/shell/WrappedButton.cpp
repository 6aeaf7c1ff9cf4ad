#include "WrappedButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
// Room kept free between the caption and the bevel.
constexpr int Margin = 3;
}  // namespace

WrappedButton::WrappedButton(QWidget* parent, const char* name, const QString& caption,
                             const QString& toolTip)
    : QPushButton(caption, parent) {
    setObjectName(QLatin1String(name));
    setToolTip(toolTip);
    setAttribute(Qt::WA_NoMousePropagation);
}

void WrappedButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The style draws the bevel and the focus frame; the caption goes on top, wrapped.
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    QRect area = rect().adjusted(Margin, Margin, -Margin, -Margin);
    if (isDown()) {
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                     text().trimmed());
}
