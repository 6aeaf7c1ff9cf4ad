#pragma once

class QPushButton;

// Lets a button's caption run over several lines, centred, as the long captions of
// the narrow stage buttons need. The caption stays the button's text.
void wrapCaption(QPushButton* button);
