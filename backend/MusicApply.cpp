// Applying the results: tags and artwork into iTunes (through the agent) or into files (through
// TagLib), removal of tracks to the recycle folder of the day, and restore.
//
// Every removal and restore is ordered so that nothing is lost when a step fails: the file is
// moved first (a move never overwrites), the recycle path is recorded, and only then is the iTunes
// entry deleted; a failing later step undoes the earlier ones. A restore adds the track to iTunes
// again before it clears the recycle path, so a failed re-add can be retried. A removal writes its
// own record (CRemovalRecord) before the move, and a restore takes the way back from that record
// alone, never from a path a row or a saved project names.
//
// These run on the caller's apply thread, one track at a time; the agent serialises its requests.
// A removal pass (RemoveToTrash) runs its copies' removals on the threads of a CRemovalPipeline:
// each one's steps up to its iTunes entry's deletion run one copy at a time in the pass's order,
// and only the agent's wait for the library's save overlaps.

#include "MusicManage.h"

#include "AppGlobals.h"
#include "Lyrafon.h"
#include "MusicFlags.h"
#include "MusicTag.h"
#include "NativePath.h"
#include "RecycleBin.h"
#include "RegularFile.h"
#include "RemovalPipeline.h"
#include "RemovalRecord.h"
#include "SameFileIndex.h"
#include "TracksTable.h"
#include "iTunesLib.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QMutexLocker>

#include <algorithm>
#include <array>
#include <string>

namespace
{

// Copies of a removal pass on their way at once: their iTunes changes go out in shared saves.
constexpr unsigned kRemovalsInFlight = 32;

// The tag bits whose write clears the matching problem from a track's Absence.
constexpr int kWriteBits = MF_Name | MF_Artist | MF_Album | MF_Artwork | MF_Year | MF_Genre;

// `hand` is the State bit that marks the field as the user's own edit.
struct TagField
{
    int bit;
    const char* key;
    QString MusicInfo::*field;
    int hand;
};
// The order in which tags go to iTunes.
constexpr std::array<TagField, 5> kTagFields = {{{MF_Name, "Name", &MusicInfo::Name, MF_HandName},
                                                 {MF_Artist, "Artist", &MusicInfo::Artist, MF_HandArtist},
                                                 {MF_Album, "Album", &MusicInfo::Album, MF_HandAlbum},
                                                 {MF_Year, "Year", &MusicInfo::Year, MF_HandYear},
                                                 {MF_Genre, "Genre", &MusicInfo::Genre, MF_HandGenre}}};

// The picture format code of SetMusicArtwork_tag for the stored bytes.
int pictureFormatOf(const std::vector<unsigned char>& bytes)
{
    auto startsWith = [&](std::initializer_list<unsigned char> magic)
    {
        if (bytes.size() < magic.size())
            return false;
        size_t i = 0;
        for (unsigned char c : magic)
        {
            if (bytes[i++] != c)
                return false;
        }
        return true;
    };
    if (startsWith({0x89, 'P', 'N', 'G'}))
        return PictureFormatPNG;
    if (startsWith({'G', 'I', 'F', '8'}))
        return PictureFormatGIF;
    if (startsWith({'B', 'M'}))
        return PictureFormatBMP;
    return PictureFormatJPEG;
}

// The buffer AddTrackToITunes_kvt answers in, asking back the removed entry `persistentId` names
// (an empty text, then its 16 digits): of several entries removed from one file, each restore
// gives back its own.
std::array<char, 50> addBufferAsking(const QString& persistentId)
{
    std::array<char, 50> buffer{};
    const QByteArray id = persistentId.toLatin1();
    if (id.size() == 16 && IsPersistentIdText(persistentId))
        std::copy(id.begin(), id.end(), buffer.begin() + 1);
    return buffer;
}

// Deletes the iTunes entry of a removal. The agent answers once the library file holds the change:
// from here on a removal pass lets the next copy's steps begin, so their changes share saves.
int deleteITunesEntry(const QByteArray& persistentId)
{
    CRemovalPipeline::EndOrderedPart();
    return DeleteTrackFromITunes_kvt(persistentId.constData());
}

bool isRecycledType(int type)
{
    return type == RunModeDuplicateFiles || type == RunModeDuplicateITunes;
}

// Moves the file into the recycle folder under `target`, taking the next free name should another
// file take that one meanwhile. MoveResult code; `target` holds the name used.
int moveIntoRecycle(const QString& location, QString& target)
{
    const QString folder = QFileInfo(target).absolutePath();
    const QString name = QFileInfo(location).fileName();
    for (int attempt = 0; attempt < 3; ++attempt)
    {
        const int rc = CRecycleBin::MoveFile(location, target);
        if (rc != CRecycleBin::MoveTargetExists)
            return rc;
        target = CRecycleBin::FreeTarget(folder, name);
        if (target.isEmpty())
            return rc;
    }
    return CRecycleBin::MoveTargetExists;
}

// Removal of a bare record: its recycle path lives in the record. Shared by the library object
// and by a manager without one (a duplicate scan by the engine needs no library).
int deleteBareRecord(CMusicManage& manager, QString& target, MusicInfo* info, int type)
{
    if (!info || type == 0)
        return -1;
    const QByteArray pid = info->PersistentID.toUtf8();
    if (type == RunModeITunes)
    {
        const int rc = deleteITunesEntry(pid);
        if (rc != 0)
        {
            manager.WriteManageLog(
                QStringLiteral("%1 DeleteTrackFromITunes_kvt Failed: %2").arg(info->Location).arg(rc));
            return -1;
        }
        return 0;
    }
    if (!isRecycledType(type))
        return 0;
    if (moveIntoRecycle(info->Location, target) != CRecycleBin::MoveOk)
    {
        manager.WriteManageLog(QStringLiteral("%1 Move to %2 Failed!").arg(info->Location, target));
        return -1;
    }
    info->TrashPath = target;
    if (type == RunModeDuplicateITunes)
    {
        const int rc = deleteITunesEntry(pid);
        if (rc != 0)
        {
            manager.WriteManageLog(
                QStringLiteral("%1 DeleteTrackFromITunes_kvt Failed: %2").arg(info->Location).arg(rc));
            if (CRecycleBin::MoveFile(target, info->Location) == CRecycleBin::MoveOk)
                info->TrashPath.clear();
            return -1;
        }
    }
    return 0;
}

} // namespace

