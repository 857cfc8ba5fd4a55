#include "AnalyzeThrad.h"

#include "MusicManage.h"

CAnalyzeThrad::~CAnalyzeThrad()
{
    quit();
    wait();
}

void CAnalyzeThrad::run()
{
    m_manager->RunAnalysisJob();
}
