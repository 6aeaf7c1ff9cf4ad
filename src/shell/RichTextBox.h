#pragma once

#include <QTextEdit>

// An editable rich-text box that takes plain text only, pasted or dropped. Qt 6.4's
// text control reads the first format of the data it is given without checking that
// there is one, so a paste with nothing copied (Ctrl+V, a middle click) would crash it:
// data without text is refused here before it gets there.
class RichTextBox : public QTextEdit {
  public:
    RichTextBox(QWidget* parent, const char* name);

  protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};
