#include "Frmfelce.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "Frmfelce_texts.h"
#include "shell/Canvas.h"
#include "shell/Controls.h"
#include "shell/Fonts.h"
#include "shell/MouseEvents.h"
#include "shell/ScreenLayout.h"
#include "shell/Screens.h"
#include "shell/WrappedButton.h"

namespace {

constexpr ColourNumber HeaderPink = 16761087;
constexpr ColourNumber RowBlue = 16761024;
constexpr ColourNumber BoxWhite = 16777215;
constexpr ColourNumber PresetGreen = 12648384;
constexpr ColourNumber PaleCyan = 16777152;
constexpr ColourNumber PaleRed = 12632319;
constexpr double PictureFontSize = 9.75;
constexpr int Pitch = 38;

const QString MoreAbout = QStringLiteral("Clicca qui per saperne di più");

QLineEdit* gridBox(QWidget* parent, const char* name, int index, const QString& text) {
    QLineEdit* box = newTextBox(parent, name, text);
    box->setProperty("Index", index);
    setBackColor(box, BoxWhite);
    return box;
}

}  // namespace

Frmfelce::Frmfelce(QWidget* parent) : Form(QStringLiteral("Form1"), 8388608, parent) {
    createControls();
    wireEvents();
}

void Frmfelce::createControls() {
    QWidget* s = surface();

    Picture1 = newPicture(s, "Picture1", Colour::Black, Colour::White, PictureFontSize);

    // The fern: the same maps as the "felce" button's.
    const char* const start[6][4] = {
        {"0", "0,2", "-0,15", "0,85"},  {"0", "-0,26", "0,28", "0,04"},
        {"0", "0,23", "0,26", "-0,04"}, {"0,16", "0,22", "0,24", "0,85"},
        {"0", "0", "0", "0"},           {"0", "0,2", "0,2", "0,2"}};
    std::array<QLineEdit*, 4>* const rows[6] = {&Txta, &txtb, &txtc, &txtd, &txte, &txtf};
    const char* const rowNames[6] = {"Txta", "txtb", "txtc", "txtd", "txte", "txtf"};
    for (int row = 0; row < 6; ++row) {
        for (int i = 0; i < 4; ++i) {
            (*rows[row])[i] = gridBox(s, rowNames[row], i, QLatin1String(start[row][i]));
        }
    }

    const char* const colours[4] = {"2", "3", "4", "4"};
    const ColourNumber colourBacks[4] = {12640511, 12648447, 12648384, 16777152};
    QFont small = screenFont(7);
    for (int i = 0; i < 4; ++i) {
        txtcol[i] = newTextBox(s, "txtcol", QLatin1String(colours[i]));
        txtcol[i]->setProperty("Index", i);
        setBackColor(txtcol[i], colourBacks[i]);
        // Only 12 pixels high: no frame, so the number stays readable.
        txtcol[i]->setFrame(false);
        txtcol[i]->setTextMargins(0, 0, 0, 0);
        txtcol[i]->setFont(small);

        Lblcolonna[i] = newLabel(s, "Lblcolonna", QStringLiteral("    %1").arg(i + 1),
                                 i == 0 ? MoreAbout : QString());
        Lblcolonna[i]->setProperty("Index", i);
        setBackColor(Lblcolonna[i], HeaderPink);
    }
    const char* const rowLetters[6] = {"a", "b", "c", "d", "e", "f"};
    for (int i = 0; i < 6; ++i) {
        lblriga[i] =
            newLabel(s, "lblriga", QLatin1String(rowLetters[i]),
                     i == 0 ? QStringLiteral("Clicca qui oer ulteriori informazioni") : QString());
        lblriga[i]->setProperty("Index", i);
        setBackColor(lblriga[i], RowBlue);
    }

    Lblcol = newLabel(s, "Lblcol", QStringLiteral("colori"), MoreAbout);
    setBackColor(Lblcol, 16776960);
    setForeColor(Lblcol, 16384);
    Lblcol->setFont(screenFont(8, true));
    Lblor = newLabel(s, "Lblor", QStringLiteral("orrizontale"), MoreAbout);
    lblver = newLabel(s, "lblver", QStringLiteral("verticale"), MoreAbout);
    lblcicli = newLabel(s, "lblcicli", QStringLiteral("cicli"),
                        QStringLiteral("clicca qui per saperne di più"));
    for (QLabel* label : {Lblor, lblver, lblcicli}) {
        setBackColor(label, PaleRed);
    }

    Txtvx = newTextBox(s, "Txtvx", QStringLiteral("0"));
    txtvy = newTextBox(s, "txtvy", QStringLiteral("0"));
    txtcicli = newTextBox(s, "txtcicli", QStringLiteral("200"));
    for (QLineEdit* box : {Txtvx, txtvy, txtcicli}) {
        setBackColor(box, BoxWhite);
    }
    txtgr = newTextBox(s, "txtgr", QStringLiteral("40"));
    txtnumcol = newTextBox(s, "txtnumcol", QStringLiteral("4"));
    txtgr->hide();
    txtnumcol->hide();

    Cmd4 = newButton(s, "Cmd4", QStringLiteral("Nuovo disegno"));
    setBackColor(Cmd4, PaleCyan);
    Cmd4->setFont(screenFont(12, true));

    Cmdalbero = newButton(s, "Cmdalbero", QStringLiteral("albero"));
    cmdfelce = newButton(s, "cmdfelce", QStringLiteral("felce"));
    Cmdpino = newButton(s, "Cmdpino", QStringLiteral("pino"));
    cmdfalchi = newButton(s, "cmdfalchi", QStringLiteral("falchi"));
    cmdpolvere = newButton(s, "cmdpolvere", QStringLiteral("triangolo"));
    cmdzig = newButton(s, "cmdzig", QStringLiteral("scarabocchi"));
    for (QPushButton* preset : presetButtons()) {
        setBackColor(preset, PresetGreen);
    }

    // Its 12-point caption needs two lines in the narrow button.
    Cmdfine = new WrappedButton(s, "Cmdfine", QStringLiteral("Pagina iniziale"));
    setBackColor(Cmdfine, 255);
    Cmdfine->setFont(screenFont(12));

    lblistruz = newLabel(s, "lblistruz", QStringLiteral("     Istruzioni    clicca qui"));
    setBackColor(lblistruz, 32768);
    setForeColor(lblistruz, 255);
    lblistruz->setFont(screenFont(18));
}

