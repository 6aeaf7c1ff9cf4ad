#pragma once

#include "shell/Form.h"

class Canvas;
class QLabel;
class QLineEdit;
class QPushButton;

// The Hénon attractor screen: the attractor drawn point by point at the typed
// magnification, and two labels that explain it.
class frmattratHenon : public Form {
    Q_OBJECT
  public:
    explicit frmattratHenon(QWidget* parent = nullptr);

    Canvas* Picture1;
    QLineEdit* Txtx;
    QPushButton* cmddisegna;
    QPushButton* cmdInizio;
    QLabel* lblingr;
    QLabel* lblatrattore;

    void Form_Load() override;
    void cmdInizio_Click();
    void cmddisegna_Click();
    void lblatrattore_Click();
    void lblingr_MouseDown(int button, int shift, double x, double y);
    // During a drawing a click on the picture ends it.
    void Picture1_Click();

  private:
    void createControls();
    void wireEvents();

    // Drawings started so far: one that sees a later start has been replaced by it.
    int drawingsStarted_ = 0;
    bool stopRequested_ = false;
};
