#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "DesktopSupport.h"

using namespace DesktopSupport;

namespace {

const QString BuildDir = QStringLiteral(FRATTALIA_BUILD_DIR);
const QString AppId = QStringLiteral(FRATTALIA_APP_ID);

// Every file the desktop entry leads to is under `prefix`: the program it runs, its
// icon at every size, the metainfo that launches it and the sample listing where the
// program looks for it (../share/frattalia beside bin/).
void expectFilesWhereTheEntrySays(const QString& prefix) {
    const QString entry =
        prefix + QStringLiteral("/share/applications/") + AppId + QStringLiteral(".desktop");
    ASSERT_TRUE(QFileInfo::exists(entry)) << entry.toStdString();
    const auto keys = readDesktopEntry(entry);

    const QString program = keys.value(QStringLiteral("Exec")).section(QLatin1Char(' '), 0, 0);
    ASSERT_FALSE(program.isEmpty());
    const QFileInfo binary(prefix + QStringLiteral("/bin/") + program);
    EXPECT_TRUE(binary.isFile() && binary.isExecutable()) << binary.filePath().toStdString();

    const QString icon = keys.value(QStringLiteral("Icon"));
    ASSERT_FALSE(icon.isEmpty());
    for (const QString& size : iconSizes()) {
        const QString file =
            QStringLiteral("%1/share/icons/hicolor/%2x%2/apps/%3.png").arg(prefix, size, icon);
        EXPECT_TRUE(QFileInfo::exists(file)) << file.toStdString();
    }

    QFile metainfo(prefix + QStringLiteral("/share/metainfo/") + AppId +
                   QStringLiteral(".metainfo.xml"));
    ASSERT_TRUE(metainfo.open(QIODevice::ReadOnly)) << metainfo.fileName().toStdString();
    const QString text = QString::fromUtf8(metainfo.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("<launchable type=\"desktop-id\">") + AppId +
                              QStringLiteral(".desktop</launchable>")));
    EXPECT_TRUE(text.contains(QStringLiteral("<binary>") + program + QStringLiteral("</binary>")));

    const QString listing =
        binary.dir().filePath(QStringLiteral("../share/frattalia/listato_vb.txt"));
    EXPECT_TRUE(QFileInfo::exists(listing)) << listing.toStdString();
}

}  // namespace

TEST(Install, PutsTheProgramItsEntryIconAndMetainfoUnderThePrefix) {
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    const ToolRun install =
        runTool(QStringLiteral(CMAKE_PROGRAM),
                {QStringLiteral("--install"), BuildDir, QStringLiteral("--prefix"), prefix.path()});
    ASSERT_TRUE(install.started);
    ASSERT_EQ(install.exitCode, 0) << install.output.toStdString();
    expectFilesWhereTheEntrySays(prefix.path());
}

TEST(DebianPackage, UnpacksWithEveryFileWhereTheEntrySaysAndNamesItsLibraries) {
    if (QStandardPaths::findExecutable(QStringLiteral("dpkg-shlibdeps")).isEmpty()) {
        GTEST_SKIP() << "dpkg-shlibdeps is not installed (package dpkg-dev)";
    }
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const ToolRun pack =
        runTool(QStringLiteral(CPACK_PROGRAM),
                {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"), work.path(),
                 QStringLiteral("--config"), BuildDir + QStringLiteral("/CPackConfig.cmake")},
                BuildDir);
    ASSERT_TRUE(pack.started);
    ASSERT_EQ(pack.exitCode, 0) << pack.output.toStdString();

    const QString deb = work.filePath(
        QStringLiteral("frattalia_%1_amd64.deb").arg(QStringLiteral(FRATTALIA_VERSION)));
    ASSERT_TRUE(QFileInfo::exists(deb)) << pack.output.toStdString();

    const ToolRun depends =
        runTool(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, QStringLiteral("Depends")});
    ASSERT_EQ(depends.exitCode, 0) << depends.output.toStdString();
    for (const char* library : {"libqt6widgets6", "libqt6gui6", "libqt6core6", "libqt6concurrent6",
                                "libgif7", "libstdc++6", "libc6", "qt6-translations-l10n"}) {
        EXPECT_TRUE(depends.output.contains(QLatin1String(library)))
            << library << " missing from: " << depends.output.toStdString();
    }

    const QString root = work.filePath(QStringLiteral("root"));
    const ToolRun unpack = runTool(QStringLiteral("dpkg"), {QStringLiteral("-x"), deb, root});
    ASSERT_EQ(unpack.exitCode, 0) << unpack.output.toStdString();
    expectFilesWhereTheEntrySays(root + QStringLiteral("/usr"));
}
