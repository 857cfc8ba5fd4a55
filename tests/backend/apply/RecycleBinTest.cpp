#include "RecycleBin.h"
#include "NativePath.h"
#include "RemovalRecord.h"
#include "TempHome.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>
#include <vector>

namespace
{

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

TEST(RecycleBinTest, DayFolderAndCollisionNames)
{
    EXPECT_EQ(CRecycleBin::DayFolder("/x/Bin", QDate(2025, 3, 5)), "/x/Bin/2025-03-05");
    EXPECT_EQ(CRecycleBin::DayFolder("/x/Bin/", QDate(2025, 3, 5)), "/x/Bin/2025-03-05");

    tidewell::test::TempHome home;
    const QString day = home.path() + "/bin.d/2025-03-05";
    QDir().mkpath(day);
    const QStringList expected = {"song.mp3", "song1.mp3", "song12.mp3", "song123.mp3"};
    for (const QString& name : expected)
    {
        const QString target = CRecycleBin::FreeTarget(day, "song.mp3");
        ASSERT_EQ(target, day + "/" + name);
        writeFile(target, name.toUtf8());
    }
    // A name without an extension cannot be numbered; the '.' of a folder never takes the number.
    EXPECT_EQ(CRecycleBin::FreeTarget(day, "README"), day + "/README");
    writeFile(day + "/README", "r");
    EXPECT_TRUE(CRecycleBin::FreeTarget(day, "README").isEmpty());
    writeFile(day + "/.hidden", "h");
    EXPECT_TRUE(CRecycleBin::FreeTarget(day, ".hidden").isEmpty());

    // Names as long as a name may be (Latin, Japanese, and bytes that are no UTF-8) get numbered
    // names that fit, cut at a whole character, each copy its own.
    const QString japanese = QString::fromUtf8("曲").repeated(83) + ".flac";
    const QString bytes = PathFromNative(QByteArray(251, '\xe9') + ".ogg");
    std::vector<QByteArray> made;
    for (const QString& name : {QString(251, u'a') + ".mp3", japanese, bytes})
    {
        const QString extension = name.mid(name.lastIndexOf(u'.'));
        QSet<QString> seen;
        for (int copy = 0; copy < 5; ++copy)
        {
            const QString target = CRecycleBin::FreeTarget(day, name);
            ASSERT_FALSE(target.isEmpty()) << copy;
            const QString taken = QFileInfo(target).fileName();
            EXPECT_LE(PathToNative(taken).size(), 255);
            EXPECT_EQ(PathFromNative(PathToNative(taken)), taken);
            ASSERT_TRUE(taken.endsWith(extension));
            QString stem = taken.chopped(extension.size());
            while (copy > 0 && stem.back().isDigit())
                stem.chop(1);
            EXPECT_TRUE(name.startsWith(stem)) << copy;
            EXPECT_FALSE(seen.contains(taken));
            seen.insert(taken);
            made.push_back(PathToNative(target));
            const int fd = ::open(made.back().constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
            ASSERT_GE(fd, 0);
            ::close(fd);
        }
    }
    for (const QByteArray& path : made) // the home's clean-up goes through Qt, which cannot name all
        ::unlink(path.constData());
}

TEST(RecycleBinTest, MovesNeverOverwriteAndCopiesKeepTheFile)
{
    tidewell::test::TempHome home;
    const QString a = home.path() + "/a/song.mp3";
    const QString b = home.path() + "/b/song.mp3";
    writeFile(a, "first");
    writeFile(b, "second");
    EXPECT_EQ(CRecycleBin::MoveFile(a, b), CRecycleBin::MoveTargetExists);
    EXPECT_EQ(CRecycleBin::CopyThenRemove(a, b), CRecycleBin::MoveTargetExists);
    EXPECT_EQ(readFile(a), "first");
    EXPECT_EQ(readFile(b), "second");
    EXPECT_EQ(CRecycleBin::MoveFile(home.path() + "/none.mp3", home.path() + "/c.mp3"),
              CRecycleBin::MoveNoSource);
    EXPECT_EQ(CRecycleBin::MoveFile(a, home.path() + "/nofolder/x/y.mp3"), CRecycleBin::MoveFailed);
    EXPECT_EQ(readFile(a), "first");

    // The copying move: same bytes and times, then the source goes.
    const QByteArray big(3 * 65536 + 17, 'q');
    writeFile(a, big);
    {
        QFile f(a);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(
            f.setFileTime(QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5)), QFileDevice::FileModificationTime));
    }
    const QString c = home.path() + "/c/copy.mp3";
    QDir().mkpath(home.path() + "/c");
    ASSERT_EQ(CRecycleBin::CopyThenRemove(a, c), CRecycleBin::MoveOk);
    EXPECT_FALSE(QFileInfo::exists(a));
    EXPECT_EQ(readFile(c), big);
    EXPECT_EQ(QFileInfo(c).lastModified(), QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5)));
}

