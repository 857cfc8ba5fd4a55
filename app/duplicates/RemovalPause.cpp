#include "RemovalPause.h"

#include "ConditionWait.h"

bool CRemovalPause::WaitWhilePaused()
{
    QMutexLocker lock(&m_pauseMutex);
    while (m_bPause && !m_bStop.load())
        ConditionWait(m_pauseCondition, m_pauseMutex);
    return !m_bStop.load();
}

bool CRemovalPause::PauseAsked()
{
    QMutexLocker lock(&m_pauseMutex);
    return m_bPause;
}

void CRemovalPause::SetPauseState(EPauseRequest request, bool wake)
{
    QMutexLocker lock(&m_pauseMutex);
    if (request == EPauseRequest::Pause)
    {
        m_bPause = true;
    }
    else if (request == EPauseRequest::Continue && wake && m_bPause)
    {
        m_bPause = false;
        m_pauseCondition.wakeAll();
    }
}

void CRemovalPause::SetStopFlag(bool stop)
{
    QMutexLocker lock(&m_pauseMutex);
    m_bStop = stop;
    m_pauseCondition.wakeAll();
}
