// The two readers of files on disk, fed any bytes as a real file: the saved view gives
// what its line reader makes of the file's start, and a listing is shown whole, its
// text unchanged. Once, at the start: a file too large for a listing, a folder, a
// device and a missing file are refused, or read only as far as the view's bound.
#include <QByteArray>
#include <QDir>
#include <QFile>
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

// The saved view reads at most this much of its file.
constexpr qsizetype ViewBytes = 1 << 16;

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

QString fileWith(const QByteArray& bytes) {
    const QString path = folder().filePath(QStringLiteral("file.txt"));
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    check(file.write(bytes) == bytes.size());
    return path;
}

void checkRefused(const QString& path) {
    ParameterFile::setPath(path);
    check(!ParameterFile::load());
    check(!Listing::read(path));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    check(folder().isValid());
    checkRefused(folder().filePath(QStringLiteral("missing.txt")));
    checkRefused(folder().path());
    // Endless zeros: no line of four fields, and no listing.
    checkRefused(QStringLiteral("/dev/zero"));

    const QString huge = folder().filePath(QStringLiteral("huge.txt"));
    QFile file(huge);
    check(file.open(QIODevice::WriteOnly) && file.write("\"1\",\"2\",\"3\",\"4\"\r\n") > 0 &&
          file.resize(Listing::MaxBytes + 1));
    file.close();
    check(!Listing::read(huge));
    ParameterFile::setPath(huge);
    check(ParameterFile::load() == ParameterFile::Fields{"1", "2", "3", "4"});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString path = fileWith(bytes);

    ParameterFile::setPath(path);
    check(ParameterFile::load() == ParameterFile::parse(bytes.left(ViewBytes)));

    const std::optional<QString> text = Listing::read(path);
    check(text.has_value());
    check(text->size() <= bytes.size());
    // Every CR LF is one line end, and no other line end or CR is lost.
    check(text->count(QLatin1Char('\n')) == bytes.count('\n'));
    check(text->count(QLatin1Char('\r')) == bytes.count('\r') - bytes.count("\r\n"));
    // A UTF-8 listing with Unix line ends comes back byte for byte.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(bytes);
    if (!utf8.hasError() && !bytes.contains('\r') && !bytes.startsWith("\xEF\xBB\xBF")) {
        check(text->toUtf8() == bytes);
    }
    return 0;
}
