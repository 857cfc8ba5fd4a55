#pragma once

#include <QString>

// What every result item keeps of its track beside what the view shows: the file, the
// persistent id, a temporary WAV copy and the recognition key (the track's position in the
// analysis pass; -1 for rows that take no part).
class TrackItemData
{
public:
    void SetLocation(const QString& path) { m_location = path; }
    QString GetLocation() const { return m_location; }
    void SetPersistentID(const QString& id) { m_persistentId = id; }
    QString GetPersistentID() const { return m_persistentId; }
    void SetWavPath(const QString& path) { m_wavPath = path; }
    QString GetWavPath() const { return m_wavPath; }
    void SetUserValue(int value) { m_userValue = value; }
    int GetUserValue() const { return m_userValue; }

private:
    QString m_location;
    QString m_persistentId;
    QString m_wavPath;
    int m_userValue = -1;
};
