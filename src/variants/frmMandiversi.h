#pragma once

#include "shell/Form.h"

class QPushButton;

// The variant screen: Mandelbrot sets from changed formulas.
class frmMandiversi : public Form {
    Q_OBJECT
  public:
    explicit frmMandiversi(QWidget* parent = nullptr);

    QPushButton* cmdfine;

    void Form_Load() override;
    void cmdfine_Click();
};