// ---- Library object -------------------------------------------------------------------------

int CiTunesLib::SaveMusicInfo(const MusicInfo* info, const QString& artPath, int type, int mask, int* written)
{
    if (written)
        *written = 0;
    if (!info)
        return -15;
    int firstFailure = 0;
    bool anyWrite = false;
    int done = 0;
    auto record = [&](int bit, int code, const QString& failureText)
    {
        anyWrite = true;
        if (code == 0)
        {
            done |= bit;
            return;
        }
        Log(failureText.arg(info->Location).arg(code));
        if (firstFailure == 0)
            firstFailure = code;
    };

    const QByteArray pid = info->PersistentID.toUtf8();
    if (type == RunModeITunes)
    {
        for (const TagField& field : kTagFields)
        {
            if (!(mask & field.bit))
                continue;
            QByteArray value = (info->*field.field).toUtf8();
            record(field.bit, SetAttributeValue_kvt(pid.constData(), field.key, value.data()),
                   QStringLiteral("%1 SetAttributeValue_kvt ") + QLatin1String(field.key) +
                       QStringLiteral(" Failed:%2"));
        }
        if (mask & MF_Artwork)
        {
            QByteArray path = artPath.toUtf8();
            record(MF_Artwork, SetArtworkFromFile_kvt(pid.constData(), path.data()),
                   QStringLiteral("%1 SetAttributeValue_kvt Artwork Failed:%2"));
        }
    }
    else if (type == RunModeFiles)
    {
        const int textBits = mask & (MF_Name | MF_Artist | MF_Album | MF_Year | MF_Genre);
        if (textBits)
            record(textBits, SetMusicInfo_tag(info, static_cast<uint32_t>(textBits | (mask & kEditByHand))),
                   QStringLiteral("%1 SetMusicInfo_tag Failed:%2"));
        if (mask & MF_Artwork)
        {
            std::vector<unsigned char> bytes;
            {
                QMutexLocker lock(&m_dbMutex);
                SelectArtworkData(pid.constData(), type, bytes);
            }
            const QByteArray location = PathToNative(info->Location);
            record(MF_Artwork,
                   SetMusicArtwork_tag(location.constData(), bytes.empty() ? nullptr : bytes.data(),
                                       static_cast<int>(bytes.size()), pictureFormatOf(bytes)),
                   QStringLiteral("%1 SetMusicArtwork_tag Failed:%2"));
        }
    }
    if (written)
        *written = done;
    if (firstFailure != 0)
        return firstFailure;
    return anyWrite ? 0 : -1;
}

