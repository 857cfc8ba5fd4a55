// The program's start-up rules, the scoring rule of the analysis loop, and the single instance.
#include "AnalyzeThread.h"
#include "AppGlobals.h"
#include "CMessageSeam.h"
#include "SingleInstance.h"
#include "StartUpRules.h"
#include "TempHome.h"
#include "UpdateCheck.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcess>
#include <QResource>
#include <QTemporaryDir>
#include <QThread>
#include <QTranslator>

TEST(StartUpRules, LanguageFromTheSystemLocale)
{
    EXPECT_EQ(StartLanguageForLocale(QLocale(QLocale::French, QLocale::France)), "fr");
    EXPECT_EQ(StartLanguageForLocale(QLocale(QLocale::Dutch, QLocale::Netherlands)), "en");
    EXPECT_EQ(StartLanguageForLocale(QLocale(QLocale::Portuguese, QLocale::Brazil)), "br");
    EXPECT_EQ(StartLanguageForLocale(QLocale(QLocale::Japanese, QLocale::Japan)), "jp");
    EXPECT_EQ(StartLanguageForLocale(QLocale(QLocale::Arabic, QLocale::Egypt)), "ar");
    EXPECT_EQ(TranslationFileName("de"), "tidewell_de.qm");
    EXPECT_FALSE(InstallTranslation("xx", "/nonexistent"));
}

// The translation comes from the language folder beside the program and nowhere else: a
// translation compiled into the resources under ":/language" is not taken in its place.
TEST(StartUpRules, TheTranslationComesFromTheLanguageFolderAlone)
{
    const QString folder =
        QFileInfo(QStringLiteral(TIDEWELL_PROGRAM)).absolutePath() + QStringLiteral("/language");
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::copy(folder + QStringLiteral("/tidewell_de.qm"),
                            dir.filePath(QStringLiteral("tidewell_de.qm"))));
    QFile qrc(dir.filePath(QStringLiteral("language.qrc")));
    ASSERT_TRUE(qrc.open(QIODevice::WriteOnly));
    qrc.write(R"(<RCC><qresource prefix="/language"><file>tidewell_de.qm</file></qresource></RCC>)");
    qrc.close();
    const QString rcc = QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) + QStringLiteral("/rcc");
    const QString compiled = dir.filePath(QStringLiteral("language.rcc"));
    ASSERT_EQ(
        QProcess::execute(rcc, {QStringLiteral("--binary"), QStringLiteral("-o"), compiled, qrc.fileName()}),
        0);
    ASSERT_TRUE(QResource::registerResource(compiled));
    ASSERT_TRUE(QFile::exists(QStringLiteral(":/language/tidewell_de.qm")));

    EXPECT_FALSE(InstallTranslation(QStringLiteral("de"), dir.filePath(QStringLiteral("none"))));
    EXPECT_EQ(g_pTranslator, nullptr);
    ASSERT_TRUE(InstallTranslation(QStringLiteral("de"), folder));
    EXPECT_EQ(QCoreApplication::translate("CAbout", "About"), QStringLiteral("Über"));
    EXPECT_NE(g_pTranslator, nullptr);
    QCoreApplication::removeTranslator(g_pTranslator);
    delete std::exchange(g_pTranslator, nullptr);
    QResource::unregisterResource(compiled);
}

TEST(StartUpRules, UpdateCheckIsDue)
{
    const QDate today(2026, 12, 9);
    EXPECT_FALSE(IsUpdateDueOn(0, 7, 2026, 12, 1, today));
    EXPECT_TRUE(IsUpdateDueOn(2, 7, 2026, 12, 9, today));
    EXPECT_FALSE(IsUpdateDueOn(1, 7, 2026, 12, 3, today)); // six days ago
    EXPECT_TRUE(IsUpdateDueOn(1, 7, 2026, 12, 2, today));  // seven days ago
    EXPECT_TRUE(IsUpdateDueOn(1, 7, 2026, 12, 20, today)); // a date in the future
    EXPECT_TRUE(IsUpdateDueOn(3, 7, 2027, 1, 1, today));   // a year after today's
    EXPECT_TRUE(IsUpdateDueOn(1, 7, 0, 0, 0, today));      // never checked
    EXPECT_TRUE(IsUpdateDueOn(4, 7, 2026, 2, 31, today));  // not a date
}

// Four tracks at 2500 each: one lacks artist and album (half a track), one its file (a quarter,
// whatever else it lacks): 8125.
TEST(ScoringLoop, PenaltiesFollowTheMask)
{
    constexpr int all = 0x8010C00;
    double score = 10000.0;
    const double step = score / 4;
    for (const int absence : {0, 0x400 | 0x800, 0x10000 | 0x400 | 0x800, 0})
        score -= step * CAnalyzeThread::TrackPenalty(absence, all, false);
    EXPECT_DOUBLE_EQ(score, 8125.0);
    // A missing file the mask does not ask about leaves the other problems counting.
    EXPECT_DOUBLE_EQ(CAnalyzeThread::TrackPenalty(0x10000 | 0x400 | 0x800, all & ~0x10000, false), 0.5);
    EXPECT_DOUBLE_EQ(CAnalyzeThread::TrackPenalty(0x8000000, 0x400, false), 0.0);
    EXPECT_DOUBLE_EQ(CAnalyzeThread::TrackPenalty(0x400, all, true), 0.0);
    EXPECT_DOUBLE_EQ(CAnalyzeThread::TrackPenalty(0x4000 | 0x400, all, true), 1.0);
}

TEST(SingleInstance, ASecondStartTellsTheUserInEachLanguage)
{
    tidewell::test::TempHome home;
    QProcess first;
    first.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    first.start(QStringLiteral(TIDEWELL_PROGRAM), {});
    ASSERT_TRUE(first.waitForStarted(10000));
    // The first copy holds the lock once its window is up.
    while (!QFile::exists(CSingleInstance::DefaultLockPath()) && first.state() == QProcess::Running)
        QThread::msleep(50);
    ASSERT_EQ(first.state(), QProcess::Running);
    // A second start, as main makes it, finds the lock of the running copy and says so, in each
    // language in words of its own.
    FillAppStrings();
    QStringList told;
    CMessageSeam::Scope answers([&told](const MessageQuestion& question)
                                { return int((told << question.text).size()); });
    for (const QString code : {"en", "de", "jp", "ru", "es", "br", "ar", "fr"})
    {
        ASSERT_TRUE(
            InstallTranslation(code, QCoreApplication::applicationDirPath() + QStringLiteral("/language")));
        EXPECT_FALSE(CSingleInstance().Acquire());
        EXPECT_TRUE(told.back().contains(QStringLiteral("Tidewell")) &&
                    told.indexOf(told.back()) == told.size() - 1);
    }
    EXPECT_EQ(told.front(), QStringLiteral("Tidewell is already running. Please use its open window."));
    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished(5000);
    // Once the first copy is gone its lock is taken over.
    CSingleInstance next;
    EXPECT_TRUE(next.Acquire());
}
