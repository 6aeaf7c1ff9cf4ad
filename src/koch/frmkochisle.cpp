#include "frmkochisle.h"

#include <QPushButton>
#include <QThread>

#include "KochIsland.h"
#include "KochTexts.h"
#include "shell/Canvas.h"
#include "shell/Controls.h"
#include "shell/Fonts.h"
#include "shell/ScreenLayout.h"
#include "shell/Screens.h"
#include "shell/WrappedButton.h"

namespace {

constexpr ColourNumber ScreenBack = Colour::rgb(0, 64, 0);
constexpr ColourNumber PictureText = Colour::rgb(192, 255, 255);
constexpr ColourNumber Yellow = Colour::rgb(255, 255, 0);
constexpr double TextSize = 8.25;

// Every stage starts at the triangle's lower left corner.
constexpr double StartX = 45;
constexpr double StartY = 371;
// The circle the island never leaves.
constexpr double CircleX = 250;
constexpr double CircleY = 250;
constexpr double CircleRadius = 240;

// How long the complete series shows its triangle alone before the rest follows.
constexpr unsigned long SeriesPauseMs = 400;

}  // namespace

frmkochisle::frmkochisle(QWidget* parent)
    : Form(QStringLiteral("Isola di  Von Koch"), ScreenBack, parent) {
    createControls();
    wireEvents();
}

void frmkochisle::createControls() {
    QWidget* s = surface();

    Picture1 = newPicture(s, "Picture1", Colour::Black, PictureText, TextSize);

    Cmdcompleta =
        new WrappedButton(s, "Cmdcompleta", QStringLiteral("       Cos' è  L' ISOLA DI VON KOCH"),
                          QStringLiteral("Clicca qui per saperlo"));
    setBackColor(Cmdcompleta, Colour::rgb(255, 255, 128));
    Cmd1 = new WrappedButton(s, "Cmd1", QStringLiteral("Triangolo"));
    Cmd2 = new WrappedButton(s, "Cmd2", QStringLiteral("Prima trasformazione"));
    Cmd3 = new WrappedButton(s, "Cmd3", QStringLiteral("Seconda trasformazione"));
    Cmd4 = new WrappedButton(s, "Cmd4", QStringLiteral("Terza trasformazione"));
    Cmd5 = new WrappedButton(s, "Cmd5", QStringLiteral("Quarta trasformazione"));
    cmddisegna =
        new WrappedButton(s, "cmddisegna", QStringLiteral("Clicca qui per la serie completa"));
    setBackColor(cmddisegna, Colour::Green);
    cmddisegna->setFont(screenFont(TextSize));
    cmdinizio = new WrappedButton(s, "cmdinizio", QStringLiteral("pag. iniziale"));
    setBackColor(cmdinizio, Colour::rgb(128, 255, 255));
}

void frmkochisle::wireEvents() {
    connect(cmdinizio, &QPushButton::clicked, this, &frmkochisle::cmdinizio_Click);
    connect(Cmdcompleta, &QPushButton::clicked, this, &frmkochisle::Cmdcompleta_Click);
    connect(Cmd1, &QPushButton::clicked, this, &frmkochisle::Cmd1_Click);
    connect(Cmd2, &QPushButton::clicked, this, &frmkochisle::Cmd2_Click);
    connect(Cmd3, &QPushButton::clicked, this, &frmkochisle::Cmd3_Click);
    connect(Cmd4, &QPushButton::clicked, this, &frmkochisle::Cmd4_Click);
    connect(Cmd5, &QPushButton::clicked, this, &frmkochisle::Cmd5_Click);
    connect(cmddisegna, &QPushButton::clicked, this, &frmkochisle::cmddisegna_Click);
}

void frmkochisle::Form_Load() {
    ScreenLayout::place({
        {Picture1, -250, -280, 500, 520},
        {Cmd1, 250, -250, 80, 60},
        {Cmd2, 250, -185, 80, 60},
        {Cmd3, 250, -120, 80, 60},
        {Cmd4, 250, -55, 80, 60},
        {Cmd5, 250, 10, 80, 60},
        {cmdinizio, -330, 190, 80, 40},
        {cmddisegna, 250, 150, 90, 80},
        {Cmdcompleta, -330, -270, 80, 80},
    });
}