int CiTunesLib::DeleteMusic(QString& target, const MusicInfo* info, int type)
{
    if (!info || type == 0)
        return -1;
    const QByteArray pid = info->PersistentID.toUtf8();
    auto deleteFromITunes = [&]
    {
        const int rc = deleteITunesEntry(pid);
        if (rc != 0)
            Log(QStringLiteral("%1 DeleteTrackFromITunes_kvt Failed: %2").arg(info->Location).arg(rc));
        return rc == 0;
    };
    if (type == RunModeITunes)
        return deleteFromITunes() ? 0 : -1;
    if (!isRecycledType(type))
        return 0;

    if (target == info->Location)
    {
        // The file stays where it is, for the entry that keeps it: only this entry goes, and its
        // recycle path names the file at its own place.
        const QByteArray kept = PathToNative(target);
        if (UpdateValue(info->PersistentID, type, "TrashPath", kept.constData(), 0) != 0)
        {
            Log(QStringLiteral("DeleteMusic UpdateValueToDB Failed:%1 %2").arg(info->Location, target));
            return -1;
        }
        if (type == RunModeDuplicateITunes && !deleteFromITunes())
        {
            UpdateValue(info->PersistentID, type, "TrashPath", "", 0);
            return -1;
        }
        return 0;
    }
    if (moveIntoRecycle(info->Location, target) != CRecycleBin::MoveOk)
    {
        Log(QStringLiteral("%1 Move to %2 Failed!").arg(info->Location, target));
        return -1;
    }
    const QByteArray trash = PathToNative(target);
    if (UpdateValue(info->PersistentID, type, "TrashPath", trash.constData(), 0) != 0)
    {
        Log(QStringLiteral("DeleteMusic UpdateValueToDB Failed:%1 %2").arg(info->Location, target));
        CRecycleBin::MoveFile(target, info->Location);
        return -1;
    }
    if (type == RunModeDuplicateITunes && !deleteFromITunes())
    {
        // The entry stays in iTunes, so its file goes back; only when it cannot does the row keep
        // naming the file in the recycle folder.
        if (CRecycleBin::MoveFile(target, info->Location) == CRecycleBin::MoveOk)
            UpdateValue(info->PersistentID, type, "TrashPath", "", 0);
        else
            Log(QStringLiteral("%1 Restore to %2 Failed!").arg(target, info->Location));
        return -1;
    }
    return 0;
}

int CiTunesLib::DeleteMusicByInfo(QString& target, MusicInfo* info, int type)
{
    return m_manager ? deleteBareRecord(*m_manager, target, info, type) : -1;
}

int CiTunesLib::DeleteLinkedITunesTrack(const QString& persistentId, int type)
{
    if (type != RunModeDuplicateFiles)
        return 0;
    const int rc = deleteITunesEntry(persistentId.toUtf8());
    if (rc != 0)
        Log(QStringLiteral("%1 DeleteTrackFromITunes_kvt Failed: %2").arg(persistentId).arg(rc));
    return rc == 0 ? 0 : -1;
}

