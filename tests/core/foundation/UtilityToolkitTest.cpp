#include "UtilityToolkit.h"

#include "FoundationFixture.h"

#include <QFileInfo>

#include <unistd.h>

using tidewell::test::FoundationTest;
using tidewell::test::TempHome;

namespace
{

void Put(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray Get(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(UtilityToolkit, RemoveFolderTreeTakesHiddenAndReadOnlyFilesButNeverFollowsLinks)
{
    TempHome home;
    const QString tree = home.path() + "/tree";
    Put(tree + "/.hidden", "h");
    Put(tree + "/sub/deeper/locked.txt", "l");
    QFile::setPermissions(tree + "/sub/deeper/locked.txt", QFileDevice::ReadOwner);
    Put(home.path() + "/outside/keep.txt", "k");
    ASSERT_TRUE(QFile::link(home.path() + "/outside", tree + "/sub/link"));

    EXPECT_TRUE(RemoveFolderTree(tree));
    EXPECT_FALSE(QFileInfo::exists(tree));
    EXPECT_EQ(Get(home.path() + "/outside/keep.txt"), "k") << "the linked folder outside is left alone";

    Put(tree + "/a.txt", "a");
    EXPECT_TRUE(RemoveFolderContents(tree, false));
    EXPECT_TRUE(QFileInfo(tree).isDir());
    EXPECT_FALSE(RemoveFolderContents("/", false)) << "too short a path is ignored";
    EXPECT_TRUE(RemovePath(tree));
    EXPECT_FALSE(FileExists(tree));
}

TEST(UtilityToolkit, CopyFolderOverwritesOnlyWhenAsked)
{
    TempHome home;
    const QString from = home.path() + "/from";
    const QString to = home.path() + "/to";
    Put(from + "/one.txt", "new");
    Put(from + "/nested/two.txt", "2");
    Put(to + "/one.txt", "old");

    EXPECT_TRUE(CopyFolder(from, to, false));
    EXPECT_EQ(Get(to + "/one.txt"), "old");
    EXPECT_EQ(Get(to + "/nested/two.txt"), "2");
    EXPECT_TRUE(CopyFolder(from, to, true));
    EXPECT_EQ(Get(to + "/one.txt"), "new");
    EXPECT_EQ(GetFolderSize(to), 4);

    Put(home.path() + "/blocked", "x");
    EXPECT_FALSE(CopyFolder(from, home.path() + "/blocked/inner", false));
    EXPECT_TRUE(CreateEmptyFile(home.path() + "/made/here/file.dat"));
    EXPECT_TRUE(IsFolder(home.path() + "/made/here"));
}

TEST(UtilityToolkit, DrivesAndFolders)
{
    TempHome home;
    EXPECT_GT(GetDriveTotalBytes(home.path()), 0);
    EXPECT_GT(GetDriveFreeBytes(home.path() + "/not/made/yet"), 0);
    EXPECT_EQ(GetDriveFreeBytes(QString()), 0);
    EXPECT_TRUE(IsSameDrive(home.path() + "/a", home.path() + "/b/c"));
    EXPECT_FALSE(IsSameDrive(home.path(), QString()));
    EXPECT_TRUE(IsFolderWritable(home.path()));
    EXPECT_TRUE(QDir(home.path()).entryList({"OutPutTest*"}, QDir::Files).isEmpty());
    if (geteuid() != 0)
    {
        QDir().mkpath(home.path() + "/readonly");
        QFile::setPermissions(home.path() + "/readonly", QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        EXPECT_FALSE(IsFolderWritable(home.path() + "/readonly"));
        QFile::setPermissions(home.path() + "/readonly",
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    QDir().mkpath(home.path() + "/movie/VIDEO_TS");
    EXPECT_TRUE(IsDiscFolder(home.path() + "/movie", false));
    EXPECT_TRUE(IsDiscFolder(home.path() + "/movie/VIDEO_TS", false));
    EXPECT_FALSE(IsDiscFolder(home.path() + "/movie", true));
}

TEST(UtilityToolkit, VersionsNumbersAndClockTexts)
{
    EXPECT_EQ(CompareVersions("1.2.3.4", "1.2.3.4"), 0);
    EXPECT_EQ(CompareVersions("1.2", "1.2.0.0"), 0);
    EXPECT_EQ(CompareVersions("1.10", "1.9"), 1);
    EXPECT_EQ(CompareVersions("2.0.1", "2.0.1.1"), -1);

    EXPECT_TRUE(IsDigitsOnly("0123"));
    EXPECT_FALSE(IsDigitsOnly(""));
    EXPECT_FALSE(IsDigitsOnly("12a"));
    EXPECT_FALSE(IsDigitsOnly("-1"));

    EXPECT_EQ(ParseClockText("01:02:03.004"), 3723004);
    EXPECT_EQ(ParseClockText("::5"), 5000);
    EXPECT_EQ(ParseClockText(""), 0);
    EXPECT_EQ(FormatMilliseconds(3723004, true), "01:02:03.004");
    EXPECT_EQ(FormatMilliseconds(1500, false), "00:00:01") << "exactly half a second rounds down";
    EXPECT_EQ(FormatMilliseconds(59501, false), "00:01:00");
    EXPECT_EQ(TimeToMilliseconds(QTime(1, 2, 3, 4)), 3723004);
    EXPECT_EQ(ByteSwap32(0x11223344u), 0x44332211u);
}

TEST(UtilityToolkit, SizeTexts)
{
    EXPECT_EQ(ParseSizeText("1.5GB"), 1610612736);
    EXPECT_EQ(ParseSizeText("1.5 GB", true), 1500000000);
    EXPECT_EQ(ParseSizeText("20MB"), 20971520);
    EXPECT_EQ(ParseSizeText("3KB", true), 3000);
    EXPECT_EQ(ParseSizeText("123"), 0);
    EXPECT_EQ(FormatSize(0), "0KB");
    EXPECT_EQ(FormatSize(-7), "0KB");
    EXPECT_EQ(FormatSize(2047), "1 KB");
    EXPECT_EQ(FormatSize(1572864), "1.50 MB");
    EXPECT_EQ(FormatSize(1073741824), "1.00 GB");
    EXPECT_EQ(FormatSize(1500000, true), "1.50 MB");
}

TEST(UtilityToolkit, FileNamesAndAddresses)
{
    EXPECT_EQ(SafeFileName("con"), "");
    EXPECT_EQ(SafeFileName("CoN"), "");
    EXPECT_EQ(SafeFileName(" a:b "), "ab");
    EXPECT_EQ(SafeFileName("LPT9"), "");
    EXPECT_EQ(SafeFileName("COM10"), "COM10");
    EXPECT_EQ(SafeFileName("x\"*/<>?\\|y"), "xy");
    EXPECT_FALSE(IsValidFileName("a?b"));
    EXPECT_FALSE(IsValidFileName("aux"));
    EXPECT_FALSE(IsValidFileName(""));
    EXPECT_TRUE(IsValidFileName("Song (live).mp3"));

    EXPECT_TRUE(IsEmailAddress("someone@mail.example.com"));
    EXPECT_FALSE(IsEmailAddress("someone.mail.example.com"));
    EXPECT_FALSE(IsEmailAddress("someone@mail.c"));
    EXPECT_FALSE(IsEmailAddress("someone@mail.toolong"));
    EXPECT_EQ(WrapAsHtml("x"), "<html>\nx\n</html>");
    EXPECT_EQ(UrlToLocalPath(QUrl("file:///home/u/a%20b.mp3")), "/home/u/a b.mp3");
}

TEST(UtilityToolkit, LanguagesAndFilters)
{
    EXPECT_EQ(GetSystemLanguageCode(QLocale(QLocale::German)), "de");
    EXPECT_EQ(GetSystemLanguageCode(QLocale(QLocale::Portuguese, QLocale::Brazil)), "ptBR");
    EXPECT_EQ(GetSystemLanguageCode(QLocale(QLocale::Japanese)), "jp");
    EXPECT_EQ(GetSystemLanguageCode(QLocale(QLocale::Swedish)), "en");
    EXPECT_EQ(LanguageDisplayNames({"zh", "ar", "xx"}), QStringList({"简体中文", "العربية", "xx"}));

    const QString audio = FileDialogFilter(EFileFilter::Audio);
    EXPECT_TRUE(audio.startsWith("*.aac;"));
    EXPECT_TRUE(audio.endsWith("*.m4r;*.ape")) << "two separate patterns";
    EXPECT_EQ(FileDialogFilter(EFileFilter::Media), FileDialogFilter(EFileFilter::Video) + ";" + audio);
    EXPECT_EQ(FileDialogFilter(EFileFilter::DiscImage, true), "iso;ISO");
    EXPECT_FALSE(FileDialogFilter(EFileFilter::Image, true).contains("*"));
    EXPECT_TRUE(FileDialogFilter(EFileFilter::Image).contains("*.heic;*.tiff"));
}

TEST(UtilityToolkit, ImagesLoadWhateverTheirExtensionSays)
{
    TempHome home;
    QImage picture(8, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QString path = home.path() + "/cover.jpg";
    ASSERT_TRUE(picture.save(path, "PNG")); // a PNG behind a .jpg name
    EXPECT_EQ(LoadAnyImage(path).size(), QSize(8, 4));
    Put(home.path() + "/broken.png", "not a picture");
    EXPECT_TRUE(LoadAnyImage(home.path() + "/broken.png").isNull());
}

TEST_F(FoundationTest, DebugLogStartsAgainAboveItsLimitAndHidesThePassword)
{
    CAppSettings* settings = load();
    settings->SetProxyPassword("hunter2");
    const QString log = home.path() + "/debug.log";
    Put(log, QByteArray(2097153, 'x'));

    ASSERT_TRUE(StartLogFile(log));
    qWarning("proxy login with hunter2 failed");
    StopLogFile();
    const QByteArray text = Get(log);
    EXPECT_LT(text.size(), 1000) << "the oversized log was started again";
    EXPECT_TRUE(text.startsWith("****"));
    EXPECT_TRUE(text.contains("[Warning] proxy login with **** failed"));
    EXPECT_FALSE(text.contains("hunter2"));

    ASSERT_TRUE(StartLogFile(log));
    StopLogFile();
    EXPECT_GT(Get(log).size(), text.size()) << "below the limit the log is appended to";
}
