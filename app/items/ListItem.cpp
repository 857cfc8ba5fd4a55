#include "ListItem.h"

#include <QFileInfo>
#include <QListWidget>

CListItem::CListItem(CMusicObj* track, int kind, QListWidget* list)
    : QListWidgetItem(list, QListWidgetItem::Type), m_musicData(track), m_kind(kind)
{
}

CListItem::~CListItem() = default;

void CListItem::Repaint() const
{
    if (QListWidget* list = listWidget())
        list->viewport()->update();
}

void CListItem::SetCheckState(int state, bool repaint)
{
    if (state == m_checkState)
        return;
    m_checkState = state;
    if (repaint && m_artworkState != ArtworkFixing && m_artworkState != ArtworkFailed)
        Repaint();
}

void CListItem::SetArtworkPath(const QString& path)
{
    m_artworkPath = path;
    if (QFileInfo::exists(path))
        Repaint();
}

void CListItem::SetArtworkState(int state, bool repaint)
{
    if (state == m_artworkState)
        return;
    m_artworkState = state;
    if (repaint && (state == ArtworkWaiting || state == ArtworkFound))
        Repaint();
}

void CListItem::SetMultiArtwork(bool several)
{
    if (several == m_multiArtwork)
        return;
    m_multiArtwork = several;
    if (m_artworkState != ArtworkFound)
        Repaint();
}

void CListItem::SetArtworkCount(int count)
{
    if (count >= 0)
        m_artworkCount = count;
}
