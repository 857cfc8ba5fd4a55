// The commands on a shown result: Fix All, Apply and Home, and the helpers that set the header
// of the main window.
#include "MainUI.h"

#include "AnalyReport.h"
#include "AnalyWidget.h"
#include "AnalyzeThread.h"
#include "AppGlobals.h"
#include "AppSettings.h"
#include "ApplyThread.h"
#include "CMusicLink.h"
#include "CRichLabel.h"
#include "CShadeLabel.h"
#include "CTextButton.h"
#include "CWarnMessage.h"
#include "CountTexts.h"
#include "Duplicate.h"
#include "DuplicateControl.h"
#include "OwnDirectionDelegate.h"
#include "PauseControl.h"
#include "ReadyLoadThread.h"
#include "ReportApply.h"
#include "ResultMarks.h"
#include "StyleTemplates.h"
#include "UILog.h"

#include <QAction>
#include <QDeadlineTimer>
#include <QDebug>
#include <QLabel>
#include <QMovie>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>

#include <algorithm>

namespace
{

int ProgressFloor(const QProgressBar* bar)
{
    const int width = bar->width();
    return width > 0 ? 150000 / width : 0;
}

} // namespace

// ---- Fix, apply and Home ---------------------------------------------------------------------

void CMainUI::Fixall()
{
    // The run hides the editor: what it holds is saved to its song first, not dropped. First of
    // all, as the save may end a fix of its own and set the page's end look. A refused save (a
    // blank title, the user told) starts no run.
    if (!m_pReport->CommitEdits())
        return;
    m_eRunState = EWindowRunState::Running;
    m_pPauseControl->SetActions(true, false);
    m_pPauseControl->SetLook(true);
    m_eStage = EWorkStage::Fixing;
    SetProgressNow(0);
    m_pRetryButton->hide();
    StopHeaderMovie(false);
    SetHeaderPicture(QStringLiteral("fix_bg"));
    StartHeaderMovie(QStringLiteral(":/res/res/win/gif/fix.gif"));
    m_pHintLine->SetShadeHidden(true);
    m_pHeaderStack->setCurrentIndex(HeaderProgress);
    m_pResultMarks->SetStage(ResultStageFixing);
    m_pResultMarks->SetSettled(false);
    m_pReport->SetFixMode(EFixStage::Running);
    m_pReport->SetRunState(EFixRunState::Running);
    m_pActionStack->setCurrentIndex(ActionPause);
    m_pReport->StopPlay();
    m_pReport->StartPull();
}

void CMainUI::StartFixAll(const QString& text, const QString& text2, int code, int value)
{
    m_strFixText = text;
    m_strFixText2 = text2;
    m_iFixCode = code;
    m_iFixValue = value;
    m_pMessageLine->SetText(text);
}

void CMainUI::ReportFixInfo(int remaining, int progress)
{
    if (remaining >= 0)
    {
        const double step = GetScoreStep();
        double score = 10000.0 - remaining * step / 4.0;
        if (score + step / 4.0 > 10000.0)
        {
            score = 10000.0;
            m_pRetryButton->hide();
        }
        else if (score <= 0.0)
        {
            score = 0.0;
        }
        SetScore(score);
        ShowScore();
    }
    SetProgress(progress);
}

void CMainUI::AddFixMissNum(int n)
{
    if (n == 0)
        return;
    const double step = GetScoreStep();
    double score = GetScore() + n * step;
    if (score + step > 10000.0)
        score = 10000.0;
    else if (score <= 0.0)
        score = 0.0;
    SetScore(score);
    ShowScore();
}

void CMainUI::ReportFixAllComplete()
{
    // A song fixed by hand after the pass ends it again: the pass's own word on the service stays.
    if (m_eStage == EWorkStage::Fixing)
        m_bServiceUnreached = m_pReport->ServiceUnreachable();
    m_pHeaderStack->setCurrentIndex(HeaderHint);
    m_pHintLine->SetShadeHidden(false);
    m_eStage = EWorkStage::Applying;
    m_eRunState = EWindowRunState::Idle;
    m_pPauseControl->SetActions(false, false);
    m_flow.NewFixes();
    ShowResultStage(ResultStageFixed);
    m_pResultMarks->SetStage(ResultStageFixed);
    m_pResultMarks->SetUnreached(m_bServiceUnreached);
    m_pResultMarks->SetSettled(false);
}

