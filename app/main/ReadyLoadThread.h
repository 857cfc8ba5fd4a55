#pragma once

#include <QThread>

class CMainUI;

// Prepares a load on its own thread: runs the window's ReadyToLoading (asking the manager to open
// the library, walking folders, or handing paths to the duplicate engine) and reports the result.
class CReadyLoadThread : public QThread
{
    Q_OBJECT

public:
    explicit CReadyLoadThread(CMainUI* owner);
    ~CReadyLoadThread() override;

signals:
    // ok, and the run generation the preparation belonged to.
    void ReadyToLoadingOK(bool ok, unsigned generation);

protected:
    void run() override;

private:
    CMainUI* m_pOwner = nullptr;
};
