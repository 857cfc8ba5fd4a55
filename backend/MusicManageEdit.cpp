#include "MusicManage.h"

#include "MusicFlags.h"
#include "iTunesLib.h"

#include <QMutexLocker>

#include <vector>

// The user's changes to tracks: an artwork choice, an edit of the texts, and the action states,
// each written to memory and the database together or not at all.

namespace
{

// The edit bits of ModifyMusicInfo in the order their texts arrive, with the column each sets.
// `hand` is the State bit that marks the field as the user's own edit.
struct EditField
{
    int bit;
    const char* column;
    QString MusicInfo::*field;
    int hand;
};
constexpr EditField kEditFields[] = {{MF_Name, "Name", &MusicInfo::Name, MF_HandName},
                                     {MF_Artist, "Artist", &MusicInfo::Artist, MF_HandArtist},
                                     {MF_Album, "Album", &MusicInfo::Album, MF_HandAlbum},
                                     {MF_Year, "Year", &MusicInfo::Year, MF_HandYear},
                                     {MF_Genre, "Genre", &MusicInfo::Genre, MF_HandGenre}};

// State bits that ChangeAllMusicState also changes in memory.
constexpr int kMemoryStateBits[] = {MF_Artwork, MF_Artist, MF_Album, MF_Duplicate};

// A failure to report: the wrapped code when it is negative, else -1.
int asFailure(int ret)
{
    return ret < 0 ? ret : -1;
}

} // namespace

int CMusicManage::SelectArtwork(CMusicObj* obj, int index)
{
    if (!obj)
        return -1;
    const QString candidate = obj->GetArtworkCandidate(index);
    if (candidate.isEmpty() || m_exit)
        return -1;
    if (m_library)
    {
        QMutexLocker db(&m_library->DbMutex());
        if (obj->GetAbsence() & MF_Artwork)
        {
            const int ret =
                m_library->UpdateArtworkDataToDB(obj->CurrentInfo().PersistentID, obj->GetType(), candidate);
            if (ret != 0)
            {
                WriteManageLog(QStringLiteral("m_piTunes->SaveArtworkPic Failed! PID:%1 Name:%2 picPath:%3")
                                   .arg(obj->CurrentInfo().PersistentID, obj->CurrentInfo().Name, candidate));
                return asFailure(ret);
            }
        }
        obj->SetArtworkPath(candidate);
        return 0;
    }
    obj->SetArtworkPath(candidate);
    return 0;
}

int CMusicManage::ModifyMusicInfo(CMusicObj* obj, int mask, const char* const* texts)
{
    if (!obj || !texts || !m_library)
        return -1;
    if (m_exit)
        return 0;
    MusicInfo* current = nullptr;
    obj->GetCurrentInfo(&current);
    if (!current)
        return -1;

    QMutexLocker db(&m_library->DbMutex());
    const MusicInfo before = *current;
    MusicInfo edited = before;
    const bool byHand = (mask & kEditByHand) != 0;
    // What the user typed and Apply has not written yet is never replaced by the service's
    // answer, nor is an earlier answer: a later one fills only the fields still as loaded.
    const int stateBefore = obj->GetState();
    int next = 0;
    int changed = 0;
    // The user's own texts stay pending until Apply writes them, also one that matches the
    // service's answer the field held (which Apply may have kept back).
    int hand = 0;
    for (const EditField& field : kEditFields)
    {
        if (!(mask & field.bit))
            continue;
        const char* text = texts[next++];
        if (!byHand && ((stateBefore & field.hand) || before.*field.field != obj->OldInfo().*field.field))
            continue;
        const QString value = QString::fromUtf8(text ? text : "");
        if (byHand && (value != before.*field.field || value != obj->OldInfo().*field.field))
            hand |= field.hand;
        if (value != edited.*field.field)
        {
            edited.*field.field = value;
            changed |= field.bit;
        }
    }

    // Takes the text edit and its marks back, so an edit that fails does so as a whole.
    auto takeBackEdit = [&]
    {
        if (obj->GetState() != stateBefore &&
            m_library->UpdateValue(before.PersistentID, obj->GetType(), "State", nullptr, stateBefore) == 0)
            obj->SetState(stateBefore);
        if (!changed)
            return;
        std::vector<const char*> names;
        std::vector<QByteArray> values;
        for (const EditField& field : kEditFields)
        {
            if (!(changed & field.bit))
                continue;
            names.push_back(field.column);
            values.push_back((before.*field.field).toUtf8());
        }
        std::vector<const char*> valuePtrs;
        for (const QByteArray& v : values)
            valuePtrs.push_back(v.constData());
        m_library->UpdateMultiValues(before.PersistentID, obj->GetType(), names.data(), valuePtrs.data(),
                                     static_cast<int>(names.size()));
        for (const EditField& field : kEditFields)
            (*current).*field.field = before.*field.field;
    };

    if (changed || hand)
    {
        if (changed)
        {
            const int ret = m_library->UpdateMusicInfoToDB(&edited, obj->GetType());
            if (ret != 0)
                return asFailure(ret);
            obj->ApplyEdit(edited);
        }
        const int newState = stateBefore | hand;
        if (newState != stateBefore)
        {
            const int stateRet =
                m_library->UpdateValue(before.PersistentID, obj->GetType(), "State", nullptr, newState);
            if (stateRet != 0)
            {
                takeBackEdit();
                return asFailure(stateRet);
            }
            obj->SetState(newState);
        }
    }
    if (m_exit)
        return 0;

    if ((mask & MF_Artwork) && (obj->GetAbsence() & MF_Artwork))
    {
        const char* text = texts[next];
        const QString picture = QString::fromUtf8(text ? text : "");
        if (picture != obj->GetArtworkPath())
        {
            const int ret = m_library->UpdateArtworkDataToDB(before.PersistentID, obj->GetType(), picture);
            if (ret != 0)
            {
                WriteManageLog(QStringLiteral("m_piTunes->SaveArtworkPic Failed! PID:%1 Name:%2 picPath:%3")
                                   .arg(before.PersistentID, before.Name, picture));
                takeBackEdit();
                return asFailure(ret);
            }
            obj->SetArtworkPath(picture);
            obj->SetArtworkFixState(2);
        }
    }
    return 0;
}

int CMusicManage::SetMusicState(CMusicObj* obj, int state)
{
    if (!obj || !m_library)
        return -1;
    QMutexLocker db(&m_library->DbMutex());
    const int before = obj->GetState();
    state = (state & ~kHandEditBits) | (before & kHandEditBits);
    obj->SetState(state);
    const int ret =
        m_library->UpdateValue(obj->CurrentInfo().PersistentID, obj->GetType(), "State", nullptr, state);
    if (ret != 0)
        obj->SetState(before);
    return ret;
}

int CMusicManage::ChangeAllMusicState(int bits, int set)
{
    if (!m_library)
        return -1;
    QMutexLocker db(&m_library->DbMutex());
    const int ret = m_library->UpdateAllMusicState(bits, set);
    if (ret != 0)
    {
        WriteManageLog(QStringLiteral("ChangeAllMusicState %1 Failed:%2").arg(bits).arg(ret));
        return ret;
    }
    QMutexLocker lock(&m_listMutex);
    for (const auto& obj : m_mainList)
    {
        if (!obj)
            continue;
        int state = obj->GetState();
        for (int bit : kMemoryStateBits)
        {
            if (bits & bit)
                state = set ? (state | bit) : (state & ~bit);
        }
        obj->SetState(state);
    }
    return 0;
}