void CMainUI::ShowResultStage(EResultStage stage)
{
    const int remaining = m_pReport->UpdateFixSummary();
    if (stage == ResultStageApplied && !m_pReport->HasUnappliedChanges())
    {
        m_flow.ResultApplied();
        ShowAllApplied();
        ShowFixEndPicture();
    }
    else
    {
        m_pActionStack->setCurrentIndex(ActionApply);
        ShowFixEndHeader();
    }
    m_pRetryButton->setVisible(remaining > 0);
}

void CMainUI::EndFixRunHere()
{
    m_pReport->EndFixRun();
    m_pApplyOrSave->hide();
    m_pPauseControl->SetLook(true);
    m_pHeaderMovie->setPaused(false);
    m_pBusyBanner->hide();
    ReportFixAllComplete();
}

bool CMainUI::ApplyBeforeLeaving()
{
    if (!m_pApplyThread->isRunning())
        return StartApply();
    // An apply under way goes on to its end; a paused one continues.
    if (m_eRunState == EWindowRunState::Paused && m_eStage == EWorkStage::Applying)
        CancelGroup();
    return true;
}

void CMainUI::ShowFixEndHeader()
{
    m_pHintLine->Clear();
    SetHintTexts(FixEndHints());
    ShowFixEndPicture();
}

void CMainUI::ShowFixEndPicture()
{
    // The done picture only beside a pass that fixed something.
    if (FixPassFailed())
    {
        ShowFailurePicture();
    }
    else
    {
        SetHeaderPicture(QStringLiteral("fix_end_bg"));
        StartHeaderMovie(QStringLiteral(":/res/res/win/gif/fix_end.gif"));
    }
}

void CMainUI::ShowAllApplied()
{
    m_pActionStack->setCurrentIndex(ActionReturn);
    m_flow.EndedAllClean();
    m_pReturnButton->setText(tr("Return"));
    const bool clean = GetScore() >= 10000.0;
    m_pMessageLine->SetText(clean ? tr("Results applyed.") : tr("Results applyed. You can try fix again."));
    m_pHintLine->Clear();
    SetHintTexts({clean ? tr("Congratulations, music library cleaning finished!")
                        : tr("Some songs could not be fixed this time. You can edit them yourself or try fix "
                             "again.")});
}

void CMainUI::ResultChanged()
{
    m_pResultMarks->SetSettled(false);
    // A song edited after the apply has something to write again.
    if (m_pActionStack->currentIndex() == ActionReturn && m_flow.IsApplied())
    {
        m_flow.NewFixes();
        m_pResultMarks->SetStage(ResultStageFixed);
        ShowResultStage(ResultStageFixed);
    }
    else if (m_pActionStack->currentIndex() == ActionApply && m_eRunState != EWindowRunState::Running &&
             m_eRunState != EWindowRunState::Paused)
    {
        // Past the score screen the page counts the edit at once, as a loaded one would.
        ShowResultStage(ResultStageFixed);
    }
}

bool CMainUI::FixPassFailed() const
{
    // No song of the result has a problem fixed, whichever road brought the page here.
    return m_pReport->FixedSongs() == 0;
}

void CMainUI::ShowFailurePicture()
{
    StopHeaderMovie(true);
    SetHeaderPicture(QStringLiteral("msg_warning"));
}

