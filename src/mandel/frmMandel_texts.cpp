#include "frmMandel_texts.h"

namespace ExplorerTexts {

QStringList modeHelp() {
    return {
        QStringLiteral(" Premendo questo tasto con il tasto sinistro del mouse"),
        QStringLiteral(" la scritta cambia da Mandelbrot a Julia e viceversa."),
        QStringLiteral(" Quando c'è scritto Julia, il prossimo disegno sarà"),
        QStringLiteral(" un insieme di Julia, fatto con la x e la y attuali"),
        QStringLiteral(" dell'insieme di Mandelbrot."),
        QStringLiteral(" Cliccando ancora su Julia torni a Mandelbrot."),
    };
}

QStringList screenHelp() {
    return {
        QStringLiteral(" Per vedere l'immagine a tutto schermo,"),
        QStringLiteral(" clicca qui con il tasto sinistro del mouse:"),
        QStringLiteral(" la scritta schermo piccolo diventa schermo grande."),
        QStringLiteral(" Poi clicca su DISEGNA: il disegno occuperà"),
        QStringLiteral(" tutto lo schermo."),
        QStringLiteral(" Per tornare all'immagine piccola clicca"),
        QStringLiteral(" di nuovo su questo tasto, finché ricompare"),
        QStringLiteral(" schermo piccolo."),
    };
}

QString juliaInstruction() {
    return QStringLiteral("  Vengono utilizzate le stesse coordinte dell'insieme") +
           QStringLiteral("  di Mandelbrot per realizzare un'insieme di Julia, ") +
           QStringLiteral("  NON PUOI SPOSTARTI NEL DISEGNO USANDO IL MOUSE,") +
           QStringLiteral("  devi tornare nell'insieme di Mandelbrot per cambiare le coordinate,") +
           QStringLiteral(
               "  Oppure cambiale da qui,  aumentando o diminuendo i valori nelle "
               "caselle delle coordinate. ") +
           QStringLiteral("  RICORDATI DI USARE LA VIRGOLA NON IL PUNTO, PER I DECIMALI. ");
}

QString coordinatesInstruction() {
    return QStringLiteral(" Sono le due caselle bianche, sopra il disegno.") +
           QStringLiteral(
               "   Quella a sinistra, è la coordinata  X - corrispondente alla parte "
               "reale (quella orrizontale)  e  quella a destra ") +
           QStringLiteral(
               " è la coordinta  Y  (quella verticale) ,   corrispondente alla parte "
               "immaginaria  del numero complesso dell'insieme di Mandelbrot");
}

QStringList filmPage() {
    return {
        QStringLiteral("Cliccando sul tasto con la scritta "),
        QStringLiteral("(Animazione Orrizontale) ti verrà chiesto"),
        QStringLiteral("un numero: è il numero dei disegni"),
        QStringLiteral("del film. Vedrai altrettanti insiemi di Julia"),
        QStringLiteral("uno dopo l'altro. Le coordinate orrizontali"),
        QStringLiteral("vanno da -2 a 0,5  mentre quelle dell'asse "),
        QStringLiteral("verticale restano ferme: puoi cambiarle"),
        QStringLiteral("nella casella verde in alto a destra."),
        QStringLiteral("Più alto è il numero, più lungo è il film."),
        QStringLiteral("Per fermarlo premi un tasto qualsiasi"),
        QStringLiteral("o clicca sullo schermo blu."),
    };
}

}  // namespace ExplorerTexts
