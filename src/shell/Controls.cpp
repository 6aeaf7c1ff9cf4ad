#include "Controls.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QWidget>

namespace {

// The palette role that paints a control's background.
QPalette::ColorRole backgroundRole(const QWidget* control) {
    if (qobject_cast<const QLineEdit*>(control)) {
        return QPalette::Base;
    }
    if (qobject_cast<const QAbstractButton*>(control)) {
        return QPalette::Button;
    }
    return QPalette::Window;
}

}  // namespace

void setBackColor(QWidget* control, ColourNumber colour) {
    QPalette palette = control->palette();
    palette.setColor(backgroundRole(control), Colour::toQColor(colour));
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

ColourNumber backColor(const QWidget* control) {
    return Colour::fromQRgb(control->palette().color(backgroundRole(control)).rgb());
}

void setForeColor(QWidget* control, ColourNumber colour) {
    QPalette palette = control->palette();
    const QColor text = Colour::toQColor(colour);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Text, text);
    control->setPalette(palette);
}
