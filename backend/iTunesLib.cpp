#include "iTunesLib.h"

#include "AppGlobals.h"
#include "ConditionWait.h"
#include "Lyrafon.h"
#include "MusicFlags.h"
#include "MusicManage.h"
#include "MusicTag.h"
#include "NativePath.h"
#include "OrderedPrefetch.h"
#include "RegularFile.h"
#include "TracksTable.h"
#include "WorkerPool.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <optional>
#include <unordered_map>

namespace
{

// The agent's attribute keys, in the order the import asks for them.
constexpr std::array<const char*, 12> kAgentKeys = {"PersistentID", "TrackID", "Name",      "Artist",
                                                    "Album",        "Size",    "TotalTime", "Location",
                                                    "Year",         "Genre",   "Bitrate",   "Purchased"};
// Threads that ask iTunes about artwork ahead of the import, and how far ahead they go.
constexpr unsigned kArtworkAskers = 6;
constexpr size_t kArtworkLookahead = 256;

enum AgentKey
{
    kPid,
    kTrackId,
    kName,
    kArtist,
    kAlbum,
    kSize,
    kTotalTime,
    kLocation,
    kYear,
    kGenre,
    kBitrate,
    kPurchased
};

QString fromUtf8(const char* text)
{
    return text ? QString::fromUtf8(text) : QString();
}

// The leading decimal digits of a track id text; 0 when it has none.
int leadingInt(const char* text)
{
    return text ? static_cast<int>(std::strtol(text, nullptr, 10)) : 0;
}

bool isAgentMode(int mode)
{
    return mode == RunModeITunes || mode == RunModeDuplicateITunes;
}

bool isFileMode(int mode)
{
    return mode == RunModeFiles || mode == RunModeDuplicateFiles;
}

// Values of one track as read from its source, UTF-8, kept alive while the track is handled.
struct TrackValues
{
    std::array<QByteArray, kAgentKeys.size()> text;
    std::array<bool, kAgentKeys.size()> present{};
    const char* get(AgentKey key) const { return present[key] ? text[key].constData() : nullptr; }
    void set(AgentKey key, const char* value)
    {
        present[key] = value != nullptr;
        text[key] = value ? QByteArray(value) : QByteArray();
    }
};

// The tags as read from the library, kept beside the ones fixes and edits change.
void KeepAsRead(const MusicInfo& current, MusicInfo& old)
{
    old.Name = current.Name;
    old.Artist = current.Artist;
    old.Album = current.Album;
    old.Year = current.Year;
    old.Genre = current.Genre;
}

} // namespace

int ImportProgress(int64_t index, int64_t count)
{
    if (count <= 0)
        return 0;
    return static_cast<int>(std::min<int64_t>(9999, (index + 1) * 10000 / count));
}

bool IsPersistentIdText(const QString& id)
{
    if (id.isEmpty() || id.size() > 16)
        return false;
    return std::all_of(id.begin(), id.end(),
                       [](QChar c) {
                           return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') ||
                                  (c >= u'A' && c <= u'F');
                       });
}

CiTunesLib::CiTunesLib(CMusicManage* manager, const QString& xmlPath, const QString& dbPath, int mode,
                       int* result)
    : m_manager(manager), m_mode(mode)
{
    if (mode != RunModeProject && QFileInfo::exists(dbPath))
        QFile::remove(dbPath);
    // The agent's read of the library first: a stop ends it at its next element, while making
    // the database's tables (tens of milliseconds of file syncs) cannot be cut short. A stop
    // during the read then makes no database at all.
    const int agent = isAgentMode(mode) ? OpenAgent(xmlPath) : 0;
    int ret = agent;
    if (agent >= 0)
    {
        ret = OpenTracksDB(dbPath.toUtf8().constData());
        m_ownsConnection = ret >= 0;
        if (ret >= 0 && isAgentMode(mode))
            ret = agent;
    }
    if (result)
        *result = ret;
}

