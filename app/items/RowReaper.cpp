#include "RowReaper.h"

#include <QCoreApplication>
#include <QListWidgetItem>
#include <QThread>
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

CRowReaper::~CRowReaper()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (m_heir || Pending() == 0 || !app || QThread::currentThread() != app->thread())
        return;
    auto* heir = new CRowReaper(app);
    heir->m_heir = true;
    heir->m_rows = std::move(m_rows);
    heir->m_cells = std::move(m_cells);
    heir->m_timer.start();
    // The program ending first: what is left goes while the application still stands.
    connect(app, &QCoreApplication::aboutToQuit, heir, [heir] { delete heir; });
}

void CRowReaper::DeleteBatch()
{
    const size_t rows = std::min(kBatch, m_rows.size());
    m_rows.resize(m_rows.size() - rows);
    m_cells.resize(m_cells.size() - std::min(kBatch - rows, m_cells.size()));
    if (Pending() == 0)
    {
        m_timer.stop();
        m_rows.shrink_to_fit();
        m_cells.shrink_to_fit();
        if (m_heir)
            deleteLater();
    }
}
