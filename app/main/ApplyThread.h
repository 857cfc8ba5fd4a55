#pragma once

#include <QThread>

class CAnalyReport;
class CDuplicate;
class CMainUI;

// Writes the results back (report page) or removes the chosen copies (duplicate view) on its own
// thread, then tells the window which run it worked for (the window's run generation at the start),
// so the end of a stopped apply is not taken for the end of a later run.
class CApplyThread : public QThread
{
    Q_OBJECT

public:
    CApplyThread(CMainUI* owner, CAnalyReport* report, CDuplicate* duplicate);
    ~CApplyThread() override;

signals:
    void SendApplyOK(unsigned generation);

protected:
    void run() override;

private:
    CMainUI* m_pOwner = nullptr;
    CAnalyReport* m_pReport = nullptr;
    CDuplicate* m_pDuplicate = nullptr;
};
