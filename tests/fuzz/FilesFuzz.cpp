// The readers of the saved view and of a listing, fed any bytes, as a line and as a real
// file. The view gives four fields or nothing, four fields written and read again come
// back unchanged, and the file gives what the line reader makes of its first 64 KiB. A
// listing comes back whole, each CR LF one line end, and a UTF-8 one byte for byte.
// A device that never ends gives neither.
#include <QByteArray>
#include <QFile>
#include <QList>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "mandel/ParameterFile.h"
#include "variants/Listing.h"

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void checkRoundTrip(const ParameterFile::Fields& fields) {
    const QByteArray line = ParameterFile::format(fields);
    check(line.endsWith("\r\n") && ParameterFile::parse(line) == fields);
}

// Four box texts made of the same bytes: a box holds one line of single-byte
// characters, so line ends are left out.
ParameterFile::Fields boxTexts(QByteArray bytes) {
    const QList<QByteArray> parts = bytes.replace('\r', "").replace('\n', "").split('\0');
    ParameterFile::Fields texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] =
            i < static_cast<std::size_t>(parts.size()) ? QString::fromLatin1(parts[i]) : QString();
    }
    return texts;
}

void checkListing(const QByteArray& bytes, const QString& path) {
    const std::optional<QString> text = Listing::read(path);
    check(text.has_value() && text->size() <= bytes.size());
    check(text->count(QLatin1Char('\n')) == bytes.count('\n'));
    check(text->count(QLatin1Char('\r')) == bytes.count('\r') - bytes.count("\r\n"));
    // Decoding tells whether the bytes are UTF-8.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    if (const QString decoded = utf8.decode(bytes);
        !utf8.hasError() && !bytes.contains('\r') && !bytes.startsWith("\xEF\xBB\xBF")) {
        check(text->toUtf8() == bytes);
    }
}

const QString& file() {
    static QTemporaryDir folder;
    static const QString path = folder.filePath(QStringLiteral("caos1.txt"));
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ParameterFile::setPath(QStringLiteral("/dev/zero"));
    check(!ParameterFile::load() && !Listing::read(QStringLiteral("/dev/zero")));
    ParameterFile::setPath(file());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const std::optional<ParameterFile::Fields> fields = ParameterFile::parse(bytes)) {
        checkRoundTrip(*fields);
    }
    checkRoundTrip(boxTexts(bytes));

    QFile out(file());
    check(out.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
          out.write(bytes) == bytes.size() && out.flush());
    check(ParameterFile::load() == ParameterFile::parse(bytes.left(1 << 16)));
    checkListing(bytes, file());
    return 0;
}
