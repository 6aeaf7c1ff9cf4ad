#pragma once

#include <QPushButton>

// A button whose caption wraps onto a second line when it is wider than the
// button, as the captions of this screen's narrow buttons need.
class WrappingButton : public QPushButton {
  public:
    WrappingButton(const char* name, const QString& caption, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
