#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <thread>

#include "mandel/ParameterFile.h"

namespace {

using ParameterFile::Fields;

class SavedView : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        ParameterFile::setPath(folder.filePath("dati/caos1.txt"));
    }
    void TearDown() override { ParameterFile::setPath(QString()); }

    QByteArray bytesOnDisk() const {
        QFile file(ParameterFile::path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeOnDisk(const QByteArray& bytes) const {
        QDir().mkpath(folder.filePath("dati"));
        QFile file(ParameterFile::path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir folder;
};

TEST_F(SavedView, IsOneQuotedCommaSeparatedLineEndedByCrLf) {
    EXPECT_FALSE(ParameterFile::load().has_value());  // missing: nothing
    ASSERT_TRUE(ParameterFile::save({"-0,75", "0", "30", "1"}));
    EXPECT_EQ(bytesOnDisk(), QByteArray("\"-0,75\",\"0\",\"30\",\"1\"\r\n"));
    // Single-byte characters on disk.
    ASSERT_TRUE(ParameterFile::save({"è", "0", "30", "1"}));
    EXPECT_EQ(bytesOnDisk(), QByteArray("\"\xe8\",\"0\",\"30\",\"1\"\r\n"));
}

TEST_F(SavedView, ComesBackExactlyAsTheBoxesHeldIt) {
    const Fields views[] = {
        {"-0,750252702027307", "1,24345324727702E-02", "970", "90000"},
        {"sette", "", "  12 ", "1,2,3"},
        {"dice \"ciao\"", "\"", "a,b", "\"\""},
    };
    for (const Fields& view : views) {
        ASSERT_TRUE(ParameterFile::save(view));
        const auto loaded = ParameterFile::load();
        ASSERT_TRUE(loaded.has_value());
        EXPECT_EQ(*loaded, view);
    }
}

TEST_F(SavedView, AFileWithFewerThanFourFieldsGivesNothing) {
    for (const char* content : {"\"-0,75\",\"0\",\"30\"\r\n", "", "\r\n", "\"-0,75\",\"0\",\"30",
                                "\"-0,75\",\"0\",\"30\",\"1"}) {
        writeOnDisk(content);
        EXPECT_FALSE(ParameterFile::load().has_value()) << content;
    }
    // Bare fields, as other programs may write them, are read too.
    writeOnDisk("-1, 0 ,70,5\r\n\"altro\"\r\n");
    EXPECT_EQ(ParameterFile::load(), (Fields{"-1", "0", "70", "5"}));
}

TEST_F(SavedView, BinaryEmptyOrHugeFilesGiveNothingOrTheirFirstLine) {
    writeOnDisk(QByteArray());
    EXPECT_FALSE(ParameterFile::load().has_value());

    // Every byte value over and over: the first line holds no comma.
    QByteArray binary;
    for (int i = 0; i < 4096; ++i) {
        binary += static_cast<char>(i % 256);
    }
    writeOnDisk(binary);
    EXPECT_FALSE(ParameterFile::load().has_value());
    // Bytes that are no text inside the quotes come back as they were read.
    writeOnDisk(QByteArray("\"\x01\xff\",\"\0\",\"7\",\"\xe8\"\r\n", 18));
    const auto odd = ParameterFile::load();
    ASSERT_TRUE(odd.has_value());
    EXPECT_EQ((*odd)[0], QString::fromLatin1("\x01\xff"));
    EXPECT_EQ((*odd)[1], QString(QChar(0)));
    EXPECT_EQ((*odd)[3], QString::fromLatin1("\xe8"));

    // 100 MB: of nothing, or after a view. Only the start of the file is read.
    const qint64 hundredMegabytes = 100LL * 1024 * 1024;
    writeOnDisk(QByteArray());
    {
        QFile file(ParameterFile::path());
        ASSERT_TRUE(file.resize(hundredMegabytes));  // sparse: no time, no disk
    }
    EXPECT_FALSE(ParameterFile::load().has_value());
    writeOnDisk("\"-0,75\",\"0\",\"70\",\"1\"\r\n");
    {
        QFile file(ParameterFile::path());
        ASSERT_TRUE(file.resize(hundredMegabytes));
    }
    EXPECT_EQ(ParameterFile::load(), (Fields{"-0,75", "0", "70", "1"}));
}

TEST_F(SavedView, AFailedSaveKeepsTheViewSavedBefore) {
    ASSERT_TRUE(ParameterFile::save({"1", "2", "3", "4"}));
    // A folder where the file should be: it cannot be written.
    ParameterFile::setPath(folder.filePath("dati"));
    EXPECT_FALSE(ParameterFile::save({"5", "6", "7", "8"}));
    ParameterFile::setPath(folder.filePath("dati/caos1.txt"));
    EXPECT_EQ(ParameterFile::load(), (Fields{"1", "2", "3", "4"}));
}

TEST_F(SavedView, APipeInTheFilesPlaceIsNotRead) {
    ASSERT_TRUE(QDir().mkpath(folder.filePath("dati")));
    const QByteArray pipe = QFile::encodeName(ParameterFile::path());
    ASSERT_EQ(mkfifo(pipe.constData(), 0600), 0);
    // A writer with a view: opening the pipe to read would wait for it, then read it.
    std::thread writer([&pipe] {
        const int out = open(pipe.constData(), O_WRONLY);
        const char line[] = "\"1\",\"2\",\"3\",\"4\"\r\n";
        EXPECT_GT(write(out, line, sizeof line - 1), 0);
        close(out);
    });
    EXPECT_FALSE(ParameterFile::load().has_value());
    // Lets the writer go when nothing read the pipe.
    const int in = open(pipe.constData(), O_RDONLY | O_NONBLOCK);
    writer.join();
    close(in);
}

}  // namespace
