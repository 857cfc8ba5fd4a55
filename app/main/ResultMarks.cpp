#include "ResultMarks.h"

#include "CMusicLink.h"

CResultMarks::CResultMarks(CMusicLink* link, QObject* parent) : QObject(parent), m_link(link)
{
    // One thread: the marks land in the order they were made.
    m_pool.setMaxThreadCount(1);
}

CResultMarks::~CResultMarks()
{
    Drop();
    m_pool.waitForDone();
}

void CResultMarks::SetStage(EResultStage stage)
{
    Write(kResultStageKey, stage);
}

void CResultMarks::SetSettled(bool settled)
{
    Write(kResultSettledKey, settled ? 1 : 0);
}

void CResultMarks::SetUnreached(bool unreached)
{
    Write(kResultUnreachedKey, unreached ? 1 : 0);
}

void CResultMarks::Drop()
{
    m_pool.clear();
}

void CResultMarks::WaitWritten()
{
    m_pool.waitForDone();
}

void CResultMarks::Write(const char* key, int value)
{
    CMusicLink* link = m_link;
    m_pool.start([link, key, value]() { link->SetLibraryValue(key, value); });
}
