// The instructions of the variant screen. The runs of blanks are part of the texts:
// they push the sentences onto lines of their own in the box.
#include <QString>
#include <QStringList>

#include "frmMandiversi.h"

namespace {

QString blanks(int count) {
    return QString(count, QLatin1Char(' '));
}

QString heading() {
    return QStringLiteral("Istruzioni") + blanks(44) + blanks(87);
}

QStringList howToDraw() {
    return {
        QStringLiteral("Inserisci un numero da 1 a 10 nella finestrella bianca in alto,"),
        QStringLiteral(" poi clicca su Disegna,   dopo qualche secondo apparirà un disegno "),
        QStringLiteral(" ottenuto variando di poco la formula usata per l'insieme di Mandelbrot"),
        QStringLiteral(" Inserendo i numeri 1, 2 e 3 otterrai delle immagini simili a dei prati, "),
        blanks(73),
        blanks(31) + QStringLiteral("inserendo i numeri da 4 a 10, avrai delle "),
        QStringLiteral(" immagini che sono delle variazioni dell'insieme di Mandelbrot."),
    };
}

const QString ListingHint =
    QStringLiteral(" CLICCANDO SU (LISTATO) POTRAI INSERIRE UN FILE D'ESEMPIO IN VBASIC");

}  // namespace

QString frmMandiversi::loadInstructions() {
    return heading() + howToDraw().join(QString()) + blanks(90) + ListingHint +
           QStringLiteral(" Il file è allegato al programma e si chiama a sua volta listato_vb.");
}

QString frmMandiversi::variantInstructions() {
    return heading() + howToDraw().join(QString()) + ListingHint;
}

QString frmMandiversi::cubeInstructions() {
    return heading() + blanks(18) +
           QStringLiteral("La formula normale per l'insieme di Mandelbrot è : Z ² + c .") +
           blanks(73) + blanks(25) + QStringLiteral("Questo è ottenuto elevando alla terza Z ");
}
