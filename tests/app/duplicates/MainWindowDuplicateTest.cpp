// The duplicate road through the real main window: Scan from the duplicate page, the groups and
// the score, a refused and an accepted Remove, Pause/Continue of the removal, and the score after.

#include "AppGlobals.h"
#include "AppSettings.h"
#include "ApplyThread.h"
#include "AudioFixture.h"
#include "CMessageSeam.h"
#include "CShadeLabel.h"
#include "Duplicate.h"
#include "MainUI.h"
#include "MusicFlags.h"
#include "TempHome.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QThread>

#include <memory>

class MainWindowDuplicateTest : public QObject
{
    Q_OBJECT

private slots:
    void folderScanShowsTheGroupsAndRemoveRaisesTheScore()
    {
        tidewell::test::TempHome home;
        SetAppSettingsExitHandler([](int code) { qFatal("settings could not be loaded: %d", code); });
        CAppSettings* settings = GetAppSettings();
        QVERIFY(settings);
        settings->SetDuplicate(MF_Name | MF_Artist);
        const QString folder = home.path() + "/songs";
        QStringList files = tidewell::test::makeSongFolder(folder, 7, "Song", "song", false);
        QCOMPARE(files.size(), 7);
        QVERIFY(QFile::copy(files[0], folder + "/song0 copy.mp3"));
        QVERIFY(QFile::copy(files[0], folder + "/song0 again.mp3"));
        QVERIFY(QFile::copy(files[1], folder + "/song1 copy.mp3"));

        int answer = 2;
        int asked = 0;
        CMessageSeam::Scope answers(
            [&](const MessageQuestion&)
            {
                ++asked;
                return answer;
            });
        {
            CMainUI window;
            window.show();
            auto* score = window.findChild<QLabel*>("MainUIScore");
            auto* message = window.findChild<CShadeLabel*>("MainUIFixing");
            QVERIFY(score && message);

            window.Duplicate();
            window.DuplicateView()->SetPendingScanPaths({folder});
            window.ScanDuplicate();
            QVERIFY(QTest::qWaitFor([&] { return window.RunState() == 3 && !window.IsBusy(); }, 60000));
            QCOMPARE(window.DuplicateView()->RowCount(), 2);
            QCOMPARE(window.DuplicateView()->CurrentPage(), 1);
            QCOMPARE(message->text(), QStringLiteral("Scanned 10 song(s), found 5 duplicate(s)."));
            QCOMPARE(score->text(), QStringLiteral("50"));

            // "Cancel" on the confirmation leaves everything as it was.
            window.RemoveDuplicate();
            QCOMPARE(asked, 1);
            QCOMPARE(window.RunState(), 3);

            answer = 1;
            window.RemoveDuplicate();
            QVERIFY(QTest::qWaitFor(
                [&] { return window.RunState() == 3 && !window.ApplyThread()->isRunning(); }, 60000));
            QTest::qWait(100);
            QCOMPARE(score->text(), QStringLiteral("100"));
            const QString day = settings->GetRecycleFolder() + "/" +
                                QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
            QCOMPARE(QDir(day).entryList(QDir::Files).size(), 3);
            QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 7);
            window.close();
        }
        ReleaseAppSettings();
        SetAppSettingsExitHandler({});
    }
};

QTEST_MAIN(MainWindowDuplicateTest)
#include "MainWindowDuplicateTest.moc"