void Frmfelce::wireEvents() {
    connect(Cmdfine, &QPushButton::clicked, this, &Frmfelce::Cmdfine_Click);
    connect(Cmd4, &QPushButton::clicked, this, &Frmfelce::Cmd4_Click);

    using Click = void (Frmfelce::*)();
    using MouseDown = void (Frmfelce::*)(int, int, double, double);
    const struct {
        QPushButton* button;
        Click click;
        MouseDown mouseDown;
    } presets[] = {
        {Cmdalbero, &Frmfelce::Cmdalbero_Click, &Frmfelce::Cmdalbero_MouseDown},
        {cmdfelce, &Frmfelce::cmdfelce_Click, &Frmfelce::cmdfelce_MouseDown},
        {Cmdpino, &Frmfelce::Cmdpino_Click, &Frmfelce::Cmdpino_MouseDown},
        {cmdfalchi, &Frmfelce::cmdfalchi_Click, &Frmfelce::cmdfalchi_MouseDown},
        {cmdpolvere, &Frmfelce::cmdpolvere_Click, &Frmfelce::cmdpolvere_MouseDown},
        {cmdzig, &Frmfelce::cmdzig_Click, &Frmfelce::cmdzig_MouseDown},
    };
    for (const auto& preset : presets) {
        connect(preset.button, &QPushButton::clicked, this, preset.click);
        QPushButton* button = preset.button;
        const MouseDown mouseDown = preset.mouseDown;
        // A disabled button, as during a drawing, takes no mouse-down.
        onMouseDown(button, [this, button, mouseDown](int b, int shift, double x, double y) {
            if (button->isEnabled()) {
                (this->*mouseDown)(b, shift, x, y);
            }
        });
    }

    onClick(lblcicli, [this] { lblcicli_Click(); });
    onClick(Lblcol, [this] { Lblcol_Click(); });
    onClick(lblistruz, [this] { lblistruz_Click(); });
    onClick(Lblor, [this] { Lblor_Click(); });
    onClick(lblver, [this] { lblver_Click(); });
    for (int i = 0; i < 4; ++i) {
        onClick(Lblcolonna[i], [this, i] { Lblcolonna_Click(i); });
    }
    for (int i = 0; i < 6; ++i) {
        onClick(lblriga[i], [this, i] { lblriga_Click(i); });
    }
}

