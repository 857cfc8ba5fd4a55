#include "CThreadAWS.h"

#include "CMusicLink.h"

#include <mutex>

namespace
{
std::once_flag g_configured; // the manager keeps nothing of the record: once per process is enough
}

CThreadAWS::CThreadAWS(CMusicLink* link, int skip, QObject* parent)
    : QThread(parent), m_link(link), m_skip(skip)
{
}

void CThreadAWS::run()
{
    if (m_skip != 0 || !m_link)
        return;
    std::call_once(g_configured, [this] { m_link->SetManageConfig(); });
}
