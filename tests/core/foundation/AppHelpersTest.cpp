#include "AppHelpers.h"
#include "GeneralUtils.h"

#include "TempHome.h"

#include <QDateTime>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <climits>

TEST(AppHelpers, FormatSizeMB)
{
    QString out;
    EXPECT_EQ(FormatSizeMB("5242880", out), 0);
    EXPECT_EQ(out, "5.00MB");
    FormatSizeMB("1000", out);
    EXPECT_EQ(out, "0.01MB");
    FormatSizeMB("no number", out);
    EXPECT_EQ(out, "0.01MB");
    FormatSizeMB("-5", out);
    EXPECT_EQ(out, "0.01MB");
    // Files above 2 GiB keep their size instead of collapsing to the minimum.
    FormatSizeMB("3221225472", out);
    EXPECT_EQ(out, "3072.00MB");
}

TEST(AppHelpers, FormatDurationShowsOneSecondMore)
{
    QString out;
    EXPECT_EQ(FormatDuration("180000", out), 0);
    EXPECT_EQ(out, "00:03:01");
    FormatDuration("59000", out);
    EXPECT_EQ(out, "00:01:00");
    FormatDuration("3599000", out);
    EXPECT_EQ(out, "01:00:00");
    FormatDuration("0", out);
    EXPECT_EQ(out, "00:00:01");
    FormatDuration("59999", out);
    EXPECT_EQ(out, "00:01:00");
    FormatDuration("360000000", out);
    EXPECT_EQ(out, "100:00:01") << "hours are not limited to two digits";
    FormatDuration("-4000", out);
    EXPECT_EQ(out, "00:00:01");
    FormatDuration("text", out);
    EXPECT_EQ(out, "00:00:01");
}

TEST(AppHelpers, FormatThousands)
{
    EXPECT_EQ(FormatThousands(0), "0");
    EXPECT_EQ(FormatThousands(999), "999");
    EXPECT_EQ(FormatThousands(1000), "1,000");
    EXPECT_EQ(FormatThousands(-1234567), "-1,234,567");
    EXPECT_EQ(FormatThousands(INT_MIN), "-2,147,483,648");
}

TEST(AppHelpers, EnsureFileExistsMakesFoldersAndFile)
{
    tidewell::test::TempHome home;
    const QString path = home.path() + "/a/b/c/empty.txt";
    EXPECT_TRUE(EnsureFileExists(path));
    EXPECT_TRUE(QFileInfo(path).isFile());
    EXPECT_EQ(QFileInfo(path).size(), 0);
    EXPECT_TRUE(IsFileExist(path));
    EXPECT_TRUE(IsDirExist(home.path() + "/a/b/c"));
    EXPECT_FALSE(IsDirExist(path));
    EXPECT_FALSE(IsFileExist(home.path() + "/missing"));

    QFile blocker(home.path() + "/blocker");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(EnsureFileExists(home.path() + "/blocker/inside.txt"));
}

TEST(GeneralUtils, FoldersAndSeparators)
{
    tidewell::test::TempHome home;
    const QString deep = home.path() + "/one/two/three";
    EXPECT_TRUE(CreateDirPath(deep));
    EXPECT_TRUE(QFileInfo(deep).isDir());
    const QDateTime before = QFileInfo(deep).lastModified();
    EXPECT_TRUE(CreateDirPath(deep)) << "an existing folder is fine as it is";
    EXPECT_EQ(QFileInfo(deep).lastModified(), before);
    EXPECT_FALSE(CreateDirPath(QString()));

    EXPECT_EQ(ToNativeSeparators("a\\b/c d"), "a\\b/c d") << "backslashes and the rest stay";
    EXPECT_FALSE(ShowInExplorer(home.path() + "/nothing/here"));
}
