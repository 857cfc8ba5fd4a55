#include "DuplicateControl.h"

#include "AnalyWidget.h"
#include "AppGlobals.h"
#include "AppSettings.h"
#include "ApplyThread.h"
#include "CMessgboxEx.h"
#include "CShadeLabel.h"
#include "CTextButton.h"
#include "CWarnMessage.h"
#include "CountTexts.h"
#include "Duplicate.h"
#include "MainUI.h"
#include "PauseControl.h"

#include <QPushButton>
#include <QStackedWidget>

CDuplicateControl::CDuplicateControl(CMainUI* window) : QObject(window), m_window(*window) {}

void CDuplicateControl::Reset()
{
    m_iDuplicatesRemoved = 0;
    m_bRemovalIncomplete = false;
    m_removalFailures.clear();
}

void CDuplicateControl::RemovalEnded()
{
    // The page's last word, queued ahead of this one, left Remove offered when a checked copy
    // is still in place.
    m_bRemovalIncomplete = m_window.m_pRemoveButton->isEnabled();
    m_removalFailures = m_window.m_pDuplicate ? m_window.m_pDuplicate->NotMovedCopies() : QStringList();
    RetranslateRemoveTexts();
    // The header has room for a line or two: the copies left in place are named whole in a box,
    // which grows to its text.
    if (m_bRemovalIncomplete && !m_removalFailures.isEmpty())
    {
        constexpr int kNamed = 20;
        const QString text =
            CMainUI::tr(
                "%n duplicate(s) could not be moved to the recycle folder:\n%1\nClick Remove to try again.",
                nullptr, static_cast<int>(m_removalFailures.size()))
                .arg(m_window.FewNames(m_removalFailures, kNamed, QStringLiteral("\n")));
        CWarnMessage::ShowMessage(&m_window, QString(), text, 0, QString(), QString(), QString(), 0);
    }
}

void CDuplicateControl::Duplicate()
{
    m_window.StopHeaderMovie(true);
    m_window.SetHeaderPicture(QStringLiteral("duplicate"));
    m_window.m_pHeaderStack->setCurrentIndex(CMainUI::HeaderHint);
    m_window.m_pHintLine->Clear();
    m_window.SetHintTexts(
        {CMainUI::tr("Let Tidewell help you clean-up duplicate songs in your music library!")});
    m_window.m_pHintLine->SetShadeHidden(false);
    m_window.m_pMessageLine->SetText(
        CMainUI::tr("Drag-and-drop or Add music files or folder(s) to find duplicates."));
    m_window.m_pContentStack->setCurrentIndex(CMainUI::PageDuplicate);
    m_window.m_pActionStack->setCurrentIndex(CMainUI::ActionScan);
    m_window.m_pTopStack->setCurrentIndex(CMainUI::TopScanning);
    m_window.SetScoreShown(false);
    m_window.m_pDuplicate->StartClearTrash();
}

void CDuplicateControl::ScanDuplicate()
{
    // The list stays as the user made it: Return after the result shows it again, and the next
    // Scan scans it again.
    const QStringList paths = m_window.m_pDuplicate->ScanPaths();
    if (paths.isEmpty())
    {
        CWarnMessage::ShowMessage(&m_window, QString(),
                                  CMainUI::tr("There is nothing to scan yet. Add music files or folders, or "
                                              "drop them here, then click Scan."),
                                  0, QString(), QString(), QString(), 0);
        return;
    }
    m_window.LoadStartParam(paths, g_strDBPath, RunModeDuplicateFiles);
}

void CDuplicateControl::RemoveDuplicate()
{
    if (m_window.m_pApplyThread->isRunning())
        return;
    CAppSettings* settings = GetAppSettings();
    if (settings && settings->GetMsgDshow() == 0)
    {
        CMessgboxEx confirm(&m_window);
        if (confirm.exec() != QDialog::Accepted)
            return;
    }
    m_window.m_pRetryButton->hide();
    m_window.m_eStage = EWorkStage::Applying;
    m_window.m_eRunState = EWindowRunState::Running;
    m_window.m_pBusyBanner->ShowLoading(true);
    m_window.m_pPauseControl->SetActions(true, false);
    m_window.m_pPauseControl->SetLook(true);
    m_window.m_pActionStack->setCurrentIndex(CMainUI::ActionPause);
    m_window.m_pHeaderStack->setCurrentIndex(CMainUI::HeaderHint);
    m_window.m_pHintLine->Clear();
    m_window.SetHintTexts({CMainUI::tr("Tidewell is cleaning up duplicate songs.")});
    m_window.m_pHintLine->SetShadeHidden(false);
    m_window.m_flow.BeginRemoval();
    m_window.m_pMessageLine->SetText(CMainUI::tr("Removing duplicates music, please wait..."));
    // The preview stops here, on the GUI thread, and the view takes its removal plan from the
    // tree: the apply thread then touches no widget.
    m_window.m_pDuplicate->PrepareRemove();
    m_window.m_pApplyThread->start(QThread::InheritPriority);
}

void CDuplicateControl::ShowRemovedCount(int removed)
{
    m_iDuplicatesRemoved = removed;
    // While the removal runs the count is its progress; once the result page is back, a restore
    // changes what the page says as a whole.
    if (m_window.m_pActionStack->currentIndex() == CMainUI::ActionRemove)
        RetranslateRemoveTexts();
    else
        m_window.m_pMessageLine->SetText(CCountTexts::DuplicatesRemoved(removed));
}

void CDuplicateControl::SetRemoveEnable(bool enable)
{
    m_window.m_pRemoveButton->setEnabled(enable);
}

QStringList CDuplicateControl::RemovalEndHints() const
{
    // A recycle folder that cannot be written (a read-only disk) leaves the files where they
    // were: the user is told, and Remove stays offered.
    if (m_bRemovalIncomplete && !m_removalFailures.isEmpty())
        return {CMainUI::tr("%n duplicate(s) could not be moved. Click Remove to try again.", nullptr,
                            static_cast<int>(m_removalFailures.size()))};
    if (m_bRemovalIncomplete)
        return {CMainUI::tr("Some duplicates could not be moved. Click Remove to try again.")};
    return {CMainUI::tr("Congratulations! Duplicates has been removed successfully.")};
}

void CDuplicateControl::RetranslateRemoveTexts()
{
    // Copies still removed, or a removal that left checked copies in place, speak of the
    // removal; once every removed copy is back the page is the scan's result again.
    if (m_iDuplicatesRemoved > 0 || m_bRemovalIncomplete)
        m_window.ResetHints(RemovalEndHints());
    else
        m_window.ResetHints(
            {CMainUI::tr("Duplicates found. Let me help you remove them and keep your library clean."),
             CMainUI::tr("Dear, why not let me help you clean up duplicates immediately?"),
             CMainUI::tr("Duplicates appeared. Wanna tidy them and make your library clean?"),
             CMainUI::tr("Duplicates found. Click Remove to clean up duplicates easily.")});
    m_window.m_pMessageLine->SetText(
        m_iDuplicatesRemoved > 0
            ? CCountTexts::DuplicatesRemoved(m_iDuplicatesRemoved)
            : CCountTexts::DuplicatesFound(m_window.m_strFixText2.toInt(), m_window.m_iFixCode));
}
