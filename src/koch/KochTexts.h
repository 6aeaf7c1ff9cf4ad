#pragma once

#include <QStringList>

// The explanation page of the Koch island screen.
namespace KochTexts {

// The lines printed in the area's text colour.
QStringList islandPage();
// The closing line, printed in green: where to start.
QString startHint();

}  // namespace KochTexts
