#include "FoundationFixture.h"

#include "AppGlobals.h"
#include "SpecialFolders.h"

#include <QDate>
#include <QFileInfo>
#include <QSettings>

#include <atomic>
#include <thread>
#include <utility>

using tidewell::test::FoundationTest;

namespace
{

const QString kToday = QDate::currentDate().toString("yyyy-MM-dd");

void ExpectUpdateDateToday(const CAppSettings& settings)
{
    int year = 0, month = 0, day = 0;
    EXPECT_EQ(settings.GetUpdateDate(year, month, day), 0);
    const QDate today = QDate::currentDate();
    EXPECT_EQ(year, today.year());
    EXPECT_EQ(month, today.month());
    EXPECT_EQ(day, today.day());
}

// The raw text of one key in the ini file, as a fresh reader of the file sees it.
QString StoredValue(const QString& iniPath, const QString& key)
{
    QSettings reader(iniPath, QSettings::IniFormat);
    return reader.value(key).toString();
}

} // namespace

TEST_F(FoundationTest, FirstStartCreatesFoldersAndLoadsDefaultsWithoutWriting)
{
    CAppSettings* settings = load();
    ASSERT_NE(settings, nullptr);

    EXPECT_EQ(settings->GetPictureFolder(), documentsRoot() + "/Picture");
    EXPECT_EQ(settings->GetMusicFolder(), documentsRoot() + "/Music");
    EXPECT_EQ(settings->GetRecycleFolder(), documentsRoot() + "/Picture/Zavro_Recycle Bin");
    EXPECT_EQ(settings->GetDataFolder(), dataFolder());
    for (const QString& folder : {settings->GetPictureFolder(), settings->GetMusicFolder(),
                                  settings->GetRecycleFolder(), settings->GetDataFolder()})
        EXPECT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString();
    EXPECT_EQ(g_strAppRoot, "Zavro/Tidewell");
    EXPECT_EQ(g_strDBPath, dataFolder() + "/MusicLibrary.db");
    EXPECT_EQ(settings->GetIniPath(), iniPath());

    EXPECT_EQ(settings->GetProxyEnabled(), 0);
    EXPECT_EQ(settings->GetProxyType(), 0);
    EXPECT_EQ(settings->GetProxyHost(), "");
    EXPECT_EQ(settings->GetProxyPort(), 0);
    EXPECT_EQ(settings->GetProxyUser(), "");
    EXPECT_EQ(settings->GetProxyPassword(), "");
    EXPECT_EQ(settings->GetMsgDshow(), 0);
    EXPECT_EQ(settings->GetAutoUpdate(), 1);
    EXPECT_EQ(settings->GetUpdateDays(), 7);
    EXPECT_EQ(settings->GetGenernal(), 0x8010c00);
    EXPECT_EQ(settings->GetDuplicate(), 0x31020c20);
    EXPECT_EQ(settings->GetReplace(), 0x1000c00);
    EXPECT_EQ(settings->GetMatchDegree(), 32);
    EXPECT_EQ(settings->GetClearDays(), 7);
    EXPECT_EQ(settings->GetOpenPath(), "");
    EXPECT_EQ(settings->GetLanguage(), "");
    ExpectUpdateDateToday(*settings);

    ReleaseAppSettings();
    EXPECT_FALSE(QFile::exists(iniPath())) << "nothing is written while loading a fresh configuration";
}

