// The duplicate page driven as the user drives it: options kept across a restart, the list of
// paths, engine scans of generated songs shown as groups, removal with pause, restore, the
// check rules, the preview, and the recycle folder's clean-up with its question.

#include "Duplicate.h"
#include "AppGlobals.h"
#include "AppSettings.h"
#include "AudioFixture.h"
#include "CMessageSeam.h"
#include "CMusicLink.h"
#include "ClearTrashThread.h"
#include "DedupeGroupLoader.h"
#include "DuplicateItem.h"
#include "DuplicateWidget.h"
#include "DuptOptWidget.h"
#include "FailedTreeWidget.h"
#include "FixWriter.h"
#include "HistoryOptWidget.h"
#include "IMusicLinkHost.h"
#include "LibraryXml.h"
#include "ManagerFixture.h"
#include "MusicFlags.h"
#include "MusicObj.h"
#include "RoadCheck.h"
#include "ScaledStyle.h"
#include "SharedImages.h"
#include "StyleTemplates.h"
#include "TempHome.h"
#include "WidgetTestEnv.h"
#include "kestrine.h"
#include "sonalike.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <QThread>
#include <QToolBar>
#include <QToolButton>

#include <atomic>
#include <memory>

#include <sqlite3.h>

using tidewell::test::TempHome;

