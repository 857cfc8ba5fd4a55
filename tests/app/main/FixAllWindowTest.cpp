// Fix All through the whole main window, offscreen: generated songs are analysed, identified by a
// local service on 127.0.0.1 and the answers applied to the files, which are read back with
// TagLib. Every question is answered through CMessageSeam.
#include "AnalyReport.h"
#include "AppGlobals.h"
#include "AppSettings.h"
#include "ApplyThread.h"
#include "AudioFixture.h"
#include "CMessageSeam.h"
#include "EventLoopHttpServer.h"
#include "FailedTreeWidget.h"
#include "MainUI.h"
#include "MainWindowCase.h"
#include "MusicFlags.h"
#include "ServiceKeys.h"
#include "StartUI.h"
#include "WidgetTestEnv.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

#include <taglib/fileref.h>
#include <taglib/tag.h>

#include <memory>

using namespace tidewell::test;

namespace
{

bool WaitFor(const std::function<bool()>& done, int timeoutMs = 60000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done() && !deadline.hasExpired())
        QTest::qWait(5);
    return done();
}

QByteArray IdentifyAnswer()
{
    return R"({"status":{"msg":"Success","code":0,"version":"1.0"},"metadata":{"music":[{)"
           R"("title":"Found Title","duration_ms":1000,"album":{"name":"Found Album"},)"
           R"("genres":[{"name":"Pop"}],"artists":[{"name":"Found Artist"}],"release_date":"2004-06-07"}]},)"
           R"("cost_time":0.1,"result_type":0})";
}

QString ArtistOf(const QString& path)
{
    TagLib::FileRef file(QFile::encodeName(path).constData());
    return file.isNull() || !file.tag() ? QStringLiteral("<unreadable>")
                                        : QString::fromStdString(file.tag()->artist().to8Bit(true));
}

constexpr int kReplaceAll = MF_ReplaceSwitch | MF_Name | MF_Artist | MF_Album;

} // namespace

class FixAllWindowTest : public QObject, public MainWindowCase
{
    Q_OBJECT

private:
    WidgetTestEnv m_env;
    std::unique_ptr<EventLoopHttpServer> m_acr;
    std::unique_ptr<ScopedEnv> m_acrHost;
    QString m_folder;

    int Action() const { return m_window->ActionStack()->currentIndex(); }
    QString Song(int i) const { return m_folder + QStringLiteral("/t%1.mp3").arg(i); }
    void Answer(HttpResponse::Mode mode)
    {
        m_acr->answer("/v1/identify", mode == HttpResponse::Mode::Full
                                          ? HttpResponse{mode, 200, "application/json", IdentifyAnswer()}
                                          : HttpResponse::only(mode));
    }
    bool ToScoreScreen()
    {
        m_window->LoadStartParam({m_folder}, g_strDBPath, RunModeFiles);
        return WaitFor([this] { return RoadEnded(); }) && Action() == CMainUI::ActionFixAll;
    }
    bool ApplyEnded()
    {
        return WaitFor([this] { return !m_window->ApplyThread()->isRunning() && m_window->RunState() != 1; });
    }

    // Eight songs, the first three without their artist (again after a case applied answers).
    void MakeSongs()
    {
        QDir().mkpath(m_folder);
        const QByteArray cover = makePicture(64, 64, 0x2080c0);
        for (int i = 0; i < 8; ++i)
        {
            AudioSpec audioSpec;
            audioSpec.seconds = 1.0;
            audioSpec.toneHz = 300.0 + 45.0 * i;
            audioSpec.tags.title = QStringLiteral("Track %1").arg(i + 1);
            audioSpec.tags.artist = i < 3 ? QString() : QStringLiteral("Singer %1").arg(i);
            audioSpec.tags.album = QStringLiteral("Record");
            audioSpec.artwork = cover;
            QVERIFY(makeAudioFile(Song(i), audioSpec));
        }
    }

private slots:
    void initTestCase()
    {
        m_folder = QDir::homePath() + QStringLiteral("/songs");
        MakeSongs();
        m_acr = std::make_unique<EventLoopHttpServer>();
        QVERIFY(m_acr->start());
        m_acrHost = std::make_unique<ScopedEnv>(tidewell::online::keys::kAcrHostVariable,
                                                m_acr->hostPort().toLatin1());
    }

    void cleanupTestCase()
    {
        m_acrHost.reset();
        m_acr.reset();
    }

    void init() { OpenWindow(); }
    void cleanup() { CloseWindow(); }