TEST_F(FoundationTest, EmptyAndPartlyCorruptIniLoadDefaultsForWhatIsUnreadable)
{
    writeIni("");
    CAppSettings* settings = load();
    EXPECT_EQ(settings->GetDuplicate(), 0x31020c20);
    EXPECT_EQ(settings->GetClearDays(), 7);
    ReleaseAppSettings();
    EXPECT_EQ(readIni(), QByteArray());

    // Keys under a section of their own (a broken header starts one) are not top-level keys.
    writeIni("\x01\x02 not an ini line\nGenernal=1234\n=novalue\nReplace\nAuto_update=2\n"
             "Update_Days=seven\nLanguage=ar\n[[[broken\nDuplicate=5\n");
    settings = load();
    EXPECT_EQ(settings->GetGenernal(), 1234);
    EXPECT_EQ(settings->GetAutoUpdate(), 2);
    EXPECT_EQ(settings->GetUpdateDays(), 1) << "a number key holding text reads as 0, then kept in range";
    EXPECT_EQ(settings->GetReplace(), 0x1000c00);
    EXPECT_EQ(settings->GetLanguage(), "ar");
    EXPECT_EQ(settings->GetDuplicate(), 0x31020c20);
}

TEST_F(FoundationTest, OutOfRangeHistoryAndClearDaysAreRepairedAndWrittenAtOnce)
{
    for (const char* stored : {"5", "-1"})
    {
        writeIni(QByteArray("HistoryOpt=") + stored + "\n");
        load();
        EXPECT_EQ(StoredValue(iniPath(), "HistoryOpt"), "0") << stored;
        ReleaseAppSettings();
    }

    writeIni("HistoryOpt=abc\n");
    load();
    EXPECT_EQ(StoredValue(iniPath(), "HistoryOpt"), "abc") << "non-numeric loads as 0 without a write";
    ReleaseAppSettings();

    for (const char* stored : {"0", "-3", "many"})
    {
        writeIni(QByteArray("ClearDays=") + stored + "\n");
        CAppSettings* settings = load();
        EXPECT_EQ(settings->GetClearDays(), 7) << stored;
        EXPECT_EQ(StoredValue(iniPath(), "ClearDays"), "7") << stored;
        ReleaseAppSettings();
    }
}

TEST_F(FoundationTest, StoredUpdateDaysAreKeptBetweenOneAndNinetyNine)
{
    // Each file a different length: Qt keeps a parsed file while its size and time stay the same.
    QByteArray blankLines;
    for (const auto& [stored, read] :
         {std::pair{"0", 1}, {"-4", 1}, {"1", 1}, {"30", 30}, {"99", 99}, {"150", 99}})
    {
        blankLines += '\n';
        writeIni(QByteArray("Update_Days=") + stored + blankLines);
        EXPECT_EQ(load()->GetUpdateDays(), read) << stored;
        ReleaseAppSettings();
    }
}

TEST_F(FoundationTest, InvalidClearDateAndIncompleteUpdateDateBecomeToday)
{
    for (const char* stored : {"2023-02-30", "", "31/12/2023"})
    {
        writeIni(QByteArray("ClearDate=") + stored + "\n");
        load();
        EXPECT_EQ(StoredValue(iniPath(), "ClearDate"), kToday) << stored;
        ReleaseAppSettings();
    }

    writeIni("ClearDate=2024-02-29\nUpdate_year=2020\nUpdate_month=-1\nUpdate_day=15\n");
    CAppSettings* settings = load();
    EXPECT_EQ(StoredValue(iniPath(), "ClearDate"), "2024-02-29");
    ExpectUpdateDateToday(*settings);
    EXPECT_EQ(StoredValue(iniPath(), "Update_month"), "-1") << "today is stored by the next save only";
    ReleaseAppSettings();

    writeIni("Update_year=soon\nUpdate_month=4\nUpdate_day=9\n");
    settings = load();
    int year = -5, month = 0, day = 0;
    settings->GetUpdateDate(year, month, day);
    EXPECT_EQ(year, 0);
    EXPECT_EQ(month, 4);
    EXPECT_EQ(day, 9);
}

TEST_F(FoundationTest, ProxySwitchReadsTrueOrOneAndIsWrittenAsInteger)
{
    writeIni("b_proxy=true\n");
    CAppSettings* settings = load();
    EXPECT_EQ(settings->GetProxyEnabled(), 1);
    settings->SaveSettings();
    ReleaseAppSettings();
    EXPECT_EQ(StoredValue(iniPath(), "b_proxy"), "1");

    writeIni("b_proxy=1\n");
    EXPECT_EQ(load()->GetProxyEnabled(), 1);
}

