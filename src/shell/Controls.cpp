#include "Controls.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>

#include "Canvas.h"
#include "WrappedButton.h"

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

QPushButton* newButton(QWidget* parent, const char* name, const QString& caption,
                       const QString& toolTip) {
    return new WrappedButton(parent, name, caption, toolTip);
}

QLineEdit* newTextBox(QWidget* parent, const char* name, const QString& text,
                      const QString& toolTip) {
    auto* control = new QLineEdit(text, parent);
    control->setObjectName(QLatin1String(name));
    control->setToolTip(toolTip);
    // A text the program writes shows from its start, the sign of a long number
    // included; what the pupil types keeps its cursor (an edit marks the box modified).
    control->setCursorPosition(0);
    QObject::connect(control, &QLineEdit::textChanged, control, [control] {
        if (!control->isModified()) {
            control->setCursorPosition(0);
        }
    });
    return control;
}

QLabel* newLabel(QWidget* parent, const char* name, const QString& caption,
                 const QString& toolTip) {
    auto* control = new QLabel(caption, parent);
    control->setObjectName(QLatin1String(name));
    control->setToolTip(toolTip);
    control->setWordWrap(true);
    control->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A click on a label is the label's, never the screen's behind it.
    control->setAttribute(Qt::WA_NoMousePropagation);
    return control;
}

QScrollBar* newScrollBar(QWidget* parent, const char* name, int min, int max, int value,
                         int largeChange) {
    auto* bar = new QScrollBar(Qt::Vertical, parent);
    bar->setObjectName(QLatin1String(name));
    bar->setRange(min, max);
    bar->setValue(value);
    bar->setSingleStep(1);
    bar->setPageStep(largeChange);
    return bar;
}

void paintNow(std::initializer_list<QWidget*> controls) {
    for (QWidget* control : controls) {
        if (control->isVisible()) {
            control->repaint();
        }
    }
}

QAction* newMenuItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

Canvas* newPicture(QWidget* parent, const char* name, ColourNumber backColour) {
    auto* picture = new Canvas(parent);
    picture->setObjectName(QLatin1String(name));
    picture->setBackColor(backColour);
    return picture;
}

Canvas* newPicture(QWidget* parent, const char* name, ColourNumber backColour,
                   ColourNumber foreColour, double fontSize) {
    Canvas* picture = newPicture(parent, name, backColour);
    picture->setForeColor(foreColour);
    picture->setFontSize(fontSize);
    return picture;
}