struct CiTunesLib::ZFileIndex
{
    // The file's identity to the first row's Location and PersistentID.
    std::unordered_map<FileIdentity, std::pair<std::string, std::string>, FileIdentity::Hash> byFile;
};

void CiTunesLib::ForgetZFiles()
{
    QMutexLocker lock(&m_dbMutex);
    m_zFiles.reset();
}

CiTunesLib::~CiTunesLib()
{
    // Whoever drives the import has joined it before deleting the library object.
    CloseDatabase();
    const int ret = DestroyAgent_kvt(1);
    Log(QStringLiteral("Exit iTunes Com :%1").arg(ret));
}

void CiTunesLib::CloseDatabase()
{
    QMutexLocker lock(&m_dbMutex);
    if (m_ownsConnection)
        CloseTracksDB();
    m_ownsConnection = false;
}

int CiTunesLib::OpenAgent(const QString& xmlPath)
{
    if (m_manager && m_manager->EngineRunsDuplicateScan())
        return 1;
    const QByteArray path = xmlPath.toUtf8();
    const int ret = CreateAgent_kvt(xmlPath.isEmpty() ? nullptr : path.constData());
    if (ret == 0)
    {
        m_agentStarted = true;
        Log(QStringLiteral("CreateAgent_kvt And Enter iTunes Com!"));
    }
    else
    {
        Log(QStringLiteral("CreateAgent_kvt Failed:%1 ").arg(ret));
    }
    return ret;
}

int CiTunesLib::SetState(int state)
{
    QMutexLocker lock(&g_importMutex);
    if (state == m_runState)
        return 0;
    switch (state)
    {
    case ManageRunning:
        if (m_runState == ManagePaused)
            m_paused = 0;
        break;
    case ManagePaused:
        if (m_runState == ManageRunning)
            m_paused = 1;
        break;
    case ManageStopped:
        m_paused = 0;
        break;
    default:
        return 0;
    }
    m_runState = state;
    // Every change that can end a wait wakes the import; it re-checks under the mutex.
    g_importCondition.wakeAll();
    return 0;
}

int CiTunesLib::GetState() const
{
    QMutexLocker lock(&g_importMutex);
    return m_runState;
}

bool CiTunesLib::IsPaused() const
{
    QMutexLocker lock(&g_importMutex);
    return m_paused != 0;
}

void CiTunesLib::SetStopFlag(bool stop)
{
    QMutexLocker lock(&g_importMutex);
    m_stopFlag = stop;
    g_importCondition.wakeAll();
}

bool CiTunesLib::WaitForTurn()
{
    QMutexLocker lock(&g_importMutex);
    while (m_paused && !m_stopFlag && m_runState != ManageStopped)
        ConditionWait(g_importCondition, g_importMutex);
    return m_stopFlag || m_runState == ManageStopped;
}

int CiTunesLib::AddMusicFiles(const char* const* paths, int count)
{
    if (!paths || count <= 0)
        return -1;
    m_filePaths.clear();
    for (int i = 0; i < count; ++i)
        m_filePaths.append(PathFromNative(paths[i]));
    return 0;
}

int CiTunesLib::TrackCount()
{
    if (isAgentMode(m_mode))
        return std::max(0, GetTrackCount_kvt());
    if (isFileMode(m_mode))
        return static_cast<int>(m_filePaths.size());
    QMutexLocker lock(&m_dbMutex);
    return SelectTrackCount();
}

int CiTunesLib::LoadMusicData(const QString& dataFolder, MusicProgressFunc callback, void* context)
{
    if (m_mode < RunModeITunes || m_mode > RunModeDuplicateITunes)
        return -1;
    return RunImport(dataFolder, callback, context, ImportTarget::MainList);
}

int CiTunesLib::LoadZMusicData()
{
    if (!isAgentMode(m_mode))
        return -1;
    const int ret = RunImport(QString(), nullptr, nullptr, ImportTarget::ZDatabase);
    // The run's own library object opens the library connection next; this object must not
    // close that one when it goes.
    QMutexLocker lock(&m_dbMutex);
    if (m_ownsConnection)
        CloseTracksDB();
    m_ownsConnection = false;
    return ret;
}