int CiTunesLib::RestoreMusic(MusicInfo* info, int type, bool fromRow)
{
    if (!info || !isRecycledType(type))
        return -1;
    QString trash;
    if (fromRow)
    {
        std::string value;
        int rc = 0;
        {
            QMutexLocker lock(&m_dbMutex);
            rc = SelectValueFromDB(info->PersistentID.toUtf8().constData(), type, "TrashPath", value);
        }
        if (rc != 0)
        {
            Log(QStringLiteral("RestoreMusic SelectValueFromDB of TrashPath Failed:%1 %2")
                    .arg(info->Location)
                    .arg(rc));
            return -1;
        }
        trash = PathFromNative(QByteArray::fromStdString(value));
    }
    else
    {
        trash = info->TrashPath;
    }

    // Where the copy lies, for the caller to name should it have to stay there.
    info->TrashPath = trash;

    // A removal that took the entry alone, its file kept by another entry, moved nothing: only the
    // entry comes back.
    const bool keptInPlace = fromRow && trash == info->Location;

    // A file already back at its place with its recycle path still recorded is the end of an
    // earlier restore whose re-add failed: it goes on from the re-add.
    bool movedNow = false;
    if (keptInPlace)
    {
        if (!isRegularFile(PathToNative(trash).constData()))
            return -1;
    }
    else if (trash.isEmpty() || !isRegularFile(PathToNative(trash).constData()))
    {
        if (!(fromRow && !trash.isEmpty() && isRegularFile(PathToNative(info->Location).constData())))
            return -1;
    }
    else
    {
        if (CRecycleBin::MoveBack(trash, info->Location) != CRecycleBin::MoveOk)
        {
            Log(QStringLiteral("%1 Restore to %2 Failed!").arg(trash, info->Location));
            return -1;
        }
        movedNow = true;
    }
    auto moveBack = [&]
    {
        if (movedNow)
            CRecycleBin::MoveFile(info->Location, trash);
    };

    QString newId = info->PersistentID;
    if (type == RunModeDuplicateITunes)
    {
        std::array<char, 50> buffer = addBufferAsking(info->PersistentID);
        const QByteArray location = PathToNative(info->Location);
        const int rc = AddTrackToITunes_kvt(location.constData(), buffer.data());
        if (rc != 0 || buffer[0] == '\0')
        {
            Log(QStringLiteral("%1 AddTrackToITunes_kvt Failed: %2").arg(info->Location).arg(rc));
            moveBack();
            return -1;
        }
        newId = QString::fromLatin1(buffer.data());
        // The library gives back the entry its removal kept; one that answers another entry of
        // the lists (the kept one of the same file) gave nothing back.
        if (newId != info->PersistentID && m_manager && m_manager->KeptTrackHoldsPersistentID(newId))
        {
            // The file stays at its place, where that other entry needs it; the row still names
            // the removal, so a later restore asks for the entry again.
            Log(QStringLiteral("%1 came back as the entry %2 another track keeps")
                    .arg(info->Location, newId));
            return RestoreEntryLost;
        }
    }

    if (fromRow)
    {
        // The new id and the emptied recycle path land in one write, so the row never names a
        // track iTunes no longer has.
        const QByteArray id = newId.toUtf8();
        const char* const names[] = {"TrashPath", "PersistentID"};
        const char* const values[] = {"", id.constData()};
        const int count = type == RunModeDuplicateITunes ? 2 : 1;
        if (UpdateMultiValues(info->PersistentID, type, names, values, count) != 0)
        {
            Log(QStringLiteral("RestoreMusic UpdateValueToDB of TrashPath Failed:%1 %2")
                    .arg(info->Location, trash));
            if (type == RunModeDuplicateITunes)
                DeleteTrackFromITunes_kvt(id.constData());
            moveBack();
            return -1;
        }
    }
    info->PersistentID = newId;
    return 0;
}

int CiTunesLib::RestoreMusicFormItunes(const QString& persistentId, const QString& location, int type)
{
    if (persistentId.isEmpty() || !isRecycledType(type))
        return -1;
    if (type == RunModeDuplicateFiles)
        return 0;
    std::array<char, 50> buffer = addBufferAsking(persistentId);
    const QByteArray path = PathToNative(location);
    const int rc = AddTrackToITunes_kvt(path.constData(), buffer.data());
    if (rc != 0 || buffer[0] == '\0')
    {
        Log(QStringLiteral("%1 AddTrackToITunes_kvt Failed: %2").arg(location).arg(rc));
        return -1;
    }
    // The second database maps the file to its iTunes entry: it must name the new one, or a later
    // removal of this file could not delete the entry it has now.
    const QByteArray oldId = persistentId.toUtf8();
    {
        QMutexLocker lock(&m_dbMutex);
        ForgetZFiles(); // they name the old id
        if (const int zrc = UpdateZPersistentID(oldId.constData(), buffer.data()); zrc != 0)
            Log(QStringLiteral("%1 UpdateZPersistentID Failed: %2").arg(location).arg(zrc));
    }
    Log(QStringLiteral("RestoreMusicFormItunes: %1 is back in iTunes as %2")
            .arg(persistentId, QString::fromLatin1(buffer.data())));
    return 0;
}

// ---- Music manager --------------------------------------------------------------------------

