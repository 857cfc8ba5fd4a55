#include "MusicManage.h"
#include "TracksTable.h"

#include "AnalyzeThrad.h"
#include "AppGlobals.h"
#include "ConditionWait.h"
#include "DowndThrad.h"
#include "LoadThread.h"
#include "MusicFlags.h"
#include "SaveToDBThread.h"
#include "iTunesLib.h"

#include "Lyrafon.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QMutexLocker>
#include <algorithm>

#include <cstdlib>
#include <cstring>

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

// The second database of a duplicate scan of files. It lies beside the library database and
// must never be the same file, or the run's own library object would delete the copy.
QString zDatabasePath(const QString& dbPath)
{
    QString path = dbPath;
    path.replace(QStringLiteral("MusicLibrary.db"), QStringLiteral("MusicLibraryz.db"));
    if (path != dbPath)
        return path;
    const QFileInfo info(dbPath);
    const QString suffix = info.suffix();
    const QString base = suffix.isEmpty() ? info.fileName() : info.completeBaseName();
    return info.dir().filePath(suffix.isEmpty() ? base + u'z' : base + u'z' + u'.' + suffix);
}

} // namespace

CMusicManage::CMusicManage(const QString& logFolder, const QString& dataFolder, const QString& recycleRoot)
    : m_logFolder(logFolder), m_dataFolder(dataFolder)
{
    for (DownloadSlot& slot : m_slots)
        slot.thread = std::make_unique<CDowndThrad>();
    m_log.Open(m_logFolder);

    m_recyclePath = recycleRoot;
    if (!m_recyclePath.endsWith(u'/'))
        m_recyclePath += u'/';
    m_recyclePath += QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    if (recycleRoot.isEmpty() || !QDir().mkpath(m_recyclePath))
        WriteManageLog(QStringLiteral("Create trash path:%1 Failed!").arg(m_recyclePath));

    m_loadThread = std::make_unique<CLoadThread>(this);
    m_analyzeThread = std::make_unique<CAnalyzeThrad>(this);
    m_saveThread = std::make_unique<CSaveToDBThread>(this);
}

CMusicManage::~CMusicManage()
{
    WriteManageLog(QStringLiteral("Enter ~CMusicManage!"));
    // Stop and join every worker before anything they use goes away.
    SetExitState(1);
    StopDownloads();
    CloseMusicLibrary();
    WaitForRetired();
    m_loadThread.reset();
    m_analyzeThread.reset();
    m_saveThread.reset();
    for (DownloadSlot& slot : m_slots)
        slot.thread.reset();
    m_log.Close();
}

int CMusicManage::LoadMusicLibrary(const char* xmlPath, const char* dbPath, int mode)
{
    const QString xml = QString::fromUtf8(xmlPath ? xmlPath : "");
    const QString db = QString::fromUtf8(dbPath ? dbPath : "");
    WriteManageLog(QStringLiteral("Enter CMusicManage::LoadMusicLibrary(pXMLPath:%1,pDBPath:%2,mode:%3")
                       .arg(xml, db)
                       .arg(mode));
    CloseMusicLibrary();
    WaitForRetired();

    {
        QMutexLocker setup(&m_libraryMutex);
        m_settingUp = true;
        m_setupStopped = false;
    }
    // Whatever happens below, the set-up is over when this returns: a later stop is a plain one.
    struct SetupEnd
    {
        CMusicManage* manager;
        ~SetupEnd()
        {
            QMutexLocker setup(&manager->m_libraryMutex);
            manager->m_settingUp = false;
        }
    } setupEnd{this};

    {
        // The exit of the closed run is cleared here, on the set-up's thread; a stop that arrived
        // since the set-up began belongs to this run and holds.
        QMutexLocker setup(&m_libraryMutex);
        QMutexLocker lock(&g_musicInfoMutex);
        m_exit = m_setupStopped;
        m_analysisPaused = false;
    }
    m_skipYearGenre = false;
    m_optionFlags = 0;
    {
        QMutexLocker lock(&m_listMutex);
        m_trackCount = 0;
    }

    for (DownloadSlot& slot : m_slots)
        slot.thread->wait();

    QString zPath;
    if (mode == RunModeDuplicateFiles)
    {
        zPath = zDatabasePath(db);
        int ret = 0;
        auto zLibrary = OpenLibraryObject(xml, zPath, RunModeDuplicateITunes, ret);
        if (zLibrary && ret >= 0 && PublishLibrary(m_zLibrary, zLibrary))
            m_zLibrary->LoadZMusicData();
        else
            TakeLibrary(m_zLibrary).reset();
    }

    int ret = 0;
    auto library = OpenLibraryObject(xml, db, mode, ret);
    if (!library || ret < 0 || !PublishLibrary(m_library, library))
    {
        library.reset();
        TakeLibrary(m_library).reset();
    }

    if (m_zLibrary && m_zLibrary->OpenZDatabase(zPath) == -3)
        WriteManageLog(QStringLiteral("LoadMusicLibrary: Open ZDB failed"));

    if (mode == RunModeProject && ret == 1)
        m_skipYearGenre = true;
    m_projectTotal = 0;
    if (mode == RunModeProject && m_library)
    {
        QMutexLocker lock(&m_library->DbMutex());
        m_projectTotal = SelectLibraryTotal();
    }
    return m_library ? 0 : -1;
}