int CiTunesLib::RunImport(const QString& dataFolder, MusicProgressFunc callback, void* context,
                          ImportTarget target)
{
    const int count = TrackCount();
    const bool project = m_mode == RunModeProject;
    if (!project)
    {
        QMutexLocker lock(&m_dbMutex);
        BeginTransaction();
    }
    Log(QStringLiteral("Music Num = %1").arg(count));
    {
        QMutexLocker lock(&g_importMutex);
        m_runState = ManageRunning;
    }

    // iTunes tracks each ask the iTunes thread whether they have artwork. Asked one by one, every
    // question is a round trip to a sleeping thread; asked ahead from a few threads, the iTunes
    // thread finds the next question waiting and the reads of the parsed library overlap them.
    std::unique_ptr<tidewell::OrderedPrefetch<int>> artwork;
    if (m_mode == RunModeITunes && target == ImportTarget::MainList && count > 0)
    {
        artwork = std::make_unique<tidewell::OrderedPrefetch<int>>(
            static_cast<size_t>(count), kArtworkLookahead,
            [this](size_t position, unsigned)
            { return AgentTrackHasArtwork(static_cast<int>(position)) ? 1 : 0; });
        artwork->start(kArtworkAskers, [] { tidewell::nameThisThread("tidewell-artask"); });
    }

    bool stopped = false;
    for (int i = 0; i < count; ++i)
    {
        if (m_stopFlag || WaitForTurn())
        {
            stopped = true;
            break;
        }

        ImportedTrack track;
        track.type = m_mode;
        const bool read = isAgentMode(m_mode)  ? ReadAgentTrack(i, track)
                          : isFileMode(m_mode) ? ReadFileTrack(i, track)
                                               : ReadProjectRow(i, dataFolder, track);
        if (!read)
            continue;

        if (target == ImportTarget::ZDatabase)
        {
            // The copy only fills the second database: its rows never become tracks of the run.
            if (m_stopFlag)
            {
                stopped = true;
                break;
            }
            continue;
        }

        if (artwork)
            track.askedArtwork = artwork->wait(static_cast<size_t>(i)) != 0;
        std::unique_ptr<CMusicObj> obj = MakeTrackObject(track);
        if (m_stopFlag)
        {
            stopped = true;
            break;
        }

        MusicProgressInfo info;
        info.Kind = RunStateLoad;
        info.ObjFlag = obj ? 1 : 0;
        info.MusicObj = obj.get();
        info.Progress = ImportProgress(i, count);
        const QByteArray location = PathToNative(track.current.Location);
        info.Location = location.constData();
        if (obj && m_manager)
            m_manager->AppendMusicObj(std::move(obj));
        if (callback)
            callback(&info, context);
    }

    artwork.reset(); // its questions read the agent's list, which goes below
    {
        QMutexLocker lock(&m_dbMutex);
        if (project)
            FreeTrackPages();
        else
            CommitTransaction();
    }
    if (isAgentMode(m_mode))
        DestroyAgent_kvt(0);
    m_sharedTexts.clear();
    if (isFileMode(m_mode))
        m_filePaths.clear();
    {
        QMutexLocker lock(&g_importMutex);
        m_runState = ManageIdle;
        m_paused = 0;
    }
    // The final record comes after the commit: whoever acts on "loaded" finds every row there.
    if (!stopped && !m_stopFlag && target == ImportTarget::MainList && callback)
    {
        MusicProgressInfo last;
        last.Kind = RunStateLoad;
        last.Progress = 10000;
        callback(&last, context);
    }
    return 0;
}

