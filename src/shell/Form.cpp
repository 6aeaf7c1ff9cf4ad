#include "Form.h"

#include <QKeyEvent>

#include "Canvas.h"
#include "Fonts.h"
#include "MouseEvents.h"
#include "ScreenLayout.h"

namespace {
constexpr double ControlFontSize = 8;
}

Form::Form(const QString& caption, ColourNumber backColour, QWidget* parent)
    : QMainWindow(parent), surface_(new Canvas(this)) {
    setWindowTitle(caption);
    surface_->setBackColor(backColour);
    surface_->setFont(screenFont(ControlFontSize));
    setCentralWidget(surface_);
}

double Form::Width() const {
    return frameGeometry().width() / ScreenLayout::scale() * 15.0;
}

double Form::Height() const {
    return frameGeometry().height() / ScreenLayout::scale() * 15.0;
}

void Form::setMousePointer(int pointer) {
    surface_->setMousePointer(pointer);
}

int Form::MousePointer() const {
    return surface_->MousePointer();
}

void Form::showScreen() {
    if (loaded_) {
        show();
        raise();
        activateWindow();
        return;
    }
    if (clientSize_.isValid()) {
        QRect area = ScreenLayout::toLogical(QRect(QPoint(0, 0), clientSize_));
        area.moveCenter(ScreenLayout::availableArea().center());
        setGeometry(area);
        show();
    } else {
        // Where no window manager maximises the window, it still covers the display.
        setGeometry(ScreenLayout::availableArea());
        showMaximized();
    }
    loaded_ = true;
    Form_Load();
}

void Form::setClientSize(int width, int height) {
    clientSize_ = QSize(width, height);
}

void Form::keyPressEvent(QKeyEvent* event) {
    emit keyDown(event->key(), shiftState(event->modifiers()));
    QMainWindow::keyPressEvent(event);
}
