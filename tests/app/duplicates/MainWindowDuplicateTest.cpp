// The duplicate road through the real main window: Scan from the duplicate page, the groups and
// the score, a refused and an accepted Remove, Pause/Continue of the removal, a Remove with
// nothing left to remove, a restore, the score and the removed count after each, and a scan result
// saved as a project and opened again.

#include "AppGlobals.h"
#include "AppSettings.h"
#include "ApplyThread.h"
#include "AudioFixture.h"
#include "CMessageSeam.h"
#include "CShadeLabel.h"
#include "Duplicate.h"
#include "FailedTreeWidget.h"
#include "MainUI.h"
#include "MusicFlags.h"
#include "TempHome.h"

#include <QAbstractButton>
#include <QAction>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QThread>
#include <QTreeWidget>

#include <memory>

namespace
{

void Click(CMainUI& window, const char* name)
{
    auto* button = window.findChild<QAbstractButton*>(QLatin1String(name));
    QVERIFY2(button && button->isVisible() && button->isEnabled(), name);
    QTest::mouseClick(button, Qt::LeftButton);
}

// A click on the check box of a copy row, where the style draws it.
void ClickCheck(QTreeWidget* tree, QTreeWidgetItem* item)
{
    const QRect row = tree->visualItemRect(item);
    QStyleOptionViewItem option;
    option.initFrom(tree->viewport());
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    option.rect =
        QRect(row.left(), row.top(),
              tree->header()->sectionViewportPosition(0) + tree->header()->sectionSize(0) - row.left(),
              row.height());
    const QRect box = tree->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, tree);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, box.center());
}

// The settings of a private home, duplicates told by name and artist.
CAppSettings* TagCompareSettings()
{
    SetAppSettingsExitHandler([](int code) { qFatal("settings could not be loaded: %d", code); });
    CAppSettings* settings = GetAppSettings();
    if (settings)
        settings->SetDuplicate(MF_Name | MF_Artist);
    return settings;
}

// The duplicate page's scan of one folder, to its result.
bool ScanFolder(CMainUI& window, const QString& folder)
{
    window.Duplicate();
    window.DuplicateView()->SetPendingScanPaths({folder});
    window.ScanDuplicate();
    return QTest::qWaitFor([&] { return window.RunState() == 3 && !window.IsBusy(); }, 60000);
}

} // namespace

