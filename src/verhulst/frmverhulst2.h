#pragma once

#include <QStringList>

#include "shell/Form.h"

class Canvas;
class QLabel;
class QLineEdit;
class QPushButton;

namespace Logistic {
struct Member;
}

// The Verhulst population screen: the population of a pond over the generations for
// one growth increment, and the period-doubling diagram over many.
class frmverhulst2 : public Form {
    Q_OBJECT
  public:
    explicit frmverhulst2(QWidget* parent = nullptr);

    Canvas* Picture1;
    QLabel* lblistruzioni;
    QLabel* Lblincr;
    QLineEdit* txtx;
    QLabel* Lblpopini;
    QLineEdit* Txty;
    QLabel* lblpop;
    QLineEdit* Txtu;
    QLineEdit* Txting;
    QPushButton* Cmdgrafico;
    QPushButton* Cmdper1;
    QPushButton* Cmdper2;
    QPushButton* Cmdper4;
    QPushButton* Cmdcaos;
    QPushButton* cmddisegna;
    QPushButton* cmdInizio;

    void Form_Load() override;
    void cmdInizio_Click();

    // Population graphs.
    void Cmdgrafico_Click();
    void Cmdgrafico_MouseDown(int button, int shift, double x, double y);

    // The period-doubling diagram.
    void cmddisegna_Click();
    void cmddisegna_MouseDown(int button, int shift, double x, double y);
    void Cmdcaos_Click();
    void Cmdper1_Click();
    void Cmdper2_Click();
    void Cmdper4_Click();

    // Help pages of the coloured labels.
    void lblistruzioni_MouseDown(int button, int shift, double x, double y);
    void Lblincr_Click();
    void Lblpopini_MouseDown(int button, int shift, double x, double y);
    void lblpop_Click();

  private:
    void createControls();
    void wireEvents();

    void drawPopulationGraphs(double r);
    void graphErrorEnding();
    void diagramErrorEnding();
    // Draws a member's diagram; false when the drawing stopped at a failure.
    bool drawDiagram(const Logistic::Member& member, double zoom, double start);
    // The same from the zoom and start population boxes; false also when one of them
    // holds no number (then nothing is drawn).
    bool drawPreset(const Logistic::Member& member);
    void printClosing(const QString& line);
};