std::unique_ptr<CiTunesLib> CMusicManage::OpenLibraryObject(const QString& xml, const QString& db, int mode,
                                                            int& result)
{
    {
        QMutexLocker setup(&m_libraryMutex);
        if (m_setupStopped)
        {
            result = -1;
            return nullptr;
        }
        m_openingLibrary = true;
    }
    // A stop meanwhile ends the agent's library read (see SetExitState); the object then fails.
    auto library = std::make_unique<CiTunesLib>(this, xml, db, mode, &result);
    QMutexLocker setup(&m_libraryMutex);
    m_openingLibrary = false;
    return library;
}

bool CMusicManage::PublishLibrary(std::unique_ptr<CiTunesLib>& slot, std::unique_ptr<CiTunesLib>& library)
{
    QMutexLocker setup(&m_libraryMutex);
    if (m_setupStopped)
        return false;
    slot = std::move(library);
    return true;
}

std::unique_ptr<CiTunesLib> CMusicManage::TakeLibrary(std::unique_ptr<CiTunesLib>& slot)
{
    // Destroyed outside the lock by the caller: it releases the agent, which may take a moment.
    QMutexLocker setup(&m_libraryMutex);
    return std::move(slot);
}

void CMusicManage::Retire(std::function<void()> work)
{
    QMutexLocker lock(&m_retireMutex);
    m_retired = std::async(std::launch::async,
                           [before = m_retired, work = std::move(work)]
                           {
                               if (before.valid())
                                   before.wait();
                               work();
                           })
                    .share();
}

void CMusicManage::WaitForRetired()
{
    std::shared_future<void> retired;
    {
        QMutexLocker lock(&m_retireMutex);
        retired = m_retired;
    }
    if (retired.valid())
        retired.wait();
}

void CMusicManage::CloseMusicLibrary()
{
    if (!m_exit)
        SetExitState(1);
    // A worker may have been started after an earlier exit (the analysis does not test the
    // flag before it starts): join whatever still runs before its tracks go away.
    JoinWorkers();
    ClearTracks();
    std::vector<std::unique_ptr<CiTunesLib>> closed;
    if (m_zLibrary)
    {
        m_zLibrary->CloseZDatabase();
        closed.push_back(TakeLibrary(m_zLibrary));
    }
    if (auto library = TakeLibrary(m_library))
        closed.push_back(std::move(library));
    if (closed.empty())
        return;
    // The caller may delete or replace the database files once this returns.
    for (const auto& library : closed)
        library->CloseDatabase();
    auto gone = std::make_shared<std::vector<std::unique_ptr<CiTunesLib>>>(std::move(closed));
    Retire([gone] { gone->clear(); });
}

void CMusicManage::ClearTracks()
{
    using Tracks = std::vector<std::unique_ptr<CMusicObj>>;
    auto lists = std::make_shared<std::pair<Tracks, Tracks>>();
    {
        QMutexLocker lock(&m_listMutex);
        lists->first.swap(m_mainList);
        lists->second.swap(m_cleanList);
    }
    // Tens of thousands of tracks take the better part of 100 ms to free, and the window closes a
    // library on its GUI thread: they are freed with the closed libraries. Nothing reads them any
    // more.
    if (lists->first.size() + lists->second.size() > 1000)
        Retire(
            [lists]
            {
                lists->first.clear();
                lists->second.clear();
            });
}

