// Closing the real main window in the middle of its work, and the scan list and result bar
// around it. Songs are real files made for the test.
#include "AnalyzeThread.h"
#include "AppGlobals.h"
#include "AppSettings.h"
#include "ApplyThread.h"
#include "AudioFixture.h"
#include "CTextButton.h"
#include "MainUI.h"
#include "ReadyLoadThread.h"
#include "StyleTemplates.h"
#include "WidgetTestEnv.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTest>
#include <QWheelEvent>

namespace
{

// One encoded song copied count times: the window only needs many files to list and analyse.
QString MakeSongs(const QString& folder, int count)
{
    QDir().mkpath(folder);
    tidewell::test::AudioSpec audioSpec;
    audioSpec.seconds = 0.5;
    audioSpec.tags.title = QStringLiteral("Song");
    const QString first = folder + QStringLiteral("/s0000.mp3");
    tidewell::test::makeAudioFile(first, audioSpec);
    for (int i = 1; i < count; ++i)
        QFile::copy(first, folder + QStringLiteral("/s%1.mp3").arg(i, 4, 10, QLatin1Char('0')));
    return folder;
}

} // namespace

class MainUIClosingTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<WidgetTestEnv> m_env;
    QString m_songs;

private slots:
    void initTestCase()
    {
        m_env = std::make_unique<WidgetTestEnv>();
        FillAppStrings();
        m_songs = MakeSongs(GetAppSettings()->GetDataFolder() + QStringLiteral("/../songs"), 300);
    }
    void cleanupTestCase() { m_env.reset(); }

    void closeWhileWorking_data()
    {
        QTest::addColumn<int>("stage");
        QTest::addColumn<bool>("pause");
        QTest::newRow("loading") << 1 << false;
        QTest::newRow("loading paused") << 1 << true;
        QTest::newRow("analysing") << 2 << false;
        QTest::newRow("analysing paused") << 2 << true;
    }
    // Whatever runs, paused or not, closing ends every thread and closes the window.
    void closeWhileWorking()
    {
        QFETCH(int, stage);
        QFETCH(bool, pause);
        CMainUI window;
        window.show();
        window.LoadStartParam({m_songs}, QString(), RunModeFiles);
        QTRY_VERIFY_WITH_TIMEOUT(window.Stage() >= stage, 30000);
        if (pause && window.RunState() == 1)
            window.CancelGroup();
        QVERIFY(window.close());
        QVERIFY(!window.ReadyLoadThread()->isRunning());
        QVERIFY(!window.AnalyzeThread()->isRunning());
        QVERIFY(!window.ApplyThread()->isRunning());
    }

    // A wheel step moves one row; from a full screen on, the rows follow the window's height and
    // the scroll position stays inside the list.
    void scanListFollowsTheWindow()
    {
        CMainUI window;
        window.resize(900, 600);
        window.show();
        auto* list = window.findChild<CTreeWidget*>();
        for (QStackedWidget* stack : window.findChildren<QStackedWidget*>())
            if (stack->indexOf(list->parentWidget()) >= 0 || stack->indexOf(list) >= 0)
                stack->setCurrentIndex(CMainUI::PageScan);
        QTRY_VERIFY(list->isVisible());
        window.ClearScanList();
        int track = 0;
        for (int i = 0; i < 200; ++i)
            window.LoadMusic(&track, i, QStringLiteral("/music/song%1.mp3").arg(i));
        QScrollBar* scroll = nullptr;
        for (QScrollBar* bar : window.findChildren<QScrollBar*>())
            if (bar->parentWidget() == list->parentWidget())
                scroll = bar;
        QVERIFY(scroll && scroll->maximum() > 0);

        scroll->setValue(2);
        QWheelEvent down(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(list, &down);
        QCOMPARE(scroll->value(), 3);

        const int rowHeight = ScaledInt(25);
        scroll->setValue(scroll->maximum());
        for (const int height : {900, 450, 700})
        {
            window.resize(window.width(), height);
            QApplication::processEvents();
            const int viewport = list->viewport()->height();
            QCOMPARE(list->topLevelItemCount(), viewport / rowHeight + (viewport % rowHeight ? 1 : 0));
            QVERIFY(scroll->value() >= 0 && scroll->value() <= scroll->maximum());
            QCOMPARE(scroll->maximum(), 200 - list->topLevelItemCount());
            QCOMPARE(list->topLevelItem(0)->text(2).isEmpty(), false);
        }
        QVERIFY(window.close());
    }

    // "Refix" with nothing ticked retries the failed songs; beside "Fix All" it never shows.
    void resultBarButtons()
    {
        CMainUI window;
        window.show();
        auto* refix = window.findChild<CTextButton*>(QStringLiteral("MainUIRetry"));
        QStackedWidget* actions = window.findChild<QPushButton*>(QStringLiteral("main_fixallbut"))
                                      ->parentWidget()
                                      ->findChild<QStackedWidget*>();
        if (!actions)
            actions = qobject_cast<QStackedWidget*>(
                window.findChild<QPushButton*>(QStringLiteral("main_fixallbut"))->parentWidget());
        QVERIFY(refix && actions);
        actions->setCurrentIndex(CMainUI::ActionFixAll);
        window.EndFialedState(false);
        QVERIFY(refix->isHidden());
        actions->setCurrentIndex(CMainUI::ActionApply);
        window.EndFialedState(false);
        QVERIFY(!refix->isHidden());
        window.ButControl();
        QCOMPARE(window.Stage(), 3);
        QCOMPARE(window.RunState(), 1);
        QCOMPARE(actions->currentIndex(), int(CMainUI::ActionPause));
        QVERIFY(refix->isHidden());
    }
};

QTEST_MAIN(MainUIClosingTest)
#include "MainUIClosingTest.moc"
