#include "frmkochisle.h"

#include <QPushButton>

#include "shell/Canvas.h"
#include "shell/Controls.h"
#include "shell/ScreenLayout.h"
#include "shell/Screens.h"

frmkochisle::frmkochisle(QWidget* parent)
    : Form(QStringLiteral("Isola di  Von Koch"), Colour::rgb(0, 64, 0), parent) {
    cmdinizio = newButton(surface(), "cmdinizio", QStringLiteral("pag. iniziale"));
    setBackColor(cmdinizio, Colour::rgb(128, 255, 255));
    connect(cmdinizio, &QPushButton::clicked, this, &frmkochisle::cmdinizio_Click);
}

void frmkochisle::Form_Load() {
    ScreenLayout::place({
        {cmdinizio, -330, 190, 80, 40},
    });
}

void frmkochisle::cmdinizio_Click() {
    Screens::show(QStringLiteral("frmMandel"));
}
