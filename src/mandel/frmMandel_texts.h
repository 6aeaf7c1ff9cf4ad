#pragma once

#include <QString>
#include <QStringList>

// The explorer's explanation pages: lines printed into the picture, or one long
// caption for the instruction label.
namespace ExplorerTexts {

// Right click on the mode toggle.
QStringList modeHelp();
// Right click on the size toggle.
QStringList screenHelp();
// The instruction label when the next drawing is a Julia set.
QString juliaInstruction();
// The menu item about the two coordinate boxes.
QString coordinatesInstruction();

// The menu item about the film, printed in the picture.
QStringList filmPage();

// Right-click pages of the yellow labels and of the instruction label itself.
QString cyclesHelp();
QString colourHelp();
QString instructionHelp();

// The page printed in the picture for a right click on the top label, in its three
// colours: the story of the set, the two steps of a zoom, where to look.
struct ColouredPage {
    QStringList story;
    QStringList steps;
    QStringList places;
};
ColouredPage explorerPage();

// Menu pages.
QString instructionsPage();
QString juliaPage();
QString cyclesPage();
QString colourPage();
QString readingList();
QString authorPage();

}  // namespace ExplorerTexts
