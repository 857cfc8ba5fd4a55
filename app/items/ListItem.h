#pragma once

#include "RowFixState.h"
#include "TrackItemData.h"

#include <QListWidgetItem>
#include <QString>

class CMusicObj;

// What an artwork cell shows: the waiting picture, the default one while it is being fixed, the
// artwork found, or the failed picture.
enum EArtworkState : int
{
    ArtworkWaiting = 0,
    ArtworkFixing = 1,
    ArtworkFound = 2,
    ArtworkFailed = 3,
};

// A cell of the artwork grid: one song without artwork. The track object belongs to the music
// manager. Setters that change what the cell shows repaint the owning list's viewport; a cell
// outside any list repaints nothing.
class CListItem : public QListWidgetItem, public TrackItemData
{
public:
    CListItem(CMusicObj* track, int kind, QListWidget* list = nullptr);
    ~CListItem() override;

    // Qt::Checked or Qt::Unchecked.
    void SetCheckState(int state, bool repaint);
    int GetCheckState() const { return m_checkState; }

    void SetArtworkPath(const QString& path);
    QString GetArtworkPath() const { return m_artworkPath; }

    // An EArtworkState.
    void SetArtworkState(int state, bool repaint);
    int GetArtworkState() const { return m_artworkState; }

    void SetMultiArtwork(bool several);
    bool HasMultiArtwork() const { return m_multiArtwork; }

    CMusicObj* GetMusicData() const { return m_musicData; }
    int GetKind() const { return m_kind; }

    // Fixed once the artwork is written and shown. Never repaints.
    void SetLoadState(ERowFixState state) { m_loadState = state; }
    ERowFixState GetLoadState() const { return m_loadState; }

    // A negative count leaves the stored one.
    void SetArtworkCount(int count);
    int GetArtworkCount() const { return m_artworkCount; }

private:
    void Repaint() const;

    int m_artworkState = ArtworkWaiting;
    int m_checkState = Qt::Checked;
    QString m_artworkPath;
    bool m_multiArtwork = false;
    CMusicObj* m_musicData = nullptr;
    int m_kind = 0;
    ERowFixState m_loadState = ERowFixState::NotFixed;
    int m_artworkCount = 0;
};
