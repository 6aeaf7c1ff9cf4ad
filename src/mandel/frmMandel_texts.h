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

}  // namespace ExplorerTexts