bool CiTunesLib::ReadAgentTrack(int index, ImportedTrack& track)
{
    TrackValues values;
    for (size_t k = 0; k < kAgentKeys.size(); ++k)
    {
        char* value = nullptr;
        FindAttributeValue_kvt(&value, kAgentKeys[k], index);
        values.set(static_cast<AgentKey>(k), value);
    }
    int ret = 0;
    {
        QMutexLocker lock(&m_dbMutex);
        ret = InsertTracksTable_kvt(
            values.get(kName), values.get(kArtist), values.get(kAlbum), values.get(kTotalTime),
            values.get(kSize), values.get(kLocation), values.get(kPid), values.get(kYear), values.get(kGenre),
            values.get(kBitrate), values.get(kPurchased), leadingInt(values.get(kTrackId)), m_mode);
    }
    if (ret != 0)
    {
        Log(QStringLiteral("%1 InsertDataToDB Failed:%2").arg(fromUtf8(values.get(kLocation))).arg(ret));
        return false;
    }
    track.current.PersistentID = fromUtf8(values.get(kPid));
    track.current.Name = fromUtf8(values.get(kName));
    track.current.TotalTime = fromUtf8(values.get(kTotalTime));
    track.current.Artist = SharedText(values.get(kArtist));
    track.current.Album = SharedText(values.get(kAlbum));
    track.current.Size = fromUtf8(values.get(kSize));
    track.current.Location = PathFromNative(values.get(kLocation));
    track.current.Year = SharedText(values.get(kYear));
    track.current.Genre = SharedText(values.get(kGenre));
    track.current.Bitrate = SharedText(values.get(kBitrate));
    track.current.Purchased = SharedText(values.get(kPurchased));
    KeepAsRead(track.current, track.old);
    return true;
}

QString CiTunesLib::SharedText(const char* text)
{
    if (!text)
        return {};
    // Bounded, for a library whose texts do not repeat after all.
    constexpr qsizetype kMaxShared = 65536;
    const auto key = QByteArray::fromRawData(text, static_cast<qsizetype>(qstrlen(text)));
    if (const auto it = m_sharedTexts.constFind(key); it != m_sharedTexts.cend())
        return it.value();
    QString value = QString::fromUtf8(key);
    if (m_sharedTexts.size() < kMaxShared)
        m_sharedTexts.insert(QByteArray(text), value);
    return value;
}

bool CiTunesLib::AgentTrackHasArtwork(int index)
{
    // The persistent id exactly as ReadAgentTrack gives it to MakeTrackObject.
    char* value = nullptr;
    FindAttributeValue_kvt(&value, kAgentKeys[kPid], index);
    MusicInfo info;
    info.PersistentID = fromUtf8(value);
    return HasArtwork(&info, RunModeITunes);
}

bool CiTunesLib::ReadFileTrack(int index, ImportedTrack& track)
{
    const QString& path = m_filePaths.at(index);
    const QByteArray utf8 = PathToNative(path);
    qDebug() << "begin num=" << index << "   " << path;
    const int ret = GetMusicInfo(utf8.constData(), &track.current, ReadStopFlag());
    qDebug() << "end num=" << index << "   " << path;
    if (ret < 0)
    {
        Log(QStringLiteral("%1 GetMusicInfo Failed: %2").arg(path).arg(ret));
        return false;
    }
    track.hasArtwork = ret;
    track.current.PersistentID = QString::number(index + 65535);
    const QByteArray name = track.current.Name.toUtf8(), artist = track.current.Artist.toUtf8(),
                     album = track.current.Album.toUtf8(), time = track.current.TotalTime.toUtf8(),
                     size = track.current.Size.toUtf8(), location = PathToNative(track.current.Location),
                     pid = track.current.PersistentID.toUtf8(), year = track.current.Year.toUtf8(),
                     genre = track.current.Genre.toUtf8(), bitrate = track.current.Bitrate.toUtf8(),
                     purchased = track.current.Purchased.toUtf8();
    int insert = 0;
    {
        QMutexLocker lock(&m_dbMutex);
        insert = InsertTracksTable_kvt(name.constData(), artist.constData(), album.constData(),
                                       time.constData(), size.constData(), location.constData(),
                                       pid.constData(), year.constData(), genre.constData(),
                                       bitrate.constData(), purchased.constData(), index + 10000, m_mode);
    }
    if (insert != 0)
    {
        Log(QStringLiteral("%1 InsertDataToDB Failed:%2").arg(track.current.Location).arg(insert));
        return false;
    }
    KeepAsRead(track.current, track.old);
    return true;
}

