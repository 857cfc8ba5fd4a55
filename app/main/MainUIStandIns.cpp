// The duplicate commands, pause and continue, closing, and the menu's dialogs in their first form:
// enough for the whole road through the window; the duplicate page, the preferences, the bug
// report and the update check give them their full behaviour.
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
#include "Duplicate.h"
#include "MusicObj.h"
#include "ReadyLoadThread.h"
#include "StartUI.h"
#include "UILog.h"
#include "sonalike.h"

#include <QAction>
#include <QCloseEvent>
#include <QDebug>
#include <QLabel>
#include <QMovie>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>

#include <memory>

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
    m_pRetryButton->hide();
    m_iStage = 4;
    m_iRunState = 1;
    m_pBusyBanner->ShowLoading(true);
    SetPauseActions(true, false);
    SetPauseLook(true);
    m_pActionStack->setCurrentIndex(ActionPause);
    m_pHeaderStack->setCurrentIndex(HeaderHint);
    m_pHintLine->Clear();
    SetHintTexts({tr("Tidewell is cleaning up duplicate songs.")});
    m_pHintLine->SetShadeHidden(false);
    m_bRemoving = true;
    m_pMessageLine->SetText(tr("Removing duplicates music, please wait..."));
    m_pApplyThread->start(QThread::InheritPriority);
}

void CMainUI::CancelGroup()
{
    const int type = m_iResultType;
    if (m_iRunState == 1) {
        switch (m_iStage) {
        case 1:
            PauseDedupeThread();
            m_pMusicLink->SetRunState(1, 2);
            m_pMessageLine->SetText(tr("Paused. Wanna continue and explore the world of music?"));
            break;
        case 2:
            if (m_pAnalyzeThread->isRunning())
                SetAnalysisPause(true);
            else
                m_pMusicLink->SetRunState(2, 2);
            m_pMessageLine->SetText(tr("Pause"));
            break;
        case 3:
            m_pReport->SetRunState(2);
            m_pReport->PauseFixView();
            m_pApplyOrSave->show();
            m_pMessageLine->SetText(tr("Paused."));
            m_iFixCode = 0;
            m_iFixValue = 0;
            break;
        case 4:
            if (type == 4 || type == 5)
                m_pDuplicate->SetPauseState(2, true);
            else
                m_pReport->SetPauseState(2, true);
            m_pMessageLine->SetText(tr("Paused. Wanna continue and experience a new library?"));
            m_bApplying = false;
            m_bRemoving = false;
            break;
        default:
            break;
        }
        m_iRunState = 2;
        SetPauseActions(false, true);
        m_pHeaderMovie->setPaused(true);
        m_pBusyBanner->StopMovie();
    } else if (m_iRunState == 2) {
        switch (m_iStage) {
        case 1:
            ContinueDedupeThread();
            m_pMusicLink->SetRunState(1, 1);
            m_pMessageLine->SetText(tr("Continue to scan music library,please wait a moment."));
            break;
        case 2:
            if (m_pAnalyzeThread->isRunning())
                SetAnalysisPause(false);
            else
                m_pMusicLink->SetRunState(2, 1);
            m_pMessageLine->SetText(tr("Continue"));
            break;
        case 3:
            m_pReport->SetRunState(1);
            m_pReport->ResumeFixView();
            m_pApplyOrSave->hide();
            m_pMessageLine->SetText(tr("Continue to fix, please wait a moment."));
            break;
        case 4:
            if (type == 4 || type == 5)
                m_pDuplicate->SetPauseState(1, true);
            else
                m_pReport->SetPauseState(1, true);
            m_pMessageLine->SetText(tr("Continue to apply the results,please wait a moment."));
            break;
        default:
            break;
        }
        m_iRunState = 1;
        SetPauseActions(true, false);
        m_pHeaderMovie->setPaused(false);
        m_pBusyBanner->StartMovie();
    }
    SetPauseLook(m_iRunState != 2);
}

void CAnalyzeThread::LoadDuplicateGroups()
{
    static qint64 memberCounter = 0;
    const int n = GetLoadCounts();
    const int groups = GetGroupIdCounts();
    m_pOwner->SetScoreStep(n > 0 ? 10000.0 / n : 0.0);
    m_pReport->SetCategoryMask(0x8010C00);
    m_pReport->ClearPullQueue();
    int members = 0;
    int64_t groupId = 0x65535;
    for (int i = 0; i < groups; ++i, groupId += 2) {
        int count = 0;
        DedupeTrackInfo* item = nullptr;
        GetGroupRef(static_cast<unsigned>(i), &item, &count, 0);
        for (int j = 0; j < count; ++j) {
            item = nullptr;
            GetGroupRef(static_cast<unsigned>(i), &item, &count, j);
            ++members;
            if (!item)
                continue;
            qDebug() << "loaction = " << item->path;
            auto info = std::make_unique<MusicInfo>();
            info->PersistentID = QString::number(++memberCounter);
            info->Name = QString::fromUtf8(item->title ? item->title : "");
            info->TotalTime = QString::number(item->duration);
            info->Artist = QString::fromUtf8(item->artist ? item->artist : "");
            info->Size = QString::number(item->fileSize);
            info->Location = QString::fromUtf8(item->path ? item->path : "");
            info->Bitrate = QString::number(item->bitRate);
            m_pDuplicate->AddDedupeGroup(info.release(), 1604960, j == 0 ? 0 : 0x4000, groupId, j == 0 ? 0 : 1);
        }
    }
    DedupeDealloc();
    m_pOwner->SetScore(n > 0 ? static_cast<double>(n - members) / n * 10000.0 : 10000.0);
    emit StartFixAll(tr("Scanned %1 song(s), found %2 duplicates.").arg(n).arg(members), QString::number(n), members,
                     -1);
    emit SandUpdataReport(m_pOwner->RunGeneration());
}

void CMainUI::closeEvent(QCloseEvent* event)
{
    if (m_pReport->HasUnappliedChanges() && !m_bCloseAfterApply) {
        const QString question = tr("Do you want to apply new results?");
        const int answer =
            CWarnMessage::ShowMessage(this, question, question, 3, tr("Cancel"), tr("Ignore"), tr("Apply"), 0);
        if (answer == 1 || answer == 0) {
            event->ignore();
            return;
        }
        if (answer == 3) {
            event->ignore();
            m_bCloseAfterApply = true;
            ApplyiTunes();
            return;
        }
    }
    StopAllWork();
    m_pReport->StopAllWork();
    EmptyWorkFolders();
    SaveProjectFile(true);
    if (m_bDeleteDatabase)
        DeleteDBFiles();
    event->accept();
}

void CMainUI::loadLanguage()
{
    m_pStartUI->loadLanguage();
    m_pReport->loadLanguage();
    m_pDuplicate->loadLanguage();
}

void CMainUI::Preferences() { showNormal(); }

void CMainUI::BugReport() {}

void CMainUI::UpdataSoft() {}

void CMainUI::UpdataView() {}
