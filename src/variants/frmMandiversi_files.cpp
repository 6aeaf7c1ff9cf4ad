// The variant screen's files: a listing shown in the text box, the picture saved.
#include <QCoreApplication>
#include <QFileInfo>

#include "frmMandiversi.h"
#include "shell/Canvas.h"
#include "shell/Dialogs.h"
#include "shell/RichTextBox.h"
#include "variants/GifFile.h"
#include "variants/Listing.h"

namespace {

const QString ListingFilter = QStringLiteral("(*.txt);;File batch (*.batch)");
const QString PictureFilter =
    QStringLiteral("Windows Bitmap (*.bmp);;CompuServe Graphics Interchange (*.gif)");
constexpr int GifFilter = 1;

}  // namespace

void frmMandiversi::Cmdlistato_Click() {
    const QString name = Dialogs::current().openFileName(
        QStringLiteral("Inserisci il listato"), ListingFilter,
        Listing::sampleFolder(QCoreApplication::applicationDirPath()));
    if (name.isEmpty()) {
        return;
    }
    // A file that cannot be read leaves the box as it was, without a word.
    if (const std::optional<QString> text = Listing::read(name)) {
        RiTeBox->setPlainText(*text);
    }
}

void frmMandiversi::Cmdsalva_Click() {
    int filter = 0;
    const QString name =
        Dialogs::current().saveFileName(QStringLiteral("Salva l'immagine con il testo"),
                                        PictureFilter, QStringLiteral("bmp"), &filter);
    if (name.isEmpty()) {
        return;
    }
    // The name's last suffix decides the format; the filter only where it names neither.
    const QString suffix = QFileInfo(name).suffix().toLower();
    const bool gif =
        suffix == QLatin1String("gif") || (suffix != QLatin1String("bmp") && filter == GifFilter);
    const bool saved = gif ? GifFile::write(Picture1->image(), name) : Picture1->saveBitmap(name);
    if (!saved) {
        reportPictureNotSaved(name);
    }
}
