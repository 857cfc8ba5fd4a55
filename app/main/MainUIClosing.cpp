// Closing the main window, the bug report and the update check: the window's side of each.
#include "MainUI.h"

#include "AnalyReport.h"
#include "AnalyWidget.h"
#include "AnalyzeThread.h"
#include "AppGlobals.h"
#include "AppSettings.h"
#include "ApplyThread.h"
#include "BugReportSender.h"
#include "CMusicLink.h"
#include "CRichLabel.h"
#include "CShadeLabel.h"
#include "CTextButton.h"
#include "CWarnMessage.h"
#include "Duplicate.h"
#include "MusicObj.h"
#include "NestedWait.h"
#include "ReadyLoadThread.h"
#include "StartUI.h"
#include "UILog.h"
#include "UpdateCheck.h"
#include "UserInputHold.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QLabel>
#include <QMovie>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QStackedWidget>

#include <memory>

void CMainUI::closeEvent(QCloseEvent* event)
{
    // A close that arrives while this one waits (events are processed below) is refused; so is
    // one while the apply chosen by the closing question runs: that apply closes the window.
    if (m_flow.IsAskingOrClosing() || (m_flow.ClosesAfterApply() && m_pApplyThread->isRunning()))
    {
        event->ignore();
        return;
    }
    // A close that arrives inside a wait of the GUI thread (a Save Project copying the working
    // database, the editor's pictures, the recognition jobs) would stop and delete what that work
    // still uses: it waits for the work, then closes as usual.
    if (CNestedWait::Active())
    {
        event->ignore();
        if (m_flow.PutOffClose())
            CNestedWait::AfterWaits(this,
                                    [this]()
                                    {
                                        m_flow.PutOffCloseDue();
                                        close();
                                    });
        return;
    }
    // From here: the closing question and the editor's save run the event loop too.
    m_flow.AskClose();
    const auto asked = qScopeGuard([this]() { m_flow.AskEnded(); });
    WriteUILog(QStringLiteral("Enter CMainUI::closeEvent!"));
    // What the tag editor holds is a fix like any other: saved first, so the question covers it.
    if (!m_pReport->CommitEdits())
    {
        event->ignore();
        return;
    }
    bool ignored = false;
    if (m_pReport->HasUnappliedChanges() && !m_flow.ClosesAfterApply())
    {
        const QString question = tr("Do you want to apply new results?");
        const int answer = CWarnMessage::ShowMessage(this, question, question, 3, tr("Cancel"), tr("Ignore"),
                                                     tr("Apply"), 0);
        if (answer == 1 || answer == 0)
        {
            event->ignore();
            return;
        }
        if (answer == 3)
        {
            // The window closes after the apply only when one starts: a closed replace question
            // leaves the window as it was.
            event->ignore();
            if (ApplyBeforeLeaving())
                m_flow.ApplyChosenAtClose();
            return;
        }
        ignored = true;
    }
    // Stopping the report page forgets its fixes: what is left is taken now.
    m_flow.BeginClosing(!ignored && m_pReport->HasUnappliedChanges());
    if (m_pUpdateCheck)
        m_pUpdateCheck->Abandon();

    // Stop flags under their mutexes, every sleeper woken, then the analysis, apply and load
    // threads waited for, in that order.
    StopAllWork();

    // The recognition jobs deliver their results through the event loop, so the waits below
    // process events; the user's input meanwhile goes nowhere.
    {
        const CUserInputHold held;
        m_pReport->StopAllWork();
        m_pReport->WaitPullIdle();
        // A report still on its way is stopped, not waited for, and kept for mailing by hand.
        if (m_pBugSender)
            m_pBugSender->Abandon();
    }

    EmptyWorkFolders();
    SaveProjectFile(true);
    // Either way the library is closed now: releasing it takes a while on its own thread, which
    // runs while the window goes.
    if (m_flow.DeleteDatabaseAtClose())
        DeleteDBFiles();
    else if (m_pMusicLink)
        m_pMusicLink->CloseMusicLibrary();
    event->accept();
}

void CMainUI::BugReport()
{
    if (!m_pBugSender)
    {
        m_pBugSender = new CBugReportSender(this);
        m_mailAccount = DefaultSmtpAccount();
        connect(m_pBugSender, &CBugReportSender::sendResult, this, &CMainUI::updateSendResultFun);
    }
    // Packs beside the dialog, asks, and mails on a thread of its own; the result comes back to
    // updateSendResultFun.
    m_pBugSender->Report(this, m_mailAccount, this);
}

void CMainUI::UpdataSoft()
{
    if (!m_pUpdateCheck)
        m_pUpdateCheck = new CUpdateCheck(this);
    // Proxy from the settings, the request on a worker thread, then the outcome's dialog.
    m_pUpdateCheck->Check();
}

void CMainUI::UpdataView()
{
    // The start-up check asks the server too: the outcome shown is always that of a request.
    UpdataSoft();
}

void CMainUI::updateSendResultFun(bool sent, const QString& archivePath, void* context)
{
    Q_UNUSED(context);
    // The sender has already scheduled the thread of this result for deletion; a report still
    // sending keeps its own thread.
    if (m_flow.IsClosing())
        return;
    CBugReportSender::ShowSendResult(this, sent, archivePath);
}

void CMainUI::UpdateInfo(int code)
{
    CUpdateCheck::ShowUpdateInfo(this, code,
                                 m_pUpdateCheck ? m_pUpdateCheck->LastInfo() : ProductUpdateInfo());
}