bool CiTunesLib::ReadProjectRow(int index, const QString& dataFolder, ImportedTrack& track)
{
    // A saved database is untrusted input: every value is taken as data, and a row whose
    // persistent id is not in its hex form is refused.
    QMutexLocker lock(&m_dbMutex);
    TrackRow row = SelectMultiValuesFromDB(index);
    if (!row)
    {
        Log(QStringLiteral("SelectMultiValuesFromDB Failed: index=%1").arg(index));
        return false;
    }
    auto value = [row](const char* column) { return fromUtf8(GetRowValue(row, column)); };
    track.current.PersistentID = value("PersistentID");
    if (!IsPersistentIdText(track.current.PersistentID))
    {
        Log(QStringLiteral("SelectMultiValuesFromDB Invalid PersistentID: index=%1").arg(index));
        return false;
    }
    track.absence = value("Absence").toInt();
    track.state = value("State").toInt();
    track.repeatId = value("RepeatID").toLongLong();
    track.type = value("Type").toInt();
    track.artPath = value("ArtPath");
    track.current.Name = value("Name");
    track.current.TotalTime = value("TotalTime");
    track.current.Artist = value("Artist");
    track.current.Album = value("Album");
    track.current.Size = value("Size");
    track.current.Location = PathFromNative(GetRowValue(row, "Location"));
    track.current.Year = value("Year");
    track.current.Genre = value("Genre");
    track.current.Bitrate = value("Bitrate");
    track.current.Purchased = value("Purchased");
    track.old.Name = value("NameOld");
    track.old.Artist = value("ArtistOld");
    track.old.Album = value("AlbumOld");
    track.old.Year = value("YearOld");
    track.old.Genre = value("GenreOld");
    if (!track.artPath.isEmpty() && !track.artPath.contains(u'/') && !track.artPath.contains(u'\\'))
        track.artPath = QDir(dataFolder).filePath(track.artPath);
    return true;
}

std::unique_ptr<CMusicObj> CiTunesLib::MakeTrackObject(ImportedTrack& track)
{
    std::unique_ptr<CMusicObj> obj(NewMusicObj(track.current, track.old));
    if (!obj)
        return obj;
    obj->SetAbsence(track.absence);
    // A saved project holds no artwork flag: songs loaded from files are asked again (the file
    // import itself already read it from the tags).
    const bool fromProject = m_mode == RunModeProject;
    if (track.absence == 0 && (track.type != RunModeFiles || fromProject) &&
        track.type != RunModeDuplicateFiles && track.type != RunModeDuplicateITunes)
        track.hasArtwork = track.askedArtwork ? *track.askedArtwork : HasArtwork(&track.current, track.type);
    obj->SetHasArtwork(track.hasArtwork);
    if (!track.artPath.isEmpty())
    {
        obj->SetArtworkFixState(2);
        obj->SetArtworkPath(track.artPath);
    }
    obj->SetState(track.state);
    obj->SetRepeatID(track.repeatId);
    obj->SetType(track.type);
    return obj;
}

bool CiTunesLib::HasArtwork(const MusicInfo* info, int type)
{
    if (!info)
        return false;
    if (type == RunModeITunes)
        return HasArtwork_kvt(info->PersistentID.toUtf8().constData()) == 1;
    if (type == RunModeFiles)
    {
        const int ret = HasMusicArtwork_tag(PathToNative(info->Location).constData(), ReadStopFlag());
        if (ret < 0)
        {
            Log(QStringLiteral("%1 HasMusicArtwork_tag Failed : %2").arg(info->Location).arg(ret));
            return false;
        }
        return ret == 1;
    }
    return false;
}