    // Fix All fills the report and raises the score; a closed Replace box applies nothing, Yes
    // writes the answers into the files and keeps the Replace mask.
    void fixAllThenApplyClosedAndYes()
    {
        Answer(HttpResponse::Mode::Full);
        QVERIFY(ToScoreScreen());
        const int score = m_window->ScoreText().toInt();
        QVERIFY(score < 100);
        m_window->Fixall();
        QCOMPARE(Action(), int(CMainUI::ActionPause));
        QVERIFY(WaitFor([this] { return Action() == CMainUI::ActionApply; }));
        QVERIFY(m_window->ScoreText().toInt() > score);
        QCOMPARE(m_window->ReportPage()->ArtistTree()->GetFixedCount(), 3);
        QVERIFY(m_window->ReportPage()->HasUnappliedChanges());
        m_window->GoHome(); // the fixes are not dropped unasked: Cancel stays
        QCOMPARE(m_questions.size(), 1);
        QCOMPARE(m_window->ContentStack()->currentIndex(), int(CMainUI::PageReport));

        GetAppSettings()->SetReplace(kReplaceAll);
        m_answer = 0;
        m_window->ApplyiTunes();
        QCOMPARE(m_questions.size(), 2);
        QVERIFY(!m_window->ApplyThread()->isRunning());
        QCOMPARE(Action(), int(CMainUI::ActionApply));
        QCOMPARE(GetAppSettings()->GetReplace(), kReplaceAll);
        QCOMPARE(ArtistOf(Song(0)), QString());

        m_answer = 1;
        m_window->ApplyiTunes();
        QCOMPARE(m_questions.size(), 3);
        QVERIFY(ApplyEnded());
        QCOMPARE(m_window->RunState(), 3);
        QCOMPARE(Action(), int(CMainUI::ActionApply));
        QCOMPARE(GetAppSettings()->GetReplace(), kReplaceAll);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(ArtistOf(Song(i)), QStringLiteral("Found Artist"));
        QCOMPARE(ArtistOf(Song(5)), QStringLiteral("Singer 5"));
        QVERIFY(!m_window->ReportPage()->HasUnappliedChanges());
    }

    // An apply started while the fix is paused (answers held) returns to the paused fix with its
    // bar; Continue lets the held answers in. No to Replace drops the switch and still applies.
    void applyFromAPausedFixReturnsToIt()
    {
        MakeSongs();
        Answer(HttpResponse::Mode::Full);
        QVERIFY(ToScoreScreen());
        m_window->Fixall();
        m_window->CancelGroup();
        QCOMPARE(m_window->RunState(), 2);
        QVERIFY(WaitFor([this] { return m_acr->requests().size() >= 3; }));
        auto* bar = m_window->findChild<QProgressBar*>(QStringLiteral("main_progress"));
        bar->setValue(3000);

        GetAppSettings()->SetReplace(kReplaceAll);
        m_answer = 2;
        m_window->ApplyiTunes();
        QVERIFY(ApplyEnded());
        QCOMPARE(GetAppSettings()->GetReplace(), kReplaceAll & ~MF_ReplaceSwitch);
        QCOMPARE(m_window->Stage(), 3);
        QCOMPARE(m_window->RunState(), 2);
        QCOMPARE(bar->value(), 3000);
        QCOMPARE(Action(), int(CMainUI::ActionPause));
        QCOMPARE(m_window->findChild<QPushButton*>(QStringLiteral("main_cancelbut"))->text().trimmed(),
                 QStringLiteral("Continue"));

        m_window->CancelGroup();
        QVERIFY(WaitFor([this] { return Action() == CMainUI::ActionApply; }));
        QCOMPARE(m_window->ReportPage()->ArtistTree()->GetFixedCount(), 3);
        m_answer = 1;
        m_window->ApplyiTunes();
        QVERIFY(ApplyEnded());
        QCOMPARE(ArtistOf(Song(1)), QStringLiteral("Found Artist"));
    }

    // Home and closing while the jobs wait on a silent service, and while paused with answers
    // waiting, return promptly.
    void homeAndClosingDuringTheFix()
    {
        MakeSongs();
        for (const bool paused : {false, true})
        {
            for (const bool close : {false, true})
            {
                Answer(paused ? HttpResponse::Mode::Full : HttpResponse::Mode::Silent);
                const qsizetype before = m_acr->requests().size();
                QVERIFY(ToScoreScreen());
                m_window->Fixall();
                if (paused)
                    m_window->CancelGroup();
                QVERIFY(WaitFor([&] { return m_acr->requests().size() >= before + 3; }));
                QElapsedTimer timer;
                timer.start();
                if (close)
                {
                    m_window.reset();
                    m_window = std::make_unique<CMainUI>();
                }
                else
                {
                    m_window->GoHome();
                    QCOMPARE(m_window->ContentStack()->currentIndex(), int(CMainUI::PageStart));
                }
                QVERIFY2(timer.elapsed() < 5000, "leaving waited for the service");
                QFile::remove(g_strDBPath);
            }
        }
    }
};

QTEST_MAIN(FixAllWindowTest)
#include "FixAllWindowTest.moc"
