#include "WrappedCaption.h"

#include <QEvent>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

// Paints the button's bevel through the style, then its caption word-wrapped.
class WrappedCaptionPainter : public QObject {
  public:
    explicit WrappedCaptionPainter(QPushButton* button) : QObject(button) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint) {
            return false;
        }
        auto* button = static_cast<QPushButton*>(watched);
        QStyleOptionButton option;
        option.initFrom(button);
        option.features = QStyleOptionButton::None;
        if (button->isDown()) {
            option.state |= QStyle::State_Sunken;
        } else {
            option.state |= QStyle::State_Raised;
        }
        QStylePainter painter(button);
        painter.drawControl(QStyle::CE_PushButtonBevel, option);
        constexpr int Margin = 3;
        const int shift = button->isDown() ? 1 : 0;
        const QRect textArea = button->rect().adjusted(Margin + shift, Margin + shift,
                                                       -Margin + shift, -Margin + shift);
        painter.setPen(button->palette().color(
            button->isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        painter.drawText(textArea, Qt::AlignCenter | Qt::TextWordWrap, button->text().trimmed());
        if (button->hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(button);
            focus.rect = button->rect().adjusted(Margin, Margin, -Margin, -Margin);
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
        return true;
    }
};

}  // namespace

void wrapCaption(QPushButton* button) {
    button->installEventFilter(new WrappedCaptionPainter(button));
}
