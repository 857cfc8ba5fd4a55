#include "FoundationFixture.h"

#include <QDateTime>
#include <QFileInfo>

#include <thread>
#include <vector>

using tidewell::test::FoundationTest;

namespace
{

void WriteSized(const QString& path, qint64 size, char fill)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_TRUE(file.resize(size));
    file.seek(0);
    file.write(QByteArray(1, fill));
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The live log holds exactly these messages, one timestamped line each.
void ExpectMessages(const QString& path, const QStringList& messages)
{
    const QList<QByteArray> lines = Contents(path).split('\n');
    ASSERT_EQ(lines.size(), messages.size() + 1) << Contents(path).toStdString();
    for (int i = 0; i < messages.size(); ++i)
    {
        EXPECT_TRUE(lines[i].endsWith(" " + messages[i].toUtf8())) << lines[i].toStdString();
        EXPECT_TRUE(
            QDateTime::fromString(QString::fromUtf8(lines[i].left(23)), "yyyy-MM-dd hh:mm:ss.zzz").isValid());
    }
    EXPECT_TRUE(lines.last().isEmpty());
}

char FirstByte(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray first = file.read(1);
    return first.isEmpty() ? 0 : first.at(0);
}

} // namespace

class UILogTest : public FoundationTest
{
protected:
    QString live() const { return dataFolder() + "/UI.log"; }
    QString copy(int k) const { return dataFolder() + QStringLiteral("/UI_%1.log").arg(k); }
};

TEST_F(UILogTest, OpensOnFirstWriteAndKeepsEachMessage)
{
    EXPECT_EQ(WriteUILog("Enter GoHome()"), 0);
    EXPECT_EQ(WriteUILog("Delete DB Failed:/tmp/Путь.db"), 0);
    EXPECT_TRUE(QFile::exists(live()));
    ExpectMessages(live(), {"Enter GoHome()", "Delete DB Failed:/tmp/Путь.db"});
    EXPECT_FALSE(OpenUILog()) << "already open";

    CloseUILog();
    QFile::remove(live());
    EXPECT_EQ(WriteUILog("again"), 0) << "a write after closing opens the log again";
    EXPECT_TRUE(QFile::exists(live()));
}

TEST_F(UILogTest, RotatesFromTheLimitOnward)
{
    load();
    WriteSized(live(), kUILogLimit - 1, 'a');
    EXPECT_EQ(WriteUILog("below"), 0);
    EXPECT_FALSE(QFile::exists(copy(0)));
    EXPECT_GT(QFileInfo(live()).size(), kUILogLimit - 1);
    EXPECT_TRUE(Contents(live()).endsWith(" below\n"));
    CloseUILog();

    WriteSized(live(), kUILogLimit, 'b');
    EXPECT_EQ(WriteUILog("at the limit"), 0);
    EXPECT_EQ(QFileInfo(copy(0)).size(), kUILogLimit);
    EXPECT_EQ(FirstByte(copy(0)), 'b');
    ExpectMessages(live(), {"at the limit"});
    EXPECT_FALSE(QFile::exists(copy(1)));
}

TEST_F(UILogTest, TenCopiesDropTheFiveOldest)
{
    load();
    for (int k = 0; k < 10; ++k)
        WriteSized(copy(k), 16, static_cast<char>('0' + k));
    WriteSized(live(), kUILogLimit, 'L');

    EXPECT_EQ(WriteUILog("rotate"), 0);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(FirstByte(copy(k)), static_cast<char>('5' + k)) << k;
    EXPECT_EQ(FirstByte(copy(5)), 'L');
    for (int k = 6; k < 10; ++k)
        EXPECT_FALSE(QFile::exists(copy(k))) << k;
    ExpectMessages(live(), {"rotate"});

    CloseUILog();
    WriteSized(live(), kUILogLimit + 10, 'N');
    EXPECT_EQ(WriteUILog("next"), 0);
    EXPECT_EQ(FirstByte(copy(6)), 'N');
}

TEST_F(UILogTest, ThreadsOpeningTheLogTogetherAllSucceed)
{
    load();
    for (int round = 0; round < 20; ++round)
    {
        CloseUILog();
        std::vector<int> results(8, 1);
        std::vector<std::thread> threads;
        for (size_t i = 0; i < results.size(); ++i)
            threads.emplace_back([&results, i] { results[i] = WriteUILog("worker"); });
        for (std::thread& thread : threads)
            thread.join();
        for (int result : results)
            EXPECT_EQ(result, 0) << "round " << round;
    }
    // No line was torn by another thread's write.
    for (const QByteArray& line : Contents(live()).split('\n'))
        EXPECT_TRUE(line.isEmpty() || line.endsWith(" worker")) << line.toStdString();
}
