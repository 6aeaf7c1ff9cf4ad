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

QString cyclesHelp() {
    return QStringLiteral(
               " Il programma aumenta automaticamente il numero dei cicli in base "
               "all'ingrandimento") +
           QStringLiteral(
               " tuttavia alcune coordinate richiedono maggiori dettagli altre meno, "
               "per aumentare i dettagli basterà inserire un numero maggiore") +
           QStringLiteral(
               " per diminuirli basterà far precedere il segno meno < - > al numero "
               "della casella cicli.") +
           QStringLiteral(" Naturalmente più dettagli, uguale  più tempo per realizzarli. ");
}

QString colourHelp() {
    return QStringLiteral(
               " Agendo sulla sbarra sopra la  casella bianca potrai variare i colori "
               "del disegno") +
           QStringLiteral(
               "  agendo sulle sbarre di scorrimento dei colori primari, rosso, verde e "
               "blu, potrai variare il colore  ") +
           QStringLiteral(
               " dominante, mettendo sul valore zero due caselle colore e 1 sulla "
               "casella bianca, avrai un monocromo. ");
}

QString instructionHelp() {
    return QStringLiteral(
               " Se vuoi spostarti nel disegno ma non vuoi ingrandirlo, o dopo aver "
               "cambiato qualche") +
           QStringLiteral(" parametro, nelle caselle bianche, devi cliccare sempre su") +
           QStringLiteral(
               "< DISEGNA > .Clicca qui con il tasto sinistro per nascondere queste "
               "istruzioni.");
}

ColouredPage explorerPage() {
    return {
        {
            QStringLiteral("Con la formula Z=(Z*Z)+C dove Z e C sono numeri complessi."),
            QStringLiteral("Il matematico Benoit Mandelbrot, nel 1980,"),
            QStringLiteral("fece disegnare a un computer questo insieme,"),
            QStringLiteral("che oggi porta il suo nome. Ingrandendolo"),
            QStringLiteral("trovi sempre nuove figure: parti simili"),
            QStringLiteral("al disegno intero, ma mai del tutto"),
            QStringLiteral("uguali.******"),
            QStringLiteral(" "),
            QStringLiteral("In breve, il programma funziona con  "),
        },
        {
            QStringLiteral("     DUE PASSI FONDAMENTALI "),
            QStringLiteral("1)Clicca sul  punto del disegno che vuoi ingrandire."),
            QStringLiteral("2)Clicca su (ingrandimenti X 5) in basso, usa il tasto SINISTRO"),
            QStringLiteral("per ingrandire, il DESTRO per rimpicciolire."),
            QStringLiteral("Ad ogni click ingrandisci o rimpicciolisci il disegno di 5 volte"),
            QStringLiteral("e il punto che hai scelto diventa il centro"),
            QStringLiteral("del nuovo disegno."),
        },
        {
            QStringLiteral("I punti più interessanti si trovano lungo"),
            QStringLiteral("i bordi neri di quello che sembra un 8 sdraiato"),
            QStringLiteral("e lungo i filamenti che partono dal bordo nero."),
            QStringLiteral("Lontano dal bordo il disegno si ripete sempre"),
            QStringLiteral("simile a se stesso."),
            QString(),
            QStringLiteral("Se  vuoi tornare al disegno iniziale, clicca in alto a "),
            QStringLiteral("sinistra su (Mandelbrot iniziale)."),
        },
    };
}

QString instructionsPage() {
    return QStringLiteral("1)Clicca sul punto del disegno che vuoi ingrandire,  ") +
           QStringLiteral(
               "    2)Aumenta il numero degli ingrandimenti cliccando sul tasto in "
               "basso a sinistra,") +
           QStringLiteral("    (INGRANDIMENTI X 5). ") +
           QStringLiteral(
               "    Se vuoi spostare il disegno senza ingrandirlo, clicca sul punto "
               "che vuoi  ") +
           QStringLiteral("    spostare, poi clicca su (DISEGNA)              ") +
           QStringLiteral("    **********  Per forti ingrandimenti, occorre attendere più tempo.") +
           QStringLiteral(
               "    Se non appare l'immagine, ci sono vaste zone nere,  probabilmente "
               "devi aumentare il numero dei cicli.");
}

QString juliaPage() {
    return QStringLiteral(" Cliccando sul tasto (Mandelbrot) apparirà (Julia)") +
           QStringLiteral(
               "   Se adesso clicchi su (Clicca qui per disegnare) vedrai  un insieme "
               "di Julia ") +
           QStringLiteral(
               "   che utilizza le coordinate dell'insieme di Mandelbrot in uso. Devi "
               "però mettere il numero 1  nella") +
           QStringLiteral(
               "   casella  ingrandimenti, è quella casella bianca a destra di "
               "(Ingrandimenti X 5).");
}

QString cyclesPage() {
    return QStringLiteral(
               "  Nella casella accanto alla parola cicli è inserito un numero che "
               "aumenta ") +
           QStringLiteral(
               "  o diminuisce il numero dei cicli. Aumentando il numero dei cicli "
               "avrai più dettagli. ") +
           QStringLiteral(
               "  Per ulteriori informazioni clicca con il tasto sinistro sull' "
               "etichetta in basso <<cicli>>.");
}

QString colourPage() {
    return QStringLiteral(" Agendo sulle tre sbarre di scorrimento potrai regolare il colore") +
           QStringLiteral(
               "  dominante del disegno, la sbarra sopra la casella bianca permette di "
               "cambiare il") +
           QStringLiteral(
               "  numero dei colori. Per avere un colore monocromo, metti a zero due "
               "colori e 1 sulla casella bianca") +
           QStringLiteral(
               "  per ulteriori informazioni, clicca con tasto destro sull'etichetta "
               "gialla con scritto   Colore >.");
}

QString readingList() {
    return QStringLiteral(
               " *** H.-O. Peitgen, P. H. Richter: La bellezza dei frattali, "
               "un libro di immagini e di matematica.  ") +
           QStringLiteral(
               " *** James Gleick: Caos, la nascita di una nuova scienza, il racconto "
               "di come è nata la scienza del caos.  ") +
           QStringLiteral(
               " *** Un manuale di grafica matematica con il computer, per disegnare "
               "da sé frattali e figure.  ") +
           QStringLiteral(
               " *** Le Scienze, la rivista di divulgazione scientifica, numeri 162 e "
               "206.");
}

QString authorPage() {
    return QStringLiteral(
        " frattalia: scritto da un appassionato di matematica, per chi vuole "
        "scoprire i frattali e il caos giocando.");
}

}  // namespace ExplorerTexts
