#include "Listing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace Listing {

const QString SampleName = QStringLiteral("listato_vb.txt");

QString sampleFolder(const QString& programFolder) {
    const QDir program(programFolder);
    for (const QString& folder :
         {program.path(), program.filePath(QStringLiteral("../share/frattalia"))}) {
        if (QFileInfo(QDir(folder).filePath(SampleName)).isFile()) {
            return QDir::cleanPath(folder);
        }
    }
    return QString();
}

std::optional<QString> read(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly) || file.size() > MaxBytes) {
        return std::nullopt;
    }
    const QByteArray bytes = file.read(MaxBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > MaxBytes) {
        return std::nullopt;
    }
    // The whole file at once: a UTF-8 letter left unfinished at its end is an error,
    // not the start of more to come.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        text = QString::fromLatin1(bytes);
    }
    // Listings from other systems end their lines with CR LF.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace Listing
