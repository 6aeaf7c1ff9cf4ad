#include "Frmfelce.h"

#include <QPushButton>

#include "shell/Canvas.h"
#include "shell/Controls.h"
#include "shell/Fonts.h"
#include "shell/ScreenLayout.h"
#include "shell/Screens.h"

Frmfelce::Frmfelce(QWidget* parent) : Form(QStringLiteral("Form1"), 8388608, parent) {
    Cmdfine = newButton(surface(), "Cmdfine", QStringLiteral("Pagina iniziale"));
    setBackColor(Cmdfine, 255);
    Cmdfine->setFont(screenFont(12));
    connect(Cmdfine, &QPushButton::clicked, this, &Frmfelce::Cmdfine_Click);
}

void Frmfelce::Form_Load() {
    ScreenLayout::place({
        {Cmdfine, -330, 190, 100, 60},
    });
}

void Frmfelce::Cmdfine_Click() {
    Screens::show(QStringLiteral("frmMandel"));
}
