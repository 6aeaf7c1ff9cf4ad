#pragma once

#include "shell/Form.h"

class Canvas;
class QLineEdit;
class QPushButton;
class RichTextBox;

// The variant screen: Mandelbrot sets from changed formulas, the set of z^3 + c,
// the banded relief, a listing viewer and picture saving.
class frmMandiversi : public Form {
    Q_OBJECT
  public:
    explicit frmMandiversi(QWidget* parent = nullptr);

    QPushButton* Cmdstart;
    QLineEdit* Text1;
    Canvas* Picture1;
    QPushButton* Cmdterza;
    QPushButton* Cmdtredi;
    QPushButton* Cmdsalva;
    QPushButton* Cmdlistato;
    QPushButton* cmdfine;
    RichTextBox* RiTeBox;

    void Form_Load() override;
    void Cmdstart_Click();
    void Cmdterza_Click();
    void Cmdtredi_Click();
    void Cmdlistato_Click();
    void Cmdsalva_Click();
    void cmdfine_Click();

    // The instruction texts of the box, as the screen writes them.
    static QString loadInstructions();
    static QString variantInstructions();
    static QString cubeInstructions();

  private:
    // Places Picture1 in twips: left and width change, top and height stay.
    void placePicture(int leftTwips, int widthTwips);
    void showBusy(int pointer);
    void showIdle();
};
