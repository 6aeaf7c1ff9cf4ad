#pragma once

#include "shell/Colour.h"
#include "shell/Form.h"

class Canvas;
class QPushButton;

// The Koch island screen: the triangle and four transformations, one at a time on top
// of each other or all five side by side, and a page on what the island is.
class frmkochisle : public Form {
    Q_OBJECT
  public:
    explicit frmkochisle(QWidget* parent = nullptr);

    Canvas* Picture1;
    QPushButton* Cmdcompleta;
    QPushButton* Cmd1;
    QPushButton* Cmd2;
    QPushButton* Cmd3;
    QPushButton* Cmd4;
    QPushButton* Cmd5;
    QPushButton* cmddisegna;
    QPushButton* cmdinizio;

    void Form_Load() override;
    void cmdinizio_Click();
    void Cmdcompleta_Click();
    void Cmd1_Click();
    void Cmd2_Click();
    void Cmd3_Click();
    void Cmd4_Click();
    void Cmd5_Click();
    void cmddisegna_Click();

  private:
    void createControls();
    void wireEvents();
    // Draws stage n of the island from (x, y) with segments of the given length.
    void drawStage(int n, double x, double y, double length, ColourNumber colour);
    // Prints lines starting at (x, y), placed there by a black point as the page does.
    void printAt(double x, double y, const QStringList& lines);
};
