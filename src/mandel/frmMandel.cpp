#include "frmMandel.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "shell/Canvas.h"
#include "shell/Controls.h"
#include "shell/MouseEvents.h"
#include "shell/ScreenLayout.h"
#include "shell/Screens.h"

namespace {

constexpr ColourNumber ScreenBack = Colour::rgb(0, 0, 128);
constexpr ColourNumber ScreenText = Colour::rgb(192, 255, 192);
constexpr ColourNumber Yellow = Colour::rgb(255, 255, 0);
constexpr double ScreenFontSize = 8;
constexpr double PictureFontSize = 7;

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

    // Pages printed on the black picture need a light ink to be read, and a small
    // face so the longest, 24 lines, fits in its 300 pixels.
    pictmandel = newPicture(s, "pictmandel", Colour::Black, ScreenText, PictureFontSize);
    cmddisegna = newButton(s, "cmddisegna", QStringLiteral("DISEGNA"),
                           QStringLiteral("Clicca qui per far partire il disegno"));
    CMDINGR =
        newButton(s, "CMDINGR", QStringLiteral("ingrandimenti  X 5"),
                  QStringLiteral("Clicca con il tasto destro del  mouse per rimpicciolire,  con "
                                 "quello sinistro per ingrandire"));
    Cmdmandel =
        newButton(s, "Cmdmandel", QStringLiteral("Mandelbrot"),
                  QStringLiteral("Clicca qui alternativamente per vedere un'insieme di Julia "
                                 "o di Mandelbrot"));
    Cmdschermo =
        newButton(s, "Cmdschermo", QStringLiteral("Schermo piccolo"),
                  QStringLiteral("Clicca qui, poi su disegna per avere lo stesso disegno a "
                                 "tutto schermo"));
    Cmdsave = newButton(s, "Cmdsave", QStringLiteral("Salva Immagine"));
    Cmdao = newButton(s, "Cmdao", QStringLiteral("Animazione Orrizontale"),
                      QStringLiteral("Clicca con il tasto destro del mouse per istruzioni"));
    Cmdpagini = newButton(s, "Cmdpagini", QStringLiteral("Termina il programma"),
                          QStringLiteral("Per terminare il programma"));

    Txtnx =
        newTextBox(s, "Txtnx", QStringLiteral("-0,75"),
                   QStringLiteral("asse x utile da  -0,75  a  + 1,25  ricordati  la virgola non "
                                  "il punto decimale"));
    txtny = newTextBox(s, "txtny", QStringLiteral("0"),
                       QStringLiteral("asse verticale  y  utile da  -1,5  a  +1,5  la virgola come "
                                      "separatore decimale"));
    txtingr = newTextBox(s, "txtingr", QStringLiteral("1"),
                         QStringLiteral("Inserisci qui il numero degli ingrandimenti, numero max. "
                                        "ingrandimenti 25  miliardii "));
    txtcicli = newTextBox(s, "txtcicli", QStringLiteral("30"), QStringLiteral("cicli max. 4000"));
    txtpasso = newTextBox(s, "txtpasso", QStringLiteral("1"),
                          QStringLiteral("Amplia la gamma dei colori"));
    QFont serif(QStringLiteral("DejaVu Serif"));
    serif.setStyleHint(QFont::Serif);
    serif.setPointSizeF(ScreenFontSize);
    txtpasso->setFont(serif);
    Txtcolore = newTextBox(s, "Txtcolore", QStringLiteral("200"),
                           QStringLiteral("L' intensità dei colori va da  0 a 250"));
    txtverde =
        newTextBox(s, "txtverde", QStringLiteral("125"),
                   QStringLiteral("Puoi cambiare il colore agendo sulle barre sopra i colori"));
    txtblu = newTextBox(s, "txtblu", QStringLiteral("125"),
                        QStringLiteral("Più il numero è alto più il disegno diventa chiaro"));
    setBackColor(Txtcolore, Colour::rgb(255, 0, 0));
    setBackColor(txtverde, Colour::rgb(0, 192, 0));
    setBackColor(txtblu, Colour::rgb(0, 0, 192));
    setBackColor(txtpasso, Colour::White);
    for (QLineEdit* box : {Txtcolore, txtverde, txtblu}) {
        setForeColor(box, Colour::White);
    }

    vscrosso = newScrollBar(s, "vscrosso", 0, 250, 200, 1);
    vscverde = newScrollBar(s, "vscverde", 0, 250, 125, 1);
    vscblu = newScrollBar(s, "vscblu", 0, 250, 125, 1);
    vsccolori = newScrollBar(s, "vsccolori", 1, 900, 1, 30);

