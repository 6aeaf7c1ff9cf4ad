#pragma once

#include "Form.h"

class Canvas;
class QLabel;
class QTimer;

// The splash screen: a framed fractal hanging from a nail, then the explorer.
class frmlancio2 : public Form {
    Q_OBJECT
  public:
    explicit frmlancio2(QWidget* parent = nullptr);

    QTimer* Timer1;
    Canvas* Picture1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label4;

    void Form_Load() override;
    void Picture1_Click();
    void Timer1_Timer();
    void Form_Click();

  private:
    void drawFrame();
};
