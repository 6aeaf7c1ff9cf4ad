#include "frmverhulst2.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "frmverhulst2_texts.h"
#include "shell/Canvas.h"
#include "shell/Controls.h"
#include "shell/Fonts.h"
#include "shell/MouseEvents.h"
#include "shell/ScreenLayout.h"
#include "shell/Screens.h"
#include "shell/WrappedButton.h"

namespace {

constexpr ColourNumber ScreenBack = Colour::rgb(0, 64, 0);
constexpr ColourNumber Orange = Colour::rgb(255, 128, 0);
constexpr ColourNumber Yellow = Colour::rgb(255, 255, 0);
constexpr ColourNumber PaleYellow = Colour::rgb(255, 255, 128);
constexpr ColourNumber GraphGreen = Colour::rgb(0, 192, 0);
constexpr ColourNumber PageMark = Colour::Red;
constexpr ColourNumber LabelYellow = 65535;
constexpr double PictureFontSize = 9.75;
constexpr double TitleFontSize = 12;
constexpr double SmallText = 8;
constexpr double MiddleText = 10;
constexpr double LargeText = 14;

}  // namespace

frmverhulst2::frmverhulst2(QWidget* parent)
    : Form(QStringLiteral("Verhulst, il raddoppio del periodo"), ScreenBack, parent) {
    createControls();
    wireEvents();
}

void frmverhulst2::createControls() {
    QWidget* s = surface();

    Picture1 = newPicture(s, "Picture1", Colour::Black, Colour::White, PictureFontSize);

    lblistruzioni = newLabel(
        s, "lblistruzioni",
        QStringLiteral(" VERHULST . IL RADDOPPIO DEL PERIODO.   Clicca qui con il tasto destro del "
                       "mouse per le istruzioni."),
        QStringLiteral("Clicca sulle etichette colorate con il tasto destro del mouse per "
                       "ulteriori informazioni"));
    setBackColor(lblistruzioni, Yellow);
    setForeColor(lblistruzioni, Colour::Blue);
    lblistruzioni->setFont(screenFont(TitleFontSize));

    Lblincr = newLabel(s, "Lblincr", QStringLiteral("incremento generazionale finale"),
                       QStringLiteral("Qui sotto inserisci un numero compreso tra 0,6  e  3,99"));
    txtx = newTextBox(s, "txtx", QStringLiteral("3,99"));
    Lblpopini = newLabel(s, "Lblpopini", QStringLiteral("Inizio incremento generazionale"));
    Txty = newTextBox(s, "Txty", QStringLiteral("2"));
    lblpop = newLabel(s, "lblpop", QStringLiteral("Popolazione iniziale"),
                      QStringLiteral("Inserisci qui sotto un numero tra  0,2  e  0,999 "));
    Txtu = newTextBox(s, "Txtu", QStringLiteral("0,18"));
    for (QLabel* orange : {Lblincr, Lblpopini, lblpop}) {
        setBackColor(orange, Orange);
    }
    // The zoom box keeps the place it was drawn at, at the top left.
    Txting = newTextBox(s, "Txting", QStringLiteral("1"));
    ScreenLayout::setGeometry(Txting, QRect(8, 56, 25, 49));

    Cmdgrafico =
        new WrappedButton(s, "Cmdgrafico", QStringLiteral("Disegna il grafico"),
                          QStringLiteral("Clicca qui con il tasto destro del mouse per ulteriori "
                                         "informazioni"));
    setBackColor(Cmdgrafico, GraphGreen);
    Cmdper1 = new WrappedButton(s, "Cmdper1", QStringLiteral("Periodo 1"));
    Cmdper2 = new WrappedButton(s, "Cmdper2", QStringLiteral("Periodo 2"));
    Cmdper4 = new WrappedButton(s, "Cmdper4", QStringLiteral("Periodo 4"));
    Cmdcaos = new WrappedButton(s, "Cmdcaos", QStringLiteral("Tutti i periodi"));
    cmddisegna = new WrappedButton(
        s, "cmddisegna", QStringLiteral("Cambiamento parametrii"),
        QStringLiteral("Clicca qui con il tasto destro del mouse per saperne di più."));
    setBackColor(cmddisegna, PaleYellow);
    cmdInizio = newButton(s, "cmdInizio", QStringLiteral(" pag. Iniziale"));
    setBackColor(cmdInizio, Colour::Red);
    // The title label reaches 10 rows into the picture, below its own text: there the
    // pages' first lines must show.
    Picture1->raise();
}

