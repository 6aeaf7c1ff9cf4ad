#include "KochTexts.h"

namespace KochTexts {

QStringList islandPage() {
    return {
        QStringLiteral(" La serie completa  di trasformazioni nota come Isola di Von Koch"),
        QStringLiteral(
            " parte da un triangolo equilatero. Da ogni lato si toglie il terzo centrale"),
        QStringLiteral(
            " e al suo posto si aggiunge un altro triangolo, più piccolo, rivolto verso"),
        QStringLiteral(" l'esterno. Lo stesso si fa poi con ogni nuovo lato, e così via."),
        QStringLiteral(
            " Ad ogni trasformazione il perimetro aumenta: diventa 4/3 di quello di prima."),
        QStringLiteral(" Eppure, anche ripetendo le trasformazioni all'infinito, l'isola non"),
        QStringLiteral(" riuscirebbe mai ad uscire da un cerchio "),
        QStringLiteral(" circonscritto al triangolo"),
        QStringLiteral(" iniziale."),
    };
}

QString startHint() {
    return QStringLiteral(" Comincia cliccando sul primo pulsante in alto a destra: (Triangolo)");
}

}  // namespace KochTexts