namespace
{

class FakeHost : public IMusicLinkHost
{
public:
    EWorkMode GetWorkMode() const override { return EWorkMode::Duplicates; }
    int GetDedupeTotal() const override { return total.load(); }
    void SetDedupeTotal(int value) override { total = value; }
    void RestartAnalyzeThread() override { ++restarts; }
    std::atomic<int> total{0};
    std::atomic<int> restarts{0};
};

QByteArray Digest(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

QString Today()
{
    return QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

class DuplicateTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempHome> home;
    CAppSettings* settings = nullptr;
    FakeHost host;

    // Ten songs: seven distinct, one with two copies and one with a copy (groups of 3 and 2).
    // One copy carries quotes and non-Latin text in its name.
    QStringList MakeLibrary(const QString& folder)
    {
        QStringList files =
            tidewell::test::makeSongFolder(folder, 7, QStringLiteral("Song"), QStringLiteral("song"), false);
        if (files.size() != 7)
            return {};
        const QStringList copies{folder + "/song0 copy.mp3",
                                 folder + QString::fromUtf8("/song0 \"Kopie\" 曲.mp3"),
                                 folder + "/song1 copy.mp3"};
        QFile::copy(files[0], copies[0]);
        QFile::copy(files[0], copies[1]);
        QFile::copy(files[1], copies[2]);
        return files + copies;
    }

    // Runs the engine over the folder through the link and reads its groups into the view.
    DedupeLoadCounts Scan(CMusicLink& link, CDuplicate& view, const QString& folder)
    {
        DedupeDealloc();
        g_bScaniTunes = false;
        AddToDedupeLists(folder.toUtf8().constData(), 0);
        QSignalSpy loadOk(&link, &CMusicLink::SendLoadOK);
        if (link.StartLoadMusic() != 0 || !loadOk.wait(60000))
            return {};
        DedupeLoadCounts counts = LoadDedupeGroups(link, view);
        view.CountRemoved();
        view.SetPage(1);
        return counts;
    }

    // Group rows as lists of copies; checks the keeper-first shape on the way.
    static void CheckGroups(CDuplicate& view, QList<int> expectedSizes)
    {
        QTreeWidget* tree = view.Tree();
        QList<int> sizes;
        for (int g = 0; g < tree->topLevelItemCount(); ++g)
        {
            QTreeWidgetItem* group = tree->topLevelItem(g);
            sizes << group->childCount();
            QCOMPARE(group->text(2), QStringLiteral("%1 duplicate(s)").arg(group->childCount()));
            QCOMPARE(group->child(0)->checkState(0), Qt::Unchecked);
            QCOMPARE(group->text(1), group->child(0)->text(1));
            for (int c = 1; c < group->childCount(); ++c)
                QCOMPARE(group->child(c)->checkState(0), Qt::Checked);
        }
        std::sort(sizes.begin(), sizes.end());
        std::sort(expectedSizes.begin(), expectedSizes.end());
        QCOMPARE(sizes, expectedSizes);
    }

    static void RunRemoval(CDuplicate& view)
    {
        view.PrepareRemove();
        std::unique_ptr<QThread> worker(QThread::create([&view] { view.RemoveDuplicate(); }));
        worker->start();
        QVERIFY(QTest::qWaitFor([&] { return worker->isFinished(); }, 30000));
        QTest::qWait(50);
    }

private slots:
    void initTestCase()
    {
        home = std::make_unique<TempHome>();
        SetAppSettingsExitHandler([](int code) { qFatal("settings could not be loaded: %d", code); });
        settings = GetAppSettings();
        QVERIFY(settings);
        LoadSharedImages();
    }

    void cleanup() { VERIFY_ROAD_INVARIANTS(tidewell::test::FileRoadFaults()); }

    void cleanupTestCase()
    {
        FreeSharedImages();
        DedupeDealloc();
        ReleaseAppSettings();
        home.reset();
    }

    void optionsKeepTheirMaskAcrossARestartAndHistoryDaysStayInRange()
    {
        {
            CDuplicateWidget panel;
            panel.Save();
            QCOMPARE(settings->GetDuplicate(), 0x31020C20);
            auto* degree = panel.findChild<QComboBox*>();
            QVERIFY(degree->isEnabled());
            QCOMPARE(degree->currentText(), QStringLiteral("Medium"));
            degree->setCurrentIndex(2);
            QCOMPARE(settings->GetDuplicate(), 0x31020C10);
        }
        settings->SaveSettings();
        ReleaseAppSettings();
        settings = GetAppSettings();
        {
            CDuplicateWidget panel;
            auto* degree = panel.findChild<QComboBox*>();
            QCOMPARE(degree->currentIndex(), 2);
            QCOMPARE(settings->GetMatchDegree(), 16);
            // Quick scan frees the four criteria and greys the degree; both save at once.
            QList<QRadioButton*> radios = panel.findChildren<QRadioButton*>();
            QRadioButton* quick = radios.at(0)->text() == "Quick Scan" ? radios.at(0) : radios.at(1);
            quick->click();
            QVERIFY(!degree->isEnabled());
            QCOMPARE(settings->GetDuplicate() & MF_DeepScan, 0);
            QList<QCheckBox*> boxes = panel.findChildren<QCheckBox*>();
            for (QCheckBox* box : boxes)
                QCOMPARE(box->isEnabled(), box->text() != "Name");
        }
        settings->SetDuplicate(static_cast<int>(kDefaultDuplicateMask));

        settings->SetClearDays(150);
        {
            CHistoryOptWidget dialog;
            auto* days = dialog.findChild<QSpinBox*>();
            QCOMPARE(days->value(), 7);
            days->setValue(250);
            QCOMPARE(days->value(), 99);
            dialog.findChild<QPushButton*>("HistoryCancel")->click();
            QCOMPARE(settings->GetClearDays(), 150);
        }
        {
            CHistoryOptWidget dialog;
            dialog.findChild<QPushButton*>("HistoryOK")->click();
            QCOMPARE(settings->GetClearDays(), 7);
        }
    }

    // The history dialog's day count draws both its arrows under the program's style sheet.
    void historyDaysShowTheirArrowsAtBothScales()
    {
        for (const double scale : {1.0, 2.0})
        {
            g_dScale = scale;
            qApp->setStyleSheet(LoadApplicationStyleSheet());
            CHistoryOptWidget dialog;
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            auto* days = dialog.findChild<QSpinBox*>();
            const QImage image = days->grab().toImage();
            QStyleOptionSpinBox option;
            option.initFrom(days);
            option.subControls = QStyle::SC_All;
            for (const QStyle::SubControl part : {QStyle::SC_SpinBoxUp, QStyle::SC_SpinBoxDown})
            {
                // Inside the button, clear of its edges and of the line between the two.
                const QRect button = days->style()->subControlRect(QStyle::CC_SpinBox, &option, part, days);
                const int edge = ScaledInt(2);
                const QRect arrow = InkBounds(image, button.adjusted(edge, edge, -edge, -edge));
                QVERIFY2(arrow.width() >= ScaledInt(5) && arrow.height() >= ScaledInt(3),
                         qPrintable(QStringLiteral("scale %1: arrow %2x%3")
                                        .arg(scale)
                                        .arg(arrow.width())
                                        .arg(arrow.height())));
            }
        }
        qApp->setStyleSheet(QString());
        g_dScale = 1.0;
    }

    // The scan list's row of actions draws its icons at the scale: twice as large at scale 2; so
    // do the result tree's branch arrows and the indent of a group's copies.
    void scanListIconsFollowTheScale()
    {
        QSize drawn[2];
        QSize folder[2];
        QSize result[2];
        QSize arrow[2];
        QSize indent[2];
        QApplication::setStyle(new CScaledStyle);
        for (const int scale : {1, 2})
        {
            g_dScale = scale;
            // The shared pictures are loaded after the scale is known, as at start-up.
            FreeSharedImages();
            LoadSharedImages();
            CDuptOptWidget list;
            list.resize(ScaledInt(700), ScaledInt(300));
            list.show();
            QVERIFY(QTest::qWaitForWindowExposed(&list));
            QToolButton* add = nullptr;
            for (QToolButton* button : list.findChildren<QToolButton*>())
                add = button->defaultAction() && !button->defaultAction()->icon().isNull() ? button : add;
            QVERIFY(add);
            add->defaultAction()->setText(QString()); // the icon alone
            drawn[scale - 1] = InkBounds(add->grab().toImage(), add->rect()).size();
            // A listed folder's icon, in front of its name.
            list.AddScanItem({home->path()});
            QTreeWidget* tree = list.Tree();
            tree->topLevelItem(0)->setText(0, QString());
            const QRect row = tree->visualItemRect(tree->topLevelItem(0));
            folder[scale - 1] = InkBounds(tree->viewport()->grab().toImage(),
                                          QRect(row.left(), row.top(), row.height(), row.height()))
                                    .size();
            // And the folder icon in front of a found copy's path.
            const QString songs = home->path() + "/icons";
            if (!QFile::exists(songs))
            {
                const QStringList made = tidewell::test::makeSongFolder(songs, 1, "Song", "song", false);
                QVERIFY(!made.isEmpty() && QFile::copy(made[0], songs + "/song0 copy.mp3"));
            }
            settings->SetDuplicate(MF_Name | MF_Artist);
            CMusicLink link(&host);
            CDuplicate view(0, &link);
            view.resize(ScaledInt(1200), ScaledInt(500));
            view.show();
            QVERIFY(QTest::qWaitForWindowExposed(&view));
            QCOMPARE(Scan(link, view, songs).members, 2);
            QTreeWidgetItem* copy = view.Tree()->topLevelItem(0)->child(1);
            copy->setText(4, QString());
            const QRect cell = view.Tree()->visualItemRect(copy);
            const int path = view.Tree()->header()->sectionViewportPosition(4);
            const QImage rows = view.Tree()->viewport()->grab().toImage();
            result[scale - 1] =
                InkBounds(rows, QRect(path, cell.top(), view.Tree()->header()->sectionSize(4), cell.height()))
                    .size();
            // The group's arrow lies left of its check box; a copy's check box starts further in.
            const QRect group = view.Tree()->visualItemRect(view.Tree()->topLevelItem(0));
            const int groupCheck =
                InkBounds(rows, QRect(group.left(), group.top(), cell.height(), group.height())).left();
            arrow[scale - 1] = InkBounds(rows, QRect(0, group.top(), groupCheck - 1, group.height())).size();
            const int copyCheck = InkBounds(rows, QRect(0, cell.top(), path, cell.height())).left();
            indent[scale - 1] = QSize(copyCheck - groupCheck, 1);
        }
        QApplication::setStyle(QStringLiteral("Fusion"));
        g_dScale = 1.0;
        FreeSharedImages();
        LoadSharedImages();
        for (const QSize* sizes : {drawn, folder, result, arrow, indent})
            QVERIFY2(qAbs(sizes[1].width() - 2 * sizes[0].width()) <= 2,
                     qPrintable(QStringLiteral("%1 px at scale 1, %2 px at scale 2")
                                    .arg(sizes[0].width())
                                    .arg(sizes[1].width())));
    }

    void scanListTakesLocalAudioAndFoldersOnceAndHandsThemBackReversed()
    {
        const QString folder = home->path() + "/list";
        QDir().mkpath(folder + "/sub");
        auto makeFile = [](const QString& path, qint64 size)
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(size));
        };
        makeFile(folder + "/five.mp3", 5242880);
        makeFile(folder + "/LOUD.MP3", 3670016);
        makeFile(folder + "/lossless.flac", 1000);

        CDuptOptWidget list;
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(folder + "/five.mp3"), QUrl::fromLocalFile(folder + "/LOUD.MP3"),
                      QUrl::fromLocalFile(folder + "/lossless.flac"),
                      QUrl::fromLocalFile(folder + "/gone.mp3"), QUrl::fromLocalFile(folder + "/sub"),
                      QUrl(QStringLiteral("https://example.org/a.mp3"))});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&list, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&list, &drop);
        list.AddScanItem({folder + "/five.mp3"});

        QTreeWidget* tree = list.Tree();
        QCOMPARE(tree->topLevelItemCount(), 4); // every type the engine reads
        QMap<QString, QString> sizes;
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            sizes[tree->topLevelItem(i)->text(1)] = tree->topLevelItem(i)->text(2);
        QCOMPARE(sizes.value(folder + "/five.mp3"), QStringLiteral("5 MB"));
        QCOMPARE(sizes.value(folder + "/LOUD.MP3"), QStringLiteral("3.5 MB"));
        QCOMPARE(sizes.value(folder + "/sub"), QStringLiteral("--"));
        // A size is written as the interface language writes numbers.
        // Arabic in the Latin digits the rest of its interface uses.
        for (const auto& [code, size] :
             {std::pair{"de", "3,5 MB"}, std::pair{"fr", "3,5 MB"}, std::pair{"ar", "3,5 MB"}})
        {
            GetAppSettings()->SetLanguage(QString::fromLatin1(code));
            CDuptOptWidget other;
            other.AddScanItem({folder + "/LOUD.MP3"});
            QCOMPARE(other.Tree()->topLevelItem(0)->text(2), QString::fromLatin1(size));
        }
        GetAppSettings()->SetLanguage(QStringLiteral("en"));
        QVERIFY(tree->styleSheet().contains("border-image: none"));

        QStringList order;
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            order << tree->topLevelItem(i)->text(1);
        QStringList taken;
        list.TakeScanPaths(taken);
        std::reverse(order.begin(), order.end());
        QCOMPARE(taken, order);
        QCOMPARE(tree->topLevelItemCount(), 0);
        QVERIFY(tree->styleSheet().contains("dragmusic.png"));

        // "Scan iTunes" leaves the list alone and asks for run mode 5.
        list.AddScanItem({folder + "/sub"});
        QSignalSpy complete(&list, &CDuptOptWidget::Complete);
        list.ScaniTunes();
        QCOMPARE(complete.count(), 1);
        QCOMPARE(complete.at(0).at(2).value<EMusicRunMode>(), RunModeDuplicateITunes);
        QCOMPARE(tree->topLevelItemCount(), 1);
        g_bScaniTunes = false;

        // "Add" asks where the user's music is, with the music files' filter, and lists the pick.
        const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
        QDir().mkpath(music);
        QList<FileQuestion> asked;
        CMessageSeam::FileScope pick(
            [&](const FileQuestion& question)
            {
                asked << question;
                return QStringList{folder + "/LOUD.MP3"};
            });
        auto* toolBar = list.findChild<QToolBar*>(QStringLiteral("DuptOptToolBar"));
        QTest::mouseClick(toolBar->widgetForAction(toolBar->actions().at(1)), Qt::LeftButton);
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked.at(0).dir, music);
        QVERIFY(asked.at(0).filter.startsWith(QStringLiteral("Music Files(*.aac *.alac ")));
        QVERIFY(asked.at(0).filter.contains(QStringLiteral(" *.flac *.m4a ")));
        QCOMPARE(tree->topLevelItemCount(), 2);
    }

    void tagScanShowsGroupsThenRemovalPausesFinishesAndRestoresAFile()
    {
        settings->SetDuplicate(MF_Name | MF_Artist);
        const QString folder = home->path() + "/tags";
        const QStringList files = MakeLibrary(folder);
        QCOMPARE(files.size(), 10);
        QMap<QString, QByteArray> digests;
        for (const QString& file : files)
            digests[file] = Digest(file);

        CMusicLink link(&host);
        CDuplicate view(0, &link);
        view.resize(1200, 800);
        view.show();
        QSignalSpy steps(&view, &CDuplicate::AddFixMissNum);
        QSignalSpy texts(&view, &CDuplicate::StartFixAll);
        QSignalSpy removeEnable(&view, &CDuplicate::SetRemoveEnable);

        const DedupeLoadCounts counts = Scan(link, view, folder);
        QCOMPARE(counts.loaded, 10);
        QCOMPARE(counts.members, 5);
        CheckGroups(view, {2, 3});
        QCOMPARE(steps.count(), 0);
        // Every member the engine counted is one copy row of the view.
        int copies = 0;
        for (int g = 0; g < view.Tree()->topLevelItemCount(); ++g)
            copies += view.Tree()->topLevelItem(g)->childCount();
        QCOMPARE(copies, counts.members);
        // In a narrow view each copy's path is shortened as drawn and still ends with its file.
        view.resize(900, 800);
        QTest::qWait(1);
        {
            QTreeWidget* tree = view.Tree();
            const int path = 4;
            const int room = tree->columnWidth(path) - tree->iconSize().width() - 12;
            for (int g = 0; g < tree->topLevelItemCount(); ++g)
            {
                for (int c = 0; c < tree->topLevelItem(g)->childCount(); ++c)
                {
                    const QString location = tree->topLevelItem(g)->child(c)->text(path);
                    const QString shown =
                        tree->fontMetrics().elidedText(location, tree->textElideMode(), room);
                    QVERIFY2(shown.endsWith(QFileInfo(location).fileName()), qPrintable(shown));
                }
            }
        }
        view.resize(1200, 800);

        // Paused before the first copy: nothing moves until Continue.
        view.PrepareRemove();
        view.SetPauseState(EPauseRequest::Pause, false);
        std::unique_ptr<QThread> worker(QThread::create([&view] { view.RemoveDuplicate(); }));
        worker->start();
        QTest::qWait(300);
        for (const QString& file : files)
            QVERIFY2(QFile::exists(file), qPrintable(file));
        view.SetPauseState(EPauseRequest::Continue, true);
        QVERIFY(QTest::qWaitFor([&] { return worker->isFinished(); }, 30000));
        QTest::qWait(50);

        const QString day = settings->GetRecycleFolder() + "/" + Today();
        QCOMPARE(QDir(day).entryList(QDir::Files).size(), 3);
        QTreeWidget* tree = view.Tree();
        int removed = 0;
        for (int g = 0; g < tree->topLevelItemCount(); ++g)
        {
            QTreeWidgetItem* group = tree->topLevelItem(g);
            QVERIFY(!group->child(0)->isDisabled());
            QVERIFY(QFile::exists(group->child(0)->text(4)));
            for (int c = 1; c < group->childCount(); ++c)
            {
                QTreeWidgetItem* copy = group->child(c);
                QVERIFY(copy->isDisabled());
                QVERIFY(!QFile::exists(copy->text(4)));
                QCOMPARE(copy->foreground(1).color(), QColor(154, 166, 178));
                ++removed;
            }
        }
        QCOMPARE(removed, 3);
        // One unit for each copy removed and for each group left with one copy: every member's
        // weight comes back once, which takes the window's score to 100.
        int units = 0;
        for (const QList<QVariant>& step : steps)
            units += step.at(0).toInt();
        QCOMPARE(steps.count(), 5);
        QCOMPARE(units, counts.members);
        QCOMPARE(texts.count(), 1);
        QCOMPARE(texts.at(0).at(1).toString(), QStringLiteral("3"));
        QCOMPARE(removeEnable.last().at(0).toBool(), false);

        // Restore with a real click on the reset icon of a removed copy.
        QTreeWidgetItem* group = tree->topLevelItem(0);
        QTreeWidgetItem* copy = group->child(1);
        const QString path = copy->text(4);
        const QRect row = tree->visualItemRect(copy);
        const int x = tree->header()->sectionViewportPosition(6) + tree->header()->sectionSize(6) / 2;
        steps.clear();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(x, row.center().y()));
        // The file moves back on the view's restore thread: the row waits, busy, and a second
        // click meanwhile starts nothing (a second restore would fail and say so).
        QVERIFY(copy->isDisabled());
        QCOMPARE(copy->icon(6).cacheKey(), g_iconLoading->cacheKey());
        int repeatWarnings = 0;
        {
            CMessageSeam::Scope count(
                [&](const MessageQuestion&)
                {
                    ++repeatWarnings;
                    return 1;
                });
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(x, row.center().y()));
            QTRY_VERIFY_WITH_TIMEOUT(!copy->isDisabled(), 10000);
            view.WaitForRestores();
            QTest::qWait(20);
        }
        QCOMPARE(repeatWarnings, 0);
        QCOMPARE(Digest(path), digests.value(path));
        QVERIFY(steps.count() >= 1);
        QCOMPARE(steps.at(0).at(0).toInt(), -1);
        QCOMPARE(texts.last().at(1).toString(), QStringLiteral("2"));

        // Removing again, with the restored copy back in the plan, takes only that copy and gives
        // back exactly the units the restore took.
        int restoredUnits = 0;
        for (const QList<QVariant>& step : steps)
            restoredUnits += step.at(0).toInt();
        steps.clear();
        RunRemoval(view);
        QVERIFY(copy->isDisabled());
        QVERIFY(!QFile::exists(path));
        int removedUnits = 0;
        for (const QList<QVariant>& step : steps)
            removedUnits += step.at(0).toInt();
        QCOMPARE(removedUnits, -restoredUnits);
        QCOMPARE(texts.last().at(1).toString(), QStringLiteral("3"));

        // Nothing left to remove: no unit and the same count.
        steps.clear();
        RunRemoval(view);
        QCOMPARE(steps.count(), 0);
        QCOMPARE(texts.last().at(1).toString(), QStringLiteral("3"));

        // A restore whose recycled file is gone says so and leaves the row removed.
        QDir(day).removeRecursively();
        int warnings = 0;
        QString title;
        CMessageSeam::Scope answer(
            [&](const MessageQuestion& q)
            {
                ++warnings;
                title = q.title;
                return 1;
            });
        view.ItemClicked(copy, 6);
        QTRY_COMPARE_WITH_TIMEOUT(warnings, 1, 10000);
        QCOMPARE(title, QStringLiteral("Restore music failed"));
        QVERIFY(copy->isDisabled());
        QCOMPARE(copy->icon(6).cacheKey(), g_iconReset->cacheKey());

        view.ClearView();
        QCOMPARE(tree->topLevelItemCount(), 0);
        QCOMPARE(view.CurrentPage(), 0);
        settings->SetDuplicate(static_cast<int>(kDefaultDuplicateMask));
    }

    void deepScanGroupsByFingerprintAndTheLastCopyIsAskedFor()
    {
        settings->SetDuplicate(static_cast<int>(kDefaultDuplicateMask));
        settings->SetMatchDegree(32);
        // Fingerprints need a few seconds of rich sound: three noises, one copied once and one
        // twice, under names that tags could not match.
        const QString folder = home->path() + "/deep";
        QDir().mkpath(folder);
        tidewell::test::AudioSpec audioSpec;
        audioSpec.seconds = 8.0;
        audioSpec.toneHz = 0.0;
        QStringList originals;
        for (int seed : {11, 97, 301})
        {
            audioSpec.noiseSeed = seed;
            audioSpec.tags.title = QStringLiteral("Noise %1").arg(seed);
            const QString path = folder + QStringLiteral("/noise%1.mp3").arg(seed);
            QVERIFY(tidewell::test::makeAudioFile(path, audioSpec));
            originals << path;
        }
        QVERIFY(QFile::copy(originals[0], folder + "/a.mp3"));
        QVERIFY(QFile::copy(originals[1], folder + "/b.mp3"));
        QVERIFY(QFile::copy(originals[1], folder + "/c.mp3"));

        CMusicLink link(&host);
        CDuplicate view(0, &link);
        const DedupeLoadCounts counts = Scan(link, view, folder);
        QCOMPARE(counts.loaded, 6);
        QCOMPARE(counts.members, 5);
        CheckGroups(view, {2, 3});

        // Ticking the keeper too would remove every copy: asked first, "Cancel" unticks it.
        QTreeWidgetItem* keeper = view.Tree()->topLevelItem(0)->child(0);
        QStringList asked;
        int reply = 1;
        CMessageSeam::Scope answer(
            [&](const MessageQuestion& q)
            {
                asked << q.text;
                return reply;
            });
        keeper->setCheckState(0, Qt::Checked);
        view.ItemSelected(keeper, 0);
        QCOMPARE(asked, QStringList{QStringLiteral("Are you sure you want to remove all files?")});
        QCOMPARE(keeper->checkState(0), Qt::Unchecked);
        reply = 2;
        keeper->setCheckState(0, Qt::Checked);
        view.ItemSelected(keeper, 0);
        QCOMPARE(keeper->checkState(0), Qt::Checked);
        QCOMPARE(static_cast<CDuplicateItem*>(keeper)->BareState() & MF_Duplicate,
                 static_cast<int>(MF_Duplicate));

        // A stop while the removal is paused ends it at once, with nothing moved and no result.
        QSignalSpy texts(&view, &CDuplicate::StartFixAll);
        view.PrepareRemove();
        view.SetPauseState(EPauseRequest::Pause, false);
        std::unique_ptr<QThread> worker(QThread::create([&view] { view.RemoveDuplicate(); }));
        worker->start();
        QTest::qWait(100);
        view.SetStopFlag(true);
        QVERIFY(worker->wait(5000));
        QTest::qWait(50);
        QCOMPARE(texts.count(), 0);
        QVERIFY(QFile::exists(folder + "/a.mp3"));
        view.SetStopFlag(false);
        view.SetPauseState(EPauseRequest::Continue, true);

        // An unticked group keeps all of its copies, ticked ones included.
        for (int g = 0; g < view.Tree()->topLevelItemCount(); ++g)
            view.Tree()->topLevelItem(g)->setCheckState(0, Qt::Unchecked);
        RunRemoval(view);
        QVERIFY(!QDir(settings->GetRecycleFolder() + "/" + Today()).exists() ||
                QDir(settings->GetRecycleFolder() + "/" + Today()).entryList(QDir::Files).isEmpty());
    }

    void iTunesScanThroughTheHostShowsTracksRemovesAndRestoresThem()
    {
        settings->SetDuplicate(MF_Name | MF_Artist);
        const QString folder = home->path() + "/itunes";
        QStringList files = tidewell::test::makeSongFolder(folder, 3, "Tune", "tune", false);
        QCOMPARE(files.size(), 3);
        files << folder + "/tune0 again.mp3";
        QVERIFY(QFile::copy(files[0], files[3]));
        std::vector<manager_test::XmlTrack> tracks;
        for (int i = 0; i < files.size(); ++i)
        {
            manager_test::XmlTrack track;
            track.trackId = 401 + 2 * i;
            track.persistentId = QStringLiteral("00D00D000000000%1").arg(i);
            track.name = QStringLiteral("Tune %1").arg(i == 3 ? 0 : i);
            track.artist = QStringLiteral("Artist %1").arg(i == 3 ? 0 : i);
            track.album = "Album";
            track.totalTime = 1000;
            track.bitRate = i == 3 ? 64 : 128;
            track.size = QFileInfo(files[i]).size();
            track.location = files[i];
            tracks.push_back(track);
        }
        const QString xml = home->path() + "/Music/iTunes/iTunes Music Library.xml";
        QDir().mkpath(QFileInfo(xml).absolutePath());
        QVERIFY(manager_test::WriteLibraryXml(xml, tracks));
        qputenv("TIDEWELL_ITUNES_LIBRARY", xml.toUtf8());
        const QByteArray bytes = Digest(files[3]);

        g_bScaniTunes = true;
        {
            CMusicLink link(&host);
            CFixWriter writer;
            writer.SetLink(&link);
            CDuplicate view(0, &link);
            view.SetStateWriter(&writer);
            QSignalSpy loadOk(&link, &CMusicLink::SendLoadOK);
            QCOMPARE(link.LoadMusicLibrary(RunModeDuplicateITunes, xml.toUtf8().constData()), 0);
            QCOMPARE(link.StartLoadMusic(), 0);
            QVERIFY(loadOk.wait(30000));
            const int restarts = host.restarts.load();
            QCOMPARE(link.StartAnalyzeMusic(settings->GetDuplicate()), 0);
            QVERIFY(QTest::qWaitFor([&] { return host.restarts.load() > restarts; }, 30000));

            // The window's analysis thread hands the marked tracks over from its own thread.
            std::unique_ptr<QThread> analysis(QThread::create(
                [&]
                {
                    for (int i = 0, n = link.GetMusicCount(); i < n; ++i)
                    {
                        CMusicObj* track = nullptr;
                        int absence = 0, state = 0;
                        int64_t repeat = 0;
                        if (link.GetMusicObj(i, &track, &absence, &state, &repeat) == 0)
                        {
                            view.AddDuplicateTrack(track, absence, state, repeat);
                            view.AddDuplicateTrack(track, absence, state, repeat); // shown once only
                        }
                    }
                }));
            analysis->start();
            QVERIFY(analysis->wait(10000));
            view.CountRemoved();
            view.SetPage(1);
            CheckGroups(view, {2});
            QTreeWidgetItem* copy = view.Tree()->topLevelItem(0)->child(1);
            const QString path = copy->text(4);
            QCOMPARE(path, files[3]); // the poorer copy goes
            const QString pid = static_cast<CDuplicateItem*>(copy)->GetPersistentID();

            // While another connection holds the database's write lock the ticks are only queued:
            // the GUI thread goes on, and they are written in order once the lock is let go.
            CMusicObj* track = static_cast<CDuplicateItem*>(copy)->GetMusicData();
            view.resize(900, 400);
            view.show();
            sqlite3* other = nullptr;
            QCOMPARE(sqlite3_open(g_strDBPath.toUtf8().constData(), &other), SQLITE_OK);
            // The analysis's own marks may still be going in.
            sqlite3_busy_timeout(other, 10000);
            QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
            for (int click = 0; click < 3; ++click)
                ClickCheck(view.Tree(), copy);
            QCOMPARE(copy->checkState(0), Qt::Unchecked);
            QCOMPARE(sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
            sqlite3_close(other);
            QVERIFY(writer.WaitIdle());
            QCOMPARE(link.GetMusicState(track) & MF_Duplicate, 0u);
            ClickCheck(view.Tree(), copy);
            QVERIFY(writer.WaitIdle());
            QCOMPARE(link.GetMusicState(track) & MF_Duplicate, unsigned(MF_Duplicate));

            // Another connection reads the database all along: the copy moves, but the commit of
            // its record is refused. That is said instead of the count, and Remove stays offered;
            // Remove again saves the record, so a restore finds it also from the database alone.
            const std::string trashOf =
                "select TrashPath from TracksTable where PersistentID = '" + pid.toStdString() + "'";
            {
                QStringList told;
                CMessageSeam::Scope seam([&told](const MessageQuestion& question)
                                         { return told << question.text, 1; });
                QSignalSpy counted(&view, &CDuplicate::StartFixAll);
                QSignalSpy offered(&view, &CDuplicate::SetRemoveEnable);
                QCOMPARE(sqlite3_open(g_strDBPath.toUtf8().constData(), &other), SQLITE_OK);
                QCOMPARE(
                    sqlite3_exec(other, "BEGIN; SELECT count(*) FROM TracksTable", nullptr, nullptr, nullptr),
                    SQLITE_OK);
                RunRemoval(view);
                QCOMPARE(sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
                sqlite3_close(other);
                QTRY_COMPARE(told.size(), 1);
                QVERIFY2(told[0].startsWith("The removal could not be saved in the working database:") &&
                             told[0].contains(g_strDBPath),
                         qPrintable(told[0]));
                QCOMPARE(counted.count(), 0);
                QCOMPARE(offered.count(), 1);
                QCOMPARE(offered[0][0].toBool(), true);
                QVERIFY(copy->isDisabled());
                RunRemoval(view);
                QCOMPARE(told.size(), 1);
                QCOMPARE(counted.count(), 1);
                QCOMPARE(counted[0][1].toString(), QStringLiteral("1"));
            }
            const std::vector<std::string> trash = manager_test::QueryColumn(g_strDBPath, trashOf);
            QVERIFY(trash.size() == 1 && !trash[0].empty());
            QVERIFY(copy->isDisabled());
            QVERIFY(!QFile::exists(path));
            QFile library(xml);
            QVERIFY(library.open(QIODevice::ReadOnly));
            QVERIFY(!library.readAll().contains(pid.toUtf8()));
            library.close();

            view.ItemClicked(copy, 6);
            QTRY_VERIFY_WITH_TIMEOUT(!copy->isDisabled(), 10000);
            QCOMPARE(Digest(path), bytes);
            QVERIFY(library.open(QIODevice::ReadOnly));
            QVERIFY(library.readAll().contains(path.toUtf8().toPercentEncoding("/").right(20)));
            QVERIFY(writer.WaitIdle());
            QCOMPARE(link.GetMusicState(static_cast<CDuplicateItem*>(copy)->GetMusicData()) &
                         MF_RemovalApplied,
                     0u);
            link.SetExitState(1);
        }
        g_bScaniTunes = false;
        qunsetenv("TIDEWELL_ITUNES_LIBRARY");
        settings->SetDuplicate(static_cast<int>(kDefaultDuplicateMask));
    }

    void previewPlaysAndItsEndResetsTheIcon()
    {
        const int media = KestrineOpen("Zavro/Tidewell", -1);
        QVERIFY(media > 0);
        const QString folder = home->path() + "/play";
        const QStringList files = tidewell::test::makeSongFolder(folder, 1, "Tune", "tune", false);
        QCOMPARE(files.size(), 1);
        QFile::copy(files[0], folder + "/tune copy.mp3");
        settings->SetDuplicate(MF_Name | MF_Artist);
        {
            CMusicLink link(&host);
            CDuplicate view(media, &link);
            Scan(link, view, folder);
            QTreeWidgetItem* copy = view.Tree()->topLevelItem(0)->child(1);
            view.Tree()->setCurrentItem(copy);
            view.ItemClicked(copy, 5);
            QCOMPARE(view.PlayState(), 0);
            QCOMPARE(view.PlayingRow(), copy);
            // Another page's end notice, or a late one, is not this preview's end.
            link.EmitPlayState(10000, 2, 0);
            QTest::qWait(20);
            QCOMPARE(view.PlayingRow(), copy);
            QVERIFY(QTest::qWaitFor([&] { return view.PlayState() == 2; }, 10000));
            QVERIFY(!view.PlayingRow());
            QCOMPARE(copy->icon(5).cacheKey(), g_iconPlay->cacheKey());

            // A file that cannot be played says so.
            int failures = 0;
            CMessageSeam::Scope answer(
                [&](const MessageQuestion& q)
                {
                    failures += q.text == "Playback failure!";
                    return 1;
                });
            copy->setText(4, folder + "/missing.mp3");
            view.ItemClicked(copy, 5);
            QCOMPARE(failures, 1);
            QCOMPARE(view.PlayState(), 2);
        }
        KestrineClose(media);
        settings->SetDuplicate(static_cast<int>(kDefaultDuplicateMask));
    }

    void recycleCleanUpAsksOnceKeepsRecentDaysAndNeverHangs()
    {
        const QString recycle = settings->GetRecycleFolder();
        QDir(recycle).removeRecursively();
        const QDate today = QDate::currentDate();
        auto dayFolder = [&](int daysAgo)
        {
            const QString path = recycle + "/" + today.addDays(-daysAgo).toString("yyyy-MM-dd");
            QDir().mkpath(path);
            QFile file(path + "/removed.mp3");
            file.open(QIODevice::WriteOnly);
            file.write("x");
            return path;
        };
        auto reset = [&]
        {
            QDir(recycle).removeRecursively();
            QDir().mkpath(recycle + "/not-a-date");
            QFile loose(recycle + "/loose.tmp");
            loose.open(QIODevice::WriteOnly);
        };
        settings->SetClearDays(7);

        // "Sure": the two old folders go after one question; the rest stays.
        reset();
        const QString keep = dayFolder(7);
        const QString old8 = dayFolder(8);
        const QString old9 = dayFolder(9);
        // A link named like an old day goes as a link; the folder it names is left whole.
        const QString outside = home->path() + "/precious";
        QDir().mkpath(outside);
        QVERIFY(QFile::copy(keep + "/removed.mp3", outside + "/a.mp3"));
        const QString linked = recycle + "/" + today.addDays(-30).toString("yyyy-MM-dd");
        QVERIFY(QFile::link(outside, linked));
        QStringList questions;
        {
            CMessageSeam::Scope answer(
                [&](const MessageQuestion& q)
                {
                    questions << q.text;
                    return 1;
                });
            CDuplicate view(0, nullptr);
            view.StartClearTrash();
            QVERIFY(QTest::qWaitFor([&] { return view.ClearTrashThread()->isFinished(); }, 10000));
            view.StartClearTrash(); // once per process
            QVERIFY(!view.ClearTrashThread()->isRunning());
        }
        QCOMPARE(questions.size(), 1);
        QVERIFY(questions.at(0).contains("over 7 day(s) in 10 second(s)"));
        QVERIFY(QDir(keep).exists());
        QVERIFY(!QDir(old8).exists());
        QVERIFY(!QDir(old9).exists());
        QVERIFY(QDir(recycle + "/not-a-date").exists());
        QVERIFY(!QFile::exists(recycle + "/loose.tmp"));
        QVERIFY(QFile::exists(outside + "/a.mp3") && !QFileInfo(linked).isSymLink());

        // "Cancel": nothing old is deleted.
        reset();
        dayFolder(8);
        dayFolder(9);
        {
            CMessageSeam::Scope answer([](const MessageQuestion&) { return 2; });
            CDuplicate view(0, nullptr);
            view.ClearTrashThread()->start();
            QVERIFY(QTest::qWaitFor([&] { return view.ClearTrashThread()->isFinished(); }, 10000));
        }
        QCOMPARE(QDir(recycle).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 3);

        // Closing while the question is pending ends the thread and deletes nothing more.
        {
            auto view = std::make_unique<CDuplicate>(0, nullptr);
            // The question stays unanswered: the view's box (whose countdown would answer
            // "Sure") is never opened.
            QObject::disconnect(view->ClearTrashThread(), &CClearTrashThread::AskClearTrash, view.get(),
                                nullptr);
            // Counted on the asking thread itself, read here: a signal spy's list is not for two threads.
            std::atomic<int> asked{0};
            QObject::connect(
                view->ClearTrashThread(), &CClearTrashThread::AskClearTrash, view.get(),
                [&asked](int) { ++asked; }, Qt::DirectConnection);
            view->ClearTrashThread()->start();
            QVERIFY(QTest::qWaitFor([&] { return asked.load() == 1; }, 10000));
            view.reset();
        }
        QCOMPARE(QDir(recycle).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 3);

        // An answer given before the thread starts waiting is kept.
        {
            CClearTrashThread thread;
            connect(
                &thread, &CClearTrashThread::AskClearTrash, &thread,
                [&thread](int) { thread.WakeWithAnswer(false); }, Qt::DirectConnection);
            thread.start();
            QVERIFY(thread.wait(10000));
        }
        QCOMPARE(QDir(recycle).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
    }
};

QTEST_MAIN(DuplicateTest)
#include "DuplicateTest.moc"
