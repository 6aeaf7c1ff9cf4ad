#pragma once

#include "Colour.h"

class QWidget;

// Background and text colours of buttons, boxes and labels, set through the palette
// (the Fusion style honours it), as colour numbers.
void setBackColor(QWidget* control, ColourNumber colour);
ColourNumber backColor(const QWidget* control);
void setForeColor(QWidget* control, ColourNumber colour);
