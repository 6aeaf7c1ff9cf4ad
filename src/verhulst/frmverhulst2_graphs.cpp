// The population graphs behind "Disegna il grafico".
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Logistic.h"
#include "frmverhulst2.h"
#include "frmverhulst2_texts.h"
#include "shell/Canvas.h"
#include "shell/DecimalEntry.h"
#include "shell/Dialogs.h"
#include "shell/Numbers.h"
#include "shell/RuntimeFailure.h"

namespace {

constexpr double SmallestIncrement = 0.1;
constexpr double LargestIncrement = 9.8;
constexpr ColourNumber LabelMark = 200;
constexpr ColourNumber CommentMark = 1;
constexpr double LabelTextSize = 8;
constexpr double CircleRadius = 5;
// The upper graph's pen starts below its first point, the lower one's at its baseline.
constexpr double UpperStartX = 1, UpperStartY = 150;
constexpr double LowerStartX = 0, LowerStartY = 400;

float readPopulation(const QLineEdit* box) {
    return Numbers::toSingle(DecimalEntry::read(box));
}

}  // namespace

void frmverhulst2::Cmdgrafico_Click() {
    Picture1->Cls();
    lblistruzioni->hide();
    double r = 0;
    try {
        r = DecimalEntry::readUnbounded(txtx);
        readPopulation(Txtu);  // checked here, read again for each graph
    } catch (const RuntimeFailure&) {
        // A box without a number gets the lines that ask about the comma.
        graphErrorEnding();
        return;
    }
    Picture1->Cls();
    if (r > LargestIncrement || r < SmallestIncrement) {
        MsgBox(VerhulstTexts::RangeRefused);
        graphErrorEnding();
        return;
    }
    try {
        drawPopulationGraphs(r);
    } catch (const RuntimeFailure&) {
        graphErrorEnding();
        return;
    }
    for (QWidget* control :
         std::initializer_list<QWidget*>{lblistruzioni, Cmdper2, Cmdper4, Cmdcaos, cmddisegna,
                                         Lblpopini, txtx, Lblincr, Txty}) {
        control->show();
    }
}

// Throws RuntimeFailure where the population or a coordinate leaves its range; what
// was drawn up to there stays.
void frmverhulst2::drawPopulationGraphs(double r) {
    const Logistic::Graph upper = Logistic::upperGraph(r, readPopulation(Txtu));
    double x1 = UpperStartX, y1 = UpperStartY;
    for (const Logistic::GraphPoint& point : upper.points) {
        if (point.i == Logistic::MarkedColumn) {
            Picture1->Circle(point.i - 3, point.y + 3, CircleRadius, Colour::Red);
        }
        Picture1->Line(x1, y1, point.i, point.y, Colour::Green);
        x1 = point.i;
        y1 = point.y;
    }
    if (upper.overflowed) {
        throw RuntimeFailure("population overflow");
    }

    const Logistic::Graph lower = Logistic::lowerGraph(r, readPopulation(Txtu));
    x1 = LowerStartX;
    y1 = LowerStartY;
    for (const Logistic::GraphPoint& point : lower.points) {
        Picture1->PSet(point.i, point.y + Logistic::labelOffset(point.i), LabelMark);
        Picture1->setFontSize(LabelTextSize);
        Picture1->Print(Logistic::printedPopulation(point.population));
        Picture1->Line(x1, y1, point.i, point.y, Colour::Green);
        x1 = point.i;
        y1 = point.y;
    }
    if (lower.overflowed) {
        throw RuntimeFailure("population overflow");
    }

    Picture1->PSet(10, 30, Colour::Red);
    Picture1->printLines(VerhulstTexts::GraphNotes);
    Picture1->PSet(10, 440, Colour::Red);
    Picture1->printLines(VerhulstTexts::GraphLegend);
    // Only the pairs typed exactly so get a comment, not the presets' pairs.
    for (const VerhulstTexts::Comment& comment : VerhulstTexts::Comments) {
        if (Txtu->text() == QLatin1String(comment.population) &&
            txtx->text() == QLatin1String(comment.increment)) {
            Picture1->PSet(10, 10, CommentMark);
            Picture1->Print(comment.line);
        }
    }
}

void frmverhulst2::graphErrorEnding() {
    lblistruzioni->show();
    Picture1->PSet(10, 10, Colour::Red);
    Picture1->printLines(VerhulstTexts::GraphErrorLines);
}

void frmverhulst2::Cmdgrafico_MouseDown(int button, int, double, double) {
    if (button != 2) {
        return;
    }
    Picture1->printPage(10, 10, VerhulstTexts::GraphHelp, Colour::Red);
    Picture1->PSet(10, 180, Colour::Red);
    Picture1->printLines(VerhulstTexts::GraphHelpTwo);
}
