#include "RichTextBox.h"

#include <QMimeData>

RichTextBox::RichTextBox(QWidget* parent, const char* name) : QTextEdit(parent) {
    setObjectName(QLatin1String(name));
    setAcceptRichText(false);
}

bool RichTextBox::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasText();
}

void RichTextBox::insertFromMimeData(const QMimeData* source) {
    if (source->hasText()) {
        insertPlainText(source->text());
    }
}
