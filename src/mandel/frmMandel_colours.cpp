// The four bars beside the picture: they write the colour weights and the colour
// range into their boxes and paint the swatches. Nothing is drawn until DISEGNA.
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include "frmMandel.h"
#include "shell/Controls.h"
#include "shell/DecimalEntry.h"
#include "shell/Numbers.h"
#include "shell/RuntimeFailure.h"

namespace {

// A bar's value, as the box shows it: plain digits.
void writeValue(QLineEdit* box, const QScrollBar* bar) {
    box->setText(QString::number(bar->value()));
}

}  // namespace

ColourNumber frmMandel::colourMix() const {
    return Numbers::toInt32(DecimalEntry::read(Txtcolore->text()) +
                            256 * DecimalEntry::read(txtverde->text()) +
                            65536 * DecimalEntry::read(txtblu->text()));
}

void frmMandel::paintColourSwatch() {
    // A box holding no number, or a mix that is no colour, leaves the swatch as it was.
    try {
        const ColourNumber mix = colourMix();
        if (mix >= Colour::Black && mix <= Colour::White) {
            setBackColor(lblcolore, mix);
        }
    } catch (const RuntimeFailure&) {
    }
}

void frmMandel::scrollPrimary(QLineEdit* box, ColourNumber unit) {
    const double v = DecimalEntry::read(box->text());
    setBackColor(box, Numbers::toInt32(v * unit));
    paintColourSwatch();
}

void frmMandel::vscrosso_Change() {
    writeValue(Txtcolore, vscrosso);
}

void frmMandel::vscverde_Change() {
    writeValue(txtverde, vscverde);
}

void frmMandel::vscblu_Change() {
    writeValue(txtblu, vscblu);
}

void frmMandel::vsccolori_Change() {
    writeValue(txtpasso, vsccolori);
}

void frmMandel::vscrosso_Scroll() {
    vscrosso_Change();
    scrollPrimary(Txtcolore, 1);
}

void frmMandel::vscverde_Scroll() {
    vscverde_Change();
    scrollPrimary(txtverde, 256);
}

void frmMandel::vscblu_Scroll() {
    vscblu_Change();
    scrollPrimary(txtblu, 65536);
}

void frmMandel::vsccolori_Scroll() {
    vsccolori_Change();
    txtpasso->setText(DecimalEntry::write(DecimalEntry::read(txtpasso->text())));
    paintColourSwatch();
}
