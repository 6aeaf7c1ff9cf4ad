#include "frmattratHenon.h"

#include <QPushButton>

#include "shell/Canvas.h"
#include "shell/Controls.h"
#include "shell/ScreenLayout.h"
#include "shell/Screens.h"

frmattratHenon::frmattratHenon(QWidget* parent)
    : Form(QStringLiteral("attrattore di Henon"), 16384, parent) {
    cmdInizio = newButton(surface(), "cmdInizio", QStringLiteral("pag.iniziale"));
    setBackColor(cmdInizio, 255);
    connect(cmdInizio, &QPushButton::clicked, this, &frmattratHenon::cmdInizio_Click);
}

void frmattratHenon::Form_Load() {
    ScreenLayout::place({
        {cmdInizio, -330, 190, 80, 60},
    });
}

void frmattratHenon::cmdInizio_Click() {
    Screens::show(QStringLiteral("frmMandel"));
}
