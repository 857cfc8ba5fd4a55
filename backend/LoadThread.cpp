#include "LoadThread.h"

#include "MusicManage.h"

CLoadThread::~CLoadThread()
{
    quit();
    wait();
}

void CLoadThread::run()
{
    m_manager->RunImportJob();
}
