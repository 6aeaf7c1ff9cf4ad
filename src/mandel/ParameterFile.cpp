#include "ParameterFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <vector>

namespace ParameterFile {
namespace {

QString& chosenPath() {
    static QString chosen;
    return chosen;
}

// A field in quotes, or bare up to the next comma; blanks around a bare field are
// not part of it.
std::vector<QString> splitLine(const QString& line) {
    std::vector<QString> fields;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i <= n) {
        QString field;
        while (i < n && line[i] == QLatin1Char(' ')) {
            ++i;
        }
        if (i < n && line[i] == QLatin1Char('"')) {
            ++i;
            bool closed = false;
            while (i < n) {
                if (line[i] == QLatin1Char('"')) {
                    if (i + 1 < n && line[i + 1] == QLatin1Char('"')) {
                        field += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                field += line[i++];
            }
            if (!closed) {
                break;  // an unfinished field is no field
            }
            while (i < n && line[i] != QLatin1Char(',')) {
                ++i;
            }
        } else {
            const qsizetype comma = line.indexOf(QLatin1Char(','), i);
            const qsizetype end = comma < 0 ? n : comma;
            field = line.mid(i, end - i).trimmed();
            i = end;
        }
        fields.push_back(field);
        ++i;  // past the comma
    }
    return fields;
}

}  // namespace

QString path() {
    if (!chosenPath().isEmpty()) {
        return chosenPath();
    }
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/caos1.txt");
}

void setPath(const QString& path) {
    chosenPath() = path;
}

QByteArray format(const Fields& fields) {
    QByteArray line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line += ',';
        }
        QString quoted = fields[i];
        quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        line += '"' + quoted.toLatin1() + '"';
    }
    return line + "\r\n";
}

std::optional<Fields> parse(const QByteArray& content) {
    qsizetype end = content.indexOf('\n');
    QByteArray first = end < 0 ? content : content.left(end);
    if (first.endsWith('\r')) {
        first.chop(1);
    }
    if (first.isEmpty()) {
        return std::nullopt;
    }
    const std::vector<QString> found = splitLine(QString::fromLatin1(first));
    if (found.size() < 4) {
        return std::nullopt;
    }
    return Fields{found[0], found[1], found[2], found[3]};
}

bool save(const Fields& fields) {
    const QString file = path();
    if (!QDir().mkpath(QFileInfo(file).absolutePath())) {
        return false;
    }
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        return false;
    }
    const QByteArray line = format(fields);
    if (out.write(line) != line.size()) {
        out.cancelWriting();
        return false;
    }
    // The line sits in the file's buffer until now: a disk that takes only part of it
    // must not have that part put in place of the old file, which commit alone would.
    return out.flush() && out.commit();
}

std::optional<Fields> load() {
    // Opening a pipe or a device could wait for ever: only a plain file is read.
    QFile in(path());
    if (!QFileInfo(in.fileName()).isFile() || !in.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    // The line is short; a larger file is not one of ours.
    const QByteArray content = in.read(1 << 16);
    return parse(content);
}

}  // namespace ParameterFile
