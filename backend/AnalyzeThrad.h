#pragma once

#include <QThread>

class CMusicManage;

// Worker thread of the music manager that waits for the import to end, then runs the analysis pass.
// Owned by the manager, which requests a stop and joins the thread before deleting it; the
// destructor joins as well, so a QThread is never destroyed while it runs.
class CAnalyzeThrad : public QThread
{
public:
    explicit CAnalyzeThrad(CMusicManage* manager) : m_manager(manager) {}
    ~CAnalyzeThrad() override;

protected:
    void run() override;

private:
    CMusicManage* m_manager;
};
