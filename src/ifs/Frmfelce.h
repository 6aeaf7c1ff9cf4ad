#pragma once

#include "shell/Form.h"

class QPushButton;

// The IFS screen.
class Frmfelce : public Form {
    Q_OBJECT
  public:
    explicit Frmfelce(QWidget* parent = nullptr);

    QPushButton* Cmdfine;

    void Form_Load() override;
    void Cmdfine_Click();
};