TEST_F(FoundationTest, SaveThenLoadGivesBackEveryKey)
{
    CAppSettings* settings = load();
    settings->SetProxyEnabled(1);
    settings->SetProxyType(3);
    settings->SetProxyHost("proxy.example, inner");
    settings->SetProxyPort(8080);
    settings->SetProxyUser("Jürgen");
    settings->SetProxyPassword("p=a;ss,wörd #1");
    settings->SetMsgDshow(2);
    settings->SetAutoUpdate(4);
    settings->SetUpdateDays(30);
    settings->SetUpdateDate(2025, 11, 3);
    settings->SetGenernal(0x2000400);
    settings->SetDuplicate(0x11000840);
    settings->SetReplace(0x4000000);
    settings->SetClearDays(12);
    settings->SetLanguage("jp");
    settings->GetOpenPath() = home.path() + "/音楽/Mix, vol. 1";
    settings->SaveSettings();
    ReleaseAppSettings();

    const QByteArray stored = readIni();
    EXPECT_TRUE(stored.contains("Open_url=")) << stored.constData();
    EXPECT_FALSE(stored.contains("Picture")) << "folders are never written";
    EXPECT_FALSE(stored.contains("Degree")) << "no key of its own for the match degree";

    settings = load();
    EXPECT_EQ(settings->GetProxyEnabled(), 1);
    EXPECT_EQ(settings->GetProxyType(), 3);
    EXPECT_EQ(settings->GetProxyHost(), "proxy.example, inner");
    EXPECT_EQ(settings->GetProxyPort(), 8080);
    EXPECT_EQ(settings->GetProxyUser(), "Jürgen");
    EXPECT_EQ(settings->GetProxyPassword(), "p=a;ss,wörd #1");
    EXPECT_EQ(settings->GetMsgDshow(), 2);
    EXPECT_EQ(settings->GetAutoUpdate(), 4);
    EXPECT_EQ(settings->GetUpdateDays(), 30);
    int year = 0, month = 0, day = 0;
    settings->GetUpdateDate(year, month, day);
    EXPECT_EQ(year, 2025);
    EXPECT_EQ(month, 11);
    EXPECT_EQ(day, 3);
    EXPECT_EQ(settings->GetGenernal(), 0x2000400);
    EXPECT_EQ(settings->GetDuplicate(), 0x11000840);
    EXPECT_EQ(settings->GetMatchDegree(), 64);
    EXPECT_EQ(settings->GetReplace(), 0x4000000);
    EXPECT_EQ(settings->GetClearDays(), 12);
    EXPECT_EQ(settings->GetLanguage(), "jp");
    EXPECT_EQ(settings->GetOpenPath(), home.path() + "/音楽/Mix, vol. 1");
}

TEST_F(FoundationTest, MatchDegreeSurvivesTheOptionsPageAndARestart)
{
    CAppSettings* settings = load();
    // What the duplicate options page does when it saves: the degree, then a mask without it.
    settings->SetMatchDegree(16);
    settings->SetDuplicate(0x31020c00);
    EXPECT_EQ(settings->GetMatchDegree(), 16);
    EXPECT_EQ(settings->GetDuplicate(), 0x31020c10);
    settings->SaveSettings();
    ReleaseAppSettings();

    settings = load();
    EXPECT_EQ(settings->GetMatchDegree(), 16);
    settings->SetMatchDegree(7);
    EXPECT_EQ(settings->GetMatchDegree(), 64) << "anything but 16 or 32 is the loosest degree";
    EXPECT_EQ(settings->GetDuplicate() & 0x70, 0x40);
    ReleaseAppSettings();

    writeIni("Duplicate=16780288\n"); // 0x1001000: saved without any degree bit
    EXPECT_EQ(load()->GetMatchDegree(), 32);
}