    lblcolore = newLabel(s, "lblcolore", QStringLiteral("Colore             ^"),
                         QStringLiteral("Clicca qui con il tasto destro del mouse"));
    lblcicli = newLabel(s, "lblcicli", QStringLiteral("Cicli >"),
                        QStringLiteral("Per istruzioni, clicca qui con il tasto destro del mouse"));
    lblistruzione =
        newLabel(s, "lblistruzione", QStringLiteral("Clicca su disegna"),
                 QStringLiteral("Clicca con il tasto destro del mouse sulle etichette gialle per "
                                "ulteriori istruzioni"));
    Lblmand = newLabel(s, "Lblmand",
                       QStringLiteral("CLICCA SU UN PUNTO DEL DISEGNO  POI  SU INGRANDIMENTI  X 5  "
                                      "in basso a sinistra"));
    for (QLabel* yellow : {lblcolore, lblcicli, lblistruzione, Lblmand}) {
        setBackColor(yellow, Yellow);
    }
    lblistruzione->hide();
    // Its pages stand over the top label, which it covers.
    lblistruzione->raise();

    // The pending move starts empty of any move, so the first drawing shows the start view.
    Txtxini = newTextBox(s, "Txtxini", QStringLiteral("0"));
    Txtyini = newTextBox(s, "Txtyini", QStringLiteral("0"));
    Textb = newTextBox(s, "Textb", QStringLiteral("1"));
    Text3 = newTextBox(s, "Text3", QString());
    for (QLineEdit* hidden : {Txtxini, Txtyini, Textb, Text3}) {
        hidden->hide();
    }
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
}

