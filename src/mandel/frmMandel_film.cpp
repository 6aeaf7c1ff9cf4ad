// The film of Julia sets: the constant's real part moves along the axis from frame to
// frame while its imaginary part, the centre y, stays; a key or a click stops it.
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "frmMandel.h"
#include "frmMandel_texts.h"
#include "mandel/EscapeTime.h"
#include "shell/Canvas.h"
#include "shell/DecimalEntry.h"
#include "shell/Dialogs.h"
#include "shell/RuntimeFailure.h"

namespace {

// Today's machines draw a frame in a few milliseconds: each stays on screen this
// long, so a larger number really gives a longer film.
constexpr int FrameMilliseconds = 80;

const QString FilmPrompt = QStringLiteral(
    "          (LEGGI LE ISTRUZIONI QUI SOPRA)                   Per l 'animazione scegli un "
    "numero che và da  10  a  75  (più alto è il numero più è lunga l'animazione.)");

QString filmInstruction() {
    return QStringLiteral(" Mettendo un numero compreso tra  -1,25  e  1,25 nella ") +
           QStringLiteral(
               "casella verde qui sotto, corrispondente all'asse verticale  y  "
               "apparirà una") +
           QStringLiteral(" animazione che utilizza insiemi di Julia.") +
           QStringLiteral("     Devi usare la virgola per i decimali ") +
           QStringLiteral(
               "  Sul tasto (Animazione Orrizontale) durante l'animazione vedrai i "
               "numeri delle coordinate dell'asse orrizontale x   ");
}

QString filmHint() {
    return QStringLiteral(" Cliccando su ANIMAZIONE ORRIZONTALE, apparirà una") +
           QStringLiteral(" animazione che utilizza insiemi di Julia, che vanno da -2 a  0,5") +
           QStringLiteral(" sull'asse orrizontale, la cordinata verticale è quella in uso ora.") +
           QStringLiteral(
               " Puoi cambiare i valori dell'asse verticale nella  casella bianca, "
               "qui sotto a destra.") +
           QStringLiteral("    Devi usare la virgola per ") +
           QStringLiteral(
               " i decimali. Sul tasto (Animazione Orrizontale) durante l'animazione "
               "vedrai i numeri delle coordinate dell'asse x   ");
}

// Keeps handling events until the frame has been on show long enough. A nested loop
// sleeps meanwhile instead of spinning.
void holdFrame(const QElapsedTimer& shownSince) {
    const qint64 left = FrameMilliseconds - shownSince.elapsed();
    QEventLoop hold;
    QTimer::singleShot(left > 0 ? static_cast<int>(left) : 0, &hold, &QEventLoop::quit);
    hold.exec();
}

}  // namespace

void frmMandel::Cmdao_Click() {
    stopRequested = false;
    lblistruzione->show();
    lblistruzione->setText(filmInstruction());
    const QPointer<frmMandel> alive(this);
    try {
        const QString answer = Dialogs::current().input(
            FilmPrompt, QStringLiteral("numero animazioni"), QStringLiteral(" "), QPoint(300, 300));
        if (!alive || answer == QLatin1String(" ")) {
            return;
        }
        const EscapeTime::Film film = EscapeTime::film(DecimalEntry::read(answer));
        Txtnx->show();
        txtny->show();
        pictmandel->Cls();
        const double k =
            DecimalEntry::read(Txtcolore->text()) + 256 * DecimalEntry::read(txtverde->text()) +
            65536 * DecimalEntry::read(txtblu->text()) + DecimalEntry::read(txtpasso->text());
        const double q = DecimalEntry::read(Txtnx->text());
        const Drawing drawing(this);
        double s = 0;
        for (double frame = 1; frame <= film.frames; ++frame) {
            QElapsedTimer shownSince;
            shownSince.start();
            surface()->Cls();
            s += film.step;
            blitPicture(pictmandel, EscapeTime::filmFrame(s - 2, q, k));
            letEventsRun([&shownSince] { holdFrame(shownSince); });
            if (stopRequested) {
                return;
            }
            Cmdao->setText(DecimalEntry::write(s - 2));
        }
        pictmandel->PSet(40, 280, 20000);
        pictmandel->Print(QStringLiteral(" INSIEMI DI GIULIA"));
        Cmdao->setText(QStringLiteral("Animazione orrizontale"));
    } catch (const RuntimeFailure&) {
        // A number that is not one, or a colour beyond range, ends the film quietly.
    } catch (const Unloaded&) {
        // The screen is gone.
    } catch (const Replaced&) {
        // Another drawing has the picture now.
    }
}

void frmMandel::Cmdao_MouseDown(int button, int, double, double) {
    if (button == 2) {
        lblistruzione->show();
        lblistruzione->setText(filmHint());
    }
}

void frmMandel::anim_Click() {
    pictmandel->Cls();
    pictmandel->printLines(ExplorerTexts::filmPage());
}