TEST_F(FoundationTest, ReportCopyAndLogTextNeverCarryTheProxyPassword)
{
    CAppSettings* settings = load();
    settings->SetProxyUser("alice");
    settings->SetProxyPassword("s3cret!");
    settings->SaveSettings();

    const QString copy = home.path() + "/report/merrow.ini";
    QDir().mkpath(home.path() + "/report");
    ASSERT_TRUE(settings->CopyForReport(copy));
    QFile file(copy);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_FALSE(text.contains("s3cret!"));
    EXPECT_TRUE(text.contains("Proxy_name=alice"));
    EXPECT_TRUE(readIni().contains("s3cret!")) << "the configuration itself keeps it";

    EXPECT_EQ(RedactSecrets("login alice:s3cret!@proxy"), "login alice:****@proxy");
}

TEST_F(FoundationTest, UnusableFoldersAnswerTheStartUpExitCodes)
{
    // Documents cannot be made: the special folder is missing.
    QFile(home.file("Documents")).open(QIODevice::WriteOnly);
    EXPECT_EQ(LoadAppSettings(), kExitNoSpecialFolder);
    int exitCode = 0;
    SetAppSettingsExitHandler([&](int code) { exitCode = code; });
    EXPECT_EQ(GetAppSettings(), nullptr);
    EXPECT_EQ(exitCode, kExitNoSpecialFolder);
    QFile::remove(home.path() + "/Documents");

    // The product folder below documents cannot be made.
    QFile(home.file("Documents/Zavro")).open(QIODevice::WriteOnly);
    EXPECT_EQ(LoadAppSettings(), kExitCannotCreateFolder);
    QFile::remove(home.path() + "/Documents/Zavro");

    // The application-data product folder cannot be made.
    QFile(home.file(".local/share/Zavro")).open(QIODevice::WriteOnly);
    EXPECT_EQ(LoadAppSettings(), kExitCannotCreateFolder);
    QFile::remove(home.path() + "/.local/share/Zavro");

    EXPECT_EQ(LoadAppSettings(), 0);
    EXPECT_NE(GetAppSettings(), nullptr);
}

TEST_F(FoundationTest, SpecialFolderCodes)
{
    QString path = "untouched";
    EXPECT_EQ(GetSpecialFolderPath(&path, 3), SpecialFolderFailed);
    EXPECT_EQ(path, "untouched");
    EXPECT_EQ(GetSpecialFolderPath(nullptr, SpecialFolderDocuments), SpecialFolderNoBuffer);
    EXPECT_EQ(GetSpecialFolderPath(&path, SpecialFolderDocuments, "Zavro/Tidewell"), SpecialFolderOk);
    EXPECT_EQ(path, home.path() + "/Documents/Zavro/Tidewell");
    EXPECT_TRUE(QFileInfo(home.path() + "/Documents").isDir())
        << "the special folder is created when missing";
    EXPECT_EQ(GetSpecialFolderPath(&path, SpecialFolderMusic), SpecialFolderOk);
    EXPECT_EQ(path, home.path() + "/Music");
}

TEST_F(FoundationTest, WorkersReadWhileTheGuiThreadWrites)
{
    CAppSettings* settings = load();
    settings->SetProxyHost("host-start");
    std::atomic<bool> done{false};
    std::thread reader(
        [&]
        {
            while (!done)
            {
                const QString host = settings->GetProxyHost();
                EXPECT_TRUE(host.startsWith("host-")) << host.toStdString();
                EXPECT_NE(settings->GetDuplicate() & 0x70, 0);
            }
        });
    for (int i = 0; i < 20000; ++i)
    {
        settings->SetProxyHost(QStringLiteral("host-%1-with-some-length").arg(i));
        settings->SetMatchDegree(i % 2 ? 16 : 64);
        settings->SetDuplicate(0x31020c00);
    }
    done = true;
    reader.join();
}
