#pragma once

#include <QMainWindow>

#include "Colour.h"

class Canvas;

// A screen: a window whose own surface is a Canvas, with the controls as children
// of that surface placed around the display centre.
class Form : public QMainWindow {
    Q_OBJECT
  public:
    Form(const QString& caption, ColourNumber backColour, QWidget* parent = nullptr);

    Canvas* surface() const { return surface_; }
    // Outer size in twips, 15 to a pixel of the design.
    double Width() const;
    double Height() const;
    // Pointer over the whole screen, numbered as Canvas::setMousePointer numbers them.
    void setMousePointer(int pointer);
    int MousePointer() const;

    bool isLoaded() const { return loaded_; }
    // Shows the screen, maximised unless it has a client size; the first time its
    // Form_Load runs.
    void showScreen();
    // A screen of fixed size opens centred on the display with this client area.
    void setClientSize(int width, int height);
    virtual void Form_Load() = 0;

  signals:
    void keyDown(int keyCode, int shift);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    Canvas* surface_;
    QSize clientSize_;
    bool loaded_ = false;
};