void frmverhulst2::wireEvents() {
    connect(cmdInizio, &QPushButton::clicked, this, &frmverhulst2::cmdInizio_Click);
    connect(Cmdgrafico, &QPushButton::clicked, this, &frmverhulst2::Cmdgrafico_Click);
    onMouseDown(Cmdgrafico, [this](int button, int shift, double x, double y) {
        Cmdgrafico_MouseDown(button, shift, x, y);
    });
    connect(cmddisegna, &QPushButton::clicked, this, &frmverhulst2::cmddisegna_Click);
    onMouseDown(cmddisegna, [this](int button, int shift, double x, double y) {
        cmddisegna_MouseDown(button, shift, x, y);
    });
    connect(Cmdcaos, &QPushButton::clicked, this, &frmverhulst2::Cmdcaos_Click);
    connect(Cmdper1, &QPushButton::clicked, this, &frmverhulst2::Cmdper1_Click);
    connect(Cmdper2, &QPushButton::clicked, this, &frmverhulst2::Cmdper2_Click);
    connect(Cmdper4, &QPushButton::clicked, this, &frmverhulst2::Cmdper4_Click);
    onMouseDown(lblistruzioni, [this](int button, int shift, double x, double y) {
        lblistruzioni_MouseDown(button, shift, x, y);
    });
    onClick(Lblincr, [this] { Lblincr_Click(); });
    onMouseDown(Lblpopini, [this](int button, int shift, double x, double y) {
        Lblpopini_MouseDown(button, shift, x, y);
    });
    onClick(lblpop, [this] { lblpop_Click(); });
}

void frmverhulst2::Form_Load() {
    ScreenLayout::place({
        {Picture1, -250, -250, 500, 500},
        {cmdInizio, -331, 190, 80, 60},
        {Cmdper1, 251, -200, 80, 60},
        {Cmdper2, 251, -135, 80, 60},
        {Cmdper4, 251, -70, 80, 60},
        {Cmdcaos, 251, -5, 80, 60},
        {Cmdgrafico, 251, -250, 80, 45},
        {cmddisegna, 251, 60, 80, 125},
        {lblistruzioni, -250, -290, 500, 50},
        {Lblincr, -330, -250, 79, 50},
        {lblpop, -330, 45, 79, 40},
        {Lblpopini, -330, -140, 79, 40},
        {txtx, -290, -199, 40, 40},
        {Txty, -290, -100, 40, 40},
        {Txtu, -290, 90, 40, 40},
    });
    for (QWidget* shown :
         std::initializer_list<QWidget*>{Cmdper2, Cmdper4, Cmdcaos, cmddisegna, lblistruzioni,
                                         Lblincr, lblpop, Lblpopini, txtx, Txty}) {
        shown->show();
    }
}

void frmverhulst2::cmdInizio_Click() {
    Screens::show(QStringLiteral("frmMandel"));
}

void frmverhulst2::lblistruzioni_MouseDown(int button, int, double, double) {
    if (button != 2) {
        return;
    }
    Picture1->printPage(10, 10, VerhulstTexts::IntroductionPage, PageMark);
    Picture1->setFontSize(LargeText);
    Picture1->setForeColor(Colour::Red);
    Picture1->printLines(VerhulstTexts::IntroductionStart);
    Picture1->setFontSize(MiddleText);
    Picture1->setForeColor(LabelYellow);
    Picture1->printLines(VerhulstTexts::IntroductionLabels);
    Picture1->setForeColor(Colour::White);
    Picture1->Print(QStringLiteral(" "));
}

void frmverhulst2::Lblincr_Click() {
    Picture1->PSet(10, 10, PageMark);
    Picture1->Cls();
    Picture1->setFontSize(SmallText);
    Picture1->printLines(VerhulstTexts::FinalIncrementPage);
    Picture1->setFontSize(MiddleText);
    Picture1->setForeColor(Colour::Red);
    Picture1->printLines(VerhulstTexts::FinalIncrementClosing);
    Picture1->setFontSize(SmallText);
    Picture1->setForeColor(Colour::White);
}

void frmverhulst2::Lblpopini_MouseDown(int button, int, double, double) {
    if (button != 2) {
        return;
    }
    Picture1->Cls();
    Picture1->printLines(VerhulstTexts::StartIncrementPage);
    Picture1->setFontSize(MiddleText);
    Picture1->setForeColor(Colour::Red);
    Picture1->printLines(VerhulstTexts::StartIncrementClosing);
    Picture1->setFontSize(SmallText);
    Picture1->setForeColor(Colour::White);
}

void frmverhulst2::lblpop_Click() {
    Picture1->PSet(10, 10, PageMark);
    Picture1->Cls();
    Picture1->printLines(VerhulstTexts::StartPopulationPage);
}

void frmverhulst2::cmddisegna_MouseDown(int button, int, double, double) {
    if (button != 2) {
        return;
    }
    Picture1->setFontSize(SmallText);
    Picture1->printPage(10, 10, VerhulstTexts::DiagramHelp, PageMark);
}
