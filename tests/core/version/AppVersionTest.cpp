#include "AppVersion.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QRegularExpression>

TEST(AppVersion, RunningProgramHasFourNumbersFromTheBuild)
{
    const QString version = GetAppVersion();
    EXPECT_TRUE(QRegularExpression("^\\d+\\.\\d+\\.\\d+\\.\\d+$").match(version).hasMatch())
        << version.toStdString();
    EXPECT_EQ(version, QStringLiteral(TIDEWELL_VERSION));
    EXPECT_EQ(GetFileVersion(QCoreApplication::applicationFilePath()), version);
}

TEST(AppVersion, OtherFilesHaveNoVersion)
{
    FixedFileVersion info;
    EXPECT_FALSE(ReadFileVersionInfo("/bin/sh", &info));
    EXPECT_FALSE(ReadFileVersionInfo(QCoreApplication::applicationFilePath(), nullptr));
    EXPECT_EQ(GetProgramVersion("/no/such/program"), "");
}

TEST(AppVersion, BuildVersionText)
{
    EXPECT_EQ(FormatBuildVersion("1.2.3.45"), "1.2.3 (Build 0045)");
    EXPECT_EQ(FormatBuildVersion("2.0"), "2.0.0 (Build 0000)");
    EXPECT_EQ(FormatBuildVersion("1.x.3.12345"), "1.0.3 (Build 12345)");
    EXPECT_EQ(FormatBuildVersion(""), "0.0.0 (Build 0000)");
}
