#pragma once

#include "shell/Form.h"

class QPushButton;

// The Hénon attractor screen.
class frmattratHenon : public Form {
    Q_OBJECT
  public:
    explicit frmattratHenon(QWidget* parent = nullptr);

    QPushButton* cmdInizio;

    void Form_Load() override;
    void cmdInizio_Click();
};
