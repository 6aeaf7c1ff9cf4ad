#include "frmattratHenon.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "HenonMap.h"
#include "frmattratHenon_texts.h"
#include "shell/Canvas.h"
#include "shell/Controls.h"
#include "shell/DecimalEntry.h"
#include "shell/Dialogs.h"
#include "shell/Fonts.h"
#include "shell/MouseEvents.h"
#include "shell/PointsAhead.h"
#include "shell/Random.h"
#include "shell/RuntimeFailure.h"
#include "shell/ScreenLayout.h"
#include "shell/Screens.h"

namespace {

constexpr ColourNumber ScreenBack = 16384;
constexpr ColourNumber ScreenText = 192;
constexpr double ScreenTextSize = 12;
constexpr double PictureTextSize = 8.25;
constexpr int RightButton = 2;

const QString NotANumber = QStringLiteral(
    "Negli ingrandimenti ci vuole un numero: scrivilo con la virgola come separatore "
    "decimale, per esempio 2,5.");

}  // namespace

frmattratHenon::frmattratHenon(QWidget* parent)
    : Form(QStringLiteral("attrattore di Henon"), ScreenBack, parent) {
    surface()->setForeColor(ScreenText);
    surface()->setFontSize(ScreenTextSize);
    surface()->setFontBold(true);
    createControls();
    wireEvents();
}

void frmattratHenon::createControls() {
    QWidget* s = surface();

    Picture1 = newPicture(s, "Picture1", Colour::Black, Colour::White, PictureTextSize);

    Txtx = newTextBox(s, "Txtx", QStringLiteral("1"),
                      QStringLiteral("Inserisci il numero degli ingrandimenti"));
    cmddisegna = newButton(s, "cmddisegna", QStringLiteral("disegna"));
    setBackColor(cmddisegna, Colour::Green);
    cmdInizio = newButton(s, "cmdInizio", QStringLiteral("pag.iniziale"));
    setBackColor(cmdInizio, Colour::Red);

    lblingr = newLabel(s, "lblingr", QStringLiteral("ingrandimenti >"),
                       QStringLiteral("Clicca con il tasto destro del mouse"));
    setBackColor(lblingr, 12640511);
    lblatrattore = newLabel(s, "lblatrattore", QStringLiteral("Cos'è  L'ATTRATTORE DI HENON"),
                            QStringLiteral("Clicca qui per saperlo"));
    setBackColor(lblatrattore, 12648447);
    setForeColor(lblatrattore, Colour::Black);
    for (QLabel* label : {lblingr, lblatrattore}) {
        label->setFont(screenFont(PictureTextSize));
        label->hide();
    }
}

void frmattratHenon::wireEvents() {
    connect(cmdInizio, &QPushButton::clicked, this, &frmattratHenon::cmdInizio_Click);
    connect(cmddisegna, &QPushButton::clicked, this, &frmattratHenon::cmddisegna_Click);
    connect(Picture1, &Canvas::clicked, this, &frmattratHenon::Picture1_Click);
    onClick(lblatrattore, [this] { lblatrattore_Click(); });
    onMouseDown(lblingr, [this](int button, int shift, double x, double y) {
        lblingr_MouseDown(button, shift, x, y);
    });
}

void frmattratHenon::Form_Load() {
    lblatrattore->show();
    lblingr->show();
    ScreenLayout::place({
        {Picture1, -250, -250, 500, 500},
        {cmdInizio, -330, 190, 80, 60},
        {cmddisegna, -315, -50, 65, 100},
        {lblatrattore, -50, -280, 300, 30},
        {lblingr, -250, -280, 150, 30},
        {Txtx, -100, -280, 40, 30},
    });
}

void frmattratHenon::cmdInizio_Click() {
    Screens::show(QStringLiteral("frmMandel"));
}

void frmattratHenon::cmddisegna_Click() {
    // Read before anything changes, so a typing slip costs no picture and leaves a
    // drawing under way as it is.
    double z = 0;
    try {
        z = DecimalEntry::read(Txtx);
    } catch (const RuntimeFailure&) {
        MsgBox(NotANumber);
        return;
    }
    cmddisegna->setText(QStringLiteral("attendere prego"));
    surface()->Cls();
    Picture1->Cls();
    paintNow({cmddisegna});

    // The screen may be closed, and so destroyed, while the drawing yields; a click
    // on DISEGNA meanwhile starts a drawing that replaces this one.
    const QPointer<frmattratHenon> alive(this);
    const int drawing = ++drawingsStarted_;
    stopRequested_ = false;
    const double count = HenonMap::pointCount(z);
    HenonMap::Point point = HenonMap::Start;
    PointsAhead ahead(Picture1);
    for (double c = 0; c < count; c = c + 1) {
        point = HenonMap::next(point);
        const ColourNumber colour = HenonMap::colour(Random::next(), count);
        if (const std::optional<HenonMap::Pixel> pixel = HenonMap::pixel(point, z)) {
            ahead.add(pixel->x, pixel->y, colour);
        }
        if (!ahead.lookAtEvents()) {
            continue;
        }
        if (!alive || drawingsStarted_ != drawing) {
            return;  // the picture, the note and the button are the new drawing's
        }
        if (stopRequested_) {
            break;
        }
    }
    ahead.putDown();

    const QPoint centre = ScreenLayout::centre();
    surface()->PSet(centre.x() - 355, centre.y() - 100, Colour::Black);
    surface()->Print(QStringLiteral("Terminato!"));
    cmddisegna->setText(QStringLiteral("Disegna"));
}

// Ends the drawing under way; the next drawing starts afresh.
void frmattratHenon::Picture1_Click() {
    stopRequested_ = true;
}

void frmattratHenon::lblatrattore_Click() {
    Picture1->PSet(10, 10, Colour::Black);
    Picture1->Cls();
    Picture1->printLines(HenonTexts::attractorPage());
}

void frmattratHenon::lblingr_MouseDown(int button, int, double, double) {
    if (button != RightButton) {
        return;
    }
    Picture1->printPage(
        20, 100,
        {QStringLiteral(" Cambia il numero degli ingrandimenti poi clicca su <DISEGNA>.")});
}
