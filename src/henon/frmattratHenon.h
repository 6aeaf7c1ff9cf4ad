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
    // During a drawing a click on the picture ends it (and any it runs inside).
    void Picture1_Click();

  private:
    void createControls();
    void wireEvents();

    // Drawings running, nested ones included.
    int drawingsRunning_ = 0;
    // Clicks that asked to stop; a drawing ends when this moves past what it saw at its start.
    int stopsRequested_ = 0;
};
