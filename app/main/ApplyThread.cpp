#include "ApplyThread.h"

#include "AnalyReport.h"
#include "Duplicate.h"
#include "MainUI.h"
#include "ReportApply.h"

#include <QDebug>

CApplyThread::CApplyThread(CMainUI* owner, CAnalyReport* report, CDuplicate* duplicate)
    : QThread(owner), m_pOwner(owner), m_pReport(report), m_pDuplicate(duplicate)
{
}

CApplyThread::~CApplyThread()
{
    quit();
    wait();
}

void CApplyThread::run()
{
    const unsigned generation = m_pOwner->RunGeneration();
    const int type = m_pOwner->GetResultType();
    if (IsDuplicateRun(type))
        m_pDuplicate->RemoveDuplicate();
    else
        m_pReport->ApplyWork()->AppleyiTunes();
    emit SendApplyOK(generation);
    qDebug() << "------CApplyThread::run end";
}