QStringList CMainUI::FixEndHints() const
{
    // Praise only for a run that fixed something, or a saved result that holds fixes to apply:
    // one whose songs all ended among the Unrecognized Songs says so.
    if (FixPassFailed() && m_bServiceUnreached)
        return {tr("The recognition service could not be reached. Please check your internet connection "
                   "and try fix again.")};
    if (FixPassFailed())
        return {tr("No song could be fixed this time. You can edit the songs yourself or try fix again.")};
    // The summary just reported problems left (its last count): no praise for a library that
    // still has them.
    if (m_iFixValue >= 1)
        return {tr("Some songs could not be fixed this time. You can edit them yourself or try fix again.")};
    return {tr("Congrats! Your library looks great now. You can apply all the results now."),
            tr("Relax now. Let me take you to start a great music feast."),
            tr("Well done. You have defeated most of other computers. Just enjoy your music now.")};
}

void CMainUI::EndFialedState(bool hide)
{
    HideProcessing();
    // "Refix" has no place beside "   Fix All".
    m_pRetryButton->setHidden(m_pActionStack->currentIndex() == ActionFixAll || hide);
}

void CMainUI::ApplyiTunes()
{
    StartApply();
}

bool CMainUI::StartApply()
{
    if (m_pApplyThread->isRunning())
        return false;
    if (CAppSettings* settings = GetAppSettings())
    {
        int mask = settings->GetReplace();
        if ((mask & MF_ReplaceSwitch) && (mask & (MF_Name | MF_Artist | MF_Album | MF_Year | MF_Genre)))
        {
            const int answer = CWarnMessage::ShowMessage(
                this, QString(), tr("Are you sure you want to replace songs meta\nand apply the result?"), 2,
                tr("Yes"), tr("No"), QString(), 0);
            // A box closed without an answer applies nothing and keeps the mask.
            if (answer == 0)
                return false;
            if (answer == 2)
            {
                mask &= ~static_cast<int>(MF_ReplaceSwitch);
                settings->SetReplace(mask);
            }
        }
    }
    m_pRetryButton->hide();
    m_eStage = EWorkStage::Applying;
    m_eRunState = EWindowRunState::Running;
    m_pContentStack->setCurrentIndex(PageReport);
    m_pBusyBanner->ShowLoading(true);
    m_pPauseControl->SetActions(true, false);
    m_pPauseControl->SetLook(true);
    m_pActionStack->setCurrentIndex(ActionPause);
    if (m_pHeaderStack->currentIndex() == HeaderHint)
    {
        m_pHeaderStack->setCurrentIndex(HeaderProgress);
    }
    else
    {
        m_pApplyOrSave->hide();
        m_iSavedProgress = ShownProgress();
        SetProgressNow(0);
    }
    m_flow.BeginApply();
    // Until the apply has written everything, a run that ends unexpectedly leaves it to Continue.
    m_pResultMarks->SetSettled(false);
    m_pMessageLine->SetText(tr("Applying the results, please wait a moment."));
    // The page's rows belong to this thread: what the apply needs of them is taken here.
    m_pReport->ApplyWork()->PrepareApply();
    m_applyFailures.clear();
    // Every apply starts un-paused, whatever a late Pause of the one before left.
    SetApplyPause(false);
    m_pApplyThread->start(QThread::InheritPriority);
    return true;
}

QString CMainUI::FewNames(const QStringList& names, int named, const QString& separator)
{
    // A few names say which files to look at; the message stays short whatever the count.
    const int count = static_cast<int>(names.size());
    QStringList shown;
    for (const QString& name : names.mid(0, named))
        shown << COwnDirectionDelegate::Isolated(name); // a file name keeps its own direction
    QString joined = shown.join(separator);
    if (count > named)
        joined = tr("%1 and %n more", nullptr, count - named).arg(joined);
    return joined;
}

