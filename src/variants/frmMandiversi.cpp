#include "frmMandiversi.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTextOption>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <vector>

#include "shell/Canvas.h"
#include "shell/Controls.h"
#include "shell/DecimalEntry.h"
#include "shell/Dialogs.h"
#include "shell/Random.h"
#include "shell/RichTextBox.h"
#include "shell/RuntimeFailure.h"
#include "shell/ScreenLayout.h"
#include "shell/Screens.h"
#include "shell/WrappedButton.h"
#include "variants/Relief.h"
#include "variants/VariantSets.h"

namespace {

constexpr int CrossHair = 2;
constexpr int Hourglass = 11;
// The "no drop" pointer shows while a variant is drawn.
constexpr int NoDrop = 12;

// Where "Disegna" and "Mandel alla terza" put the picture area, and where the
// relief moves it, in twips.
constexpr int PictureLeft = 1560;
constexpr int PictureTop = 120;
constexpr int PictureWidth = 3000;
constexpr int PictureHeight = 3000;
constexpr int ReliefLeft = 200;
constexpr int ReliefWidth = 4500;

const QString BusyCaption = QStringLiteral("attendere prego");
const QString NotANumber =
    QStringLiteral("Inserisci un numero da 1 a 10 nella finestrella bianca in alto!");

// This screen's design is in twips, 15 to a pixel.
int pixels(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

void placeInTwips(QWidget* control, int left, int top, int width, int height) {
    ScreenLayout::setGeometry(control,
                              QRect(pixels(left), pixels(top), pixels(width), pixels(height)));
}

}  // namespace

frmMandiversi::frmMandiversi(QWidget* parent)
    : Form(QStringLiteral("Insiemi di Mandelbrot diversi"), Colour::WindowGrey, parent) {
    // Unlike the explorer, this screen has a fixed size and fixed positions.
    setClientSize(530, 364);
    QWidget* s = surface();

    Cmdstart = new WrappedButton(s, "Cmdstart", QStringLiteral("Disegna"));
    setBackColor(Cmdstart, Colour::Green);
    placeInTwips(Cmdstart, 6480, 120, 1215, 495);
    Text1 = newTextBox(s, "Text1", QStringLiteral("1"));
    placeInTwips(Text1, 5760, 120, 495, 495);
    Picture1 = newPicture(s, "Picture1", Colour::Black);
    Picture1->setFocusPolicy(Qt::TabFocus);
    placeInTwips(Picture1, PictureLeft, PictureTop, PictureWidth, PictureHeight);
    Cmdterza = new WrappedButton(s, "Cmdterza", QStringLiteral("Mandel alla terza"));
    setBackColor(Cmdterza, Colour::Green);
    placeInTwips(Cmdterza, 6480, 960, 1215, 495);
    Cmdtredi = new WrappedButton(s, "Cmdtredi", QStringLiteral("Mandel tridimensionale"));
    setBackColor(Cmdtredi, Colour::Green);
    placeInTwips(Cmdtredi, 6480, 1800, 1215, 495);
    Cmdsalva = new WrappedButton(s, "Cmdsalva", QStringLiteral("Salva l'immagine"));
    placeInTwips(Cmdsalva, 6480, 2520, 1215, 495);
    Cmdlistato = new WrappedButton(s, "Cmdlistato", QStringLiteral("Listato"));
    placeInTwips(Cmdlistato, 6600, 3720, 1215, 495);
    cmdfine = new WrappedButton(s, "cmdfine", QStringLiteral("Fine"));
    placeInTwips(cmdfine, 6600, 4560, 1215, 495);

    // A listing is shown as it stands: pasted or loaded markup stays text.
    RiTeBox = new RichTextBox(s, "RiTeBox");
    RiTeBox->setTabChangesFocus(true);
    RiTeBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Blanks at the end of a line take room as letters do, so a long run of them
    // carries the next sentence onto a line of its own.
    QTextOption option = RiTeBox->document()->defaultTextOption();
    option.setFlags(option.flags() | QTextOption::IncludeTrailingSpaces);
    RiTeBox->document()->setDefaultTextOption(option);
    placeInTwips(RiTeBox, 120, 3720, 6375, 1575);

    QWidget* const tabOrder[] = {Cmdstart, Picture1,   Text1,   RiTeBox, Cmdterza,
                                 Cmdtredi, Cmdlistato, cmdfine, Cmdsalva};
    for (std::size_t k = 1; k < std::size(tabOrder); ++k) {
        setTabOrder(tabOrder[k - 1], tabOrder[k]);
    }

    connect(Cmdstart, &QPushButton::clicked, this, &frmMandiversi::Cmdstart_Click);
    connect(Cmdterza, &QPushButton::clicked, this, &frmMandiversi::Cmdterza_Click);
    connect(Cmdtredi, &QPushButton::clicked, this, &frmMandiversi::Cmdtredi_Click);
    connect(Cmdsalva, &QPushButton::clicked, this, &frmMandiversi::Cmdsalva_Click);
    connect(Cmdlistato, &QPushButton::clicked, this, &frmMandiversi::Cmdlistato_Click);
    connect(cmdfine, &QPushButton::clicked, this, &frmMandiversi::cmdfine_Click);
}

void frmMandiversi::Form_Load() {
    // A coarse look at the plain set, every second pixel, in random colours.
    const std::vector<ColourNumber> colours = VariantSets::preview(Random::next);
    Picture1->blitColumns(0, 0, VariantSets::PreviewSize, VariantSets::PreviewSize, colours.data());
    RiTeBox->setPlainText(loadInstructions());
}

void frmMandiversi::placePicture(int leftTwips, int widthTwips) {
    placeInTwips(Picture1, leftTwips, PictureTop, widthTwips, PictureHeight);
}

void frmMandiversi::showBusy(int pointer) {
    setBackColor(Cmdstart, Colour::Red);
    Cmdstart->setText(BusyCaption);
    setMousePointer(pointer);
    paintNow({Cmdstart});
}

void frmMandiversi::showIdle() {
    setBackColor(Cmdstart, Colour::Green);
    Cmdstart->setText(QStringLiteral("DISEGNA"));
    setMousePointer(CrossHair);
}

void frmMandiversi::Cmdstart_Click() {
    double typed = 0;
    try {
        typed = DecimalEntry::read(Text1);
    } catch (const RuntimeFailure&) {
        MsgBox(NotANumber);
        return;
    }
    placePicture(PictureLeft, PictureWidth);
    Picture1->Cls();
    showBusy(NoDrop);
    const std::vector<ColourNumber> colours = VariantSets::variant(VariantSets::formulaFor(typed));
    Picture1->blitColumns(1, 1, VariantSets::Size, VariantSets::Size, colours.data());
    showIdle();
    RiTeBox->setPlainText(variantInstructions());
}

void frmMandiversi::Cmdterza_Click() {
    RiTeBox->setPlainText(cubeInstructions());
    placePicture(PictureLeft, PictureWidth);
    Picture1->Cls();
    showBusy(Hourglass);
    const std::vector<ColourNumber> colours = VariantSets::cube();
    Picture1->blitColumns(1, 1, VariantSets::Size, VariantSets::Size, colours.data());
    showIdle();
}

void frmMandiversi::Cmdtredi_Click() {
    showBusy(Hourglass);
    Picture1->Cls();
    placePicture(ReliefLeft, ReliefWidth);
    const std::vector<ColourNumber> colours = Relief::relief();
    Picture1->blitColumns(1, 1, Relief::Columns, Relief::Rows, colours.data());
    showIdle();
}

void frmMandiversi::cmdfine_Click() {
    const Dialogs::Answer answer =
        MsgBox(QStringLiteral("Sei sicuro di voler USCIRE ?"), Dialogs::Buttons::YesNo,
               Dialogs::Icon::Question, QStringLiteral("Tessivelo"));
    if (answer == Dialogs::Answer::Yes) {
        Screens::show(QStringLiteral("frmMandel"));
        Screens::unload(QStringLiteral("frmMandiversi"));
    }
}
