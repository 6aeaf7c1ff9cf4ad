#include "MouseEvents.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace {

class MouseDownFilter : public QObject {
  public:
    MouseDownFilter(QWidget* control, std::function<void(int, int, double, double)> handler)
        : QObject(control), handler_(std::move(handler)) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            handler_(mouseButtonNumber(mouse->button()), shiftState(mouse->modifiers()),
                     mouse->position().x(), mouse->position().y());
        }
        return false;
    }

  private:
    std::function<void(int, int, double, double)> handler_;
};

class ClickFilter : public QObject {
  public:
    ClickFilter(QWidget* control, std::function<void()> handler)
        : QObject(control), control_(control), handler_(std::move(handler)) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) {
            pressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            const bool click = pressed_ && mouse->button() == Qt::LeftButton &&
                               control_->rect().contains(mouse->position().toPoint());
            pressed_ = false;
            if (click) {
                handler_();
            }
        }
        return false;
    }

  private:
    QWidget* control_;
    std::function<void()> handler_;
    bool pressed_ = false;
};

class KeyDownFilter : public QObject {
  public:
    KeyDownFilter(QWidget* control, std::function<void(int, int)> handler)
        : QObject(control), handler_(std::move(handler)) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            handler_(key->key(), shiftState(key->modifiers()));
        }
        return false;
    }

  private:
    std::function<void(int, int)> handler_;
};

}  // namespace

int mouseButtonNumber(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

int shiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) |
           (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) |
           (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

void onMouseDown(QWidget* control, std::function<void(int, int, double, double)> handler) {
    control->installEventFilter(new MouseDownFilter(control, std::move(handler)));
}

void onClick(QWidget* control, std::function<void()> handler) {
    control->installEventFilter(new ClickFilter(control, std::move(handler)));
}

void onKeyDown(QWidget* control, std::function<void(int, int)> handler) {
    control->installEventFilter(new KeyDownFilter(control, std::move(handler)));
}
