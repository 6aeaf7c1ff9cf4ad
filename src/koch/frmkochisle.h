#pragma once

#include "shell/Form.h"

class QPushButton;

// The Koch island screen.
class frmkochisle : public Form {
    Q_OBJECT
  public:
    explicit frmkochisle(QWidget* parent = nullptr);

    QPushButton* cmdinizio;

    void Form_Load() override;
    void cmdinizio_Click();
};