QStringList CMainUI::ApplyFailureSentences() const
{
    // Each sentence names one thing that failed, as what it is: the songs not written, the
    // library file, the songs whose file is gone that are still in the library, the database.
    QStringList sentences;
    if (const int count = static_cast<int>(m_applyFailures.size()); count > 0)
        sentences
            << tr("%n song(s) could not be written: %1.", nullptr, count).arg(FewNames(m_applyFailures));
    if (const int kept = m_pReport->ApplyWork()->ApplyLibraryUnsaved(); kept > 0)
        sentences
            << tr("%n song(s) were written to their files, but the library file could not be saved: %1.",
                  nullptr, kept)
                   .arg(COwnDirectionDelegate::Isolated(CMusicLink::DefaultLibraryPath()));
    if (const QStringList missing = m_pReport->ApplyWork()->ApplyMissingNotRemoved(); !missing.isEmpty())
        sentences << tr("%n song(s) whose file is missing could not be removed from the library: %1.",
                        nullptr, static_cast<int>(missing.size()))
                         .arg(FewNames(missing));
    if (m_pReport->ApplyWork()->ApplyDatabaseUnsaved())
        sentences << tr("The working database could not be saved: %1.")
                         .arg(COwnDirectionDelegate::Isolated(g_strDBPath));
    return sentences;
}

QString CMainUI::ApplyFailureText() const
{
    return ApplyFailureSentences().join(QLatin1Char(' '));
}

