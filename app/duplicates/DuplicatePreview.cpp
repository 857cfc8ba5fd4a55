// The duplicate page's preview: one copy plays at a time, its row shows the play mark.
#include "Duplicate.h"

#include "CMusicLink.h"
#include "DuplicateHelpers.h"
#include "DuplicateItem.h"
#include "FailedTreeWidget.h"
#include "PreviewPlayback.h"
#include "SharedImages.h"
#include "UILog.h"

#include <QMetaObject>

using duplicate_detail::AsRow;
using duplicate_detail::kColumnPath;
using duplicate_detail::kColumnPlay;
using duplicate_detail::SharedIcon;

// ---- Preview -------------------------------------------------------------------------------

int CDuplicate::OnPlayEvent(const int* notice, void* context)
{
    // On the player's thread: post, nothing more. The posted call is dropped when the view is
    // gone, and ignored when the player is no longer the current one.
    if (!IsPreviewEndNotice(notice, context))
        return 0;
    auto* view = static_cast<CDuplicate*>(context);
    const int player = PreviewNoticePlayer(notice);
    QMetaObject::invokeMethod(
        view, [view, player] { view->OnPlayerEnded(player); }, Qt::QueuedConnection);
    return 0;
}

void CDuplicate::OnPlayerEnded(int player)
{
    if (player == 0 || player != m_player)
        return;
    StopPreview(m_player);
    if (m_pLink)
        m_pLink->EmitPlayState(10000, 2, 0); // SendPlayOver reaches PlayOver
    else
        PlayOver();
}

void CDuplicate::PlayTrack()
{
    QTreeWidgetItem* current = m_pTree->currentItem();
    if (!current)
        return;
    if (current == m_pPlayingRow && m_playState == PlayStatePlaying)
    {
        StopPlay();
        return;
    }
    if (m_pPlayingRow && m_playState == PlayStatePlaying)
        StopPlay();

    const QString path = current->text(kColumnPath);
    // The shared routine says "Playback failure!" itself when the start fails.
    if (StartPreview(m_mediaHandle, path, m_player, &CDuplicate::OnPlayEvent, this, this))
    {
        WriteUILog(QStringLiteral("PlayUnit_Start:") + path);
        m_playState = PlayStatePlaying;
        current->setIcon(kColumnPlay, SharedIcon(g_iconPlaying));
        m_pPlayingRow = AsRow(current);
        return;
    }
    // A player held from before was released by the failed start unless the file could not
    // be opened; either way this view no longer counts on it.
    StopPreview(m_player);
    current->setIcon(kColumnPlay, SharedIcon(g_iconNone));
    m_playState = PlayStateStopped;
}

void CDuplicate::StopPlay()
{
    StopPreview(m_player);
    PlayOver();
}

void CDuplicate::PlayOver()
{
    // A notice of another page's preview, or a late one, while this view's player still plays
    // is not this preview's end.
    if (m_player)
        return;
    if (m_pPlayingRow)
    {
        const bool current = m_pTree->currentItem() == m_pPlayingRow;
        m_pPlayingRow->setIcon(kColumnPlay, current ? SharedIcon(g_iconPlay) : SharedIcon(g_iconNone));
    }
    m_playState = PlayStateStopped;
    m_pPlayingRow = nullptr;
}

void CDuplicate::CurrentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous)
{
    if (current && !AsRow(current)->IsGroup())
    {
        if (current != m_pPlayingRow)
            current->setIcon(kColumnPlay, current->text(kColumnPath).isEmpty() ? SharedIcon(g_iconNone)
                                                                               : SharedIcon(g_iconPlay));
        else if (m_playState != PlayStatePlaying && m_playState != PlayStatePaused)
            current->setIcon(kColumnPlay, SharedIcon(g_iconPlay));
    }
    if (previous && previous != current && !AsRow(previous)->IsGroup() &&
        !(previous == m_pPlayingRow && m_playState == PlayStatePlaying))
        previous->setIcon(kColumnPlay, SharedIcon(g_iconNone));
}
