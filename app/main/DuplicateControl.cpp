#include "DuplicateControl.h"

#include "AppSettings.h"
#include "CMessgboxEx.h"
#include "CWarnMessage.h"
#include "CountTexts.h"
#include "Duplicate.h"
#include "IDuplicateRoadHost.h"
// The texts' translation context and the names helper: the road's texts are the window's.
#include "MainUI.h"

CDuplicateControl::CDuplicateControl(IDuplicateRoadHost& host, CDuplicate* view, QWidget* window)
    : QObject(window), m_host(host), m_pView(view), m_pWindow(window)
{
}

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
    m_bRemovalIncomplete = m_host.RemoveEnabled();
    m_removalFailures = m_pView ? m_pView->NotMovedCopies() : QStringList();
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
                .arg(CMainUI::FewNames(m_removalFailures, kNamed, QStringLiteral("\n")));
        CWarnMessage::ShowMessage(m_pWindow, QString(), text, 0, QString(), QString(), QString(), 0);
    }
}

void CDuplicateControl::Duplicate()
{
    m_host.ShowDuplicateStart();
    m_host.ResetHints({CMainUI::tr("Let Tidewell help you clean-up duplicate songs in your music library!")});
    m_host.SetMessageText(CMainUI::tr("Drag-and-drop or Add music files or folder(s) to find duplicates."));
    m_pView->StartClearTrash();
}

void CDuplicateControl::ScanDuplicate()
{
    // The list stays as the user made it: Return after the result shows it again, and the next
    // Scan scans it again.
    const QStringList paths = m_pView->ScanPaths();
    if (paths.isEmpty())
    {
        CWarnMessage::ShowMessage(m_pWindow, QString(),
                                  CMainUI::tr("There is nothing to scan yet. Add music files or folders, or "
                                              "drop them here, then click Scan."),
                                  0, QString(), QString(), QString(), 0);
        return;
    }
    m_host.ScanForDuplicates(paths);
}

void CDuplicateControl::RemoveDuplicate()
{
    if (m_host.ApplyThreadRunning())
        return;
    CAppSettings* settings = GetAppSettings();
    if (settings && settings->GetMsgDshow() == 0)
    {
        CMessgboxEx confirm(m_pWindow);
        if (confirm.exec() != QDialog::Accepted)
            return;
    }
    m_host.EnterRemoval();
    m_host.ResetHints({CMainUI::tr("Tidewell is cleaning up duplicate songs.")});
    m_host.SetMessageText(CMainUI::tr("Removing duplicates music, please wait..."));
    // The preview stops here, on the GUI thread, and the view takes its removal plan from the
    // tree: the apply thread then touches no widget.
    m_pView->PrepareRemove();
    m_host.StartApplyThread();
}

void CDuplicateControl::ShowRemovedCount(int removed)
{
    m_iDuplicatesRemoved = removed;
    // While the removal runs the count is its progress; once the result page is back, a restore
    // changes what the page says as a whole.
    if (m_host.ShowsRemoveAction())
        RetranslateRemoveTexts();
    else
        m_host.SetMessageText(CCountTexts::DuplicatesRemoved(removed));
}

void CDuplicateControl::SetRemoveEnable(bool enable)
{
    m_host.SetRemoveEnabled(enable);
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
        m_host.ResetHints(RemovalEndHints());
    else
        m_host.ResetHints(
            {CMainUI::tr("Duplicates found. Let me help you remove them and keep your library clean."),
             CMainUI::tr("Dear, why not let me help you clean up duplicates immediately?"),
             CMainUI::tr("Duplicates appeared. Wanna tidy them and make your library clean?"),
             CMainUI::tr("Duplicates found. Click Remove to clean up duplicates easily.")});
    m_host.SetMessageText(m_iDuplicatesRemoved > 0 ? CCountTexts::DuplicatesRemoved(m_iDuplicatesRemoved)
                                                   : CCountTexts::DuplicatesFound(m_host.ScannedSongs(),
                                                                                  m_host.DuplicatesFound()));
}
