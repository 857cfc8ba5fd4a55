// The duplicate side of the main window: the duplicate page, Scan, Remove, reading the engine's
// groups into the view, and Pause/Continue of whatever stage runs. GUI thread.
#include "MainUI.h"

#include "AnalyReport.h"
#include "AnalyWidget.h"
#include "AnalyzeThread.h"
#include "AppGlobals.h"
#include "AppSettings.h"
#include "ApplyThread.h"
#include "CMessgboxEx.h"
#include "CMusicLink.h"
#include "CRichLabel.h"
#include "CShadeLabel.h"
#include "CTextButton.h"
#include "CountTexts.h"
#include "DedupeGroupLoader.h"
#include "Duplicate.h"
#include "PauseControl.h"

#include <QAction>
#include <QMovie>
#include <QPushButton>
#include <QStackedWidget>

void CMainUI::Duplicate()
{
    StopHeaderMovie(true);
    SetHeaderPicture(QStringLiteral("duplicate"));
    m_pHeaderStack->setCurrentIndex(HeaderHint);
    m_pHintLine->Clear();
    SetHintTexts({tr("Let Tidewell help you clean-up duplicate songs in your music library!")});
    m_pHintLine->SetShadeHidden(false);
    m_pMessageLine->SetText(tr("Drag-and-drop or Add music files or folder(s) to find duplicates."));
    m_pContentStack->setCurrentIndex(PageDuplicate);
    m_pActionStack->setCurrentIndex(ActionScan);
    m_pTopStack->setCurrentIndex(TopScanning);
    SetScoreShown(false);
    m_pDuplicate->StartClearTrash();
}

void CMainUI::ScanDuplicate()
{
    QStringList paths;
    m_pDuplicate->TakeScanPaths(paths);
    if (!paths.isEmpty())
        LoadStartParam(paths, g_strDBPath, RunModeDuplicateFiles);
}

void CMainUI::RemoveDuplicate()
{
    if (m_pApplyThread->isRunning())
        return;
    CAppSettings* settings = GetAppSettings();
    if (settings && settings->GetMsgDshow() == 0)
    {
        CMessgboxEx confirm(this);
        if (confirm.exec() != QDialog::Accepted)
            return;
    }
    m_pRetryButton->hide();
    m_eStage = EWorkStage::Applying;
    m_eRunState = EWindowRunState::Running;
    m_pBusyBanner->ShowLoading(true);
    m_pPauseControl->SetActions(true, false);
    m_pPauseControl->SetLook(true);
    m_pActionStack->setCurrentIndex(ActionPause);
    m_pHeaderStack->setCurrentIndex(HeaderHint);
    m_pHintLine->Clear();
    SetHintTexts({tr("Tidewell is cleaning up duplicate songs.")});
    m_pHintLine->SetShadeHidden(false);
    m_bRemoving = true;
    m_pMessageLine->SetText(tr("Removing duplicates music, please wait..."));
    // The preview stops here, on the GUI thread, and the view takes its removal plan from the
    // tree: the apply thread then touches no widget.
    m_pDuplicate->PrepareRemove();
    m_pApplyThread->start(QThread::InheritPriority);
}

void CMainUI::CancelGroup()
{
    const int type = m_iResultType;
    // The apply or removal has ended and its last word is still queued: a pause now would belong
    // to no run, and would hold the next one at its first song.
    if (m_eRunState == EWindowRunState::Running && m_eStage == EWorkStage::Applying &&
        !m_pApplyThread->isRunning())
        return;
    if (m_eRunState == EWindowRunState::Running)
    {
        switch (m_eStage)
        {
        case EWorkStage::Loading:
            m_pMusicLink->PauseDedupeRun();
            m_pMusicLink->SetRunState(RunStateLoad, ManagePaused);
            m_pMessageLine->SetText(tr("Paused. Wanna continue and explore the world of music?"));
            break;
        case EWorkStage::Analysing:
            if (m_pAnalyzeThread->isRunning())
                SetAnalysisPause(true);
            else
                m_pMusicLink->SetRunState(RunStateAnalysis, ManagePaused);
            m_pMessageLine->SetText(tr("Pause"));
            break;
        case EWorkStage::Fixing:
            m_pReport->SetRunState(EFixRunState::Paused);
            m_pReport->PauseFixView();
            m_pApplyOrSave->show();
            m_pMessageLine->SetText(tr("Paused."));
            m_iFixCode = 0;
            m_iFixValue = 0;
            break;
        case EWorkStage::Applying:
            if (IsDuplicateRun(type))
                m_pDuplicate->SetPauseState(EPauseRequest::Pause, true);
            else
                m_pReport->SetPauseState(EPauseRequest::Pause, true);
            m_pMessageLine->SetText(tr("Paused. Wanna continue and experience a new library?"));
            m_bApplying = false;
            m_bRemoving = false;
            break;
        default:
            break;
        }
        m_eRunState = EWindowRunState::Paused;
        m_pPauseControl->SetActions(false, true);
        m_pHeaderMovie->setPaused(true);
        m_pBusyBanner->StopMovie();
    }
    else if (m_eRunState == EWindowRunState::Paused)
    {
        switch (m_eStage)
        {
        case EWorkStage::Loading:
            m_pMusicLink->ContinueDedupeRun();
            m_pMusicLink->SetRunState(RunStateLoad, ManageRunning);
            m_pMessageLine->SetText(tr("Continue to scan music library,please wait a moment."));
            break;
        case EWorkStage::Analysing:
            if (m_pAnalyzeThread->isRunning())
                SetAnalysisPause(false);
            else
                m_pMusicLink->SetRunState(RunStateAnalysis, ManageRunning);
            m_pMessageLine->SetText(tr("Continue"));
            break;
        case EWorkStage::Fixing:
            m_pReport->SetRunState(EFixRunState::Running);
            m_pReport->ResumeFixView();
            m_pApplyOrSave->hide();
            m_pMessageLine->SetText(tr("Continue to fix, please wait a moment."));
            break;
        case EWorkStage::Applying:
            if (IsDuplicateRun(type))
                m_pDuplicate->SetPauseState(EPauseRequest::Continue, true);
            else
                m_pReport->SetPauseState(EPauseRequest::Continue, true);
            m_pMessageLine->SetText(tr("Continue to apply the results,please wait a moment."));
            break;
        default:
            break;
        }
        m_eRunState = EWindowRunState::Running;
        m_pPauseControl->SetActions(true, false);
        m_pHeaderMovie->setPaused(false);
        m_pBusyBanner->StartMovie();
    }
    m_pPauseControl->SetLook(m_eRunState != EWindowRunState::Paused);
}

void CAnalyzeThread::LoadDuplicateGroups()
{
    if (!m_pMusicLink)
        return;
    const int n = m_pMusicLink->GetDedupeLoadCount();
    m_pOwner->SetScoreStep(n > 0 ? 10000.0 / n : 0.0);
    m_pReport->SetCategoryMask(MF_Artwork | MF_FileMissing | MF_Artist | MF_Album);
    m_pReport->ClearPullQueue();
    const DedupeLoadCounts counts = LoadDedupeGroups(*m_pMusicLink, *m_pDuplicate);
    const int members = counts.members;
    m_pOwner->SetScore(n > 0 ? static_cast<double>(n - members) / n * 10000.0 : 10000.0);
    emit StartFixAll(CCountTexts::DuplicatesFound(n, members), QString::number(n), members, -1);
    emit SandUpdataReport(m_pOwner->RunGeneration());
}