int CMusicManage::SetExitState(int flag)
{
    WriteManageLog(QStringLiteral("CMusicManage::SetExitState:%1").arg(flag));
    if (flag == 0)
        return -1;
    bool opening = false;
    {
        QMutexLocker setup(&m_libraryMutex);
        {
            QMutexLocker lock(&g_musicInfoMutex);
            m_exit = true;
            g_musicInfoCondition.wakeAll();
        }
        if (m_settingUp)
            m_setupStopped = true;
        opening = m_openingLibrary;
        if (m_library)
            m_library->SetStopFlag(true);
        if (m_zLibrary)
            m_zLibrary->SetStopFlag(true);
    }
    // The agent's read of a large library can take seconds and looks at no flag of ours, nor
    // does iTunes reading its library for the import's first question: a destroy request ends
    // either at its next element (the import stops at its next track anyway). The request is
    // made off the caller's thread: the release that follows frees what was read.
    if (opening || (m_loadThread && m_loadThread->isRunning()))
        Retire([] { DestroyAgent_kvt(0); });
    SetRunState(m_jobKind, ManageStopped);
    JoinWorkers();
    return 0;
}

bool CMusicManage::OnWorkerThread() const
{
    const QThread* current = QThread::currentThread();
    return current == m_loadThread.get() || current == m_analyzeThread.get() || current == m_saveThread.get();
}

void CMusicManage::JoinWorkers()
{
    if (OnWorkerThread())
        return;
    for (QThread* thread :
         {static_cast<QThread*>(m_loadThread.get()), static_cast<QThread*>(m_analyzeThread.get()),
          static_cast<QThread*>(m_saveThread.get())})
    {
        if (thread)
            thread->wait();
    }
}

int CMusicManage::SetConfig(const MusicManageConfig* /*config*/)
{
    return 0;
}

int CMusicManage::SetProxy(const MusicManageProxy* /*proxy*/)
{
    return 0;
}

int CMusicManage::LoadMusicList(const MusicCallback* callback)
{
    WriteManageLog(QStringLiteral("CMusicManage::LoadMusicList()"));
    if (m_exit)
        return 0;
    if (!callback)
        return -1;
    m_jobKind = callback->Kind;
    {
        QMutexLocker lock(&g_musicInfoMutex);
        m_runState = ManageRunning;
    }
    m_loadCallback = callback->Function;
    m_callbackContext = callback->Context;
    m_loadThread->start(QThread::InheritPriority);
    return 0;
}

int CMusicManage::AnalyzeMusicList(const MusicCallback* callback, int options)
{
    WriteManageLog(QStringLiteral("CMusicManage::AnalyzeMusicList()"));
    if (!callback)
        return -1;
    m_optionFlags = options;
    m_jobKind = callback->Kind;
    {
        QMutexLocker lock(&g_musicInfoMutex);
        m_runState = ManageRunning;
        m_analysisPaused = false;
    }
    m_analysisCallback = callback->Function;
    m_callbackContext = callback->Context;
    m_analyzeThread->start(QThread::InheritPriority);
    return 0;
}

int CMusicManage::SetRunState(int kind, int state)
{
    if (kind == RunStateLoad)
    {
        // Pause and stop come from the window's thread while the set-up may replace the object.
        QMutexLocker setup(&m_libraryMutex);
        if (m_library)
            m_library->SetState(state);
    }
    else if (kind == RunStateAnalysis)
        SetAnalysisState(state);
    else if (kind == RunStateDownload && state == ManageStopped)
        StopDownloads();
    return 0;
}

int CMusicManage::SetAnalysisState(int state)
{
    QMutexLocker lock(&g_musicInfoMutex);
    if (state == m_runState)
        return 0;
    switch (state)
    {
    case ManageRunning:
    case ManageStopped:
        m_analysisPaused = false;
        break;
    case ManagePaused:
        m_analysisPaused = true;
        break;
    default:
        return 0;
    }
    m_runState = state;
    // A continue and a stop always wake the analysis; it re-checks under the mutex.
    g_musicInfoCondition.wakeAll();
    return 0;
}

bool CMusicManage::WaitWhileAnalysisPaused()
{
    QMutexLocker lock(&g_musicInfoMutex);
    while (m_analysisPaused && m_runState != ManageStopped && !m_exit)
        ConditionWait(g_musicInfoCondition, g_musicInfoMutex);
    return m_runState == ManageStopped || m_exit;
}

int CMusicManage::GetRunState() const
{
    QMutexLocker lock(&g_musicInfoMutex);
    return m_runState;
}

bool CMusicManage::IsAnalysisPaused() const
{
    QMutexLocker lock(&g_musicInfoMutex);
    return m_analysisPaused;
}

bool CMusicManage::EngineRunsDuplicateScan() const
{
    return m_workMode == 2 && !g_bScaniTunes.load();
}

