#pragma once

#include <QList>
#include <QObject>
#include <QTimer>

#include <memory>
#include <vector>

class QTreeWidgetItem;

// Deletes rows taken out of their trees a batch per event-loop turn: tens of thousands of rows
// deleted at once would keep the GUI thread for a good part of a second (Home after a large
// result). The rows are out of every view when handed over, and their destructors touch nothing
// else. GUI thread only; what is left goes with the reaper.
class CRowReaper : public QObject
{
public:
    explicit CRowReaper(QObject* parent = nullptr);
    ~CRowReaper() override;

    template <typename Row> void Discard(const QList<Row*>& rows)
    {
        m_rows.reserve(m_rows.size() + static_cast<size_t>(rows.size()));
        for (Row* row : rows)
            m_rows.emplace_back(row);
        if (!m_rows.empty() && !m_timer.isActive())
            m_timer.start();
    }
    size_t Pending() const { return m_rows.size(); }

private:
    void DeleteBatch();

    std::vector<std::unique_ptr<QTreeWidgetItem>> m_rows;
    QTimer m_timer;
};