void frmkochisle::cmdinizio_Click() {
    Screens::show(QStringLiteral("frmMandel"));
}

void frmkochisle::drawStage(int n, double x, double y, double length, ColourNumber colour) {
    for (const KochIsland::Segment& segment : KochIsland::stage(n, {x, y}, length)) {
        Picture1->Line(segment.from.x, segment.from.y, segment.to.x, segment.to.y, colour);
    }
}

void frmkochisle::printAt(double x, double y, const QStringList& lines) {
    Picture1->PSet(x, y, Colour::Black);
    Picture1->printLines(lines);
}

void frmkochisle::Cmdcompleta_Click() {
    Picture1->printPage(10, 10, KochTexts::islandPage());
    Picture1->setForeColor(Colour::Green);
    Picture1->Print(KochTexts::startHint());
    // Later drawings print their texts in white.
    Picture1->setForeColor(Colour::White);
}

void frmkochisle::Cmd1_Click() {
    Picture1->Cls();
    printAt(10, 10,
            {QStringLiteral(" Su ogni lato del triangolo, verrà aggiunto un altro triangolo.")});
    Picture1->Circle(CircleX, CircleY, CircleRadius, Colour::Blue);
    drawStage(0, StartX, StartY, 410, Colour::White);
    printAt(10, 480, {QStringLiteral("Clicca su (prima trasformazione)")});
}

void frmkochisle::Cmd2_Click() {
    printAt(10, 10,
            {QStringLiteral("Ad ogni trasformazione si eseguirà lo stesso procedimento."),
             QStringLiteral("Si toglie il segmento centrale di ogni lato e lo si trasforma in un "
                            "triangolo.")});
    Picture1->Circle(CircleX, CircleY, CircleRadius, Colour::Blue);
    drawStage(1, StartX, StartY, 136.5, Colour::Blue);
    printAt(10, 480, {QStringLiteral("Clicca su (Seconda trasformazione)")});
}

void frmkochisle::Cmd3_Click() {
    drawStage(2, StartX, StartY, 45, Colour::Red);
    printAt(10, 480, {QStringLiteral("Clicca su (Terza trasformazione)")});
}

void frmkochisle::Cmd4_Click() {
    drawStage(3, StartX, StartY, 15, Colour::Green);
    printAt(10, 480, {QStringLiteral("Clicca su (Quarta trasformazione)")});
}

void frmkochisle::Cmd5_Click() {
    drawStage(4, StartX, StartY, 5, Yellow);
    printAt(10, 480,
            {QStringLiteral("Ulteriori trasformazioni, teoricamente possibili, sarebbero "
                            "graficamente poco significative,"),
             QStringLiteral(" perchè la bassa risoluzione dello schermo la trasformerebbe in una "
                            "lienea seghettata.")});
}

void frmkochisle::cmddisegna_Click() {
    Picture1->Cls();
    printAt(10, 10,
            {QStringLiteral(" Ad ogni trasformazione, su ogni lato, è stato aggiunto un altro "
                            "triangolo.")});
    drawStage(0, 145, 275, 185, Colour::White);
    // The triangle stands alone for a moment, so the pupil sees where the series starts.
    Picture1->repaint();
    QThread::msleep(SeriesPauseMs);
    drawStage(1, 20, 180, 58, Colour::Blue);
    drawStage(2, 305, 180, 20, Colour::Red);
    drawStage(3, 30, 425, 6.5, Colour::Green);
    drawStage(4, 285, 425, 2.35, Yellow);
    printAt(10, 480,
            {QStringLiteral("Un'ulteriore trasformazione, teoricamente possibili, sarebbe "
                            "graficamente poco significativa,"),
             QStringLiteral(" perchè la bassa risoluzione dello schermo, la trasformerebbe in una "
                            "lienea seghettata.")});
}
