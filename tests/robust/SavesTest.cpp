// The three things the program writes to disk (the saved view, the explorer's bitmap,
// the variants' GIF) either replace their file whole or leave the earlier one as it
// was: a full disk, a read-only folder or file, a missing folder, a folder in the way.
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <linux/securebits.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <vector>

#include "mandel/ParameterFile.h"
#include "shell/Canvas.h"
#include "variants/GifFile.h"

namespace {

// Files bigger than the limit cannot be written, as on a full disk. The signal the
// kernel sends on such a write is ignored, so the write just fails.
class FullDisk {
  public:
    explicit FullDisk(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &before_);
        signalBefore_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = before_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &before_);
        std::signal(SIGXFSZ, signalBefore_);
    }

  private:
    rlimit before_{};
    void (*signalBefore_)(int) = nullptr;
};

// Read-only files and folders bind this process even when it runs as root (as CI
// does): the capabilities that override file permissions leave the effective set
// meanwhile, and the question "may I write this file?" is answered with that set too
// (without the flag an administrator's question is answered with all it may have).
class PermissionsBind {
  public:
    PermissionsBind() {
        const int bits = prctl(PR_GET_SECUREBITS);
        if (bits >= 0 && prctl(PR_SET_SECUREBITS, bits | SECBIT_NO_SETUID_FIXUP) == 0) {
            securebitsBefore_ = bits;
        }
        header_.version = _LINUX_CAPABILITY_VERSION_3;
        header_.pid = 0;
        if (syscall(SYS_capget, &header_, before_) != 0) {
            return;
        }
        __user_cap_data_struct reduced[2] = {before_[0], before_[1]};
        for (int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
            reduced[capability / 32].effective &= ~(1u << (capability % 32));
        }
        changed_ = syscall(SYS_capset, &header_, reduced) == 0;
    }
    ~PermissionsBind() {
        if (changed_) {
            syscall(SYS_capset, &header_, before_);
        }
        if (securebitsBefore_ >= 0) {
            prctl(PR_SET_SECUREBITS, securebitsBefore_);
        }
    }

    // Whether a read-only file now reads as read-only to this process.
    bool binds() const {
        QTemporaryDir folder;
        const QString probe = folder.filePath(QStringLiteral("prova"));
        QFile(probe).open(QIODevice::WriteOnly);
        QFile::setPermissions(probe, QFile::ReadOwner);
        return access(probe.toLocal8Bit().constData(), W_OK) != 0;
    }

  private:
    int securebitsBefore_ = -1;
    __user_cap_header_struct header_{};
    __user_cap_data_struct before_[2]{};
    bool changed_ = false;
};

// One of the program's writers: it writes its file at a path, the first or the second
// version of its content; false when it could not.
struct Writer {
    const char* name;
    const char* fileName;
    std::function<bool(const QString& path, int version)> write;
};

QImage picture(int version) {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(version == 1 ? Qt::red : Qt::blue);
    return image;
}

const std::vector<Writer>& writers() {
    static const std::vector<Writer> all = {
        {"saved view", "caos1.txt",
         [](const QString& path, int version) {
             ParameterFile::setPath(path);
             const bool saved = version == 1
                                    ? ParameterFile::save({"-0,75", "0", "70", "1"})
                                    : ParameterFile::save({"-0,1011", "0,9563", "200", "123,5"});
             ParameterFile::setPath(QString());
             return saved;
         }},
        {"bitmap", "mandel.bmp",
         [](const QString& path, int version) {
             Canvas canvas;
             canvas.resize(64, 48);
             canvas.setBackColor(version == 1 ? Colour::Red : Colour::Blue);
             canvas.Cls();
             return canvas.saveBitmap(path);
         }},
        {"GIF", "variante.gif",
         [](const QString& path, int version) { return GifFile::write(picture(version), path); }},
    };
    return all;
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The files in a folder, to see that a failed save left nothing behind.
QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

}  // namespace

