#include "frmattratHenon_texts.h"

namespace HenonTexts {

QStringList attractorPage() {
    return {
        QStringLiteral(" L'attrattore di Henon rappresenta la simulazione di  migliaia di "
                       "piegamenti e stiramenti di uno"),
        QStringLiteral("spazio piano sul quale è stato disegnato un ovale."),
        QStringLiteral("Il suo scopritore, l'astronomo Michel Henon, ha trovato una formula "
                       "semplice"),
        QStringLiteral("che mostra graficamente il risultato di tutte queste trasformazioni."),
        QStringLiteral("Quella che a prima vista sembra una sola linea, se ingrandita, si rivela "
                       "una coppia di linee;"),
        QStringLiteral("ingrandendo ancora, ogni linea si divide di nuovo e si vedono quattro "
                       "coppie di linee,"),
        QStringLiteral("e così via, sempre di nuovo, ad ogni ingrandimento."),
        QStringLiteral("I singoli punti vengono disegnati uno dopo l'altro e saltano in modo "
                       "caotico"),
        QStringLiteral("da una parte all'altra: non si può prevedere dove cadrà il prossimo."),
        QStringLiteral("Eppure alla fine si ottiene sempre la stessa forma: per questo si chiama "
                       "attrattore."),
        QString(),
        QString(),
        QStringLiteral("Clicca su <DISEGNA> per vedere i disegno finale."),
        QString(),
        QString(),
        QStringLiteral("Aumenta gradatamente il numeri degli ingrandimenti per apprezzarne i "
                       "cambiamenti"),
        QStringLiteral("poi clicca su <DISEGNA>"),
        QStringLiteral("Con ingrandimenti superiori a 1000 oltre a notare delle nuove righe, "
                       "aumenta il tempo per "),
        QStringLiteral("realizzare il disegno."),
    };
}

}  // namespace HenonTexts
