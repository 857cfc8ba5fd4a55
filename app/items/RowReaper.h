#pragma once

#include "BackgroundPool.h"

#include <QList>
#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

class QListWidgetItem;
class QTreeWidgetItem;

// Deletes rows taken out of their trees, and cells taken out of their lists, a batch per
// event-loop turn: tens of thousands of them deleted at once would keep the GUI thread for a good
// part of a second (Home after a large result). They are out of every view when handed over, and
// their destructors touch nothing else. GUI thread only; what is left when the reaper goes with its
// page (the window closing) passes to a reaper of the application's, which goes on a batch per turn
// and goes itself when done.
class CRowReaper : public QObject
{
public:
    explicit CRowReaper(QObject* parent = nullptr);
    ~CRowReaper() override;

    template <typename Row> void Discard(const QList<Row*>& rows)
    {
        if constexpr (std::is_base_of_v<QListWidgetItem, Row>)
            Keep(m_cells, rows);
        else
            Keep(m_rows, rows);
        if (Pending() > 0 && !m_timer.isActive())
            m_timer.start();
    }
    size_t Pending() const { return m_rows.size() + m_cells.size(); }

private:
    template <typename Kept, typename Row>
    static void Keep(std::vector<std::unique_ptr<Kept>>& kept, const QList<Row*>& rows)
    {
        kept.reserve(kept.size() + static_cast<size_t>(rows.size()));
        for (Row* row : rows)
            kept.emplace_back(row);
    }
    void DeleteBatch();

    bool m_heir = false; // the application's: deletes itself once empty, hands nothing on

    std::vector<std::unique_ptr<QTreeWidgetItem>> m_rows;
    std::vector<std::unique_ptr<QListWidgetItem>> m_cells;
    QTimer m_timer;
};

// Empties a large container of the GUI thread's (values, strings, pointers it does not own) at once
// and frees what it held on a thread of the program's background pool: a few hundred thousand
// entries take tens of milliseconds to free, which in Qt's global pool would hold up a paint.
template <typename Container> void FreeOffGuiThread(Container& container)
{
    if (container.isEmpty())
        return;
    BackgroundPool()->start([gone = std::exchange(container, Container())]() mutable { gone = Container(); });
}
