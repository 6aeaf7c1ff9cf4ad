#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "variants/Listing.h"

namespace {

QString writeFile(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes) {
    const QString path = folder.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

}  // namespace

TEST(Listing, ShowsTheFileAsItStandsMarkupIncluded) {
    QTemporaryDir folder;
    const QByteArray rich = "{\\rtf1\\ansi {\\b grassetto} \\par}\n<b>non grassetto</b>\n";
    EXPECT_EQ(Listing::read(writeFile(folder, "ricco.txt", rich)), QString::fromLatin1(rich));
    EXPECT_EQ(Listing::read(writeFile(folder, "accenti.txt", "perché è così\n")),
              QStringLiteral("perché è così\n"));
    // Bytes that are not UTF-8 are an older listing's Latin-1.
    EXPECT_EQ(Listing::read(writeFile(folder, "vecchio.txt", "perch\xe8 cos\xec\r\nFINE\r\n")),
              QStringLiteral("perchè così\nFINE\n"));
    // Its last letter too, where a UTF-8 letter would have begun.
    EXPECT_EQ(Listing::read(writeFile(folder, "finale.txt", "FINE cos\xec")),
              QStringLiteral("FINE così"));
    EXPECT_EQ(Listing::read(writeFile(folder, "vuoto.batch", "")), QString());
}

TEST(Listing, UnreadableOrHugeFilesGiveNothing) {
    QTemporaryDir folder;
    EXPECT_FALSE(Listing::read(folder.filePath(QStringLiteral("manca.txt"))).has_value());
    EXPECT_FALSE(Listing::read(folder.path()).has_value());
    const QString huge = writeFile(folder, "enorme.txt", "10 REM\n");
    QFile file(huge);
    ASSERT_TRUE(file.resize(Listing::MaxBytes + 1));
    EXPECT_FALSE(Listing::read(huge).has_value());
    ASSERT_TRUE(file.resize(Listing::MaxBytes));
    EXPECT_TRUE(Listing::read(huge).has_value());
}

TEST(Listing, SampleLiesBesideTheProgramOrInTheSharedDataFolder) {
    QTemporaryDir root;
    QDir dir(root.path());
    ASSERT_TRUE(dir.mkpath(QStringLiteral("bin")));
    const QString program = dir.filePath(QStringLiteral("bin"));
    EXPECT_EQ(Listing::sampleFolder(program), QString());

    ASSERT_TRUE(dir.mkpath(QStringLiteral("share/frattalia")));
    writeFile(root, QStringLiteral("share/frattalia/listato_vb.txt"), "10 END\n");
    EXPECT_EQ(Listing::sampleFolder(program), dir.filePath(QStringLiteral("share/frattalia")));

    writeFile(root, QStringLiteral("bin/listato_vb.txt"), "10 END\n");
    EXPECT_EQ(Listing::sampleFolder(program), program);
}

TEST(Listing, ShippedSampleIsAShortBasicProgramForTheMandelbrotSet) {
    // The source tree's data folder, found from the tests' own folder.
    const QString path = QFileInfo(QStringLiteral(OFFSCREEN_CONFIG))
                             .dir()
                             .filePath(QStringLiteral("../data/listato_vb.txt"));
    const std::optional<QString> text = Listing::read(path);
    ASSERT_TRUE(text.has_value()) << path.toStdString();
    EXPECT_TRUE(text->startsWith(QStringLiteral("10 REM")));
    EXPECT_TRUE(text->contains(QStringLiteral("PSET")));
    EXPECT_TRUE(text->contains(QStringLiteral("X * X - Y * Y + X0")));
    EXPECT_LT(text->count(QLatin1Char('\n')), 60);
}
