// The reader of the saved view, fed any bytes: it gives four fields or nothing, and
// four fields written and read again come back unchanged.
#include <QByteArray>
#include <QList>
#include <cstdint>
#include <cstdlib>

#include "mandel/ParameterFile.h"

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void checkRoundTrip(const ParameterFile::Fields& fields) {
    const QByteArray line = ParameterFile::format(fields);
    check(line.endsWith("\r\n"));
    const std::optional<ParameterFile::Fields> back = ParameterFile::parse(line);
    check(back.has_value());
    check(*back == fields);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray content(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const std::optional<ParameterFile::Fields> fields = ParameterFile::parse(content)) {
        checkRoundTrip(*fields);
    }
    // Four box texts made of the same bytes: a box holds one line of single-byte
    // characters, so line ends are left out.
    QByteArray cleaned = content;
    cleaned.replace('\r', QByteArray()).replace('\n', QByteArray());
    const QList<QByteArray> parts = cleaned.split('\0');
    ParameterFile::Fields texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] =
            i < static_cast<std::size_t>(parts.size()) ? QString::fromLatin1(parts[i]) : QString();
    }
    checkRoundTrip(texts);
    return 0;
}
