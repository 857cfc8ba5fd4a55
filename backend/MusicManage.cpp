#include "MusicManage.h"

#include "AnalyzeThrad.h"
#include "AppGlobals.h"
#include "ConditionWait.h"
#include "DowndThrad.h"
#include "LoadThread.h"
#include "MusicFlags.h"
#include "SameFileIndex.h"
#include "SaveToDBThread.h"
#include "TracksTable.h"
#include "iTunesLib.h"

#include "Lyrafon.h"

#include <QDate>
#include <QDir>
#include <QMutexLocker>
#include <algorithm>

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
    m_retire.WaitForRetired();
    m_loadThread.reset();
    m_analyzeThread.reset();
    m_saveThread.reset();
    for (DownloadSlot& slot : m_slots)
        slot.thread.reset();
    m_log.Close();
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
        m_retire.Retire([] { DestroyAgent_kvt(0); });
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
    return m_workMode == EWorkMode::Duplicates && !g_bScaniTunes.load();
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

int CMusicManage::GetInfoFixState(CMusicObj* obj)
{
    return obj ? obj->GetInfoFixState() : 0;
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

bool CMusicManage::KeptTrackHoldsPersistentID(const QString& persistentId) const
{
    std::vector<int> types;
    {
        QMutexLocker lock(&m_listMutex);
        for (const auto& obj : m_mainList)
            if (obj && obj->CurrentInfo().PersistentID == persistentId)
                types.push_back(obj->GetType());
    }
    if (types.empty() || !m_library)
        return false;
    // The rows are read without the list's lock: the database lock is taken before it elsewhere.
    const QByteArray id = persistentId.toUtf8();
    QMutexLocker db(&m_library->DbMutex());
    return std::any_of(types.begin(), types.end(),
                       [&](int type)
                       {
                           std::string trash;
                           return SelectValueFromDB(id.constData(), type, "TrashPath", trash) != 0 ||
                                  trash.empty();
                       });
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