void Frmfelce::Form_Load() {
    ScreenLayout::place({
        {Picture1, -150, -250, 500, 500},
        {Cmdfine, -330, 190, 100, 60},
        {Cmdalbero, -140, -290, 80, 40},
        {cmdfelce, -60, -290, 80, 40},
        {Cmdpino, 20, -290, 80, 40},
        {cmdfalchi, 100, -290, 80, 40},
        {cmdpolvere, 180, -290, 80, 40},
        {cmdzig, 260, -290, 80, 40},
    });
    // One pass per column: the column steps 38 pixels right, the row labels a to d
    // step 38 / 1.35 down.
    int column = -380;
    for (int i = 0; i < 4; ++i) {
        column += Pitch;
        ScreenLayout::place(Lblcolonna[i], column, -290, 33, 25);
        const QPoint centre = ScreenLayout::centre();
        const double rowTop = centre.y() - 280 + Pitch * (i + 1) / 1.35;
        ScreenLayout::place(lblriga[i], -380, static_cast<int>(std::lround(rowTop)) - centre.y(),
                            33, 14);
        ScreenLayout::place({
            {Txta[i], column, -260, 33, 25},
            {txtb[i], column, -230, 33, 25},
            {txtc[i], column, -200, 33, 25},
            {txtd[i], column, -170, 33, 25},
            {txte[i], column, -140, 33, 25},
            {txtf[i], column, -110, 33, 25},
            {txtcol[i], column, -83, 33, 12},
        });
    }
    ScreenLayout::place({
        {lblriga[4], -380, -135, 33, 14},
        {lblriga[5], -380, -105, 33, 14},
        {Lblcol, -380, -80, 33, 17},
        {Lblor, -342, -55, 50, 14},
        {lblver, -290, -55, 50, 14},
        {lblcicli, -238, -55, 50, 14},
        {Txtvx, -342, -39, 50, 25},
        {txtvy, -290, -39, 50, 25},
        {txtcicli, -238, -39, 50, 25},
        {Cmd4, -342, -5, 155, 25},
        {lblistruz, -330, 80, 150, 70},
    });
}

void Frmfelce::Cmdfine_Click() {
    Screens::show(QStringLiteral("frmMandel"));
}

void Frmfelce::closeEvent(QCloseEvent* event) {
    // A drawing still running must not go on in a closed window: the caption it
    // reads back at every point stops it.
    if (Cmd4->text() == QLatin1String("Stop")) {
        Cmd4->setText(QStringLiteral("Nuovo disegno"));
    }
    Form::closeEvent(event);
}

void Frmfelce::lblcicli_Click() {
    Picture1->printPage(40, 250, FelceTexts::pageCicli());
}

void Frmfelce::Lblcol_Click() {
    Picture1->printPage(40, 250, FelceTexts::pageColori());
}

void Frmfelce::Lblcolonna_Click(int) {
    Picture1->printPage(5, 150, FelceTexts::pageColonne());
}

void Frmfelce::lblistruz_Click() {
    Picture1->Cls();
    Picture1->printLines(FelceTexts::pageIstruzioni());
}

void Frmfelce::Lblor_Click() {
    Picture1->printPage(40, 250, FelceTexts::pageOrizzontale());
}

void Frmfelce::lblriga_Click(int) {
    Picture1->printPage(2, 250, FelceTexts::pageRighe());
}

void Frmfelce::lblver_Click() {
    Picture1->printPage(40, 250, FelceTexts::pageVerticale());
}
