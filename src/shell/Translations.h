#pragma once

class QCoreApplication;

// Qt's own texts in Italian, as the rest of the program: the buttons of message and
// input boxes, the file dialogs, the overwrite question, the context menus of boxes
// and bars. Dates and sizes in the file dialogs follow the Italian format too.
void installItalianTranslations(QCoreApplication& app);