class MainWindowDuplicateTest : public QObject
{
    Q_OBJECT

private slots:
    void folderScanShowsTheGroupsAndRemoveRaisesTheScore()
    {
        tidewell::test::TempHome home;
        CAppSettings* settings = TagCompareSettings();
        QVERIFY(settings);
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

            QVERIFY(ScanFolder(window, folder));
            QCOMPARE(window.DuplicateView()->RowCount(), 2);
            QCOMPARE(window.DuplicateView()->CurrentPage(), 1);
            QCOMPARE(message->text(), QStringLiteral("Scanned 10 song(s), found 5 duplicate(s)."));
            QCOMPARE(score->text(), QStringLiteral("50"));

            // "Cancel" on the confirmation leaves everything as it was.
            Click(window, "main_removebut");
            QCOMPARE(asked, 1);
            QCOMPARE(window.RunState(), 3);

            // One more copy of the three is kept: the group keeps two and earns no step for it.
            QTreeWidget* tree = window.DuplicateView()->Tree();
            QTreeWidgetItem* three =
                tree->topLevelItem(0)->childCount() == 3 ? tree->topLevelItem(0) : tree->topLevelItem(1);
            QTreeWidgetItem* two =
                three == tree->topLevelItem(0) ? tree->topLevelItem(1) : tree->topLevelItem(0);
            QTreeWidgetItem* kept = three->child(2);
            QCOMPARE(kept->checkState(0), Qt::Checked);
            ClickCheck(tree, kept);
            QCOMPARE(kept->checkState(0), Qt::Unchecked);

            // The removal is held before its first copy; the window's Pause and Continue drive it.
            const QString day = settings->GetRecycleFolder() + "/" +
                                QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
            window.DuplicateView()->SetPauseState(2, false);
            answer = 1;
            Click(window, "main_removebut");
            QCOMPARE(window.RunState(), 1);
            Click(window, "main_cancelbut");
            QCOMPARE(window.RunState(), 2);
            QCOMPARE(message->text(), QStringLiteral("Paused. Wanna continue and experience a new library?"));
            QTest::qWait(300);
            QVERIFY(window.ApplyThread()->isRunning());
            QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 10);
            Click(window, "main_cancelbut");
            auto removalEnded = [&]
            {
                return QTest::qWaitFor(
                    [&] { return window.RunState() == 3 && !window.ApplyThread()->isRunning(); }, 60000);
            };
            QVERIFY(removalEnded());
            QTest::qWait(100);
            QCOMPARE(score->text(), QStringLiteral("80"));
            QCOMPARE(
                message->text(),
                QStringLiteral("Removed 2 duplicate(s). If not sure to remove, you can undo the removal."));
            QCOMPARE(QDir(day).entryList(QDir::Files).size(), 2);
            QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 8);

            // A Remove that finds nothing new to remove changes neither the score nor the count.
            ClickCheck(tree, kept);
            ClickCheck(tree, kept);
            QCOMPARE(kept->checkState(0), Qt::Unchecked);
            Click(window, "main_removebut");
            QVERIFY(removalEnded());
            QTest::qWait(100);
            QCOMPARE(score->text(), QStringLiteral("80"));
            QCOMPARE(
                message->text(),
                QStringLiteral("Removed 2 duplicate(s). If not sure to remove, you can undo the removal."));

            // Restoring the copy of the pair takes back its step and the pair's; the count follows.
            QTreeWidgetItem* removed = two->child(1);
            QVERIFY(removed->isDisabled());
            const QRect row = tree->visualItemRect(removed);
            const int x = tree->header()->sectionViewportPosition(6) + tree->header()->sectionSize(6) / 2;
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(x, row.center().y()));
            // The restore runs on a worker; the row comes back when it has.
            QTRY_VERIFY(!removed->isDisabled());
            QTRY_COMPARE(score->text(), QStringLiteral("60"));
            QCOMPARE(
                message->text(),
                QStringLiteral("Removed 1 duplicate(s). If not sure to remove, you can undo the removal."));
            QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 9);
            window.close();
        }
        ReleaseAppSettings();
        SetAppSettingsExitHandler({});
    }

    // A recycle folder that cannot be written (here a file stands where the day's folder goes, as
    // root writes anywhere): Remove moves nothing, loses nothing, says so and stays offered.
    void removalIntoAnUnusableRecycleFolderSaysSo()
    {
        tidewell::test::TempHome home;
        CAppSettings* settings = TagCompareSettings();
        QVERIFY(settings);
        const QString folder = home.path() + "/songs";
        const QStringList files = tidewell::test::makeSongFolder(folder, 2, "Song", "song", false);
        QCOMPARE(files.size(), 2);
        QVERIFY(QFile::copy(files[0], folder + "/song0 copy.mp3"));
        CMessageSeam::Scope answers([](const MessageQuestion&) { return 1; });
        {
            CMainUI window;
            window.show();
            auto* message = window.findChild<CShadeLabel*>("MainUIFixing");
            auto* hints = window.findChild<CShadeLabel*>("MainUIScroll");
            QVERIFY(message && hints);
            QVERIFY(ScanFolder(window, folder));
            QCOMPARE(window.DuplicateView()->RowCount(), 1);

            // After the page's clean-up of the recycle folder, which removes what is no folder.
            const QString day = settings->GetRecycleFolder() + "/" +
                                QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
            QVERIFY(QDir(day).removeRecursively());
            QVERIFY(QDir().mkpath(settings->GetRecycleFolder()));
            QFile blocker(day);
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            blocker.close();
            Click(window, "main_removebut");
            QVERIFY(QTest::qWaitFor(
                [&] { return window.RunState() == 3 && !window.ApplyThread()->isRunning(); }, 60000));
            QTest::qWait(100);
            QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 3);
            QCOMPARE(
                message->text(),
                QStringLiteral("Removed 0 duplicate(s). If not sure to remove, you can undo the removal."));
            QCOMPARE(hints->Texts(), QStringList{QStringLiteral(
                                         "Some duplicates could not be moved. Click Remove to try again.")});
            QVERIFY(window.findChild<QAbstractButton*>("main_removebut")->isEnabled());
            window.close();
        }
        ReleaseAppSettings();
        SetAppSettingsExitHandler({});
    }

    // Save Project from the result of a folder scan writes a project, which Load Saved Result
    // opens again as the same duplicate groups, with the ticks the user left.
    void savedScanResultOpensAgainAsDuplicates()
    {
        tidewell::test::TempHome home;
        QVERIFY(TagCompareSettings());
        const QString folder = home.path() + "/songs";
        const QStringList files = tidewell::test::makeSongFolder(folder, 3, "Song", "song", false);
        QCOMPARE(files.size(), 3);
        QVERIFY(QFile::copy(files[0], folder + "/song0 copy.mp3"));
        QVERIFY(QFile::copy(files[0], folder + "/song0 again.mp3"));
        QVERIFY(QFile::copy(files[1], folder + "/song1 copy.mp3"));
        QStringList asked;
        CMessageSeam::Scope answers(
            [&](const MessageQuestion& q)
            {
                asked << q.text;
                return 1;
            });
        const QString project = home.path() + "/scan.zavrodata";
        auto ticks = [](QTreeWidget* tree)
        {
            QStringList ticked;
            for (int g = 0; g < tree->topLevelItemCount(); ++g)
                for (int c = 0; c < tree->topLevelItem(g)->childCount(); ++c)
                    if (tree->topLevelItem(g)->child(c)->checkState(0) == Qt::Checked)
                        ticked << tree->topLevelItem(g)->child(c)->text(3);
            ticked.sort();
            return ticked;
        };
        {
            CMainUI window;
            window.show();
            // The start page's Clean-up Duplicates: the engine's scan, whose groups live in no
            // database.
            auto* start = window.findChild<QAbstractButton*>(QStringLiteral("duplicate_obj"));
            QVERIFY(start);
            QTest::mouseClick(start, Qt::LeftButton);
            window.DuplicateView()->SetPendingScanPaths({folder});
            Click(window, "main_scanbut");
            QVERIFY(QTest::qWaitFor([&] { return window.RunState() == 3 && !window.IsBusy(); }, 60000));
            QTreeWidget* tree = window.DuplicateView()->Tree();
            QCOMPARE(tree->topLevelItemCount(), 2);
            QTreeWidgetItem* three =
                tree->topLevelItem(0)->childCount() == 3 ? tree->topLevelItem(0) : tree->topLevelItem(1);
            ClickCheck(tree, three->child(2));
            const QStringList ticked = ticks(tree);
            QCOMPARE(ticked.size(), 2);

            QAction* save = nullptr;
            for (QAction* action : window.findChildren<QAction*>())
                if (action->text() == QStringLiteral("Save Project"))
                    save = action;
            QVERIFY(save && save->isEnabled());
            {
                CMessageSeam::FileScope pick([&](const FileQuestion&) { return QStringList{project}; });
                save->trigger();
            }
            QCOMPARE(asked, QStringList());
            QVERIFY(QFileInfo(project).size() > 0);

            window.GoHome();
            asked.clear();
            {
                CMessageSeam::FileScope pick([&](const FileQuestion&) { return QStringList{project}; });
                auto* load = window.findChild<QAbstractButton*>(QStringLiteral("load_obj"));
                QVERIFY(load);
                QTest::mouseClick(load, Qt::LeftButton);
            }
            QVERIFY(QTest::qWaitFor(
                [&] { return window.Stage() != 0 && window.RunState() == 3 && !window.IsBusy(); }, 60000));
            QCOMPARE(asked, QStringList());
            QCOMPARE(window.ContentStack()->currentIndex(), int(CMainUI::PageDuplicate));
            QCOMPARE(window.DuplicateView()->RowCount(), 2);
            QCOMPARE(ticks(tree), ticked);
            window.close();
        }
        ReleaseAppSettings();
        SetAppSettingsExitHandler({});
    }
};

QTEST_MAIN(MainWindowDuplicateTest)
#include "MainWindowDuplicateTest.moc"
