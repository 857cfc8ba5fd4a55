#include "AnalyWidget.h"
#include "AppGlobals.h"
#include "Label.h"
#include "TreeItemTool.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class ItemWidgetsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { g_dScale = 1.0; }

    void skipTogglesAndReportsTheFlagBeforeTheToggle()
    {
        CTreeItemTool tool("Missing Artist", 3);
        QSignalSpy spy(&tool, &CTreeItemTool::SkipOperating);
        auto* button = tool.findChild<QPushButton*>("too_skip");
        QVERIFY(button);
        QVERIFY(button->isHidden());
        QCOMPARE(button->text(), QString("Skip"));

        tool.Skip();
        QCOMPARE(button->text(), QString("Cancel Skip"));
        tool.Skip();
        QCOMPARE(spy.size(), 2);
        QCOMPARE(spy.at(0).at(0).toInt(), 3);
        QCOMPARE(spy.at(0).at(1).toInt(), 1);
        QCOMPARE(spy.at(1).at(1).toInt(), 0);
        QCOMPARE(button->text(), QString("Skip"));

        tool.SetSkipText("Fix failed songs");
        QCOMPARE(button->objectName(), QString("failed_fix"));
    }

    void countBadgeSitsAfterTheTitle()
    {
        CTreeItemTool tool("Album", 1);
        tool.resize(600, 40);
        tool.SetCount(1234);
        const auto badges = tool.findChildren<CLabel*>();
        QCOMPARE(badges.size(), 1);
        QCOMPARE(badges.first()->Text(), QString("1234"));
        QVERIFY(badges.first()->x() > 30);
        QCOMPARE(badges.first()->y(), 0);
    }

    void badgeWidthFollowsItsText()
    {
        CLabel badge;
        badge.SetText("7");
        const int narrow = badge.width();
        badge.SetText("12345");
        QVERIFY(badge.width() > narrow);
        QCOMPARE(badge.height(), 24);
        g_dScale = 2.0;
        CLabel big;
        big.SetText("7");
        QCOMPARE(big.height(), 48);
    }

    void overlayCoversItsWidgetAndSwitchesToDone()
    {
        QWidget window;
        window.resize(800, 600);
        QWidget pages(&window);
        pages.setGeometry(10, 40, 700, 500);
        CAnalyWidget overlay(&pages, &window);
        overlay.hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        overlay.ShowLoading(true);
        QVERIFY(overlay.isVisible());
        QCOMPARE(overlay.geometry(), pages.geometry());
        QVERIFY(overlay.IsMovieRunning());
        QVERIFY(!overlay.ShowsDonePicture());

        overlay.StopMovie();
        QVERIFY(!overlay.IsMovieRunning());
        overlay.StartMovie();
        QVERIFY(overlay.IsMovieRunning());

        pages.setGeometry(0, 30, 760, 520);
        overlay.ShowLoading(false);
        QVERIFY(!overlay.IsMovieRunning());
        QVERIFY(overlay.ShowsDonePicture());
        QCOMPARE(overlay.geometry(), pages.geometry());
    }
};

QTEST_MAIN(ItemWidgetsTest)
#include "ItemWidgetsTest.moc"
