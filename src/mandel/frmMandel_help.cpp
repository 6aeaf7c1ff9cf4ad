// The explorer's help: pages in the instruction label for a right click on the yellow
// labels and for the menu items, and the long page printed in the picture.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "frmMandel.h"
#include "frmMandel_texts.h"
#include "shell/Canvas.h"

void frmMandel::showLabelPage(const QString& page) {
    surface()->Cls();
    Txtnx->hide();
    txtny->hide();
    showInstruction(page);
}

void frmMandel::showMenuPage(const QString& page) {
    lblistruzione->show();
    lblistruzione->setText(page);
}

void frmMandel::lblcicli_MouseDown(int button, int, double, double) {
    if (button == 2) {
        showLabelPage(ExplorerTexts::cyclesHelp());
    } else if (button == 1) {
        Txtnx->show();
        txtny->show();
        lblistruzione->hide();
    }
}

void frmMandel::lblcolore_MouseDown(int button, int, double, double) {
    if (button == 2) {
        showLabelPage(ExplorerTexts::colourHelp());
    } else if (button == 1) {
        Txtnx->show();
        txtny->show();
    }
}

void frmMandel::lblistruzione_MouseDown(int button, int, double, double) {
    if (button == 2) {
        showLabelPage(ExplorerTexts::instructionHelp());
    } else if (button == 1) {
        Txtnx->show();
        txtny->show();
        lblistruzione->hide();
    }
}

void frmMandel::Lblmand_MouseDown(int button, int, double, double) {
    if (button != 2) {
        return;
    }
    const ExplorerTexts::ColouredPage page = ExplorerTexts::explorerPage();
    pictmandel->printPage(1, 10, page.story);
    pictmandel->setForeColor(Colour::Red);
    pictmandel->printLines(page.steps);
    pictmandel->setForeColor(Colour::Green);
    pictmandel->printLines(page.places);
}

void frmMandel::mnuistrufile_Click() {
    surface()->setFontSize(12);
    pictmandel->show();
    Txtnx->hide();
    txtny->hide();
    QWidget* const shown[] = {txtpasso,   cmddisegna, txtingr,  Cmdpagini, Cmdmandel,
                              Cmdschermo, Txtcolore,  txtcicli, lblcolore, lblcicli};
    for (QWidget* control : shown) {
        control->show();
    }
    showMenuPage(ExplorerTexts::instructionsPage());
}

void frmMandel::mnujulia_Click() {
    showMenuPage(ExplorerTexts::juliaPage());
}

void frmMandel::mnucicli_Click() {
    txtcicli->show();
    lblcicli->show();
    showMenuPage(ExplorerTexts::cyclesPage());
}

void frmMandel::mnucolore_Click() {
    surface()->PSet(20, 150, surface()->ForeColor());
    surface()->setFontSize(12);
    showMenuPage(ExplorerTexts::colourPage());
    for (QWidget* control :
         std::initializer_list<QWidget*>{Txtcolore, txtverde, txtblu, lblcolore}) {
        control->show();
    }
}

void frmMandel::mnubiblio_Click() {
    showMenuPage(ExplorerTexts::readingList());
}

void frmMandel::mnuautore_Click() {
    showMenuPage(ExplorerTexts::authorPage());
}
