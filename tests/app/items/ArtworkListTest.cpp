#include "ArtworkList.h"
#include "AppGlobals.h"
#include "ListItem.h"

#include <QImage>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class ArtworkListTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QStringList m_pictures;

private slots:
    void initTestCase()
    {
        g_dScale = 1.0;
        for (int i = 0; i < 3; ++i)
        {
            QImage image(120, 120, QImage::Format_RGB32);
            image.fill(QColor::fromHsv(i * 100, 200, 200));
            const QString path = m_dir.filePath(QString("cover%1.png").arg(i));
            QVERIFY(image.save(path));
            m_pictures << path;
        }
    }

    void refillingIsNeverAChoice()
    {
        CListItem cell(nullptr, 0);
        CArtworkList popup(nullptr);
        QSignalSpy chosen(&popup, &CArtworkList::SetArtwork);

        popup.SetArtworks(&cell, 2, m_pictures);
        QCOMPARE(popup.CurrentRow(), 2);
        QCOMPARE(popup.size(), QSize(95 * 3 + 10, 156));
        // A shorter list while the third item was current: nothing chosen, nothing out of range.
        popup.SetArtworks(&cell, 0, m_pictures.mid(0, 1));
        QCOMPARE(popup.CurrentRow(), 0);
        QCOMPARE(chosen.size(), 0);
        QVERIFY(cell.GetArtworkPath().isEmpty());
    }

    void theUsersPickIsPassedOn()
    {
        CListItem cell(nullptr, 0);
        CArtworkList popup(nullptr);
        QSignalSpy chosen(&popup, &CArtworkList::SetArtwork);
        popup.SetArtworks(&cell, 0, m_pictures);
        auto* list = popup.findChild<QListWidget*>("Artwork_list_list");
        QVERIFY(list);

        list->setCurrentRow(2);
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen.at(0).at(0).toString(), m_pictures[2]);
        QCOMPARE(chosen.at(0).at(1).toBool(), false);
        QCOMPARE(cell.GetArtworkPath(), m_pictures[2]);

        // The item that is already current picks nothing again.
        popup.CurItemChanged(list->currentItem(), list->currentItem());
        popup.CurItemChanged(nullptr, list->currentItem());
        QCOMPARE(chosen.size(), 1);
    }

    void emptyOrMissingCandidates()
    {
        CListItem cell(nullptr, 0);
        CArtworkList popup(nullptr);
        popup.SetArtworks(&cell, 0, m_pictures.mid(0, 2));
        const QSize before = popup.size();
        popup.SetArtworks(&cell, 0, {});
        QCOMPARE(popup.size(), before);
        auto* list = popup.findChild<QListWidget*>("Artwork_list_list");
        QCOMPARE(list->count(), 0);

        popup.SetArtworks(&cell, -1, {m_dir.filePath("missing.png"), m_pictures[0]});
        QCOMPARE(list->count(), 2);
        // Read on a worker: no picture when the call returns, then the one that could be read.
        QVERIFY(list->item(1)->icon().isNull());
        QTRY_VERIFY(!list->item(1)->icon().isNull());
        QVERIFY(list->item(0)->icon().isNull());
    }

    void hidingSaysSo()
    {
        CArtworkList popup(nullptr);
        QSignalSpy hidden(&popup, &CArtworkList::SendHide);
        popup.show();
        popup.hide();
        QCOMPARE(hidden.size(), 1);
    }
};

QTEST_MAIN(ArtworkListTest)
#include "ArtworkListTest.moc"
