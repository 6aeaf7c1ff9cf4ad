#include "frmMandel.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <type_traits>

#include "shell/Canvas.h"
#include "shell/Controls.h"
#include "shell/MouseEvents.h"
#include "shell/ScreenLayout.h"

namespace {

constexpr ColourNumber ScreenBack = Colour::rgb(0, 0, 128);
constexpr ColourNumber ScreenText = Colour::rgb(192, 255, 192);
constexpr ColourNumber Yellow = Colour::rgb(255, 255, 0);
constexpr double ScreenFontSize = 8;

template <typename Control>
Control* named(Control* control, const char* name, const QString& toolTip = QString()) {
    control->setObjectName(QLatin1String(name));
    if constexpr (std::is_base_of_v<QWidget, Control>) {
        control->setToolTip(toolTip);
    }
    return control;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption,
                    const QString& toolTip = QString()) {
    return named(new QPushButton(caption, parent), name, toolTip);
}

QLineEdit* textBox(QWidget* parent, const char* name, const QString& text,
                   const QString& toolTip = QString()) {
    return named(new QLineEdit(text, parent), name, toolTip);
}

QLabel* label(QWidget* parent, const char* name, const QString& caption,
              const QString& toolTip = QString()) {
    QLabel* control = named(new QLabel(caption, parent), name, toolTip);
    control->setWordWrap(true);
    control->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return control;
}

QScrollBar* scrollBar(QWidget* parent, const char* name, int min, int max, int value,
                      int largeChange) {
    QScrollBar* bar = named(new QScrollBar(Qt::Vertical, parent), name);
    bar->setRange(min, max);
    bar->setValue(value);
    bar->setSingleStep(1);
    bar->setPageStep(largeChange);
    return bar;
}

QAction* item(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

}  // namespace

frmMandel::frmMandel(QWidget* parent) : Form(QStringLiteral("iniziogioco"), ScreenBack, parent) {
    surface()->setForeColor(ScreenText);
    surface()->setFontSize(ScreenFontSize);
    createControls();
    createMenus();
    wireEvents();
}

void frmMandel::createControls() {
    QWidget* s = surface();

    pictmandel = named(new Canvas(s), "pictmandel");
    pictmandel->setBackColor(Colour::Black);
    cmddisegna = button(s, "cmddisegna", QStringLiteral("DISEGNA"),
                        QStringLiteral("Clicca qui per far partire il disegno"));
    CMDINGR = button(s, "CMDINGR", QStringLiteral("ingrandimenti  X 5"),
                     QStringLiteral("Clicca con il tasto destro del  mouse per rimpicciolire,  con "
                                    "quello sinistro per ingrandire"));
    Cmdmandel = button(s, "Cmdmandel", QStringLiteral("Mandelbrot"),
                       QStringLiteral("Clicca qui alternativamente per vedere un'insieme di Julia "
                                      "o di Mandelbrot"));
    Cmdschermo = button(s, "Cmdschermo", QStringLiteral("Schermo piccolo"),
                        QStringLiteral("Clicca qui, poi su disegna per avere lo stesso disegno a "
                                       "tutto schermo"));
    Cmdsave = button(s, "Cmdsave", QStringLiteral("Salva Immagine"));
    Cmdao = button(s, "Cmdao", QStringLiteral("Animazione Orrizontale"),
                   QStringLiteral("Clicca con il tasto destro del mouse per istruzioni"));
    Cmdpagini = button(s, "Cmdpagini", QStringLiteral("Termina il programma"),
                       QStringLiteral("Per terminare il programma"));

    Txtnx = textBox(s, "Txtnx", QStringLiteral("-0,75"),
                    QStringLiteral("asse x utile da  -0,75  a  + 1,25  ricordati  la virgola non "
                                   "il punto decimale"));
    txtny = textBox(s, "txtny", QStringLiteral("0"),
                    QStringLiteral("asse verticale  y  utile da  -1,5  a  +1,5  la virgola come "
                                   "separatore decimale"));
    txtingr = textBox(s, "txtingr", QStringLiteral("1"),
                      QStringLiteral("Inserisci qui il numero degli ingrandimenti, numero max. "
                                     "ingrandimenti 25  miliardii "));
    txtcicli = textBox(s, "txtcicli", QStringLiteral("30"), QStringLiteral("cicli max. 4000"));
    txtpasso =
        textBox(s, "txtpasso", QStringLiteral("1"), QStringLiteral("Amplia la gamma dei colori"));
    QFont serif(QStringLiteral("DejaVu Serif"));
    serif.setStyleHint(QFont::Serif);
    serif.setPointSizeF(ScreenFontSize);
    txtpasso->setFont(serif);
    Txtcolore = textBox(s, "Txtcolore", QStringLiteral("200"),
                        QStringLiteral("L' intensità dei colori va da  0 a 250"));
    txtverde = textBox(s, "txtverde", QStringLiteral("125"),
                       QStringLiteral("Puoi cambiare il colore agendo sulle barre sopra i colori"));
    txtblu = textBox(s, "txtblu", QStringLiteral("125"),
                     QStringLiteral("Più il numero è alto più il disegno diventa chiaro"));
    setBackColor(Txtcolore, Colour::rgb(255, 0, 0));
    setBackColor(txtverde, Colour::rgb(0, 192, 0));
    setBackColor(txtblu, Colour::rgb(0, 0, 192));
    setBackColor(txtpasso, Colour::White);
    for (QLineEdit* box : {Txtcolore, txtverde, txtblu}) {
        setForeColor(box, Colour::White);
    }

    vscrosso = scrollBar(s, "vscrosso", 0, 250, 200, 1);
    vscverde = scrollBar(s, "vscverde", 0, 250, 125, 1);
    vscblu = scrollBar(s, "vscblu", 0, 250, 125, 1);
    vsccolori = scrollBar(s, "vsccolori", 1, 900, 1, 30);

    lblcolore = label(s, "lblcolore", QStringLiteral("Colore             ^"),
                      QStringLiteral("Clicca qui con il tasto destro del mouse"));
    lblcicli = label(s, "lblcicli", QStringLiteral("Cicli >"),
                     QStringLiteral("Per istruzioni, clicca qui con il tasto destro del mouse"));
    lblistruzione =
        label(s, "lblistruzione", QStringLiteral("Clicca su disegna"),
              QStringLiteral("Clicca con il tasto destro del mouse sulle etichette gialle per "
                             "ulteriori istruzioni"));
    Lblmand = label(s, "Lblmand",
                    QStringLiteral("CLICCA SU UN PUNTO DEL DISEGNO  POI  SU INGRANDIMENTI  X 5  "
                                   "in basso a sinistra"));
    for (QLabel* yellow : {lblcolore, lblcicli, lblistruzione, Lblmand}) {
        setBackColor(yellow, Yellow);
    }
    lblistruzione->hide();

    // The pending move starts empty of any move, so the first drawing shows the start view.
    Txtxini = textBox(s, "Txtxini", QStringLiteral("0"));
    Txtyini = textBox(s, "Txtyini", QStringLiteral("0"));
    Textb = textBox(s, "Textb", QStringLiteral("1"));
    Text3 = textBox(s, "Text3", QString());
    for (QLineEdit* hidden : {Txtxini, Txtyini, Textb, Text3}) {
        hidden->hide();
    }
    Timer1 = named(new QTimer(this), "Timer1");
}

void frmMandel::createMenus() {
    QMenuBar* bar = menuBar();
    mnufile = bar->addMenu(QStringLiteral("  ISTRUZIONI &MANDELBROT"));
    mnufile->setObjectName(QStringLiteral("mnufile"));
    mnuistrufile = item(mnufile, "mnuistrufile", QStringLiteral("     ISTRU&ZIONI "));
    mnufile->addSeparator()->setObjectName(QStringLiteral("mnuvuoto4"));
    mnujulia = item(mnufile, "mnujulia", QStringLiteral("Insieme di Julia"));
    anim = item(mnufile, "anim", QStringLiteral("Animazioni "));
    mandiversi = item(mnufile, "mandiversi", QStringLiteral("Mandelb&rot diversi"));
    mnufile->addSeparator()->setObjectName(QStringLiteral("mnuvuoto"));
    salvaparamomentanei =
        item(mnufile, "salvaparamomentanei", QStringLiteral("Salva i Para&metri"));
    mnuParametri = item(mnufile, "mnuParametri", QStringLiteral("Car&ica i Parametri"));
    coordinate = item(mnufile, "coordinate", QStringLiteral("Coordina&te  x e y"));
    mnucicli = item(mnufile, "mnucicli", QStringLiteral("Cic&li"));
    mnucolore = item(mnufile, "mnucolore", QStringLiteral("C&olore"));
    mnufile->addSeparator()->setObjectName(QStringLiteral("mnuvuoto1"));
    mnuzone = mnufile->addMenu(QStringLiteral("Le zone migliori"));
    mnuzone->setObjectName(QStringLiteral("mnuzone"));
    mnuMandel = item(mnuzone, "mnuMandel", QStringLiteral("MiniMandel"));
    mnucode = item(mnuzone, "mnucode", QStringLiteral("Code"));
    mnuPalle = item(mnuzone, "mnuPalle", QStringLiteral("Palle"));
    mnuPizzo = item(mnuzone, "mnuPizzo", QStringLiteral("Pizzo"));
    mnuSpirale = item(mnuzone, "mnuSpirale", QStringLiteral("Spirale"));
    mnuraggi = item(mnuzone, "mnuraggi", QStringLiteral("Fiocco"));
    mnuocchio = item(mnuzone, "mnuocchio", QStringLiteral("Occhio"));
    mnuStellamarina = item(mnuzone, "mnuStellamarina", QStringLiteral("Stellamarina"));
    mnufile->addSeparator()->setObjectName(QStringLiteral("mnuspazio3"));
    mnubiblio = item(mnufile, "mnubiblio", QStringLiteral("Bibliografia"));
    mnuautore = item(mnufile, "mnuautore", QStringLiteral("L'autore"));

    // These stand on the menu bar itself.
    auto barItem = [bar](const char* name, const QString& caption) {
        QAction* action = bar->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    mnuMandiniz = barItem("mnuMandiniz", QStringLiteral("Mandelb&rot iniziale"));
    atrattore = barItem("atrattore", QStringLiteral("     ATTRATTORE DI HENON"));
    mnukok = barItem("mnukok", QStringLiteral("     KOCHISLE"));
    veru = barItem("veru", QStringLiteral("     VERHULST"));
    mnufelce = barItem("mnufelce", QStringLiteral("     FELCE"));
}

void frmMandel::wireEvents() {
    connect(this, &Form::keyDown, this, &frmMandel::Form_KeyDown);
    connect(surface(), &Canvas::mouseDown, this, &frmMandel::Form_MouseDown);
    onKeyDown(cmddisegna, [this](int keyCode, int shift) { cmddisegna_KeyDown(keyCode, shift); });
    connect(cmddisegna, &QPushButton::clicked, this, &frmMandel::cmddisegna_Click);
}

void frmMandel::Form_Load() {
    surface()->Cls();
    struct Placement {
        QWidget* control;
        int dx, dy, width, height;
    };
    const Placement placements[] = {
        {Cmdao, -270, -180, 120, 30},         {pictmandel, -150, -150, 300, 300},
        {Txtnx, -150, -170, 148, 20},         {txtny, 1, -170, 148, 20},
        {lblistruzione, -260, -250, 540, 70}, {Lblmand, -250, -250, 500, 50},
        {Cmdpagini, -270, -150, 120, 50},     {cmddisegna, -270, -100, 120, 60},
        {Cmdmandel, -270, -39, 120, 30},      {vscrosso, -270, -8, 29, 60},
        {vscverde, -240, -8, 29, 60},         {vscblu, -210, -8, 29, 60},
        {vsccolori, -180, -8, 29, 60},        {Txtcolore, -270, 53, 30, 30},
        {txtverde, -240, 53, 30, 30},         {txtblu, -210, 53, 30, 30},
        {txtpasso, -180, 53, 30, 30},         {lblcolore, -270, 83, 120, 30},
        {lblcicli, -270, 115, 30, 29},        {txtcicli, -240, 115, 90, 30},
        {CMDINGR, -270, 201, 120, 39},        {txtingr, -150, 201, 148, 30},
        {Cmdschermo, 41, 201, 99, 31},        {Cmdsave, 150, 198, 99, 34},
    };
    for (const Placement& p : placements) {
        ScreenLayout::place(p.control, p.dx, p.dy, p.width, p.height);
        // The centre boxes and the instructions keep the visibility they were made with.
        if (p.control != Txtnx && p.control != txtny && p.control != lblistruzione) {
            p.control->show();
        }
    }
    cmddisegna->setFocus();
    cmddisegna_Click();
}

void frmMandel::Form_KeyDown(int, int) {
    stopRequested = true;
}

void frmMandel::cmddisegna_KeyDown(int, int) {
    stopRequested = true;
}

void frmMandel::Form_MouseDown(int, int, double, double) {
    stopRequested = true;
}
