#pragma once

#include <QPushButton>

// A button whose caption wraps onto more lines, as the narrow buttons of this screen
// need for captions such as "Cambiamento parametrii"; text() stays the one caption.
class WrappedButton : public QPushButton {
    Q_OBJECT
  public:
    WrappedButton(QWidget* parent, const char* name, const QString& caption,
                  const QString& toolTip = QString());

  protected:
    void paintEvent(QPaintEvent* event) override;
};