TEST(RecycleBinTest, MovesAcrossFileSystemsByCopy)
{
    tidewell::test::TempHome home;
    struct stat here
    {
    }, there{};
    if (::stat(QFile::encodeName(home.path()).constData(), &here) != 0 || ::stat("/dev/shm", &there) != 0 ||
        here.st_dev == there.st_dev)
        GTEST_SKIP() << "no second file system";
    QTemporaryDir other("/dev/shm/tidewell-recycle-XXXXXX");
    ASSERT_TRUE(other.isValid());
    const QString a = home.path() + "/song.flac";
    writeFile(a, QByteArray(100000, 'f'));
    const QString b = other.path() + "/song.flac";
    ASSERT_EQ(CRecycleBin::MoveFile(a, b), CRecycleBin::MoveOk);
    EXPECT_FALSE(QFileInfo::exists(a));
    EXPECT_EQ(readFile(b), QByteArray(100000, 'f'));
    // And back, never over an existing file.
    writeFile(a, "new");
    EXPECT_EQ(CRecycleBin::MoveFile(b, a), CRecycleBin::MoveTargetExists);
    EXPECT_EQ(readFile(a), "new");
    EXPECT_TRUE(QFileInfo::exists(b));
}

namespace
{

// Runs `work` in a child process that the kernel kills once it writes past 100 000 bytes into a
// file (a real kill in the middle of a copy); true when it was killed so.
bool KilledAtTheSizeLimit(const std::function<void()>& work)
{
    const pid_t child = ::fork();
    if (child == 0)
    {
        const struct rlimit size
        {
            100000, 100000
        }, core{0, 0};
        ::setrlimit(RLIMIT_FSIZE, &size);
        ::setrlimit(RLIMIT_CORE, &core);
        work();
        ::_exit(0);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFSIGNALED(status) &&
           WTERMSIG(status) == SIGXFSZ;
}

} // namespace

// A program killed while it copies a song into the recycle folder of another file system (here:
// a write past the file-size limit, which ends the process) leaves no cut-off song under its
// name, only a temporary copy, which the next move into that folder removes.
TEST(RecycleBinTest, KilledCopyLeavesNoSongBehind)
{
    tidewell::test::TempHome home;
    const QString a = home.path() + "/song.m4a";
    writeFile(a, QByteArray(300000, 'm'));
    const QString day = home.path() + "/bin/2025-03-05";
    QDir().mkpath(day);
    ASSERT_TRUE(KilledAtTheSizeLimit([&] { CRecycleBin::CopyThenRemove(a, day + "/song.m4a"); }));
    EXPECT_EQ(readFile(a), QByteArray(300000, 'm'));
    const QStringList left = QDir(day).entryList(QDir::Files | QDir::Hidden);
    ASSERT_EQ(left.size(), 1);
    EXPECT_TRUE(left.first().startsWith(".tidewell-edit-"));

    // Left by an earlier run: gone once a copy goes into that folder again.
    const struct utimbuf past
    {
        1000000000, 1000000000
    };
    ASSERT_EQ(::utime(QFile::encodeName(day + "/" + left.first()).constData(), &past), 0);
    ASSERT_EQ(CRecycleBin::CopyThenRemove(a, day + "/song.m4a"), CRecycleBin::MoveOk);
    EXPECT_EQ(QDir(day).entryList(QDir::Files | QDir::Hidden), QStringList{"song.m4a"});
    EXPECT_EQ(readFile(day + "/song.m4a"), QByteArray(300000, 'm'));
    EXPECT_FALSE(QFileInfo::exists(a));

    // A removal killed in the middle of its copy leaves the mark of its move, its record and the
    // partial copy; the next start clears the three, and says a move was killed.
    const QString root = home.path() + "/bin", next = root + "/2025-03-06";
    QDir().mkpath(next);
    writeFile(a, QByteArray(300000, 'n'));
    ASSERT_TRUE(KilledAtTheSizeLimit(
        [&]
        {
            const CRecycleBin::MoveMark moving(root);
            if (CRemovalRecord::Write(next + "/song.m4a", a))
                CRecycleBin::CopyThenRemove(a, next + "/song.m4a");
        }));
    for (const QString& folder : {root, next})
        for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
            ASSERT_EQ(::utime(QFile::encodeName(folder + "/" + name).constData(), &past), 0);
    EXPECT_EQ(QDir(next).entryList(QDir::Files | QDir::Hidden).size(), 2);
    EXPECT_TRUE(CRecycleBin::ClearLeftovers(root));
    EXPECT_TRUE(QDir(next).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_EQ(QDir(root).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"2025-03-05", "2025-03-06"}));
    EXPECT_EQ(QDir(day).entryList(QDir::Files | QDir::Hidden), QStringList{"song.m4a"});
    EXPECT_EQ(readFile(a), QByteArray(300000, 'n'));
    EXPECT_FALSE(CRecycleBin::ClearLeftovers(root));
}