int CiTunesLib::FindInZDatabase(const char* location)
{
    std::string found;
    {
        QMutexLocker lock(&m_dbMutex);
        found = SelectPersistentIDByLocation(location);
        const FileIdentity file(location ? location : "");
        if (found.empty() && file.exists())
        {
            // The library's file under another spelling: each row's file is looked at once.
            if (!m_zFiles)
            {
                m_zFiles = std::make_unique<ZFileIndex>();
                for (auto& row : SelectZLocations())
                    if (FileIdentity identity(row.first); identity.exists())
                        m_zFiles->byFile.try_emplace(std::move(identity), std::move(row));
            }
            // A row's file may have changed since: it answers only while it still is this file.
            const auto it = m_zFiles->byFile.find(file);
            if (it != m_zFiles->byFile.end() && FileIdentity(it->second.first) == file)
                found = it->second.second;
        }
    }
    m_foundPersistentID = QString::fromStdString(found);
    return found.empty() ? -1 : 0;
}

void CiTunesLib::CloseZDatabase()
{
    QMutexLocker lock(&m_dbMutex);
    m_zFiles.reset();
    CloseZTracksDB();
}

int CiTunesLib::OpenZDatabase(const QString& path)
{
    QMutexLocker lock(&m_dbMutex);
    m_zFiles.reset();
    return OpenZTracksDB(path.toUtf8().constData());
}

int CiTunesLib::SetTransaction(bool commit)
{
    QMutexLocker lock(&m_dbMutex);
    return commit ? CommitTransaction() : BeginTransaction();
}

int CiTunesLib::DeleteMusicFromDB(const QString& persistentId, int type)
{
    int ret = 0;
    {
        QMutexLocker lock(&m_dbMutex);
        ret = DeleteData(persistentId.toUtf8().constData(), type);
    }
    if (ret != 0)
        Log(QStringLiteral("%1 DeleteMusicFromDB Failed: %2").arg(persistentId).arg(ret));
    return ret;
}

int CiTunesLib::UpdateMusicInfoToDB(const MusicInfo* info, int type)
{
    if (!info)
        return -15;
    const std::array<std::pair<const char*, const QString*>, 5> fields = {{{"Name", &info->Name},
                                                                           {"Artist", &info->Artist},
                                                                           {"Album", &info->Album},
                                                                           {"Year", &info->Year},
                                                                           {"Genre", &info->Genre}}};
    std::vector<const char*> names;
    std::vector<QByteArray> texts;
    for (const auto& [name, value] : fields)
    {
        if (value->isEmpty())
            continue;
        names.push_back(name);
        texts.push_back(value->toUtf8());
    }
    if (names.empty())
        return 0;
    std::vector<const char*> values;
    for (const QByteArray& text : texts)
        values.push_back(text.constData());
    int ret = 0;
    {
        QMutexLocker lock(&m_dbMutex);
        ret = UpdateMultiValuesToDB(info->PersistentID.toUtf8().constData(), type, names.data(),
                                    values.data(), static_cast<int>(names.size()));
    }
    if (ret != 0)
        Log(QStringLiteral("%1 UpdateMultiValuesToDB Failed:%2").arg(info->Location).arg(ret));
    return ret;
}

int CiTunesLib::UpdateMultiValues(const QString& persistentId, int type, const char* const* names,
                                  const char* const* values, int count)
{
    int ret = 0;
    {
        QMutexLocker lock(&m_dbMutex);
        ret = UpdateMultiValuesToDB(persistentId.toUtf8().constData(), type, names, values, count);
    }
    if (ret != 0)
        Log(QStringLiteral("%1 UpdateMultiValuesToDB Failed: %2").arg(persistentId).arg(ret));
    return ret;
}

int CiTunesLib::UpdateValue(const QString& persistentId, int type, const char* column, const char* text,
                            int value)
{
    int ret = 0;
    {
        QMutexLocker lock(&m_dbMutex);
        ret = UpdateValueToDB(persistentId.toUtf8().constData(), type, column, text, value);
    }
    if (ret != 0)
        Log(QStringLiteral("%1 UpdateValueToDB %2 Failed: %3").arg(persistentId, fromUtf8(column)).arg(ret));
    return ret;
}

