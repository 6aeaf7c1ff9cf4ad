// The view put aside in the parameter file and taken back, the picture saved as a
// bitmap, and the end of the program with its offer to save the view.
#include <QLabel>
#include <QLineEdit>

#include "ParameterFile.h"
#include "frmMandel.h"
#include "shell/Canvas.h"
#include "shell/Dialogs.h"
#include "shell/Screens.h"

namespace {

QString saveViewPage() {
    return QStringLiteral(
               "*****             Clicca su         (SALVA I PARAMETRI):       - Quando per un  ") +
           QStringLiteral("motivo qualsiasi devi interrompere il gioco ") +
           QStringLiteral(
               "   e vuoi salvare temporaneamente i dati che appaiono in quel momento "
               "nelle caselle bianche.") +
           QStringLiteral("  inserisci un dischetto se li vuoi salvare.") +
           QStringLiteral(
               " **********  Per cancellare questa pagina,   clicca sulla parte blu "
               "dello schermo.");
}

QString loadViewPage() {
    return QStringLiteral(" ******             Clicca su         (CARICA I PARAMETRI): _        ") +
           QStringLiteral(
               "   Per reimmettere i valori salvati precedentemente, nelle rispettive "
               "caselle.") +
           QStringLiteral("   ricordati di inserire il dischetto usato per salvarli.*****") +
           QStringLiteral(
               "*****  Per cancellare questa pagina,   clicca sulla parte blu dello "
               "schermo.*****");
}

}  // namespace

bool frmMandel::saveView() const {
    return ParameterFile::save({Txtnx->text(), txtny->text(), txtcicli->text(), txtingr->text()});
}

void frmMandel::salvaparamomentanei_Click() {
    lblistruzione->show();
    lblistruzione->setText(saveViewPage());
    const Dialogs::Answer answer =
        MsgBox(QStringLiteral(" Devi inserire un floppy disk, se vuoi salvare i parametri "
                              "dell'insieme di Mandelbrot "),
               Dialogs::Buttons::YesNoCancel, Dialogs::Icon::Question);
    if (answer == Dialogs::Answer::Yes && !saveView()) {
        MsgBox(QStringLiteral(" Non hai inserito il dischetto"));
    }
    lblistruzione->show();
    lblistruzione->setText(saveViewPage());
}

void frmMandel::mnuParametri_Click() {
    const Dialogs::Answer answer =
        MsgBox(QStringLiteral("Se vuoi caricare i parametri, devi inserire il dischetto che hai "
                              "usato per salvarli, poi clicca su OK, altrimenti clicca su NO"),
               Dialogs::Buttons::YesNoCancel, Dialogs::Icon::Question);
    if (answer == Dialogs::Answer::No) {
        lblistruzione->show();
        lblistruzione->setText(loadViewPage());
        return;
    }
    if (answer != Dialogs::Answer::Yes) {
        return;
    }
    // All four fields or none: a short or missing file changes nothing.
    if (const auto fields = ParameterFile::load()) {
        Txtnx->setText((*fields)[0]);
        txtny->setText((*fields)[1]);
        txtcicli->setText((*fields)[2]);
        txtingr->setText((*fields)[3]);
        // The saved view is whole: a point clicked on the old picture has no say in it.
        clearPendingMove();
    }
}

void frmMandel::Cmdsave_Click() {
    const QString file = Dialogs::current().saveFileName(QStringLiteral("Save image"),
                                                         QStringLiteral("Windows Bitmap (*.bmp)"),
                                                         QStringLiteral("bmp"));
    if (file.isEmpty()) {
        return;
    }
    if (!pictmandel->saveBitmap(file)) {
        reportPictureNotSaved(file);
    }
}

void frmMandel::Cmdpagini_Click() {
    const Dialogs::Answer answer =
        MsgBox(QStringLiteral(" Vuoi salvare i parametri delle coordinate x e y prima di uscire?  "
                              "  Se si devi inserire un floppy disk "),
               Dialogs::Buttons::YesNoCancel, Dialogs::Icon::Question);
    if (answer == Dialogs::Answer::Cancel) {
        return;
    }
    if (answer == Dialogs::Answer::Yes && !saveView()) {
        MsgBox(QStringLiteral("Devi inserire un dischetto"));
        return;
    }
    Screens::endProgram();
}
