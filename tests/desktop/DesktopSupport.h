#pragma once

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

// Helpers of the desktop suite: running the build's tools and reading a desktop entry.
namespace DesktopSupport {

struct ToolRun {
    bool started = false;
    int exitCode = -1;
    QString output;  // standard output and error together
};

inline ToolRun runTool(const QString& program, const QStringList& arguments,
                       const QString& folder = QString()) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (!folder.isEmpty()) {
        process.setWorkingDirectory(folder);
    }
    process.start(program, arguments);
    ToolRun result;
    result.started = process.waitForStarted(10000);
    if (result.started) {
        process.waitForFinished(300000);
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    result.output = QString::fromLocal8Bit(process.readAll());
    return result;
}

// The keys of the [Desktop Entry] group.
inline QMap<QString, QString> readDesktopEntry(const QString& path) {
    QMap<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return keys;
    }
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1String("[Desktop Entry]");
        } else if (inEntry && line.contains(QLatin1Char('=')) && !line.startsWith('#')) {
            const int equals = line.indexOf(QLatin1Char('='));
            keys.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
        }
    }
    return keys;
}

inline const QStringList& iconSizes() {
    static const QStringList sizes{QStringLiteral("48"), QStringLiteral("64"),
                                   QStringLiteral("128"), QStringLiteral("256")};
    return sizes;
}

}  // namespace DesktopSupport
