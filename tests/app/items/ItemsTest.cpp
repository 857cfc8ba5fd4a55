#include "ListItem.h"
#include "MusicObj.h"
#include "TreeItem.h"

#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace
{

// Counts paint events that reach a widget.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

class ItemsTest : public QObject
{
    Q_OBJECT

private:
    // A shown list whose viewport paints are counted; settles pending paints first.
    struct ShownList
    {
        QListWidget list;
        PaintCounter counter;
        ShownList()
        {
            list.resize(200, 200);
            list.show();
            QVERIFY(QTest::qWaitForWindowExposed(&list));
            list.viewport()->installEventFilter(&counter);
            settle();
        }
        void settle()
        {
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
            counter.paints = 0;
        }
        int paintsAfterEvents()
        {
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
            return counter.paints;
        }
    };

private slots:
    void treeItemCarriesTrackAndSortsByText()
    {
        CMusicObj track({}, {});
        QTreeWidget tree;
        auto* b = new CTreeItem;
        b->setText(0, "Beta");
        b->SetMusicData(&track, 0x400);
        b->SetUserValue(7);
        b->SetPersistentID("00000000000000AB");
        b->SetFixState(ERowFixState::Failed);
        auto* a = new CTreeItem;
        a->setText(0, "Alpha");
        tree.insertTopLevelItem(0, b);
        tree.insertTopLevelItem(1, a);
        tree.sortItems(0, Qt::AscendingOrder);
        auto* first = static_cast<CTreeItem*>(tree.topLevelItem(0));
        QCOMPARE(first->text(0), QString("Alpha"));
        auto* second = static_cast<CTreeItem*>(tree.topLevelItem(1));
        QCOMPARE(second->GetMusicData(), &track);
        QCOMPARE(second->GetKind(), 0x400);
        QCOMPARE(second->GetUserValue(), 7);
        QCOMPARE(second->GetFixState(), ERowFixState::Failed);
        QCOMPARE(second->GetPersistentID(), QString("00000000000000AB"));
        QCOMPARE(second->type(), int(QTreeWidgetItem::Type));
    }

    void listItemStartsCheckedAndWaiting()
    {
        CMusicObj track({}, {});
        CListItem cell(&track, 0x8000000);
        QCOMPARE(cell.GetCheckState(), 2);
        QCOMPARE(cell.GetArtworkState(), 0);
        QCOMPARE(cell.GetMusicData(), &track);
        QCOMPARE(cell.GetKind(), 0x8000000);
        QCOMPARE(cell.type(), int(QListWidgetItem::Type));
        // Outside any list every setter works without repainting anything.
        cell.SetCheckState(0, true);
        cell.SetArtworkState(2, true);
        cell.SetMultiArtwork(true);
        cell.SetArtworkPath("/nowhere.png");
        cell.SetArtworkCount(3);
        cell.SetArtworkCount(-1);
        QCOMPARE(cell.GetArtworkCount(), 3);
        QCOMPARE(cell.GetArtworkPath(), QString("/nowhere.png"));
    }

    void unchangedValuesDoNotRepaint()
    {
        ShownList shown;
        auto* cell = new CListItem(nullptr, 0, &shown.list);
        cell->setText("Song");
        shown.settle();

        cell->SetCheckState(2, true);
        cell->SetArtworkState(0, true);
        cell->SetMultiArtwork(false);
        QCOMPARE(shown.paintsAfterEvents(), 0);

        cell->SetCheckState(0, true);
        QVERIFY(shown.paintsAfterEvents() > 0);
        shown.settle();

        // A check change while the artwork is being fixed or failed is not repainted.
        cell->SetArtworkState(1, true);
        shown.settle();
        cell->SetCheckState(2, true);
        QCOMPARE(shown.paintsAfterEvents(), 0);
    }

    void artworkPathRepaintsOnlyForAnExistingFile()
    {
        ShownList shown;
        auto* cell = new CListItem(nullptr, 0, &shown.list);
        shown.settle();
        cell->SetArtworkPath("/no/such/picture.png");
        QCOMPARE(shown.paintsAfterEvents(), 0);
        QCOMPARE(cell->GetArtworkPath(), QString("/no/such/picture.png"));

        QTemporaryDir dir;
        const QString picture = dir.filePath("cover.png");
        QImage(4, 4, QImage::Format_RGB32).save(picture);
        cell->SetArtworkPath(picture);
        QVERIFY(shown.paintsAfterEvents() > 0);
    }

    void artworkStateAndMultiFlagRepaintRules()
    {
        ShownList shown;
        auto* cell = new CListItem(nullptr, 0, &shown.list);
        shown.settle();
        cell->SetArtworkState(3, true); // failed: no repaint
        QCOMPARE(shown.paintsAfterEvents(), 0);
        cell->SetArtworkState(2, false); // asked not to repaint
        QCOMPARE(shown.paintsAfterEvents(), 0);
        cell->SetMultiArtwork(true); // artwork shown: the badge waits for the next paint
        QCOMPARE(shown.paintsAfterEvents(), 0);
        cell->SetArtworkState(0, true);
        QVERIFY(shown.paintsAfterEvents() > 0);
        shown.settle();
        cell->SetMultiArtwork(false);
        QVERIFY(shown.paintsAfterEvents() > 0);
    }
};

QTEST_MAIN(ItemsTest)
#include "ItemsTest.moc"
