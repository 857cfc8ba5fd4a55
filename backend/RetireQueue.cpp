#include "RetireQueue.h"

#include <QMutexLocker>

void CRetireQueue::Retire(std::function<void()> work)
{
    QMutexLocker lock(&m_retireMutex);
    m_retired = std::async(std::launch::async,
                           [before = m_retired, work = std::move(work)]
                           {
                               if (before.valid())
                                   before.wait();
                               work();
                           })
                    .share();
}

void CRetireQueue::WaitForRetired()
{
    std::shared_future<void> retired;
    {
        QMutexLocker lock(&m_retireMutex);
        retired = m_retired;
    }
    if (retired.valid())
        retired.wait();
}
