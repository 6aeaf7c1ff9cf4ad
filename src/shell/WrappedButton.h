#pragma once

#include <QPushButton>

// A button whose caption runs over as many lines as the button's width needs,
// centred, as the long captions of the narrow buttons need. text() stays the caption
// exactly as given; blanks at its ends do not push it off centre. Every mouse press on
// it is its own: the buttons it does not act on (right, middle) never reach the screen
// behind it either.
class WrappedButton : public QPushButton {
    Q_OBJECT
  public:
    WrappedButton(QWidget* parent, const char* name, const QString& caption,
                  const QString& toolTip = QString());

  protected:
    void paintEvent(QPaintEvent* event) override;
};
