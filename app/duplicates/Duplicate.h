#pragma once

#include "MusicFlags.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <vector>

class CMusicLink;
class CMusicObj;
class QTreeWidget;
struct MusicInfo;

// The duplicate view: the groups of a duplicate scan with the copies to remove. This first form
// lists the groups in one tree; the main window drives it through the members below (GUI thread,
// except RemoveDuplicate, which runs on the apply thread).
class CDuplicate : public QWidget
{
    Q_OBJECT

public:
    CDuplicate(int mediaHandle, CMusicLink* link, QWidget* parent = nullptr);
    ~CDuplicate() override;

    void SetMusicLink(CMusicLink* link);
    void AddDuplicateTrack(CMusicObj* track, int absence, int state, int64_t repeatId);
    // Takes the record; further 0 opens a group, 1 adds to the last one.
    void AddDedupeGroup(MusicInfo* info, int kind, int flags, int64_t groupId, int further);
    void CountRemoved();
    void SetPage(int page);
    // Moves the paths listed on the options page into paths (and saves the options).
    void TakeScanPaths(QStringList& paths);
    void StartClearTrash();
    void SetPauseState(int type, bool wake);
    void ClearView();
    // Apply thread: removes the ticked copies through the music link.
    void RemoveDuplicate();
    void SetStopFlag(bool stop) { m_bStop = stop; }
    bool StopFlag() const { return m_bStop; }
    void loadLanguage();
    // For the window's tests and the stand-in options list: the paths the next Scan takes.
    void SetPendingScanPaths(const QStringList& paths) { m_pending = paths; }
    int RowCount() const;

signals:
    void SetRemoveEnable(bool enable);
    void AddFixMissNum(int n);
    void StartFixAll(const QString& text, const QString& text2, int code, int value);
    void Complete(const QStringList& paths, const QString& path, EMusicRunMode mode);

public slots:
    void PlayOver();

private:
    CMusicLink* m_pMusicLink = nullptr;
    QTreeWidget* m_pTree = nullptr;
    QStringList m_pending;
    std::vector<std::unique_ptr<MusicInfo>> m_records;
    bool m_bStop = false;
};
