#include "frmMandiversi.h"

#include <QPushButton>

#include "shell/Canvas.h"
#include "shell/Controls.h"
#include "shell/Dialogs.h"
#include "shell/Screens.h"

frmMandiversi::frmMandiversi(QWidget* parent)
    : Form(QStringLiteral("Insiemi di Mandelbrot diversi"), Colour::WindowGrey, parent) {
    // Unlike the explorer, this screen has a fixed size and fixed positions.
    setClientSize(530, 364);
    cmdfine = newButton(surface(), "cmdfine", QStringLiteral("Fine"));
    cmdfine->setGeometry(440, 304, 81, 33);
    connect(cmdfine, &QPushButton::clicked, this, &frmMandiversi::cmdfine_Click);
}

void frmMandiversi::Form_Load() {}

void frmMandiversi::cmdfine_Click() {
    const Dialogs::Answer answer =
        MsgBox(QStringLiteral("Sei sicuro di voler USCIRE ?"), Dialogs::Buttons::YesNo,
               Dialogs::Icon::Question, QStringLiteral("Tessivelo"));
    if (answer == Dialogs::Answer::Yes) {
        Screens::show(QStringLiteral("frmMandel"));
        Screens::unload(QStringLiteral("frmMandiversi"));
    }
}