void CMusicManage::RunImportJob()
{
    if (m_library)
        m_library->LoadMusicData(m_dataFolder, m_loadCallback, m_callbackContext);
}

void CMusicManage::RunAnalysisJob()
{
    // The analysis reads the list the import fills: let a finishing import end first.
    m_loadThread->wait();
    AnalyzeMusicInfo();
}

int CMusicManage::GetMusicCount(int* largestCount, int* firstType)
{
    QMutexLocker lock(&m_listMutex);
    const int count = static_cast<int>(m_mainList.size());
    m_trackCount = std::max(m_trackCount, count);
    if (largestCount)
        *largestCount = m_trackCount;
    if (firstType)
    {
        *firstType = 0;
        for (const auto& obj : m_mainList)
        {
            if (obj)
            {
                *firstType = obj->GetType();
                break;
            }
        }
    }
    return count;
}

int CMusicManage::GetMusicObj(int index, CMusicObj** obj, int* absence, int* state, int64_t* repeatId)
{
    QMutexLocker lock(&m_listMutex);
    if (index < 0 || index >= static_cast<int>(m_mainList.size()) || !m_mainList[index])
        return -1;
    CMusicObj* track = m_mainList[index].get();
    if (obj)
        *obj = track;
    if (absence)
        *absence = track->GetAbsence();
    if (state)
        *state = track->GetState() & ~kHandEditBits;
    if (repeatId)
        *repeatId = track->GetRepeatID();
    return 0;
}

int CMusicManage::GetMusicRecord(CMusicObj* obj, MusicInfo** info, int which)
{
    if (!obj)
        return -1;
    return which == 2 ? obj->GetOldInfo(info) : obj->GetCurrentInfo(info);
}

QString CMusicManage::GetArtworkPath(CMusicObj* obj)
{
    if (!obj)
        return {};
    if (!QFileInfo::exists(obj->GetArtworkPath()))
    {
        QByteArray bytes;
        GetArtworkData(obj, bytes);
    }
    return obj->GetArtworkPath();
}

bool CMusicManage::IsInsideDataFolder(const QString& path) const
{
    const QString folder = QDir(m_dataFolder).canonicalPath();
    const QString parent = QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath();
    if (folder.isEmpty() || parent.isEmpty())
        return false;
    return parent == folder || parent.startsWith(folder + u'/');
}

int CMusicManage::GetArtworkData(CMusicObj* obj, QByteArray& data)
{
    data.clear();
    if (!obj || !m_library)
        return -1;
    QMutexLocker db(&m_library->DbMutex());
    QString path = obj->GetArtworkPath();
    if ((obj->GetAbsence() & MF_Artwork) && path.isEmpty())
        return -1;
    if (!QDir().mkpath(m_dataFolder))
        WriteManageLog(QStringLiteral("Create Down Picture Path Failed!%1").arg(m_dataFolder));

    const MusicInfo& info = obj->CurrentInfo();
    QString newName;
    if (path.isEmpty())
    {
        // The id names the file: only its hex form may, so no name leaves the picture folder.
        if (!IsPersistentIdText(info.PersistentID))
            return -1;
        for (int n = 0;; ++n)
        {
            newName = QDir(m_dataFolder).filePath(QStringLiteral("%1_%2.jpg").arg(info.PersistentID).arg(n));
            if (!QFileInfo::exists(newName))
                break;
        }
    }

    const int ret = m_library->LoadArtworkToDB(&info, obj->GetType(), newName, data);
    if (data.isEmpty())
        return ret;

    if (!path.isEmpty())
    {
        if (!QFileInfo::exists(path))
        {
            // A path from a saved project is untrusted: pictures are written only inside the
            // picture folder.
            if (!IsInsideDataFolder(path) || !QImage::fromData(data).save(path))
                WriteManageLog(QStringLiteral("Picture Data From DB save to file Failed!%1 %2")
                                   .arg(info.Location, path));
        }
    }
    else
    {
        if (!QFileInfo::exists(newName) && !QImage::fromData(data).save(newName))
            WriteManageLog(QStringLiteral("Picture save to file Failed!%1 %2").arg(info.Location, newName));
        obj->SetArtworkPath(newName);
    }
    return ret;
}

