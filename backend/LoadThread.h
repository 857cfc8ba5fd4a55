#pragma once

#include <QThread>

class CMusicManage;

// Worker thread of the music manager that runs the library object's import with the stored load callback.
// Owned by the manager, which requests a stop and joins the thread before deleting it; the
// destructor joins as well, so a QThread is never destroyed while it runs.
class CLoadThread : public QThread
{
public:
    explicit CLoadThread(CMusicManage* manager) : m_manager(manager) {}
    ~CLoadThread() override;

protected:
    void run() override;

private:
    CMusicManage* m_manager;
};
