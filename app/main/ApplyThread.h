#pragma once

#include <QThread>

class CAnalyReport;
class CDuplicate;
class CMainUI;

// Writes the results back (report page) or removes the chosen copies (duplicate view) on its own
// thread, then tells the window.
class CApplyThread : public QThread
{
    Q_OBJECT

public:
    CApplyThread(CMainUI* owner, CAnalyReport* report, CDuplicate* duplicate);
    ~CApplyThread() override;

signals:
    void SendApplyOK();

protected:
    void run() override;

private:
    CMainUI* m_pOwner = nullptr;
    CAnalyReport* m_pReport = nullptr;
    CDuplicate* m_pDuplicate = nullptr;
};
