// The main window's answers to the bug report's mail and to the update check.
#include "MainUI.h"

#include "BugReportSender.h"
#include "UpdateCheck.h"

void CMainUI::updateSendResultFun(bool sent, const QString& archivePath, void* context)
{
    Q_UNUSED(context);
    // The sender has already scheduled the thread of this result for deletion; a report still
    // sending keeps its own thread.
    if (m_bClosing)
        return;
    CBugReportSender::ShowSendResult(this, sent, archivePath);
}

void CMainUI::UpdateInfo(int code)
{
    CUpdateCheck::ShowUpdateInfo(this, code,
                                 m_pUpdateCheck ? m_pUpdateCheck->LastInfo() : ProductUpdateInfo());
}
