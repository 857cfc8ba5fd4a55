#include "ReadyLoadThread.h"

#include "MainUI.h"

CReadyLoadThread::CReadyLoadThread(CMainUI* owner) : QThread(owner), m_pOwner(owner) {}

// The window stops and joins its threads before it deletes them; this is only a safety net.
CReadyLoadThread::~CReadyLoadThread()
{
    wait();
}

void CReadyLoadThread::run()
{
    const unsigned generation = m_pOwner->RunGeneration();
    const bool ok = m_pOwner->ReadyToLoading();
    emit ReadyToLoadingOK(ok, generation);
}
