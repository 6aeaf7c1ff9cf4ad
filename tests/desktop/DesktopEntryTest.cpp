#include <gtest/gtest.h>

#include <QImage>
#include <QStandardPaths>

#include "DesktopSupport.h"

using namespace DesktopSupport;

namespace {

const QString BuildDir = QStringLiteral(FRATTALIA_BUILD_DIR);
const QString AppId = QStringLiteral(FRATTALIA_APP_ID);

QString desktopFile() {
    return BuildDir + QStringLiteral("/data/") + AppId + QStringLiteral(".desktop");
}

QString metainfoFile() {
    return BuildDir + QStringLiteral("/data/") + AppId + QStringLiteral(".metainfo.xml");
}

}  // namespace

TEST(DesktopEntry, PassesDesktopFileValidate) {
    const QString validator =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty()) {
        GTEST_SKIP() << "desktop-file-validate is not installed (package desktop-file-utils)";
    }
    const ToolRun check = runTool(validator, {desktopFile()});
    ASSERT_TRUE(check.started);
    EXPECT_EQ(check.exitCode, 0) << check.output.toStdString();
    EXPECT_FALSE(check.output.contains(QLatin1String("error:"))) << check.output.toStdString();
}

TEST(DesktopEntry, MetainfoPassesAppstreamValidation) {
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
    if (validator.isEmpty()) {
        GTEST_SKIP() << "appstreamcli is not installed (package appstream)";
    }
    const ToolRun check = runTool(
        validator, {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfoFile()});
    ASSERT_TRUE(check.started);
    EXPECT_EQ(check.exitCode, 0) << check.output.toStdString();
}

TEST(DesktopEntry, NamesTheProgramInItalianUnderEducationScienceAndMath) {
    const auto keys = readDesktopEntry(desktopFile());
    EXPECT_EQ(keys.value(QStringLiteral("Type")), QStringLiteral("Application"));
    EXPECT_EQ(keys.value(QStringLiteral("Name")), QStringLiteral("frattalia"));
    EXPECT_TRUE(
        keys.value(QStringLiteral("Comment")).startsWith(QStringLiteral("Esplora l'insieme")));
    EXPECT_EQ(keys.value(QStringLiteral("Categories")), QStringLiteral("Education;Science;Math;"));
    EXPECT_EQ(keys.value(QStringLiteral("Exec")), QStringLiteral("frattalia"));
    EXPECT_EQ(keys.value(QStringLiteral("Icon")), AppId);
}

// The icon is the explorer's start picture: the main cardioid is black, the far
// left of the view is coloured, and the rounded corners are transparent.
TEST(DesktopEntry, TheIconIsTheMandelbrotSetAtEverySize) {
    for (const QString& size : iconSizes()) {
        const QString file =
            QStringLiteral("%1/tools/icons/%2x%2/apps/%3.png").arg(BuildDir, size, AppId);
        const QImage icon(file);
        ASSERT_FALSE(icon.isNull()) << file.toStdString();
        const int side = size.toInt();
        EXPECT_EQ(icon.size(), QSize(side, side));
        EXPECT_TRUE(icon.hasAlphaChannel());
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << side;
        EXPECT_EQ(qAlpha(icon.pixel(side - 1, side - 1)), 0) << side;
        // x = -0,375, y = 0 lies well inside the set.
        const QRgb inside = icon.pixel(side * 65 / 100, side / 2);
        EXPECT_EQ(qAlpha(inside), 255);
        EXPECT_EQ(inside & 0xFFFFFF, 0u) << side;
        // x = -1,875, y = 0,75 escapes at once and takes a colour.
        const QRgb outside = icon.pixel(side * 5 / 100, side * 20 / 100);
        EXPECT_NE(outside & 0xFFFFFF, 0u) << side;
    }
}