namespace
{

// What a removal or restore was handed: a track of the manager's lists, or a bare record of the
// duplicate engine. Only what the pointer is decides, never g_bScaniTunes: a normal run removes
// its own tracks with the flag clear, and whichever way a track went into the recycle folder, its
// restore must read the recycle path from the same place.
struct TrackRef
{
    CMusicObj* obj = nullptr;
    MusicInfo* bare = nullptr;
    int type = 0;
    bool ok() const { return bare || obj; }
    const MusicInfo& Info() const { return obj ? obj->CurrentInfo() : *bare; }
};

// Also: type is the track's Type, or 4 for a bare record; ok is false (the operation fails) for
// no track, or a track of the lists without a library object.
TrackRef resolveTrack(CMusicManage& manager, void* track)
{
    TrackRef ref;
    if (!track)
        return ref;
    if (!manager.OwnsTrack(track))
    {
        ref.bare = static_cast<MusicInfo*>(track);
        ref.type = RunModeDuplicateFiles;
    }
    else if (manager.GetLibrary())
    {
        ref.obj = static_cast<CMusicObj*>(track);
        ref.type = ref.obj->GetType();
    }
    return ref;
}

// Whether a track of the lists has the file at `location` (a folder scan's copy of a file iTunes
// also has).
bool locationListed(CMusicManage& manager, const QString& location)
{
    for (int i = 0, count = manager.MainListSize(); i < count; ++i)
    {
        const CMusicObj* other = manager.MusicAt(i);
        if (other && other->CurrentInfo().Location == location)
            return true;
    }
    return false;
}

// After a removal's move: the record follows the copy should it have taken another free name, and
// goes when no copy went.
void keepRemovalRecord(CMusicManage& manager, const QString& recorded, const QString& target,
                       const QString& location)
{
    if (target != recorded && isRegularFile(PathToNative(target).constData()) &&
        !CRemovalRecord::Write(target, location))
        manager.WriteManageLog(QStringLiteral("No removal record for %1").arg(target));
    if (target != recorded || !isRegularFile(PathToNative(recorded).constData()))
        CRemovalRecord::Remove(recorded);
}

} // namespace

bool CMusicManage::FileKeptByOther(const CMusicObj& obj)
{
    // A library may list one file twice, under one spelling or two (a linked folder, "//", "/./"):
    // the same file is the one the paths reach, never the same text.
    std::vector<const CMusicObj*> sharing;
    {
        QMutexLocker index(&m_fileIndexMutex);
        if (!m_fileIndex || m_fileIndex->ListSize() != MainListSize())
            m_fileIndex = std::make_unique<CSameFileIndex>(*this);
        sharing = m_fileIndex->Sharing(obj);
        if (!m_inTransaction)
            m_fileIndex.reset();
    }
    // A track that is removed (a recycle path recorded in its row) keeps nothing.
    auto keptByOther = [&]
    {
        for (const CMusicObj* other : sharing)
        {
            std::string trash;
            QMutexLocker lock(&m_library->DbMutex());
            if (SelectValueFromDB(other->CurrentInfo().PersistentID.toUtf8().constData(), other->GetType(),
                                  "TrashPath", trash) != 0 ||
                trash.empty())
                return true;
        }
        return false;
    };
    if (keptByOther())
        return true;
    // In a removal pass a copy still in flight reads as removed; should its removal fail, it keeps
    // the file after all. The answer waits for those that share this file.
    if (!CRemovalPipeline::EarlierUnfinished(
            [&](const void* track)
            { return std::find(sharing.begin(), sharing.end(), track) != sharing.end(); }))
        return false;
    CRemovalPipeline::WaitForEarlier();
    return keptByOther();
}

int CMusicManage::ApplyiTunesMusicInfo(void* track, int flags, int replace)
{
    if (!track)
        return -1;
    int ret = 0;
    if (flags & (MF_FileMissing | MF_Duplicate))
        ret = DeleteToTrash(track);
    else if (flags & MF_Restore)
        ret = RestoreFromTrash(track);
    else
    {
        ret = ApplyTrackInfo(resolveTrack(*this, track).obj, flags, replace);
    }
    qDebug() << "------::ApplyiTunesMusicInfo iRet = " << ret;
    return ret;
}

namespace
{

// Clears the bits whose write succeeded from the track's Absence, and the marks of the user's
// edits that were written from its State, in memory and in its row. The row write's result; 0 when
// nothing changed.
int clearWrittenBits(CiTunesLib& library, CMusicObj& obj, int written)
{
    QMutexLocker db(&library.DbMutex());
    obj.AddWrittenFields(written & kWriteBits);
    const int before = obj.GetAbsence();
    const int after = before & ~(written & kWriteBits);
    int handWritten = 0;
    for (const TagField& field : kTagFields)
    {
        if (written & field.bit)
            handWritten |= field.hand;
    }
    const int stateBefore = obj.GetState();
    // The problems written stay known as found: the State keeps their applied marks.
    const int stateAfter = (stateBefore & ~handWritten) | AppliedMarks(before & written & kWriteBits);
    if (after == before && stateAfter == stateBefore)
        return 0;
    const QByteArray absence = QByteArray::number(after);
    const QByteArray state = QByteArray::number(stateAfter);
    const char* const names[] = {"Absence", "State"};
    const char* const values[] = {absence.constData(), state.constData()};
    const int ret =
        library.UpdateMultiValues(obj.CurrentInfo().PersistentID, obj.GetType(), names, values, 2);
    if (ret == 0)
    {
        obj.SetAbsence(after);
        obj.SetState(stateAfter);
    }
    return ret;
}

// A tag bit the "Replace" mask asks to overwrite: the current text is set and differs from the
// text as loaded.
bool replaces(const CMusicObj& obj, const TagField& field, int replace)
{
    const QString& current = obj.CurrentInfo().*field.field;
    return (replace & field.bit) && !current.isEmpty() && current != obj.OldInfo().*field.field;
}

} // namespace

