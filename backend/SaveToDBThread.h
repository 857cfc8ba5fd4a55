#pragma once

#include <QThread>

class CMusicManage;

// Worker thread of the music manager that runs the save pass.
// Owned by the manager, which requests a stop and joins the thread before deleting it; the
// destructor joins as well, so a QThread is never destroyed while it runs.
class CSaveToDBThread : public QThread
{
public:
    explicit CSaveToDBThread(CMusicManage* manager) : m_manager(manager) {}
    ~CSaveToDBThread() override;

protected:
    void run() override;

private:
    CMusicManage* m_manager;
};
