#include "RowReaper.h"

#include <QTreeWidgetItem>

#include <algorithm>

namespace
{
// Small enough that a batch stays well under a frame on a slow machine.
constexpr size_t kBatch = 1000;
} // namespace

CRowReaper::CRowReaper(QObject* parent) : QObject(parent)
{
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &CRowReaper::DeleteBatch);
}

CRowReaper::~CRowReaper() = default;

void CRowReaper::DeleteBatch()
{
    m_rows.resize(m_rows.size() - std::min(kBatch, m_rows.size()));
    if (m_rows.empty())
    {
        m_timer.stop();
        m_rows.shrink_to_fit();
    }
}
