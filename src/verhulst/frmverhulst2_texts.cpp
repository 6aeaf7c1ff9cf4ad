#include "frmverhulst2_texts.h"

namespace VerhulstTexts {

const QString RangeRefused = QStringLiteral(
    "Numero inferiore a 0,1 oppure superiore a 9,8  oppure hai messo il punto invece della "
    "virgola. ");

const QStringList GraphErrorLines{
    QStringLiteral(" Sei sicuro di aver usato la virgola ?"),
    QStringLiteral("Oppure hai usato parametri troppo alti o troppo bassi "),
};

const QStringList GraphNotes{
    QStringLiteral("Se provi a variare il numero della popolazione iniziale, noterai che la"),
    QStringLiteral("popolazione finale non cambia:"),
};

const QStringList GraphLegend{
    QStringLiteral("Il grafico in alto rappresenta 60 generazioni di pesci con un"),
    QStringLiteral("incremento generazionale massimo, che è uguale a quello scritto "),
    QStringLiteral("nella casella bianca in alto a sinistra (Incremento generazionale)"),
    QStringLiteral(
        "Il grafico in basso, è un ingrandimento con i valori delle prime venti generazioni."),
};

const QStringList GraphHelp{
    QStringLiteral(
        "I tasti qui sotto permettono di vedere il grafico dei periodi 1, 2, 4 e quello del caos."),
    QStringLiteral("Se aumenti lentamente l'incremento generazionale, la popolazione"),
    QStringLiteral("non resta su un solo valore, ma oscilla ogni 1, 2, 4, 16, 32 anni."),
    QStringLiteral("Periodo 1: dopo poche generazioni i pesci sono sempre gli stessi."),
    QStringLiteral("Periodo 2: un anno i pesci sono tanti, l'anno dopo pochi, e così via."),
    QStringLiteral("Periodo 4: la popolazione torna allo stesso livello ogni quattro anni."),
    QStringLiteral("Aumentando ancora l'incremento arriva il caos: la popolazione"),
    QStringLiteral("non si ripete più e non si può prevedere."),
    QStringLiteral("Anche nel caos si aprono finestre di ordine, con i periodi 3, 6, 12"),
    QStringLiteral("oppure 7, 14, 28, poi il caos ritorna."),
    QStringLiteral("Prova i tasti uno alla volta, dall'alto in basso."),
};

const QStringList GraphHelpTwo{
    QStringLiteral(" Vedrai due grafici sovrapposti."),
    QStringLiteral(" Quello in basso è un ingrandimento del grafico in alto."),
    QStringLiteral(" Rappresenta la porzione che va dall'inizio, fino al pallino rosso."),
    QStringLiteral(" Se non l'hai ancora fatto clicca con il tasto sinistro su < Periodo 1>"),
    QStringLiteral(" poi su <Disegna il grafico>."),
};

const std::vector<Comment> Comments{
    {"0,12", "2,5",
     QStringLiteral("Periodo stabile, dopo poche generazioni si stabilizza su un livello. ")},
    {"0,4", "3,5",
     QStringLiteral("Periodo 2, dopo poche generazioni si stabilizza su due livelli.")},
    {"0,2", "3,54",
     QStringLiteral("Periodo 4, dopo poche generazioni si stabilizza su quattro livelli.")},
    {"0,2", "3,8",
     QStringLiteral("Periodo 4, dopo poche generazioni si stabilizza su infiniti livelli.")},
};

const QString DiagramDone =
    QStringLiteral(" Clicca sull'etichetta (incremento generazionale),per ulteriori istruzioni. ");

const QStringList DiagramErrorLines{
    QStringLiteral(" Hai messo dei valori troppo alti o troppo bassi,"),
    QStringLiteral(" Per l'incremento generazionale, devono essere uguali "),
    QStringLiteral(" o inferiori a 4 e superiori 2."),
    QStringLiteral(" Per l'inizio incremento devono essere superiori a 1,2"),
    QStringLiteral(" e inferiori a 3,7  ."),
};

const QStringList DiagramHelp{
    QStringLiteral("Ottieni il grafico di tutti periodi."),
    QStringLiteral("Da sinistra, il periodo 1 è la linea che arriva fino alla prima biforcazione."),
    QStringLiteral("Il periodo 2 sono i due rami della prima y coricata."),
    QStringLiteral("Dove finiscono comincia il periodo 4, con quattro rami."),
    QStringLiteral("Poi le y diventano sempre più piccole e fitte, fino al caos,"),
    QStringLiteral("dove la popolazione non si ripete più e i punti riempiono il disegno."),
    QStringLiteral(
        "Nel caos si aprono finestre di ordine, con i periodi 3, 6, 12 oppure 7, 14, 28."),
    QStringLiteral("Per vedere meglio una zona, cambia i numeri delle caselle a sinistra."),
    QStringLiteral("Clicca con il tasto destro del mouse su incremento generazionale."),
};

const QStringList CaosPage{
    QStringLiteral(" Dopo i periodi 2, 4, aumentando ancora l'incremento generazionle"),
    QStringLiteral(" la popolazione passa sempre più in fretta ai periodi 8, 16, 32 ..."),
    QStringLiteral(" Poco oltre 3,57 arriva il caos: i punti riempiono le colonne"),
    QStringLiteral(" e la popolazione non si ripete più."),
    QStringLiteral(" Nel caos si aprono delle strisce quasi vuote, finestre di ordine"),
    QStringLiteral(" con i periodi 3, 6, 12; poi il caos ritorna."),
};

const QStringList CaosClosing{
    QStringLiteral(" Clicca su <Disegna il grafico>. poi su (incremento generazionale)."),
    QStringLiteral("con il tasto destro del mouse."),
};

const QStringList Periodo1Page{
    QStringLiteral(" PERIODO UNO"),
    QStringLiteral(" Fino ad un incremento generazionale di 2,9 la popolazione raggiunge "),
    QStringLiteral(" dopo poche generazioni un livello e non lo lascia più."),
    QStringLiteral(" Qui l'incremento cresce da destra verso sinistra, e più in basso"),
    QStringLiteral(" è la linea, più grande è la popolazione finale."),
    QStringLiteral(" Con un incremento inferiore a 1 i pesci si estinguono:"),
    QStringLiteral(" a destra la linea arriva in alto, sullo zero."),
    QStringLiteral(" Ogni punto della linea è la popolazione finale di uno stagno"),
    QStringLiteral(" con il suo incremento generazionale."),
    QStringLiteral(" Nelle caselle ora trovi l'incremento 2,9 e la popolazione 0,12:"),
    QStringLiteral(" vedrai la popolazione fermarsi su un solo livello."),
};
const QString Periodo1Closing =
    QStringLiteral(" Clicca su <Disegna il grafico>. poi su <Periodo 2>.");

const QStringList Periodo2Page{
    QStringLiteral("PERIODO DUE"),
    QStringLiteral(" Quando l'incremento generazionale arriva a 3,2 la popolazione cresce "),
    QStringLiteral(" e cala ad anni alterni: oscilla tra due livelli."),
    QStringLiteral(" Un anno i pesci sono tanti e mangiano quasi tutto il cibo,"),
    QStringLiteral(" così l'anno dopo molti muoiono di fame e ne nascono pochi."),
    QStringLiteral(" Con pochi pesci il cibo torna abbondante"),
    QStringLiteral(" e l'anno seguente la popolazione risale."),
    QStringLiteral(" Nel disegno la linea, arrivata a 3, si divide in due rami"),
    QStringLiteral(" come una y coricata: è il periodo 2."),
};
const QString Periodo2Closing =
    QStringLiteral(" Clicca su <Disegna il grafico>. Poi su <Periodo 4>. ");

const QStringList Periodo4Page{
    QStringLiteral(" PERIODO QUATTRO"),
    QStringLiteral(" Con un incremento generazionale che va da  3,2  a   3,52  la popolazione "
                   "varia da  2  a  4  livelli  "),
    QStringLiteral(" Ogni ramo della y si divide ancora in due: la popolazione torna"),
    QStringLiteral(" allo stesso livello ogni quattro generazioni."),
    QStringLiteral(" Da sinistra vedi un solo livello fino a 3, poi i due rami"),
    QStringLiteral(" del periodo 2 e infine i quattro del periodo 4."),
};
const QString Periodo4Closing =
    QStringLiteral(" Clicca su <Disegna il grafico>. Poi su <Tutti i periodi>.");

const QStringList IntroductionPage{
    QStringLiteral("   RADDOPPIO DEL PERIODO PER LA LEGGE DINAMICA DI VERHULST"),
    QString(),
    QStringLiteral("Qui si simula la crescita di una popolazione di pesci in uno stagno."),
    QStringLiteral("Quello che vedrai è il risultato della scoperta di un biologo,"),
    QStringLiteral("che studiava come cambia, anno dopo anno, il numero dei pesci."),
    QStringLiteral("Prima una curva ti mostrerà come evolve la popolazione con un"),
    QStringLiteral("incremento generazionale, poi un grafico le generazioni in dettaglio."),
    QStringLiteral("Dopo quattro incrementi già pronti (Periodo 1, Periodo 2, Periodo 4"),
    QStringLiteral("e Tutti i periodi), un solo disegno ti mostrerà tutte le variazioni."),
    QString(),
    QStringLiteral("Poi potrai cambiare il numero sotto la casella (incremento"),
    QStringLiteral("generazionale finale) e vedere come cambia il comportamento della"),
    QStringLiteral("popolazione, l'incremento va  da 2,01  a 4."),
    QStringLiteral("Ricordati la virgola come separatore decimale."),
    QString(),
    QStringLiteral("(Disegna il grafico) disegna la popolazione generazione per generazione,"),
    QStringLiteral("(Cambiamento parametri) disegna tutti i periodi insieme."),
};
const QStringList IntroductionStart{
    QStringLiteral("Adesso tocca a te, cominciamo!"),
    QStringLiteral("Clicca su (Periodo 1).     Poi  su (Disegna il grafico) "),
};
const QStringList IntroductionLabels{
    QStringLiteral(" "),
    QString(),
    QStringLiteral("Clicca sulle etichette colorate,"),
    QStringLiteral("col tasto destro del mouse, per ulteriori informazioni."),
};

const QStringList FinalIncrementPage{
    QStringLiteral(" "),
    QStringLiteral(" Il numero sotto (Incremento generazionale finale)"),
    QStringLiteral(" è l'incremento generazionale della popolazione di pesci: quanto"),
    QStringLiteral(" crescerebbe da una generazione all'altra se il cibo non mancasse mai."),
    QStringLiteral(" Il disegno di tutti i periodi parte da 2 e arriva fino a questo numero."),
    QStringLiteral(" "),
    QStringLiteral("L'incremento massimo è 4, se lo superi la popolazione ha un"),
    QStringLiteral("comportamento strano, o si estingue,per mancanza di cibo,"),
    QStringLiteral("oppure supera il limite massimo sopportabile e appare l'errore."),
    QStringLiteral(" "),
    QStringLiteral(
        "Dopo il numero 3, aumenta lentamente l'incremento per cogliere i particolari. "),
    QStringLiteral("Per esempio prova 3,2 poi 3,5 poi 3,56 e infine 3,8."),
    QStringLiteral(" "),
    QStringLiteral("Per il grafico della popolazione puoi usare anche numeri più piccoli."),
    QStringLiteral("I numeri decimali vanno inseriti con la virgola, non il punto."),
    QStringLiteral(" "),
};
const QStringList FinalIncrementClosing{
    QStringLiteral("Dopo aver cambiato i dati, devi cliccare con il tasto sinistro"),
    QStringLiteral("su (Disegna il grafico)per vedere il grafico, oppure su "),
    QStringLiteral("(Cambiamento parametri) per vedere tutti periodi."),
    QString(),
    QStringLiteral("Cliccando con il tasto destro del mouse sulle etichette colorate"),
    QStringLiteral("avrai altre informazioni."),
};

const QStringList StartIncrementPage{
    QString(),
    QStringLiteral(" Il numero sotto (Inizio incremento generazionzle) permette di spostare "
                   "l'inizio del disegno,"),
    QStringLiteral(" per esempio 3,4 con un incremento generazionale finale di 4"),
    QStringLiteral(" ingrandisce la zona che va da 3,6 a 4, quella del caos."),
    QStringLiteral(" Ricordati la virgola come separatore decimale."),
    QString(),
    QStringLiteral("Se il valore della casella (inizio incremento),è superiore"),
    QStringLiteral("a 3 il numero nella casella (incremento generazionale)."),
    QStringLiteral("viene posto automaticamente sul valore 4"),
};
const QStringList StartIncrementClosing{
    QStringLiteral("Dopo aver cambiato i dati, devi cliccare con il tasto sinistro"),
    QStringLiteral("su (Disegna il grafico) oppure su (Cambiamento parametri)."),
};

const QStringList StartPopulationPage{
    QStringLiteral(
        "Il numero qui sotto rappresenta un'ipotetica popolazione iniziale di pesci in uno "
        "stagno."),
    QStringLiteral("È una parte della popolazione più grande che lo stagno può nutrire:"),
    QStringLiteral("0,1 vuol dire mille pesci, 0,9 vuol dire novemila pesci."),
    QStringLiteral(
        "La popolazione varia  da  0,1   a 0,99    che è il numero massimo possibile di pesci."),
    QStringLiteral("Ricordati la virgola come separatore decimale."),
    QStringLiteral("Se la cambi, vedrai che la popolazione finale non cambia:"),
    QStringLiteral("dopo poche generazioni torna sempre sugli stessi livelli."),
};

}  // namespace VerhulstTexts
