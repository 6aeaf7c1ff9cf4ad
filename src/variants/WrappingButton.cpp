#include "WrappingButton.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace {
// Room kept free between the caption and the bevel.
constexpr int Margin = 3;
}  // namespace

WrappingButton::WrappingButton(const char* name, const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    setObjectName(QLatin1String(name));
}

void WrappingButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The style draws the bevel and the focus frame; the caption is drawn here.
    option.text.clear();
    style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
    QRect area = rect().adjusted(Margin, Margin, -Margin, -Margin);
    if (isDown()) {
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text());
}