void CMainUI::UpdataApplyOK()
{
    qDebug() << "------::UpdataApplyOK begin";
    if (m_flow.IsWorkStopped())
        return;
    m_eRunState = EWindowRunState::ResultShown;
    m_pBusyBanner->hide();
    m_flow.ApplyEnded();
    // The run has ended: a pause that reached it too late holds nothing now, and no later run.
    SetApplyPause(false);
    if (m_pDuplicate)
        m_pDuplicate->SetPauseState(EPauseRequest::Continue, true);
    const int type = m_iResultType;
    if (IsDuplicateRun(type))
    {
        m_pPauseControl->SetActions(false, false);
        m_pActionStack->setCurrentIndex(ActionRemove);
        m_pDuplicateControl->RemovalEnded();
    }
    else if (m_iSavedProgress < 0 || m_iSavedProgress >= 10000)
    {
        m_pPauseControl->SetActions(false, false);
        m_pHeaderStack->setCurrentIndex(HeaderHint);
        m_pActionStack->setCurrentIndex(ActionApply);
        if (GetScore() >= 10000.0)
        {
            m_pMessageLine->SetText(tr("Results applyed."));
        }
        else
        {
            m_pMessageLine->SetText(tr("Results applyed. You can try fix again."));
            m_pRetryButton->show();
        }
        m_flow.ResultApplied();
        // Nothing left to write: nothing offers to apply, and a run that ends now leaves nothing
        // to continue.
        if (!m_pReport->HasUnappliedChanges())
        {
            ShowResultStage(ResultStageApplied);
            m_pResultMarks->SetStage(ResultStageApplied);
            m_pResultMarks->SetSettled(true);
        }
    }
    else
    {
        m_pApplyOrSave->show();
        m_pMessageLine->SetText(tr("Paused."));
        m_pPauseControl->SetLook(false);
        SetProgressNow(m_iSavedProgress);
        m_iSavedProgress = -1;
        m_eStage = EWorkStage::Fixing;
        m_eRunState = EWindowRunState::Paused;
    }
    if (!IsDuplicateRun(type))
    {
        // Songs whose write failed keep their fixes unapplied: the user is told which.
        m_applyFailures = m_pReport->ApplyWork()->ApplyFailures();
        // The hint says it too, not the praise or the regret of the fix before.
        if (const QStringList failures = ApplyFailureSentences(); !failures.isEmpty())
        {
            m_pMessageLine->SetText(failures.join(QLatin1Char(' ')));
            m_pHintLine->Clear();
            SetHintTexts(failures);
        }
    }
    qDebug() << "------::UpdataApplyOK end_1";
    if (!m_flow.LeavesAfterApply())
        return;
    // The thread has sent its last word; once it has ended, leaving asks again about whatever
    // could not be written.
    m_pApplyThread->wait();
    if (m_flow.TakeAfterApply() == CWindowFlow::EAfterApply::Home)
    {
        GoHome();
        return;
    }
    close();
    qDebug() << "------::UpdataApplyOK end_2";
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
                m_pReport->ApplyWork()->SetPauseState(EPauseRequest::Pause, true);
            m_pMessageLine->SetText(tr("Paused. Wanna continue and experience a new library?"));
            m_flow.ApplyPaused();
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
                m_pReport->ApplyWork()->SetPauseState(EPauseRequest::Continue, true);
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

void CMainUI::StopAllWork()
{
    m_bStopRequest = true;
    ++m_uRunGeneration;
    if (m_pReport)
        m_pReport->SetStopState(1);
    if (m_pDuplicate)
        m_pDuplicate->SetStopFlag(true);
    if (m_pMusicLink)
        m_pMusicLink->SetExitState(1);
    // Wake whoever sleeps on a pause before waiting for them.
    RequestAnalysisStop();
    if (m_pAnalyzeThread)
        m_pAnalyzeThread->wait();
    if (m_pApplyThread && m_pApplyThread->isRunning())
    {
        const int type = m_iResultType;
        if (IsDuplicateRun(type))
            m_pDuplicate->SetPauseState(EPauseRequest::Continue, true);
        else
            m_pReport->ApplyWork()->SetPauseState(EPauseRequest::Continue, true);
        SetApplyPause(false);
    }
    if (m_pApplyThread)
        m_pApplyThread->wait();
    // A restore uses the manager and the engine's records: it ends before either goes.
    if (m_pDuplicate)
        m_pDuplicate->WaitForRestores();
    if (m_eRunState == EWindowRunState::Paused && m_pMusicLink)
        m_pMusicLink->SetRunState(static_cast<int>(m_eStage), ManageStopped);
    // A load's set-up clears the exit of the run before it when it begins: a stop that came just
    // before that is said again until the set-up has ended (the manager then keeps it).
    while (m_pReadyLoadThread && !m_pReadyLoadThread->wait(QDeadlineTimer(10)))
    {
        if (m_pMusicLink)
            m_pMusicLink->SetExitState(1);
    }
    m_flow.WorkStopped();
}

void CMainUI::GoHome()
{
    WriteUILog(QStringLiteral("Enter GoHome()"));
    if (m_pHeaderStack->currentIndex() == HeaderProgress && m_pTopStack->currentIndex() == TopScanning)
    {
        // Recognition waits behind the question: its answers are held until it is answered.
        const bool held = g_bRecognitionHold.load();
        SetRecognitionHold(true);
        const int answer = CWarnMessage::ShowMessage(
            this, tr("Are you sure you want to back to Home?"),
            tr("Are you sure you want to back to Home? If back, the scanning results will not be saved."), 2,
            tr("Yes"), tr("Cancel"), QString(), 0);
        SetRecognitionHold(held);
        if (answer != 1)
            return;
        // The fix run Home leaves ends now, before anything else is asked: no more requests,
        // and the page reads as after a run.
        if (m_eStage == EWorkStage::Fixing && !m_pApplyThread->isRunning())
            EndFixRunHere();
    }
    // What the tag editor holds is saved first: it is asked about like any other fix.
    if (!m_pApplyThread->isRunning() && !m_pReport->CommitEdits())
        return;
    // Fixes not yet applied, or not yet written by an apply under way or paused, are not dropped
    // unasked: the closing question, and the apply goes home once the results are written.
    if (m_pReport->HasUnappliedChanges() && !m_flow.GoesHomeAfterApply())
    {
        const QString question = tr("Do you want to apply new results?");
        const int answer = CWarnMessage::ShowMessage(this, question, question, 3, tr("Cancel"), tr("Ignore"),
                                                     tr("Apply"), 0);
        if (answer == 1 || answer == 0)
            return;
        // Home follows the apply only when one starts: a closed replace question leaves the
        // window as it was.
        if (answer == 3)
        {
            if (ApplyBeforeLeaving())
                m_flow.ApplyChosenAtHome();
            return;
        }
    }
    // Every stage stops and every worker is joined before the engine's lists are freed.
    StopAllWork();
    if (GetWorkMode() == EWorkMode::Duplicates)
        m_pMusicLink->FreeDedupeResults();
    ClearScanList();
    m_pReport->StopAllWork();
    EmptyWorkFolders();
    SaveProjectFile(true);
    DeleteDBFiles();
    ResetToStart();
    m_pDuplicate->ClearView();
}

void CMainUI::ResetToStart()
{
    m_eStage = EWorkStage::Home;
    m_eRunState = EWindowRunState::Idle;
    SetScore(10000.0);
    SetScoreStep(0.0);
    m_iSavedProgress = -1;
    m_flow.BackAtStart();
    m_pDuplicateControl->Reset();
    m_applyFailures.clear();
    m_eRunMode = RunModeNone;
    m_iResultType = RunModeNone;
    m_pRetryButton->hide();
    m_pApplyOrSave->hide();
    m_pRemoveButton->setEnabled(true);
    m_pScoreLabel->setText(QStringLiteral("100"));
    SetScoreShown(false);
    m_pActionStack->show();
    m_pActionStack->setCurrentIndex(ActionPause);
    m_pTopStack->setCurrentIndex(TopWelcome);
    m_pContentStack->setCurrentIndex(PageStart);
    m_pBusyBanner->hide();
    m_pPauseControl->SetLook(true);
    StopHeaderMovie(false);
    m_pPauseControl->SetActions(false, false);
    m_pActionSave->setEnabled(false);
}

// ---- Screen helpers --------------------------------------------------------------------------

void CMainUI::SetHeaderPicture(const QString& picture)
{
    m_pHeaderPicture->setStyleSheet(
        QStringLiteral(
            "QWidget#label_back{ border:0;min-width: %2;max-width: %2;max-height: %2;min-height: %2;"
            "border-image: url(:/res/res/win/label/%1.png); }")
            .arg(picture, QString::number(ScaledValue(89), 'g', 6)));
}

void CMainUI::StartHeaderMovie(const QString& file)
{
    m_pHeaderMovie->stop();
    m_pHeaderMovie->setFileName(file);
    m_pHeaderMovie->setScaledSize(QSize(ScaledInt(89), ScaledInt(89)));
    if (!m_pHeaderLabel->movie())
        m_pHeaderLabel->setMovie(m_pHeaderMovie);
    m_pHeaderMovie->start();
}

void CMainUI::StopHeaderMovie(bool remove)
{
    m_pHeaderMovie->stop();
    // A still picture goes too: the next picture is the only one in the header.
    if (remove)
    {
        if (m_pHeaderLabel->movie())
            m_pHeaderLabel->setMovie(nullptr);
        m_pHeaderLabel->clear();
    }
}

void CMainUI::ShowStillPicture(const QString& file)
{
    const QPixmap picture(file);
    if (!picture.isNull())
        m_pHeaderLabel->setPixmap(picture.scaledToWidth(ScaledInt(89), Qt::SmoothTransformation));
}

void CMainUI::SetProgress(int value)
{
    m_iPendingProgress = std::min(10000, std::max(value, ProgressFloor(m_pProgress)));
    if (!m_pProgressTimer->isActive())
        m_pProgressTimer->start();
}

void CMainUI::SetProgressNow(int value)
{
    m_pProgressTimer->stop();
    m_iPendingProgress = -1;
    m_pProgress->setValue(value);
}

int CMainUI::ShownProgress() const
{
    return m_iPendingProgress >= 0 ? m_iPendingProgress : m_pProgress->value();
}

void CMainUI::SetHintTexts(const QStringList& texts)
{
    for (const QString& text : texts)
        m_pHintLine->AddText(text);
}

void CMainUI::SetScoreShown(bool shown)
{
    m_pScoreName->setVisible(shown);
    m_pScoreLabel->setVisible(shown);
}

void CMainUI::ShowScore()
{
    m_pScoreLabel->setText(QString::number(static_cast<int>(GetScore() / 100.0)));
}
