// The period-doubling diagram: "Cambiamento parametrii" over the typed range and the
// four presets with their pages.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Logistic.h"
#include "frmverhulst2.h"
#include "frmverhulst2_texts.h"
#include "shell/Canvas.h"
#include "shell/DecimalEntry.h"
#include "shell/RuntimeFailure.h"

namespace {

// The typed range the diagram takes.
constexpr double LowestStart = 0.12, HighestStart = 4;
constexpr double LowestFinal = 2, HighestFinal = 4;
// From a start above 3 the diagram runs to the end of the chaos.
constexpr double ForcedFinalFrom = 3;
constexpr double ForcedFinal = 4;

constexpr ColourNumber Invisible = Colour::Black;
constexpr ColourNumber PresetMark = 100000;
constexpr double SmallText = 8;
constexpr double MiddleText = 10;
constexpr double LargeText = 14;

}  // namespace

bool frmverhulst2::drawDiagram(const Logistic::Member& member, double zoom, double start) {
    const Logistic::Diagram diagram =
        Logistic::bifurcation(member, zoom, start, Picture1->BackColor());
    Picture1->blitColumns(0, 0, Logistic::DiagramColumns, Logistic::DiagramRows,
                          diagram.colours.data());
    return !diagram.failed;
}

bool frmverhulst2::drawPreset(const Logistic::Member& member) {
    double zoom = 0, start = 0;
    try {
        zoom = DecimalEntry::read(Txting);
        start = DecimalEntry::read(Txtu);
    } catch (const RuntimeFailure&) {
        return false;
    }
    return drawDiagram(member, zoom, start);
}

void frmverhulst2::cmddisegna_Click() {
    lblistruzioni->hide();
    Picture1->Cls();
    double zoom = 0, finalIncrement = 0, startIncrement = 0, start = 0;
    try {
        zoom = DecimalEntry::read(Txting);
        finalIncrement = DecimalEntry::read(txtx);
        startIncrement = DecimalEntry::read(Txty);
    } catch (const RuntimeFailure&) {
        diagramErrorEnding();
        return;
    }
    if (startIncrement > ForcedFinalFrom) {
        finalIncrement = ForcedFinal;
        txtx->setText(QStringLiteral("4"));
    }
    if (!(startIncrement >= LowestStart && startIncrement <= HighestStart &&
          finalIncrement >= LowestFinal && finalIncrement <= HighestFinal)) {
        diagramErrorEnding();
        return;
    }
    try {
        start = DecimalEntry::read(Txtu);
    } catch (const RuntimeFailure&) {
        diagramErrorEnding();
        return;
    }
    if (!drawDiagram(Logistic::cambiamento(finalIncrement, startIncrement), zoom, start)) {
        diagramErrorEnding();
        return;
    }
    for (QWidget* control :
         std::initializer_list<QWidget*>{Lblpopini, txtx, Lblincr, Txty, lblistruzioni}) {
        control->show();
    }
    Picture1->PSet(5, 470, Invisible);
    Picture1->setFontSize(MiddleText);
    Picture1->setForeColor(Colour::Green);
    Picture1->Print(VerhulstTexts::DiagramDone);
}

// lblistruzioni stays hidden until the next complete drawing.
void frmverhulst2::diagramErrorEnding() {
    Picture1->PSet(5, 380, Invisible);
    Picture1->setFontSize(MiddleText);
    Picture1->setForeColor(Colour::Red);
    Picture1->printLines(VerhulstTexts::DiagramErrorLines);
}

// A start population outside 0..1 ends the drawing; the page and the preset values
// still follow, as for the other presets.
void frmverhulst2::Cmdcaos_Click() {
    Picture1->Cls();
    lblistruzioni->hide();
    drawPreset(Logistic::Caos);
    for (QWidget* control : std::initializer_list<QWidget*>{Lblpopini, txtx, Lblincr, Txty}) {
        control->show();
    }
    Txtu->setText(QStringLiteral("0,2"));
    txtx->setText(QStringLiteral("3,99"));
    Picture1->PSet(10, 375, Invisible);
    Picture1->setFontSize(SmallText);
    Picture1->printLines(VerhulstTexts::CaosPage);
    Picture1->setForeColor(Colour::Red);
    Picture1->printLines(VerhulstTexts::CaosClosing);
    Picture1->setFontSize(SmallText);
    Picture1->setForeColor(Colour::White);
}

void frmverhulst2::printClosing(const QString& line) {
    Picture1->setFontSize(LargeText);
    Picture1->setForeColor(Colour::Red);
    Picture1->Print(line);
}

void frmverhulst2::Cmdper1_Click() {
    Picture1->Cls();
    lblistruzioni->hide();
    drawPreset(Logistic::Periodo1);
    lblistruzioni->show();
    Txtu->setText(QStringLiteral("0,12"));
    txtx->setText(QStringLiteral("2,9"));
    Picture1->PSet(30, 290, PresetMark);
    Picture1->printLines(VerhulstTexts::Periodo1Page);
    printClosing(VerhulstTexts::Periodo1Closing);
    Picture1->setFontSize(SmallText);
    Picture1->setForeColor(Colour::White);
}

void frmverhulst2::Cmdper2_Click() {
    Picture1->Cls();
    lblistruzioni->hide();
    drawPreset(Logistic::Periodo2);
    lblistruzioni->show();
    Picture1->PSet(30, 300, PresetMark);
    Picture1->setFontSize(MiddleText);
    Picture1->printLines(VerhulstTexts::Periodo2Page);
    printClosing(VerhulstTexts::Periodo2Closing);
    Txtu->setText(QStringLiteral("0,4"));
    txtx->setText(QStringLiteral("3,2"));
    Picture1->setForeColor(Colour::White);
}

void frmverhulst2::Cmdper4_Click() {
    Picture1->Cls();
    lblistruzioni->hide();
    // The start increment, shown on the screen itself beside the picture.
    try {
        surface()->Print(DecimalEntry::printed(DecimalEntry::read(Txty)));
    } catch (const RuntimeFailure&) {
        // Not needed for this drawing: a box without a number shows nothing.
    }
    drawPreset(Logistic::Periodo4);
    lblistruzioni->show();
    Picture1->PSet(30, 350, PresetMark);
    Picture1->setFontSize(SmallText);
    Picture1->printLines(VerhulstTexts::Periodo4Page);
    Txtu->setText(QStringLiteral("0,2"));
    txtx->setText(QStringLiteral("3,52"));
    printClosing(VerhulstTexts::Periodo4Closing);
    Picture1->setFontSize(SmallText);
    Picture1->setForeColor(Colour::White);
}
