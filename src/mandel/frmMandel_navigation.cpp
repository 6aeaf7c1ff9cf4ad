// The gestures that steer the explorer: a click marks the next centre, the zoom
// button redraws five times closer or farther, two buttons switch the mode and the
// picture size, and a click on the bare screen brings back the controls.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "frmMandel.h"
#include "frmMandel_texts.h"
#include "shell/Canvas.h"
#include "shell/DecimalEntry.h"
#include "shell/Numbers.h"
#include "shell/RuntimeFailure.h"

namespace {
constexpr double PageFontSize = 8;
}  // namespace

void frmMandel::pictmandel_MouseDown(int button, int, double x, double y) {
    const double w = pictmandel->pixelSize().width();
    const double h = pictmandel->pixelSize().height();
    QString moveX;
    QString moveY;
    try {
        // The move is measured at the magnification of the picture on show.
        const double zl = DecimalEntry::read(Textb->text());
        const double sx = Numbers::divide(2.5 / w, zl);
        const double sy = Numbers::divide(2.5 / h, zl);
        moveX = DecimalEntry::write((x - w / 2) * sx);
        moveY = DecimalEntry::write((y - h / 2) * sy);
    } catch (const RuntimeFailure&) {
        reportInputError();
        return;
    }
    for (QWidget* box : {static_cast<QWidget*>(txtingr), static_cast<QWidget*>(Txtnx),
                         static_cast<QWidget*>(txtny), static_cast<QWidget*>(txtpasso)}) {
        box->show();
    }
    Text3->setText(QString::number(button) + QLatin1Char(',') + DecimalEntry::write(x) +
                   QLatin1Char(',') + DecimalEntry::write(y));
    Txtxini->setText(moveX);
    Txtyini->setText(moveY);
    pictmandel->Circle(x, y, 10, Colour::White);
}

void frmMandel::CMDINGR_MouseDown(int button, int, double, double) {
    if (button == 1 || button == 2) {
        try {
            const double zoom = DecimalEntry::read(txtingr->text());
            txtingr->setText(DecimalEntry::write(button == 1 ? zoom * 5 : zoom / 5));
        } catch (const RuntimeFailure&) {
            reportInputError();
            return;
        }
    }
    cmddisegna_Click();
}

void frmMandel::Cmdmandel_Click() {
    const bool toMandelbrot = Cmdmandel->text() != QLatin1String("Mandelbrot");
    Cmdmandel->setText(toMandelbrot ? QStringLiteral("Mandelbrot") : QStringLiteral("Julia"));
    if (toMandelbrot) {
        lblistruzione->hide();
        return;
    }
    surface()->PSet(50, 150, Colour::White);
    showInstruction(ExplorerTexts::juliaInstruction());
}

void frmMandel::showInstruction(const QString& caption) {
    QFont font = lblistruzione->font();
    font.setPointSizeF(PageFontSize);
    lblistruzione->setFont(font);
    lblistruzione->setText(caption);
    lblistruzione->show();
}

void frmMandel::Cmdmandel_MouseDown(int button, int, double, double) {
    if (button == 2) {
        pictmandel->printPage(1, 30, ExplorerTexts::modeHelp());
    }
}

void frmMandel::Cmdschermo_Click() {
    Cmdschermo->setText(Cmdschermo->text() != QLatin1String("Schermo piccolo")
                            ? QStringLiteral("Schermo piccolo")
                            : QStringLiteral("Schermo grande"));
}

void frmMandel::Cmdschermo_MouseDown(int button, int, double, double) {
    if (button == 2) {
        pictmandel->Cls();
        pictmandel->printLines(ExplorerTexts::screenHelp());
    }
}

void frmMandel::Form_Click() {
    // A click during a drawing stops it, and the screen comes back once it has returned.
    if (drawingsRunning_ > 0) {
        restoreWhenDrawn_ = true;
        return;
    }
    surface()->Cls();
    QWidget* const restored[] = {Cmdao,      vsccolori,  vscrosso,   vscverde,  vscblu,
                                 txtverde,   txtblu,     pictmandel, Txtnx,     txtpasso,
                                 txtny,      cmddisegna, txtingr,    Cmdpagini, Cmdmandel,
                                 Cmdschermo, txtcicli,   lblcicli,   lblcolore, Txtcolore};
    for (QWidget* control : restored) {
        control->show();
    }
    lblistruzione->hide();
}

void frmMandel::coordinate_Click() {
    Txtnx->show();
    txtny->show();
    showInstruction(ExplorerTexts::coordinatesInstruction());
}