int CMusicManage::ApplyTrackInfo(CMusicObj* obj, int flags, int replace)
{
    if (!obj || !m_library)
        return -1;
    const int absence = obj->GetAbsence();
    if (!(flags & absence) && !(flags & replace))
        return 0;
    int mask = flags;
    for (const TagField& field : kTagFields)
    {
        const bool yearOrGenre = field.bit == MF_Year || field.bit == MF_Genre;
        if (yearOrGenre)
        {
            if ((absence & field.bit) && !(obj->CurrentInfo().*field.field).isEmpty())
                mask |= field.bit;
        }
        else if (!(absence & field.bit) && replaces(*obj, field, replace))
        {
            mask |= field.bit;
        }
    }
    int written = 0;
    const int ret =
        m_library->SaveMusicInfo(&obj->CurrentInfo(), obj->GetArtworkPath(), obj->GetType(), mask, &written);
    const int update = clearWrittenBits(*m_library, *obj, written);
    return ret != 0 ? ret : update;
}

int CMusicManage::FixesToWrite(CMusicObj& track, int replace, bool allTicked) const
{
    // A row's tick is kept in the state as the bit of its problem.
    constexpr int kExclusionBits = MF_Artist | MF_Album | MF_Artwork | MF_FileMissing;
    CMusicObj* obj = &track;
    const int absence = obj->GetAbsence();
    const int state = allTicked ? obj->GetState() & ~kExclusionBits : obj->GetState();
    if (absence & MF_FileMissing)
        return 0;
    const int open = absence & ~state;
    const int hand = state & kHandEditBits;
    if (!(open & (MF_Artist | MF_Album | MF_Artwork)) && !hand)
        return 0;

    int mask = 0;
    for (const TagField& field : kTagFields)
    {
        const bool hasText = !(obj->CurrentInfo().*field.field).isEmpty();
        const bool yearOrGenre = field.bit == MF_Year || field.bit == MF_Genre;
        // What the user typed is written whatever the "Replace" mask says: that mask is about the
        // service's answers.
        if ((hand & field.hand) && hasText)
            mask |= field.bit | kEditByHand;
        else if (absence & field.bit)
        {
            if (hasText && (yearOrGenre || !(state & field.bit)))
                mask |= field.bit;
        }
        else if (replaces(*obj, field, replace))
        {
            mask |= field.bit;
        }
    }
    if ((open & MF_Artwork) && !obj->GetArtworkPath().isEmpty())
        mask |= MF_Artwork;
    return mask;
}

int CMusicManage::HeldBackFields(CMusicObj& track, int replace) const
{
    // A text the file already holds, written by an earlier Apply (the user's own among them), is
    // not kept back; nor is one still to be written. An unticked row is not a text kept back: its
    // answer shows, and is written once the row is ticked. The fields an Apply wrote for a found
    // problem stay known through the State's applied marks, also in a result opened again.
    const int written = FixesToWrite(track, replace, true) | track.GetWrittenFields() |
                        (FoundProblems(0, track.GetState()) & kWriteBits);
    int held = 0;
    for (const TagField& field : kTagFields)
    {
        const QString& now = track.CurrentInfo().*field.field;
        const QString& own = track.OldInfo().*field.field;
        if (!(written & field.bit) && !now.isEmpty() && now != own)
            held |= field.bit;
    }
    return held;
}

