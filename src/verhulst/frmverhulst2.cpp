#include "frmverhulst2.h"

#include <QPushButton>

#include "shell/Canvas.h"
#include "shell/Controls.h"
#include "shell/ScreenLayout.h"
#include "shell/Screens.h"

frmverhulst2::frmverhulst2(QWidget* parent)
    : Form(QStringLiteral("Verhulst, il raddoppio del periodo"), Colour::rgb(0, 64, 0), parent) {
    cmdInizio = newButton(surface(), "cmdInizio", QStringLiteral(" pag. Iniziale"));
    setBackColor(cmdInizio, Colour::Red);
    connect(cmdInizio, &QPushButton::clicked, this, &frmverhulst2::cmdInizio_Click);
}

void frmverhulst2::Form_Load() {
    ScreenLayout::place({
        {cmdInizio, -331, 190, 80, 60},
    });
}

void frmverhulst2::cmdInizio_Click() {
    Screens::show(QStringLiteral("frmMandel"));
}
