// The menu entry, its metainfo and icon, and the program installed and packaged as the
// entry says.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

const QString Build = QStringLiteral(FRATTALIA_BUILD_DIR), Id = QStringLiteral(FRATTALIA_APP_ID);

// Runs a program to its end: its exit code (-1 when it did not start or crashed), and
// what it wrote.
std::pair<int, std::string> run(const QString& program, const QStringList& arguments,
                                const QString& folder = QString()) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    const bool ended = process.waitForFinished(300000) && process.exitStatus() == 0;
    return {ended ? process.exitCode() : -1, process.readAll().toStdString()};
}

QString icon(const QString& folder, int side, const QString& name) {
    return QStringLiteral("%1/%2x%2/apps/%3.png").arg(folder).arg(side).arg(name);
}

// The program, its icon at every size, the metainfo that launches it and the sample
// listing where the program looks for it, all under the prefix where the entry says.
void expectInstalledAsTheEntrySays(const QString& prefix) {
    QFile entry(prefix + "/share/applications/" + Id + ".desktop"),
        metainfo(prefix + "/share/metainfo/" + Id + ".metainfo.xml");
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly) && metainfo.open(QIODevice::ReadOnly));
    const QRegularExpression keys(
        QStringLiteral("^Exec=(\\S+)$.*^Icon=(\\S+)$"),
        QRegularExpression::MultilineOption | QRegularExpression::DotMatchesEverythingOption);
    const auto found = keys.match(QString::fromUtf8(entry.readAll()));
    const QFileInfo binary(prefix + "/bin/" + found.captured(1));
    EXPECT_TRUE(binary.isFile() && binary.isExecutable()) << binary.filePath().toStdString();
    for (int side : {48, 64, 128, 256}) {
        EXPECT_TRUE(QFile::exists(icon(prefix + "/share/icons/hicolor", side, found.captured(2))));
    }
    const QString launches = QString::fromUtf8(metainfo.readAll());
    EXPECT_TRUE(launches.contains("<launchable type=\"desktop-id\">" + Id + ".desktop<"));
    EXPECT_TRUE(launches.contains("<binary>" + found.captured(1) + "</binary>"));
    EXPECT_TRUE(QFile::exists(binary.dir().filePath("../share/frattalia/listato_vb.txt")));
}

}  // namespace

TEST(DesktopEntry, PassesItsValidatorsAndItsIconIsTheMandelbrotSetAtEverySize) {
    const QString data = Build + "/data/" + Id;
    for (const auto& [tool, arguments] :
         {std::pair{"desktop-file-validate", QStringList{data + ".desktop"}},
          {"appstreamcli", {"validate", "--no-net", data + ".metainfo.xml"}}}) {
        const auto [exitCode, output] = run(QString::fromLatin1(tool), arguments);
        EXPECT_EQ(exitCode, 0) << tool << ": " << output;
        EXPECT_EQ(output.find("error:"), std::string::npos) << output;
    }
    for (int side : {48, 64, 128, 256}) {
        const QImage picture(icon(Build + "/tools/icons", side, Id));
        ASSERT_EQ(picture.size(), QSize(side, side));
        // Rounded corners; x = -0,375, y = 0 lies well inside the set, x = -1,875,
        // y = 0,75 escapes at once and takes a colour.
        EXPECT_EQ(qAlpha(picture.pixel(0, 0)) + qAlpha(picture.pixel(side - 1, side - 1)), 0);
        EXPECT_EQ(picture.pixel(side * 65 / 100, side / 2), qRgba(0, 0, 0, 255)) << side;
        EXPECT_NE(picture.pixel(side * 5 / 100, side * 20 / 100) & 0xFFFFFF, 0u) << side;
    }
}

TEST(Install, PutsEveryFileUnderThePrefixWhereTheEntrySays) {
    QTemporaryDir prefix;
    const auto [exitCode, output] =
        run(QStringLiteral(CMAKE_PROGRAM), {"--install", Build, "--prefix", prefix.path()});
    ASSERT_EQ(exitCode, 0) << output;
    expectInstalledAsTheEntrySays(prefix.path());
}

TEST(DebianPackage, UnpacksWithEveryFileWhereTheEntrySaysAndNamesItsLibraries) {
    QTemporaryDir work;
    const auto [exitCode, output] =
        run(QStringLiteral(CPACK_PROGRAM),
            {"-G", "DEB", "-B", work.path(), "--config", Build + "/CPackConfig.cmake"}, Build);
    ASSERT_EQ(exitCode, 0) << output;
    const QString deb = work.filePath(QStringLiteral("frattalia_" FRATTALIA_VERSION "_amd64.deb"));
    const std::string depends = run(QStringLiteral("dpkg-deb"), {"-f", deb, "Depends"}).second;
    for (const char* library :
         {"libqt6widgets6", "libqt6gui6", "libqt6core6", "libqt6concurrent6", "libgif7", "libhwy1",
          "libstdc++6", "libc6", "qt6-translations-l10n"}) {
        EXPECT_NE(depends.find(library), std::string::npos) << library << " not in " << depends;
    }
    ASSERT_EQ(run(QStringLiteral("dpkg"), {"-x", deb, work.filePath("root")}).first, 0);
    expectInstalledAsTheEntrySays(work.filePath("root") + "/usr");
}