int CMusicManage::GetArtworkData(CMusicObj* obj, unsigned char** data, int* size)
{
    if (!obj || !data || !size || !m_library)
        return -1;
    *data = nullptr;
    *size = 0;
    QByteArray bytes;
    const int ret = GetArtworkData(obj, bytes);
    if (bytes.isEmpty())
        return ret;
    auto* buffer = static_cast<unsigned char*>(std::malloc(static_cast<size_t>(bytes.size())));
    if (!buffer)
        return -1;
    std::memcpy(buffer, bytes.constData(), static_cast<size_t>(bytes.size()));
    *data = buffer;
    *size = static_cast<int>(bytes.size());
    return ret;
}

int CMusicManage::FreeArtworkData(unsigned char** data)
{
    if (!data)
        return -1;
    std::free(*data);
    *data = nullptr;
    return 0;
}

int CMusicManage::GetInfoFixState(CMusicObj* obj)
{
    return obj ? obj->GetInfoFixState() : 0;
}

int CMusicManage::GetArtworkFixState(CMusicObj* obj)
{
    return obj ? obj->GetArtworkFixState() : 0;
}

int CMusicManage::GetArtworkCount(CMusicObj* obj)
{
    return obj ? obj->GetArtworkCount() : 0;
}

QString CMusicManage::GetArtworkCandidate(CMusicObj* obj, int index)
{
    return obj ? obj->GetArtworkCandidate(index) : QString();
}

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
    int next = 0;
    int changed = 0;
    for (const EditField& field : kEditFields)
    {
        if (!(mask & field.bit))
            continue;
        const char* text = texts[next++];
        const QString value = QString::fromUtf8(text ? text : "");
        if (value != edited.*field.field)
        {
            edited.*field.field = value;
            changed |= field.bit;
        }
    }

    // Takes the text edit and its marks back, so an edit that fails does so as a whole.
    const int stateBefore = obj->GetState();
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

    if (changed)
    {
        const int ret = m_library->UpdateMusicInfoToDB(&edited, obj->GetType());
        if (ret != 0)
            return asFailure(ret);
        obj->ApplyEdit(edited);

        // The user's own texts stay pending until Apply writes them; a later answer of the service
        // for the same field is the service's again.
        int hand = 0;
        for (const EditField& field : kEditFields)
        {
            if (changed & field.bit)
                hand |= field.hand;
        }
        const int newState = (mask & kEditByHand) ? (stateBefore | hand) : (stateBefore & ~hand);
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

int CMusicManage::AddMusicFiles(int count, const char* const* paths)
{
    return m_library ? m_library->AddMusicFiles(paths, count) : -1;
}

int64_t CMusicManage::GetRepeatID(CMusicObj* obj)
{
    return obj ? obj->GetRepeatID() : -1;
}

int CMusicManage::GetMusicState(CMusicObj* obj)
{
    // The marks of the user's edits are the manager's own: the windows see their action bits only.
    return obj ? obj->GetState() & ~kHandEditBits : -1;
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

int CMusicManage::SetTransaction(int flag)
{
    if (!m_library)
        return -1;
    if (flag == 0)
        WaitForSavePass();
    return m_library->SetTransaction(flag != 0);
}

void CMusicManage::WaitForSavePass()
{
    if (QThread::currentThread() != m_saveThread.get())
        m_saveThread->wait();
}

int CMusicManage::FindFreeDownloadSlot() const
{
    for (int i = 0; i < kDownloadSlots; ++i)
    {
        if (!m_slots[i].thread->isRunning())
            return i;
    }
    return -17;
}

// The caller's two values are not kept: a slot's thread does no work that could read them.
int CMusicManage::StartDownload(CMusicObj* obj, const char* text, int /*valueA*/,
                                const MusicCallback* callback, int /*valueB*/)
{
    const QString label = QString::fromUtf8(text ? text : "");
    const int index = FindFreeDownloadSlot();
    if (index < 0 || !obj || !callback || m_exit)
    {
        WriteManageLog(QStringLiteral("CMusicManage::StartDownload(%1) StartDownload Failed!").arg(label));
        return -1;
    }
    m_jobKind = callback->Kind;
    {
        QMutexLocker lock(&g_musicInfoMutex);
        m_runState = ManageRunning;
    }
    m_slots[index].thread->start(QThread::InheritPriority);
    WriteManageLog(QStringLiteral("CMusicManage::StartDownload(%1) StartDownload Success!").arg(label));
    return 0;
}

void CMusicManage::StopDownloads()
{
    for (DownloadSlot& slot : m_slots)
    {
        if (slot.thread && slot.thread->isRunning())
        {
            slot.thread->quit();
            slot.thread->wait();
        }
    }
}

int CMusicManage::SaveMusicObj(CMusicObj* obj)
{
    if (m_exit)
        return 0;
    if (!obj || !m_library)
        return -1;
    const QByteArray absence = QByteArray::number(obj->GetAbsence());
    const QByteArray repeat = QByteArray::number(static_cast<qlonglong>(obj->GetRepeatID()));
    const QByteArray state = QByteArray::number(obj->GetState());
    const char* const names[] = {"Absence", "RepeatID", "State"};
    const char* const values[] = {absence.constData(), repeat.constData(), state.constData()};
    const int ret =
        m_library->UpdateMultiValues(obj->CurrentInfo().PersistentID, obj->GetType(), names, values, 3);
    if (ret != 0)
        WriteManageLog(QStringLiteral("SaveMusicObj Failed:") + obj->CurrentInfo().Location);
    return ret;
}

void CMusicManage::SaveDataToDB()
{
    if (!m_library)
        return;
    WriteManageLog(QStringLiteral("start SaveDataToDB()"));
    // One transaction for the whole pass (one flush to disk instead of one per song); edits made
    // meanwhile go into it too. It is committed on every way out.
    struct PassTransaction
    {
        explicit PassTransaction(std::recursive_mutex& mutex) : dbMutex(mutex)
        {
            QMutexLocker db(&dbMutex);
            BeginTransaction();
        }
        ~PassTransaction()
        {
            QMutexLocker db(&dbMutex);
            CommitTransaction();
        }
        std::recursive_mutex& dbMutex;
    } transaction(m_library->DbMutex());
    for (int i = 0;; ++i)
    {
        if (m_exit)
            return;
        // Held across the read and the write, so an edit of this track runs before or after.
        QMutexLocker db(&m_library->DbMutex());
        if (i >= MainListSize())
            break;
        CMusicObj* obj = MusicAt(i);
        if (obj && obj->GetAnalysed())
            SaveMusicObj(obj);
    }
    WriteManageLog(QStringLiteral("End SaveDataToDB()"));
    WriteManageLog(QStringLiteral("Start Delete Complete Music: %1").arg(CleanListSize()));
    for (;;)
    {
        if (m_exit)
            return;
        QMutexLocker db(&m_library->DbMutex());
        QMutexLocker lock(&m_listMutex);
        if (m_cleanList.empty())
            break;
        const std::unique_ptr<CMusicObj>& obj = m_cleanList.back();
        if (obj)
            m_library->DeleteMusicFromDB(obj->CurrentInfo().PersistentID, obj->GetType());
        m_cleanList.pop_back();
    }
    {
        // The clean songs have left the table; the library's size stays with it, so a saved
        // project scores against the whole library.
        QMutexLocker db(&m_library->DbMutex());
        int total = 0;
        {
            QMutexLocker lock(&m_listMutex);
            total = m_trackCount;
        }
        UpdateLibraryTotal(total);
    }
    WriteManageLog(QStringLiteral("End Delete Complete Music"));
}

void CMusicManage::AppendMusicObj(std::unique_ptr<CMusicObj> obj)
{
    QMutexLocker lock(&m_listMutex);
    m_mainList.push_back(std::move(obj));
}

bool CMusicManage::MoveToCleanList(int index)
{
    QMutexLocker lock(&m_listMutex);
    if (index < 0 || index >= static_cast<int>(m_mainList.size()))
        return false;
    m_cleanList.push_back(std::move(m_mainList[index]));
    m_mainList.erase(m_mainList.begin() + index);
    return true;
}

CMusicObj* CMusicManage::MusicAt(int index) const
{
    QMutexLocker lock(&m_listMutex);
    if (index < 0 || index >= static_cast<int>(m_mainList.size()))
        return nullptr;
    return m_mainList[index].get();
}

int CMusicManage::MainListSize() const
{
    QMutexLocker lock(&m_listMutex);
    return static_cast<int>(m_mainList.size());
}

int CMusicManage::CleanListSize() const
{
    QMutexLocker lock(&m_listMutex);
    return static_cast<int>(m_cleanList.size());
}

bool CMusicManage::OwnsTrack(const void* track) const
{
    QMutexLocker lock(&m_listMutex);
    auto holds = [track](const std::vector<std::unique_ptr<CMusicObj>>& list) {
        return std::any_of(list.begin(), list.end(), [track](const auto& obj) { return obj.get() == track; });
    };
    return holds(m_mainList) || holds(m_cleanList);
}

void CMusicManage::WriteManageLog(const QString& text)
{
    m_log.Write(text);
}
