#pragma once

#include "shell/Form.h"

class QPushButton;

// The Verhulst population screen.
class frmverhulst2 : public Form {
    Q_OBJECT
  public:
    explicit frmverhulst2(QWidget* parent = nullptr);

    QPushButton* cmdInizio;

    void Form_Load() override;
    void cmdInizio_Click();
};