int CMusicManage::ApplyMusicFixes(int index, int replace)
{
    CMusicObj* obj = MusicAt(index);
    if (!obj || !m_library)
        return -1;
    const int mask = FixesToWrite(*obj, replace);
    // Open problems with no fix to write (no answer, no chosen cover): nothing to do, which the
    // apply pass must not take for a failed write.
    if (mask == 0)
        return 0;

    int written = 0;
    const int ret =
        m_library->SaveMusicInfo(&obj->CurrentInfo(), obj->GetArtworkPath(), obj->GetType(), mask, &written);
    clearWrittenBits(*m_library, *obj, written);
    return ret != 0 ? ret : 1;
}

int CMusicManage::CountPendingFixes(int replace) const
{
    if (!m_library)
        return 0;
    // The editor and the fix writes change the tracks' fields under the library's lock; the list
    // is read under its own, both held once for the whole walk (in the order the save pass takes
    // them).
    QMutexLocker db(&m_library->DbMutex());
    QMutexLocker list(&m_listMutex);
    int count = 0;
    for (const auto& obj : m_mainList)
        if (obj && FixesToWrite(*obj, replace) != 0)
            ++count;
    return count;
}

int CMusicManage::LibraryValue(const char* key, int fallback) const
{
    // The library object is closed and replaced on other threads: held for the one statement.
    QMutexLocker setup(&m_libraryMutex);
    if (!m_library)
        return fallback;
    QMutexLocker db(&m_library->DbMutex());
    return SelectLibraryValue(key, fallback);
}

int CMusicManage::SetLibraryValue(const char* key, int value)
{
    QMutexLocker setup(&m_libraryMutex);
    if (!m_library)
        return -1;
    QMutexLocker db(&m_library->DbMutex());
    return UpdateLibraryValue(key, value);
}

int CMusicManage::DeleteToTrash(void* track)
{
    const TrackRef ref = resolveTrack(*this, track);
    if (!ref.ok())
        return -1;
    const MusicInfo& info = ref.Info();
    const int type = ref.type;

    // A file another entry keeps stays where it is: the removal takes this entry alone.
    const bool fileKept = ref.obj && isRecycledType(type) && FileKeptByOther(*ref.obj);
    QString target = fileKept ? info.Location : QString();
    if (isRecycledType(type) && !fileKept)
    {
        if (!QDir().mkpath(m_recyclePath))
        {
            WriteManageLog(QStringLiteral("Create trash path Failed!:%1").arg(m_recyclePath));
            return -1;
        }
        const QString name = QFileInfo(info.Location).fileName();
        target = CRecycleBin::FreeTarget(m_recyclePath, name);
        // A name a copy still in flight holds comes free again should its removal fail: the
        // numbered name waits for those copies, so it is the one a pass one by one gives.
        if (!target.isEmpty() && target != QDir(m_recyclePath).filePath(name) &&
            CRemovalPipeline::EarlierUnfinished([](const void*) { return true; }))
        {
            CRemovalPipeline::WaitForEarlier();
            target = CRecycleBin::FreeTarget(m_recyclePath, name);
        }
        // The record of where the copy comes from exists before the copy is moved, so no copy of
        // ours ever lies in the recycle folder without it.
        if (target.isEmpty() || !CRemovalRecord::Write(target, info.Location))
            return -1;
    }
    const QString recorded = target;

    // The iTunes entry of the same file, looked up while the file is still at its place: it may
    // name the file under another spelling.
    QString linkedEntry;
    if (type == RunModeDuplicateFiles && !fileKept && m_zLibrary && locationListed(*this, info.Location) &&
        m_zLibrary->FindInZDatabase(PathToNative(info.Location).constData()) == 0)
        linkedEntry = m_zLibrary->FoundPersistentID();

    int ret = 0;
    if (ref.obj)
        ret = m_library->DeleteMusic(target, &info, type);
    else if (m_library)
        ret = m_library->DeleteMusicByInfo(target, ref.bare, type);
    else
        ret = deleteBareRecord(*this, target, ref.bare, type);
    if (isRecycledType(type) && !fileKept)
        keepRemovalRecord(*this, recorded, target, info.Location);
    if (ret != 0)
        return -1;

    // Only once the file is safe in the recycle folder does the iTunes entry of the same file go.
    if (!linkedEntry.isEmpty())
        m_zLibrary->DeleteLinkedITunesTrack(linkedEntry, RunModeDuplicateFiles);
    return 0;
}