int CiTunesLib::UpdateAllMusicState(int mask, int set)
{
    int ret = 0;
    {
        QMutexLocker lock(&m_dbMutex);
        ret = UpdateAllMusicStateToDB(mask, set);
    }
    if (ret != 0)
        Log(QStringLiteral("iType = %1 iFlag = %2 UpdateAllMusicStateToDB Failed:%3")
                .arg(mask)
                .arg(set)
                .arg(ret));
    return ret;
}

int CiTunesLib::UpdateArtworkDataToDB(const QString& persistentId, int type, const QString& picturePath)
{
    if (m_stopFlag)
        return 0;
    int ret = -1;
    if (!persistentId.isEmpty() && !picturePath.isEmpty())
    {
        QFile file(picturePath);
        // A project may name anything as its picture; a FIFO or device would block the read.
        if (QFileInfo(picturePath).isFile() && file.open(QIODevice::ReadOnly))
        {
            const QByteArray bytes = file.readAll();
            if (!bytes.isEmpty())
            {
                QMutexLocker lock(&m_dbMutex);
                ret = UpdateArtworkData(persistentId.toUtf8().constData(), type,
                                        picturePath.toUtf8().constData(),
                                        reinterpret_cast<const unsigned char*>(bytes.constData()),
                                        static_cast<int>(bytes.size()));
            }
        }
    }
    if (ret != 0)
        Log(QStringLiteral("%1 UpdateArtworkDataToDB Failed:%2").arg(persistentId).arg(ret));
    return ret;
}

int CiTunesLib::SaveArtworkToFile(const QString& persistentId, const QString& path, QByteArray& out)
{
    QByteArray utf8Path = path.toUtf8();
    const int ret = GetArtworkToFile_kvt(persistentId.toUtf8().constData(), utf8Path.data());
    if (ret != 0)
    {
        Log(QStringLiteral("GetArtworkToFile_kvt Failed! %1 %2").arg(ret).arg(path));
        return ret;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    out = file.readAll();
    return out.isEmpty() ? -2 : 0;
}

int CiTunesLib::LoadArtworkToDB(const MusicInfo* info, int type, const QString& picturePath, QByteArray& out)
{
    if (!info)
        return -25;
    QMutexLocker lock(&m_dbMutex);
    const QByteArray pid = info->PersistentID.toUtf8();
    std::vector<unsigned char> stored;
    if (SelectArtworkData(pid.constData(), type, stored) == 0)
    {
        out = QByteArray(reinterpret_cast<const char*>(stored.data()), static_cast<qsizetype>(stored.size()));
        return 0;
    }
    int ret = -1;
    if (type == RunModeITunes)
    {
        ret = SaveArtworkToFile(info->PersistentID, picturePath, out);
    }
    else if (type == RunModeFiles)
    {
        std::vector<unsigned char> picture;
        ret = GetArtworkPicture(PathToNative(info->Location).constData(), picture, ReadStopFlag());
        if (ret == 0)
            out = QByteArray(reinterpret_cast<const char*>(picture.data()),
                             static_cast<qsizetype>(picture.size()));
    }
    if (ret != 0)
    {
        Log(QStringLiteral("HasArtwork But GetArtworkPicture Failed:%1 %2").arg(ret).arg(info->Location));
        out.clear();
        return ret;
    }
    ret = UpdateArtworkData(
        pid.constData(), type, picturePath.isEmpty() ? nullptr : picturePath.toUtf8().constData(),
        reinterpret_cast<const unsigned char*>(out.constData()), static_cast<int>(out.size()));
    if (ret != 0)
        Log(QStringLiteral("HasArtwork But UpdateArtworkDataToDB Failed:%1 %2 %3")
                .arg(ret)
                .arg(info->Location, picturePath));
    return ret;
}

void CiTunesLib::Log(const QString& text) const
{
    if (m_manager)
        m_manager->WriteManageLog(text);
}
