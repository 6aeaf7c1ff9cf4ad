#include "Frmfelce_texts.h"

namespace FelceTexts {

QStringList runInstructions() {
    return {
        QStringLiteral("Se il disegno non è centrato, puoi cliccare su stop"),
        QStringLiteral("e spostarlo cambiando i valori delle caselle "),
        QStringLiteral(" orrizontale e verticale e"),
        QString(),
        QStringLiteral("Aspetta un attimo, prego!!"),
    };
}

QStringList errorLines() {
    return {
        QStringLiteral(" Hai lasciato una casella vuota."),
        QStringLiteral("Hai messo un numero di colore superiore a 15."),
        QStringLiteral("Hai messo dei valori troppo alti nella griglia."),
        QStringLiteral("Hai usato il punto invece della virgola nei decimali."),
        QStringLiteral("Stai attento al punto, perchè alcune  volte il programma"),
        QStringLiteral("funziona ugualmente ma da dei risultati sballati."),
        QString(),
        QStringLiteral("Controlla  e correggi."),
    };
}

QStringList adviceAlbero() {
    return {
        QStringLiteral("Se vuoi provare a cambiare il disegno, clicca ancora sulla stessa "),
        QStringLiteral("etichetta verde ma con il tasto destro del mouse, poi cambia i parametri"),
        QStringLiteral(" di pochi decimi, infine clicca su (Nuovo disegno)."),
    };
}

QStringList adviceOthers() {
    return {
        QStringLiteral("Se vuoi provare a cambiare il disegno, clicca ancora sulla stessa "),
        QStringLiteral("etichetta verde ma con il tasto destro del mouse, cambia i parametri"),
        QStringLiteral("e clicca su (Nuovo disegno)."),
    };
}

QStringList adviceScarabocchi() {
    return {
        QStringLiteral("Se vuoi provare a cambiare il disegno, clicca ancora sulla stessa "),
        QStringLiteral("etichetta verde ma con il tasto destro del mouse, cambia i parametri"),
        QStringLiteral("e clicca su (nuovo disegno)."),
    };
}

QStringList pageCicli() {
    return {
        QStringLiteral("Usando alcuni parametri bassi potrebbe essere necessario un maggiore "),
        QStringLiteral("numero di cicli, altrimenti il disegno viene sottile e poco visibile."),
        QStringLiteral("Aumenta il numero nella casella cicli e clicca su (Nuovo disegno)."),
        QString(),
    };
}

QStringList pageColori() {
    return {
        QStringLiteral("Nelle ettichette colorate puoi inserire un numero da 1 a 15"),
        QStringLiteral("da 1 a 8: blu, verde, azzurro, rosso, viola, giallo, bianco, grigio;"),
        QStringLiteral("da 9 a 15 gli stessi colori ma più chiari, tranne il grigio."),
        QStringLiteral("Ogni casella colora i punti della colonna che le sta sopra."),
    };
}

QStringList pageColonne() {
    return {
        QStringLiteral("Per modificare il disegno clicca con il tasto destro del mouse su una "
                       "delle etichette"),
        QStringLiteral("verdi in alto: i suoi numeri vanno nelle caselle bianche."),
        QStringLiteral("Ogni colonna contiene i sei numeri a, b, c, d, e, f di una formula."),
        QStringLiteral("I primi quattro disegni, albero, felce, pino e falchi, usano"),
        QStringLiteral("tutte e quattro le colonne, il triangolo ne usa tre"),
        QStringLiteral("e gli scarabocchi solo due."),
        QString(),
        QStringLiteral("Quando carichi il triangolo il numero della colonna 4 diventa"),
        QStringLiteral("nero: quella colonna non viene usata."),
        QStringLiteral("Con gli scarabocchi diventano neri i numeri delle colonne 3 e 4."),
        QString(),
        QStringLiteral("Cambia i numeri di pochi decimi e clicca su (Nuovo disegno)."),
        QStringLiteral("Per rivedere il disegno di prima clicca sul nome del disegno"),
        QStringLiteral("con il tasto sinistro del mouse."),
    };
}

QStringList pageIstruzioni() {
    return {
        QStringLiteral("Il metodo IFS (sistema di funzioni iterate) per disegnare felci"),
        QStringLiteral("e alberi è stato scoperto dal matematico Michael Barnsley."),
        QString(),
        QStringLiteral("Ogni disegno nasce da alcune formule come questa:"),
        QStringLiteral("    x = (a*x + b*y + e),   y = (c*x + d*y + f). "),
        QStringLiteral("I numeri a, b, c, d fanno ruotare il disegno e ne cambiano"),
        QStringLiteral("la grandezza, i numeri e, f lo spostano."),
        QStringLiteral("Ogni colonna della griglia bianca contiene i numeri di una formula."),
        QString(),
        QStringLiteral("Il programma sceglie un numero di colonna a caso(1-2-3 o 4),poi applica"),
        QStringLiteral("la formula di quella colonna al punto di prima e accende"),
        QStringLiteral("il nuovo punto. Dopo migliaia di punti appare il disegno."),
        QString(),
        QStringLiteral("Clicca con il tasto sinistro del mouse su una etichetta verde"),
        QStringLiteral("in alto per vedere il disegno già pronto; clicca con il tasto"),
        QStringLiteral("destro sulla stessa etichetta per mettere i suoi numeri"),
        QStringLiteral("nelle caselle bianche. Cambia i numeri di pochi decimi,"),
        QStringLiteral("usa la virgola e non il punto per i decimali,"),
        QStringLiteral("poi clicca su (NUOVO DISEGNO)."),
        QString(),
        QStringLiteral("Ci sono poi quattro caselle sotto"),
        QStringLiteral("alla griglia, quelle colorate, in queste caselle puoi mettere un numero "
                       "da 1 a  15"),
        QStringLiteral("che dà il colore ai punti della colonna che le sta sopra."),
        QString(),
        QStringLiteral("I primi quattro disegni albero, felce, pino, falchi, sono ottenuti usando "
                       "4 colonne"),
        QStringLiteral("il quinto, triagolo, usa tre colonne, il sesto scarabocchi  solo due."),
        QString(),
        QStringLiteral("Le caselle orrizontale e verticale spostano il disegno,"),
        QStringLiteral("la casella cicli dice quanti punti disegnare."),
        QString(),
        QStringLiteral("Per saperne di più clicca sulle altre etichette: colori, a, b,"),
        QStringLiteral("c, d, e, f, i numeri delle colonne, orrizontale, verticale, cicli."),
    };
}

QStringList pageOrizzontale() {
    return {
        QStringLiteral("Per spostare orrizontalmente il disegno a sinistra metti il numero di"),
        QStringLiteral("punti (pixel) nella casella orrizontale con il segno meno,"),
        QStringLiteral("per esempio -100; per spostarlo a destra metti un numero"),
        QStringLiteral("positivo, per esempio +100. Poi clicca su (Nuovo disegno)."),
        QString(),
        QStringLiteral("Per rivedere il disegno di prima clicca sul nome del disegno"),
        QStringLiteral("con il tasto sinistro del mouse."),
    };
}

QStringList pageRighe() {
    return {
        QStringLiteral("I parametri a,b,c,d influenzano la rotazione del disegno, la grandezza "
                       "dei loro valori"),
        QStringLiteral("cambia la grandezza del disegno, i parametri e, f lo spostano."),
        QStringLiteral("Le formule sono:"),
        QStringLiteral("    x = a*x + b*y + e    y = c*x + d*y + f       più colonne si "
                       "utilizzano,"),
        QStringLiteral("più piccoli devono essere i valori."),
        QString(),
        QStringLiteral("Il programma sceglie una colonna a caso, applica le formule"),
        QStringLiteral("al punto di prima e accende il nuovo punto: dopo migliaia"),
        QStringLiteral("di punti il disegno prende forma."),
    };
}

QStringList pageVerticale() {
    return {
        QStringLiteral("Per spostare verticalmente il disegno in alto  metti il numero di"),
        QStringLiteral("punti (pixel) nella casella verticale con il segno meno,"),
        QStringLiteral("per esempio -100; per spostarlo in basso metti un numero"),
        QStringLiteral("positivo, per esempio +100. Poi clicca su (Nuovo disegno)."),
        QStringLiteral("Puoi cambiarlo anche mentre disegna: i punti seguenti si spostano."),
        QString(),
        QStringLiteral("Per rivedere il disegno di prima clicca sul nome del disegno"),
        QStringLiteral("con il tasto sinistro del mouse."),
    };
}

}  // namespace FelceTexts