void frmMandel::createMenus() {
    QMenuBar* bar = menuBar();
    mnufile = bar->addMenu(QStringLiteral("  ISTRUZIONI &MANDELBROT"));
    mnufile->setObjectName(QStringLiteral("mnufile"));
    mnuistrufile = newMenuItem(mnufile, "mnuistrufile", QStringLiteral("     ISTRU&ZIONI "));
    mnufile->addSeparator()->setObjectName(QStringLiteral("mnuvuoto4"));
    mnujulia = newMenuItem(mnufile, "mnujulia", QStringLiteral("Insieme di Julia"));
    anim = newMenuItem(mnufile, "anim", QStringLiteral("Animazioni "));
    mandiversi = newMenuItem(mnufile, "mandiversi", QStringLiteral("Mandelb&rot diversi"));
    mnufile->addSeparator()->setObjectName(QStringLiteral("mnuvuoto"));
    salvaparamomentanei =
        newMenuItem(mnufile, "salvaparamomentanei", QStringLiteral("Salva i Para&metri"));
    mnuParametri = newMenuItem(mnufile, "mnuParametri", QStringLiteral("Car&ica i Parametri"));
    coordinate = newMenuItem(mnufile, "coordinate", QStringLiteral("Coordina&te  x e y"));
    mnucicli = newMenuItem(mnufile, "mnucicli", QStringLiteral("Cic&li"));
    mnucolore = newMenuItem(mnufile, "mnucolore", QStringLiteral("C&olore"));
    mnufile->addSeparator()->setObjectName(QStringLiteral("mnuvuoto1"));
    mnuzone = mnufile->addMenu(QStringLiteral("Le zone migliori"));
    mnuzone->setObjectName(QStringLiteral("mnuzone"));
    mnuMandel = newMenuItem(mnuzone, "mnuMandel", QStringLiteral("MiniMandel"));
    mnucode = newMenuItem(mnuzone, "mnucode", QStringLiteral("Code"));
    mnuPalle = newMenuItem(mnuzone, "mnuPalle", QStringLiteral("Palle"));
    mnuPizzo = newMenuItem(mnuzone, "mnuPizzo", QStringLiteral("Pizzo"));
    mnuSpirale = newMenuItem(mnuzone, "mnuSpirale", QStringLiteral("Spirale"));
    mnuraggi = newMenuItem(mnuzone, "mnuraggi", QStringLiteral("Fiocco"));
    mnuocchio = newMenuItem(mnuzone, "mnuocchio", QStringLiteral("Occhio"));
    mnuStellamarina = newMenuItem(mnuzone, "mnuStellamarina", QStringLiteral("Stellamarina"));
    mnufile->addSeparator()->setObjectName(QStringLiteral("mnuspazio3"));
    mnubiblio = newMenuItem(mnufile, "mnubiblio", QStringLiteral("Bibliografia"));
    mnuautore = newMenuItem(mnufile, "mnuautore", QStringLiteral("L'autore"));

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
    connect(pictmandel, &Canvas::mouseDown, this, &frmMandel::pictmandel_MouseDown);
    connect(Cmdao, &QPushButton::clicked, this, &frmMandel::Cmdao_Click);
    const std::pair<QWidget*, void (frmMandel::*)(int, int, double, double)> pressed[] = {
        {CMDINGR, &frmMandel::CMDINGR_MouseDown},
        {Cmdmandel, &frmMandel::Cmdmandel_MouseDown},
        {Cmdschermo, &frmMandel::Cmdschermo_MouseDown},
        {Cmdao, &frmMandel::Cmdao_MouseDown},
        {lblcicli, &frmMandel::lblcicli_MouseDown},
        {lblcolore, &frmMandel::lblcolore_MouseDown},
        {lblistruzione, &frmMandel::lblistruzione_MouseDown},
        {Lblmand, &frmMandel::Lblmand_MouseDown},
    };
    for (const auto& [control, handler] : pressed) {
        onMouseDown(control, [this, handler = handler](int button, int shift, double x, double y) {
            (this->*handler)(button, shift, x, y);
        });
    }
    connect(Cmdsave, &QPushButton::clicked, this, &frmMandel::Cmdsave_Click);
    connect(Cmdpagini, &QPushButton::clicked, this, &frmMandel::Cmdpagini_Click);
    connect(Cmdmandel, &QPushButton::clicked, this, &frmMandel::Cmdmandel_Click);
    connect(Cmdschermo, &QPushButton::clicked, this, &frmMandel::Cmdschermo_Click);
    connect(surface(), &Canvas::clicked, this, &frmMandel::Form_Click);
    wireBar(vscrosso, &frmMandel::vscrosso_Change, &frmMandel::vscrosso_Scroll);
    wireBar(vscverde, &frmMandel::vscverde_Change, &frmMandel::vscverde_Scroll);
    wireBar(vscblu, &frmMandel::vscblu_Change, &frmMandel::vscblu_Scroll);
    wireBar(vsccolori, &frmMandel::vsccolori_Change, &frmMandel::vsccolori_Scroll);
    const std::pair<QAction*, void (frmMandel::*)()> items[] = {
        {mnuMandel, &frmMandel::mnuMandel_Click},
        {mnucode, &frmMandel::mnucode_Click},
        {mnuPalle, &frmMandel::mnuPalle_Click},
        {mnuPizzo, &frmMandel::mnuPizzo_Click},
        {mnuSpirale, &frmMandel::mnuSpirale_Click},
        {mnuraggi, &frmMandel::mnuraggi_Click},
        {mnuocchio, &frmMandel::mnuocchio_Click},
        {mnuStellamarina, &frmMandel::mnuStellamarina_Click},
        {mnuMandiniz, &frmMandel::mnuMandiniz_Click},
        {coordinate, &frmMandel::coordinate_Click},
        {salvaparamomentanei, &frmMandel::salvaparamomentanei_Click},
        {mnuParametri, &frmMandel::mnuParametri_Click},
        {anim, &frmMandel::anim_Click},
        {mnuistrufile, &frmMandel::mnuistrufile_Click},
        {mnujulia, &frmMandel::mnujulia_Click},
        {mnucicli, &frmMandel::mnucicli_Click},
        {mnucolore, &frmMandel::mnucolore_Click},
        {mnubiblio, &frmMandel::mnubiblio_Click},
        {mnuautore, &frmMandel::mnuautore_Click},
        {atrattore, &frmMandel::atrattore_Click},
        {mnukok, &frmMandel::mnukok_Click},
        {veru, &frmMandel::veru_Click},
        {mnufelce, &frmMandel::mnufelce_Click},
        {mandiversi, &frmMandel::mandiversi_Click},
    };
    for (const auto& [action, handler] : items) {
        connect(action, &QAction::triggered, this, handler);
    }
    connect(mnuzone, &QMenu::aboutToShow, this, &frmMandel::mnuzone_Click);
}

void frmMandel::wireBar(QScrollBar* bar, void (frmMandel::*change)(), void (frmMandel::*scroll)()) {
    connect(bar, &QScrollBar::valueChanged, this,
            [this, bar, change, scroll] { (this->*(bar->isSliderDown() ? scroll : change))(); });
    // The end of a drag counts as a change, as an arrow or the track does.
    connect(bar, &QScrollBar::sliderReleased, this, change);
}

void frmMandel::Form_Load() {
    surface()->Cls();
    const ScreenLayout::Placement placements[] = {
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
    for (const ScreenLayout::Placement& p : placements) {
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

void frmMandel::atrattore_Click() {
    Screens::show(QStringLiteral("frmattratHenon"));
}

void frmMandel::mnukok_Click() {
    Screens::show(QStringLiteral("frmkochisle"));
}

void frmMandel::veru_Click() {
    Screens::show(QStringLiteral("frmverhulst2"));
}

void frmMandel::mnufelce_Click() {
    Screens::show(QStringLiteral("Frmfelce"));
}

void frmMandel::mandiversi_Click() {
    Screens::show(QStringLiteral("frmMandiversi"));
}