TEST(Saves, AFullDiskLeavesTheEarlierFileAsItWas) {
    for (const Writer& writer : writers()) {
        SCOPED_TRACE(writer.name);
        QTemporaryDir folder;
        const QString path = folder.filePath(writer.fileName);
        ASSERT_TRUE(writer.write(path, 1));
        const QByteArray earlier = bytesOf(path);
        bool saved = true;
        {
            const FullDisk full(8);
            saved = writer.write(path, 2);
        }
        EXPECT_FALSE(saved);
        EXPECT_EQ(bytesOf(path), earlier);
        EXPECT_EQ(filesIn(folder.path()), QStringList{writer.fileName});
    }
}

TEST(Saves, AReadOnlyFolderLeavesTheEarlierFileAsItWas) {
    for (const Writer& writer : writers()) {
        SCOPED_TRACE(writer.name);
        QTemporaryDir folder;
        const QString path = folder.filePath(writer.fileName);
        ASSERT_TRUE(writer.write(path, 1));
        const QByteArray earlier = bytesOf(path);
        {
            const PermissionsBind bind;
            if (!bind.binds()) {
                GTEST_SKIP() << "file permissions cannot be made to bind this process";
            }
            // The folder read-only, the file itself still writable.
            QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
            EXPECT_FALSE(writer.write(path, 2));
            // Read-only and a full disk together: still nothing touched.
            {
                const FullDisk full(8);
                EXPECT_FALSE(writer.write(path, 2));
            }
            QFile::setPermissions(folder.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        EXPECT_EQ(bytesOf(path), earlier);
        EXPECT_EQ(filesIn(folder.path()), QStringList{writer.fileName});
    }
}

TEST(Saves, AReadOnlyFileIsNotReplaced) {
    for (const Writer& writer : writers()) {
        SCOPED_TRACE(writer.name);
        QTemporaryDir folder;
        const QString path = folder.filePath(writer.fileName);
        ASSERT_TRUE(writer.write(path, 1));
        const QByteArray earlier = bytesOf(path);
        QFile::setPermissions(path, QFile::ReadOwner);
        {
            const PermissionsBind bind;
            if (!bind.binds()) {
                GTEST_SKIP() << "file permissions cannot be made to bind this process";
            }
            EXPECT_FALSE(writer.write(path, 2));
        }
        EXPECT_EQ(bytesOf(path), earlier);
        EXPECT_EQ(filesIn(folder.path()), QStringList{writer.fileName});
    }
}

TEST(Saves, AMissingFolderIsMadeForTheViewButNotForPictures) {
    for (const Writer& writer : writers()) {
        SCOPED_TRACE(writer.name);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("nuova/") + writer.fileName);
        const bool isView = QString::fromLatin1(writer.name) == QLatin1String("saved view");
        EXPECT_EQ(writer.write(path, 1), isView);
        EXPECT_EQ(QFile::exists(path), isView);
        // A folder that cannot be made, under a plain file, fails for every writer.
        QFile plain(folder.filePath(QStringLiteral("file")));
        ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
        plain.close();
        EXPECT_FALSE(
            writer.write(folder.filePath(QStringLiteral("file/sotto/")) + writer.fileName, 1));
        EXPECT_EQ(bytesOf(plain.fileName()), QByteArray());
    }
}

TEST(Saves, AFolderInTheFilesPlaceStaysAFolder) {
    for (const Writer& writer : writers()) {
        SCOPED_TRACE(writer.name);
        QTemporaryDir folder;
        const QString path = folder.filePath(writer.fileName);
        ASSERT_TRUE(QDir().mkpath(path + QStringLiteral("/dentro")));
        EXPECT_FALSE(writer.write(path, 1));
        EXPECT_TRUE(QFileInfo(path + QStringLiteral("/dentro")).isDir());
        EXPECT_TRUE(filesIn(folder.path()).isEmpty());
    }
}
