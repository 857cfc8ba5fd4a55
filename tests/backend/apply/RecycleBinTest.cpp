#include "RecycleBin.h"
#include "TempHome.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

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
