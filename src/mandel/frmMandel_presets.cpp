// Famous places of the Mandelbrot set: each menu item writes its view into the four
// boxes, as text exactly as stored, explains it and draws it.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include "frmMandel.h"
#include "shell/Canvas.h"

struct frmMandel::Preset {
    const char* x;
    const char* y;
    const char* zoom;
    const char* cycles;
    QString message;
};

namespace {

using Preset = frmMandel::Preset;

const QString SlowNote = QStringLiteral(
    " A causa dell'ingrandimento, ci vorrà qualche secondo prima che il disegno "
    "appaia.");

// The places whose explanation is a title and the two usual notes.
Preset place(const char* x, const char* y, const char* zoom, const char* cycles,
             const QString& title) {
    return {x, y, zoom, cycles,
            title + SlowNote +
                QStringLiteral(" Se nelle immagini appaiono vaste zone nere, devi aumentare il "
                               "numero dei cicli")};
}

Preset miniMandel() {
    return {"-0,166494436", "1,04054054", "10000000", "70",
            QStringLiteral(" Coordinate Minimandel") +
                QStringLiteral(" *** Fanno parte di alcune coordinate che mi sono sembrate "
                               "graficamente interessanti;") +
                QStringLiteral("    potrai trovarne molte altre cercando intorno al bordo nero "
                               "all'interno del disegno") +
                QStringLiteral("  iniziale o lungo i filamenti che partendo sempre dal bordo "
                               "nero si diramano verso l'esterno.") +
                QStringLiteral("  metti il numero degli ingrandimenti su cinque poi clicca su "
                               "(Disegna),") +
                QStringLiteral("  potrai vedere nel centro del disegno, il punto iniziale "
                               "dell'ingrandimento.   ") +
                SlowNote};
}

const QString StartPointHint =
    QStringLiteral(
        "  Per farti un'idea pel punto iniziale del disegno, metti su  1  il numero "
        "dell'ingrandimento, poi") +
    QStringLiteral("   clicca su (Disegna).  ");

Preset occhio() {
    return {"-1,6744005587", "0,00568563985", "244140625", "470",
            QStringLiteral(" Coordinate occhio, se metti a zero il colore blu, il risultato è "
                           "molto diverso. ") +
                StartPointHint + SlowNote};
}

Preset code() {
    return {
        "-1,86105", "-0,000535", "125", "30",
        QStringLiteral(" Coordinate code, se metti  -70  invece di 30 nella casella cicli, "
                       "potrai capire l'importanza di questo parametro. ") +
            QStringLiteral(" a causa del basso numero dei cicli, l'immagine sarà nera, "
                           "riprova poi ad inserire 30  nella casella cicli.") +
            QStringLiteral(" Poi per farti un'idea pel punto iniziale del disegno, metti su  1  "
                           "il numero dell'ingrandimento, poi") +
            QStringLiteral("   clicca su (Disegna).  ") + SlowNote};
}

Preset startView() {
    return {"-0,75", "0", "1", "30",
            QStringLiteral("Quelle che vedi qui sotto nelle caselle bianche con i numeri") +
                QStringLiteral(" -0,75  e   0   sono le  coordinate del punto centrale "
                               "dell'insieme di Mandelbrot. ") +
                QStringLiteral("  le coordinate utili vanno da  -2  a 0,5 per la parte reale  e  "
                               "da  -1,25 a  1,25") +
                QStringLiteral("   per la parte immaginaria, ricordati di usare la virgola se "
                               "immetti i parametri manualmente.   ") +
                SlowNote};
}

QString zoneHint() {
    return QStringLiteral(" I punti più interessanti da ingrandire  si trovano ") +
           QStringLiteral(
               " lungo i bordi neri di quello che sembra un 8 sdraiato, oppure lungo "
               "i") +
           QStringLiteral(
               " filamenti che partono sempre dal bordo nero e penetrano all'interno "
               "del disegno.") +
           QStringLiteral(
               " Se ti allontani dal bordo nero, vedrai il disegno ripetersi "
               "all'infinito sempre") +
           QStringLiteral(
               " simile a se stesso.    Se  vuoi tornare al disegno iniziale, clicca "
               "in alto a sinistra  su ") +
           QStringLiteral(" (Mandelbrot iniziale).");
}

}  // namespace

void frmMandel::applyPreset(const Preset& preset) {
    lblistruzione->show();
    lblistruzione->setText(preset.message);
    Txtnx->setText(QLatin1String(preset.x));
    txtny->setText(QLatin1String(preset.y));
    txtingr->setText(QLatin1String(preset.zoom));
    txtcicli->setText(QLatin1String(preset.cycles));
    for (QLineEdit* box : {Txtnx, txtny, txtingr, txtcicli}) {
        box->show();
    }
    // A place is a whole view: a point clicked on the old picture has no say in it.
    clearPendingMove();
    cmddisegna_Click();
}

void frmMandel::mnuMandel_Click() {
    applyPreset(miniMandel());
}

void frmMandel::mnucode_Click() {
    applyPreset(code());
}

void frmMandel::mnuPalle_Click() {
    applyPreset(place("-0,750252702027307", "1,24345324727702E-02", "90000", "970",
                      QStringLiteral(" Coordinate Palle.  ")));
}

void frmMandel::mnuPizzo_Click() {
    applyPreset(place("-0,75030681107", "0,014565363385", "1540000", "70",
                      QStringLiteral(" Coordinate Pizzo.  ")));
}

void frmMandel::mnuSpirale_Click() {
    applyPreset(place("-0,74581603327", "0,10509166308", "10000000", "70",
                      QStringLiteral(" Coordinate Spirale.  ")));
}

void frmMandel::mnuraggi_Click() {
    applyPreset(
        place("-0,67033333", "-0,45766666", "125", "-10", QStringLiteral(" Coordinate fiocco.  ")));
}

void frmMandel::mnuocchio_Click() {
    applyPreset(occhio());
}

void frmMandel::mnuStellamarina_Click() {
    applyPreset(place("-0,817985614202", "0,190171752437", "320000000", "70",
                      QStringLiteral(" Coordinate Raggi.  ")));
}

void frmMandel::mnuMandiniz_Click() {
    applyPreset(startView());
}

void frmMandel::mnuzone_Click() {
    // A drawing under way keeps its screen; a place chosen from here replaces it.
    if (drawingsRunning_ > 0) {
        return;
    }
    surface()->Cls();
    Txtnx->show();
    txtny->show();
    showInstruction(zoneHint());
}
