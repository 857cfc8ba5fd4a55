#include "SaveToDBThread.h"

#include "MusicManage.h"

CSaveToDBThread::~CSaveToDBThread()
{
    quit();
    wait();
}

void CSaveToDBThread::run()
{
    m_manager->SaveDataToDB();
}
