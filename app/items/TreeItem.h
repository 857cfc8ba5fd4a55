#pragma once

#include <QString>
#include <QTreeWidgetItem>

class CMusicObj;

// A row of a result tree that stands for one track. The track object belongs to the music
// manager and is never freed here. Sorting and painting are the base class's.
class CTreeItem : public QTreeWidgetItem
{
public:
    explicit CTreeItem(QTreeWidget* view = nullptr);
    ~CTreeItem() override;

    void SetMusicData(CMusicObj* track, int kind);
    CMusicObj* GetMusicData() const { return m_musicData; }
    int GetKind() const { return m_kind; }

    // 0 not processed, 1 being fixed, 2 fixed, -2 failed.
    void SetFixState(int state) { m_fixState = state; }
    int GetFixState() const { return m_fixState; }

    void SetLocation(const QString& path) { m_location = path; }
    QString GetLocation() const { return m_location; }
    void SetPersistentID(const QString& id) { m_persistentId = id; }
    QString GetPersistentID() const { return m_persistentId; }
    void SetWavPath(const QString& path) { m_wavPath = path; }
    QString GetWavPath() const { return m_wavPath; }

    // The recognition key: the track's position in the analysis pass, -1 for rows that take no part.
    void SetUserValue(int value) { m_userValue = value; }
    int GetUserValue() const { return m_userValue; }

private:
    CMusicObj* m_musicData = nullptr;
    int m_kind = 0;
    int m_fixState = 0;
    QString m_location;
    QString m_persistentId;
    QString m_wavPath;
    int m_userValue = -1;
};
