#include "RemovalPause.h"

#include "ConditionWait.h"

bool CRemovalPause::WaitWhilePaused()
{
    QMutexLocker lock(&m_pauseMutex);
    while (m_bPause && !m_bStop.load())
        ConditionWait(m_pauseCondition, m_pauseMutex);
    return !m_bStop.load();
}

void CRemovalPause::SetPauseState(int type, bool wake)
{
    QMutexLocker lock(&m_pauseMutex);
    if (type == 2)
    {
        m_bPause = true;
    }
    else if (type == 1 && wake && m_bPause)
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
