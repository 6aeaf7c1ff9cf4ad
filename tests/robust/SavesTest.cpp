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

#include <QDirIterator>
#include <QTemporaryDir>
#include <csignal>

#include "mandel/ParameterFile.h"
#include "shell/Canvas.h"
#include "variants/GifFile.h"

namespace {

// For the rest of this process, read-only files and folders bind it even as root (as
// in CI): the capabilities leave the effective set, and the question "may I write this
// file?" is answered with that set too, not with all an administrator may have. False
// where they cannot be made to bind. A write past the limit of a full disk just fails:
// the signal the kernel sends then is ignored.
bool bindPermissions() {
    std::signal(SIGXFSZ, SIG_IGN);
    prctl(PR_SET_SECUREBITS, prctl(PR_GET_SECUREBITS) | SECBIT_NO_SETUID_FIXUP);
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct caps[2];
    syscall(SYS_capget, &header, caps);
    caps[0].effective = caps[1].effective = 0;
    syscall(SYS_capset, &header, caps);
    return (prctl(PR_GET_SECUREBITS) & SECBIT_NO_SETUID_FIXUP) != 0 || getuid() != 0;
}

// Writes one of the three files at a path, with a colour in it.
bool save(const QString& file, const QString& path, ColourNumber colour) {
    if (file.endsWith(".txt")) {
        ParameterFile::setPath(path);
        const bool saved = ParameterFile::save({"-0,75", "0", "70", QString::number(colour)});
        ParameterFile::setPath(QString());
        return saved;
    }
    Canvas canvas;
    canvas.resize(64, 48);
    canvas.setBackColor(colour);
    canvas.Cls();
    return file.endsWith(".gif") ? GifFile::write(canvas.image(), path) : canvas.saveBitmap(path);
}

// Everything in a folder, with what its files hold.
QStringList contents(const QString& folder) {
    QStringList all;
    QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        QFile file(entries.next());
        all << file.fileName() + (file.open(QIODevice::ReadOnly) ? file.readAll() : "/");
    }
    all.sort();
    return all;
}

const QFile::Permissions R = QFile::ReadOwner, RW = R | QFile::WriteOwner, RX = R | QFile::ExeOwner,
                         RWX = RW | QFile::ExeOwner;

// What stands in the way of a save over an earlier file: where the save goes (%1 the
// file's name), a full disk, the folder's and the file's permissions, a folder in the
// file's place. Only the saved view makes a missing folder.
struct Obstacle {
    const char* name;
    const char* target;
    bool fullDisk;
    QFile::Permissions folder, file;
    bool folderInPlace, viewSaves;
};
const Obstacle obstacles[] = {
    {"FullDisk", "%1", true, RWX, RW, false, false},
    {"ReadOnlyFolder", "%1", false, RX, RW, false, false},
    {"ReadOnlyFolderAndFullDisk", "%1", true, RX, RW, false, false},
    {"ReadOnlyFile", "%1", false, RWX, R, false, false},
    {"MissingFolder", "nuova/%1", false, RWX, RW, false, true},
    {"FolderUnderAFile", "%1/sotto/x", false, RWX, RW, false, false},
    {"FolderInThePlace", "%1", false, RWX, RW, true, false},
};

void PrintTo(const Obstacle& obstacle, std::ostream* out) {
    *out << obstacle.name;
}

class Saves : public ::testing::TestWithParam<Obstacle> {};

}  // namespace

TEST_P(Saves, LeaveTheEarlierFileAsItWasOrReplaceItWhole) {
    const Obstacle& obstacle = GetParam();
    if (!bindPermissions() && (obstacle.folder != RWX || obstacle.file != RW)) {
        GTEST_SKIP() << "file permissions cannot be made to bind this process";
    }
    for (const QString file : {"caos1.txt", "mandel.bmp", "variante.gif"}) {
        SCOPED_TRACE(file.toStdString());
        QTemporaryDir folder;
        ASSERT_TRUE(save(file, folder.filePath(file), Colour::Red));
        const QString path = folder.filePath(QString(obstacle.target).arg(file));
        QFile::setPermissions(folder.filePath(file), obstacle.file);
        if (obstacle.folderInPlace) {
            QFile::remove(path);
            QDir().mkpath(path + "/dentro");
        }
        QFile::setPermissions(folder.path(), obstacle.folder);
        const QStringList before = contents(folder.path());
        // A full disk takes files of 8 bytes at most.
        rlimit limit, full;
        getrlimit(RLIMIT_FSIZE, &limit);
        full = {8, limit.rlim_max};
        setrlimit(RLIMIT_FSIZE, obstacle.fullDisk ? &full : &limit);
        const bool saved = save(file, path, Colour::Blue);
        setrlimit(RLIMIT_FSIZE, &limit);
        QFile::setPermissions(folder.path(), RWX);
        EXPECT_EQ(saved, obstacle.viewSaves && file.endsWith(".txt"));
        EXPECT_EQ(contents(folder.path()) == before, !saved);
    }
}

INSTANTIATE_TEST_SUITE_P(Obstacles, Saves, ::testing::ValuesIn(obstacles),
                         [](const auto& info) { return info.param.name; });