int CMusicManage::RemoveToTrash(void* const* tracks, int count, const MusicRemovalCallback& callback)
{
    CRemovalPipeline pipeline(kRemovalsInFlight);
    int told = 0;
    auto tell = [&](bool wait)
    {
        int result = -1;
        while (pipeline.TakeOldest(result, wait))
        {
            callback.Done(callback.Context, told++, result);
            wait = false;
        }
    };
    auto endInFlight = [&]
    {
        while (pipeline.Unfinished() > 0)
            tell(true);
    };
    for (int i = 0; i < count; ++i)
    {
        tell(false);
        int go = callback.Proceed(callback.Context, static_cast<int>(pipeline.Unfinished()));
        while (go == 2)
        {
            endInFlight();
            go = callback.Proceed(callback.Context, 0);
        }
        if (go == 0)
        {
            endInFlight();
            return 1;
        }
        while (pipeline.Unfinished() >= pipeline.Width())
            tell(true);
        void* track = tracks[i];
        pipeline.Start(track,
                       [this, track]
                       {
                           // Each copy's own mark: a kill on its way is told at the next start.
                           CRecycleBin::MoveMark moving(GetRecyclePath());
                           return DeleteToTrash(track);
                       });
    }
    endInFlight();
    return 0;
}

int CMusicManage::RestoreFromTrash(void* track)
{
    const TrackRef ref = resolveTrack(*this, track);
    if (!ref.ok())
        return -1;
    MusicInfo record = ref.Info();
    const int type = ref.type;
    const bool fromRow = ref.obj != nullptr;
    const bool atPlace = isRegularFile(PathToNative(record.Location).constData());
    if (!isRecycledType(type))
        return atPlace ? 0 : -1;

    // Where the row says the copy lies: a track of the lists keeps it in its database row.
    if (fromRow)
    {
        std::string trash;
        QMutexLocker lock(&m_library->DbMutex());
        if (SelectValueFromDB(record.PersistentID.toUtf8().constData(), type, "TrashPath", trash) != 0)
            return -1;
        record.TrashPath = PathFromNative(QByteArray::fromStdString(trash));
    }
    if (record.TrashPath.isEmpty())
        return atPlace ? 0 : -1;
    // A removal that took the entry alone left its file in place for the entry that keeps it:
    // nothing moves back, the entry alone comes back (see RestoreMusic).
    if (fromRow && record.TrashPath == record.Location)
    {
        const int ret = m_library->RestoreMusic(&record, type, fromRow);
        if (ret == 0)
            ref.obj->SetPersistentID(record.PersistentID);
        return ret;
    }

    // That path is only data: the copy goes back only when our own record of its removal names
    // it, and only to the place it was removed from.
    const QString root = m_recyclePath.left(m_recyclePath.lastIndexOf(u'/'));
    const std::optional<CRemovalRecord> removal = CRemovalRecord::Find(root, record.TrashPath);
    if (!removal || removal->origin != PathToNative(record.Location))
    {
        WriteManageLog(QStringLiteral("Restore refused, no record of removing %1 to %2")
                           .arg(record.Location, record.TrashPath));
        return -1;
    }
    auto copyKept = [&]
    {
        // The copy that could not go back still lies in the recycle folder: the caller names it.
        if (ref.obj)
        {
            MusicInfo* current = nullptr;
            ref.obj->GetCurrentInfo(&current);
            current->TrashPath = record.TrashPath;
        }
        return RestoreCopyKept;
    };
    if (atPlace && removal->copyPresent)
    {
        // Another file stands at the copy's place: it is not overwritten, and the copy stays.
        return copyKept();
    }
    if (atPlace && !fromRow)
    {
        CRemovalRecord::Remove(record.TrashPath);
        return 0;
    }

    int ret = -1;
    if (m_library)
        ret = m_library->RestoreMusic(&record, type, fromRow);
    else
        ret = CRecycleBin::MoveBack(record.TrashPath, record.Location) == CRecycleBin::MoveOk ? 0 : -1;
    if (ret == RestoreEntryLost)
        return ret;
    if (ret != 0)
        return isRegularFile(PathToNative(record.TrashPath).constData()) ? copyKept() : -1;
    CRemovalRecord::Remove(record.TrashPath);

    // The iTunes entry comes back under the same condition the removal took it away.
    if (type == RunModeDuplicateFiles && record.TrashPath != record.Location && m_zLibrary &&
        locationListed(*this, record.Location))
    {
        const QByteArray location = PathToNative(record.Location);
        if (m_zLibrary->FindInZDatabase(location.constData()) == 0)
            m_zLibrary->RestoreMusicFormItunes(m_zLibrary->FoundPersistentID(), record.Location,
                                               RunModeDuplicateITunes);
    }
    if (ref.obj)
        ref.obj->SetPersistentID(record.PersistentID);
    return 0;
}
