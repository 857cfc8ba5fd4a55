#include "CMusicLink.h"

#include "AppGlobals.h"
#include "AppSettings.h"
#include "CThreadAWS.h"
#include "DatabaseCopy.h"
#include "GeneralUtils.h"
#include "IMusicLinkHost.h"
#include "ITunesLibrary.h"
#include "MusicFlags.h"
#include "MusicManageInterface.h"
#include "MusicObj.h"
#include "NativePath.h"
#include "sonalike.h"

#include <QByteArray>
#include <QDebug>
#include <QMetaObject>
#include <QMutexLocker>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <array>
#include <functional>
#include <utility>
#include <vector>

namespace
{

constexpr int kFingerprintSeconds = 60;
// Track reports reach the GUI thread at most once in this many milliseconds (about a frame).
constexpr qint64 kReportFrameMs = 16;

// The bits of an edit mask that carry a text, in the order the manager reads the texts.
constexpr std::array<int, 6> kEditTextBits = {MF_Name, MF_Artist, MF_Album, MF_Year, MF_Genre, MF_Artwork};

// Match percentage of the engine for the settings' match degree.
int MatchPercent(int degree)
{
    if (degree == MF_MatchHigh)
        return 95;
    if (degree == MF_MatchMedium)
        return 75;
    return 50;
}

// The C callback of the manager's progress records, one per handler; kind 0 takes every record.
// Runs on the manager's thread; no exception leaves it.
template <void (CMusicLink::*Handler)(const MusicProgressInfo&), int Kind = 0>
int OnProgress(const MusicProgressInfo* info, void* context)
{
    try
    {
        if (info && context && (Kind == 0 || info->Kind == Kind))
            (static_cast<CMusicLink*>(context)->*Handler)(*info);
    }
    catch (...)
    {
    }
    return 0;
}

// A UTF-8 copy of a text, null for an empty one (how the manager's records say "not set").
const char* textOrNull(const QByteArray& utf8)
{
    return utf8.isEmpty() ? nullptr : utf8.constData();
}

// The proxy settings as the manager's records carry them; the texts live as long as this object.
struct ProxySettings
{
    explicit ProxySettings(const CAppSettings& settings)
        : enabled(settings.GetProxyEnabled()), port(settings.GetProxyPort()),
          host(settings.GetProxyHost().toUtf8()), user(settings.GetProxyUser().toUtf8()),
          password(settings.GetProxyPassword().toUtf8())
    {
    }
    // 0 when the proxy is on, -1 when off.
    int Marker() const { return enabled ? 0 : -1; }

    int enabled;
    int port;
    QByteArray host;
    QByteArray user;
    QByteArray password;
};

// Calls fill(buffer, size) with a growing buffer until the text fits; empty on any other answer.
template <typename F> QString readText(F&& fill)
{
    for (int size = 4096; size <= (1 << 20); size *= 4)
    {
        std::vector<char> buffer(static_cast<size_t>(size), '\0');
        const int ret = fill(buffer.data(), size);
        if (ret == 0)
            return QString::fromUtf8(buffer.data());
        if (ret != -2)
            break;
    }
    return {};
}

} // namespace

CMusicLink::CMusicLink(IMusicLinkHost* host, QObject* parent) : QObject(parent), m_host(host)
{
    const CAppSettings* settings = GetAppSettings();
    const QByteArray logFolder = settings ? settings->GetDataFolder().toUtf8() : QByteArray();
    const QByteArray dataFolder = settings ? settings->GetPictureFolder().toUtf8() : QByteArray();
    const QByteArray recycleRoot = settings ? settings->GetRecycleFolder().toUtf8() : QByteArray();
    m_manage = MM_Create(logFolder.constData(), dataFolder.constData(), recycleRoot.constData());

    m_reportTimer = new QTimer(this);
    m_reportTimer->setSingleShot(true);
    connect(m_reportTimer, &QTimer::timeout, this, &CMusicLink::FlushReports);

    m_configThread = new CThreadAWS(this, 0, this);
    m_configThread->start(QThread::InheritPriority);
}

CMusicLink::~CMusicLink()
{
    StopDedupeRun();
    {
        QMutexLocker lock(&m_hostMutex);
        m_host = nullptr;
    }
    if (m_configThread)
    {
        m_configThread->wait();
        delete m_configThread;
        m_configThread = nullptr;
    }
    // Joins the manager's threads; their last reports find no host and are posted to nobody.
    MM_Destroy(m_manage);
    m_manage = nullptr;
}

template <typename F> void CMusicLink::Deliver(F&& f)
{
    // The flush comes first on either road: reports queued before this call are in the queue by
    // now, so they reach the receivers ahead of f's signal.
    if (QThread::currentThread() == thread())
    {
        FlushReports();
        f();
    }
    else
    {
        QMetaObject::invokeMethod(
            this,
            [this, f = std::forward<F>(f)]() mutable
            {
                FlushReports();
                f();
            },
            Qt::QueuedConnection);
    }
}

void CMusicLink::QueueReport(const LinkTrackReport* track, int progress)
{
    bool post = false;
    {
        QMutexLocker lock(&m_reportMutex);
        if (track)
            m_queuedTracks.append(*track);
        if (progress >= 0)
            m_queuedProgress = progress;
        post = !std::exchange(m_reportsPosted, true);
    }
    // Posted also on the link's own thread: a report never emits in the middle of its caller.
    if (post)
        QMetaObject::invokeMethod(this, &CMusicLink::OnReportsQueued, Qt::QueuedConnection);
}

void CMusicLink::OnReportsQueued()
{
    const qint64 since = m_sinceDelivery.isValid() ? m_sinceDelivery.elapsed() : kReportFrameMs;
    if (since >= kReportFrameMs)
        FlushReports();
    else if (!m_reportTimer->isActive())
        m_reportTimer->start(static_cast<int>(kReportFrameMs - since));
}

void CMusicLink::FlushReports()
{
    m_reportTimer->stop();
    QList<LinkTrackReport> tracks;
    int progress = -1;
    {
        QMutexLocker lock(&m_reportMutex);
        tracks.swap(m_queuedTracks);
        progress = std::exchange(m_queuedProgress, -1);
        m_reportsPosted = false;
    }
    if (tracks.isEmpty() && progress < 0)
        return;
    m_sinceDelivery.restart();
    if (!tracks.isEmpty())
    {
        emit SendLoadTracks(tracks);
        for (const LinkTrackReport& report : std::as_const(tracks))
            emit SendLoadMusic(report.track, report.progress, report.path);
    }
    if (progress >= 0)
        emit UpdateProcess(progress);
}

void CMusicLink::DropReports()
{
    QMutexLocker lock(&m_reportMutex);
    m_queuedTracks.clear();
    m_queuedProgress = -1;
}

bool CMusicLink::EngineRunsScan()
{
    QMutexLocker lock(&m_hostMutex);
    return m_host && m_host->GetWorkMode() == EWorkMode::Duplicates && !g_bScaniTunes.load();
}

int CMusicLink::LoadMusicLibrary(int runMode, const char* xmlPath)
{
    if (!m_manage)
        return -1;
    if (m_configThread && m_configThread->isFinished())
        SetManageProxy();
    const QByteArray dbPath = g_strDBPath.toUtf8();
    return MM_LoadMusicLibrary(m_manage, xmlPath, dbPath.constData(), runMode);
}

void CMusicLink::SetManageConfig()
{
    const CAppSettings* settings = GetAppSettings();
    if (!m_manage || !settings)
        return;
    const QByteArray pictureFolder = settings->GetPictureFolder().toUtf8();
    const ProxySettings proxy(*settings);
    MusicManageConfig config;
    config.Link = this;
    config.PictureFolder = pictureFolder.constData();
    config.Reserved = 0;
    config.ProxyEnabled = proxy.enabled;
    config.ProxyMarker = proxy.Marker();
    if (proxy.enabled)
    {
        config.ProxyHost = proxy.host.constData();
        config.ProxyPort = proxy.port;
        config.ProxyUser = textOrNull(proxy.user);
        config.ProxyPassword = textOrNull(proxy.password);
    }
    MM_SetConfig(m_manage, &config);
}

void CMusicLink::SetManageProxy()
{
    const CAppSettings* settings = GetAppSettings();
    if (!m_manage || !settings)
        return;
    const ProxySettings proxy(*settings);
    MusicManageProxy record;
    record.ProxyMarker = proxy.Marker();
    if (proxy.enabled)
    {
        record.Host = proxy.host.constData();
        record.Port = proxy.port;
        record.User = textOrNull(proxy.user);
        record.Password = textOrNull(proxy.password);
    }
    MM_SetProxy(m_manage, &record);
}

int CMusicLink::StartLoadMusic()
{
    if (!EngineRunsScan())
    {
        const MusicCallback callback{RunStateLoad, &OnProgress<&CMusicLink::LoadMusicProgress, RunStateLoad>,
                                     this};
        return MM_LoadMusicList(m_manage, &callback);
    }

    const CAppSettings* settings = GetAppSettings();
    const int percent = MatchPercent(settings ? settings->GetMatchDegree() : 0);
    const unsigned options = settings ? static_cast<unsigned>(settings->GetDuplicate()) : 0U;
    // The run's record exists before the start: the worker's first report may come before
    // StartDedupeThread returns.
    auto run = std::make_unique<DedupeRun>();
    run->link = this;
    const int ret =
        StartDedupeThread(&CMusicLink::OnDedupeProgress, run.get(), options, kFingerprintSeconds, percent);
    if (ret == 0)
    {
        m_dedupeRuns.push_back(std::move(run));
        return 0;
    }
    qWarning() << "StartDedupeThread failed:" << ret;
    // No report will come for this start: end the scan here so the window does not wait for ever.
    Deliver([this] { emit SendLoadOK(); });
    return ret;
}

void CMusicLink::StopDedupeRun()
{
    // DedupeDealloc stops a run after its current track and joins the worker, so no report with
    // one of these records follows. Also after an ended run: its end handler may still be
    // returning on the worker.
    if (!m_dedupeRuns.empty())
        DedupeDealloc();
}

int CMusicLink::StartAnalyzeMusic(int options)
{
    const MusicCallback callback{RunStateAnalysis, &OnProgress<&CMusicLink::AnalyzeMusicProgress>, this};
    return MM_AnalyzeMusicList(m_manage, &callback, options);
}

int CMusicLink::StartDownload(CMusicObj* track, const char* text, int valueA, int valueB)
{
    if (const CAppSettings* settings = GetAppSettings())
        CreateDirPath(settings->GetPictureFolder());
    const MusicCallback callback{RunStateDownload, &OnProgress<&CMusicLink::DownloadProgress>, this};
    return MM_StartDownload(m_manage, track, text, valueA, &callback, valueB);
}

int CMusicLink::ApplyiTunesMusicInfo(void* track, int flags)
{
    return MM_ApplyiTunesMusicInfo(m_manage, track, flags, ReplaceMask());
}

int CMusicLink::RemoveToTrash(const std::vector<void*>& tracks, const std::function<int(int)>& proceed,
                              const std::function<void(int, int)>& done)
{
    struct Pass
    {
        const std::function<int(int)>& proceed;
        const std::function<void(int, int)>& done;
        int told = 0;
    } pass{proceed, done};
    MusicRemovalCallback callback;
    callback.Context = &pass;
    callback.Proceed = [](void* context, int inFlight)
    { return static_cast<Pass*>(context)->proceed(inFlight); };
    callback.Done = [](void* context, int index, int result)
    {
        auto* self = static_cast<Pass*>(context);
        ++self->told;
        self->done(index, result);
    };
    const int ret = MM_RemoveToTrash(m_manage, tracks.data(), static_cast<int>(tracks.size()), &callback);
    if (ret >= 0)
        return ret;
    for (int i = pass.told; i < static_cast<int>(tracks.size()); ++i)
        done(i, -1);
    return 0;
}

int CMusicLink::CountPendingFixes(int replaceMask)
{
    return MM_CountPendingFixes(m_manage, replaceMask);
}

int CMusicLink::LibraryValue(const char* key, int fallback)
{
    return MM_GetLibraryValue(m_manage, key, fallback);
}

int CMusicLink::SetLibraryValue(const char* key, int value)
{
    return MM_SetLibraryValue(m_manage, key, value);
}

bool CMusicLink::ShownRecord(CMusicObj* track, MusicInfo& out)
{
    MusicInfo* current = nullptr;
    MusicInfo* own = nullptr;
    if (GetMusicRecord(track, &current, 1) != 0 || !current || GetMusicRecord(track, &own, 2) != 0 || !own)
        return false;
    out = *current;
    const int held = MM_HeldBackFields(m_manage, track, ReplaceMask());
    if (held <= 0)
        return true;
    constexpr std::pair<int, QString MusicInfo::*> kFields[] = {{MF_Name, &MusicInfo::Name},
                                                                {MF_Artist, &MusicInfo::Artist},
                                                                {MF_Album, &MusicInfo::Album},
                                                                {MF_Year, &MusicInfo::Year},
                                                                {MF_Genre, &MusicInfo::Genre}};
    for (const auto& [bit, field] : kFields)
    {
        if (held & bit)
            out.*field = own->*field;
    }
    return true;
}

int CMusicLink::ReplaceMask()
{
    const CAppSettings* settings = GetAppSettings();
    const int replace = settings ? settings->GetReplace() : 0;
    return (replace & MF_ReplaceSwitch) ? replace : 0;
}

int CMusicLink::ApplyMusicFixes(int index, int replaceMask)
{
    return MM_ApplyMusicFixes(m_manage, index, replaceMask);
}

int CMusicLink::AddMusicFiles(const QStringList& paths)
{
    try
    {
        // The copies live until the manager has taken the paths.
        std::vector<QByteArray> utf8;
        std::vector<const char*> pointers;
        utf8.reserve(static_cast<size_t>(paths.size()));
        pointers.reserve(static_cast<size_t>(paths.size()));
        for (const QString& path : paths)
        {
            utf8.push_back(PathToNative(path));
            pointers.push_back(utf8.back().constData());
        }
        return MM_AddMusicFiles(m_manage, static_cast<int>(pointers.size()), pointers.data());
    }
    catch (const std::bad_alloc&)
    {
        return -1;
    }
}

int CMusicLink::GetMusicCount(int* largestCount, int* firstType)
{
    if (!m_manage)
        return 0;
    return MM_GetMusicCount(m_manage, largestCount, firstType);
}

int CMusicLink::CloseMusicLibrary()
{
    MM_CloseMusicLibrary(m_manage);
    return 0;
}

void CMusicLink::EmitPlayState(unsigned a, int b, int flag)
{
    if (flag != 0)
        Deliver([this, a, b] { emit SendPlayModify(a, b); });
    else
        Deliver([this] { emit SendPlayOver(); });
}

int CMusicLink::GetMusicObj(int index, CMusicObj** track, int* absence, int* state, int64_t* repeatId)
{
    return MM_GetMusicObj(m_manage, index, track, absence, state, repeatId);
}

int64_t CMusicLink::GetRepeatID(CMusicObj* track)
{
    return MM_GetRepeatID(m_manage, track);
}

int CMusicLink::GetMusicRecord(CMusicObj* track, MusicInfo** info, int which)
{
    return MM_GetMusicRecord(m_manage, track, info, which);
}

int CMusicLink::ModifyMusicInfo(CMusicObj* track, int mask, const char* const* texts)
{
    return MM_ModifyMusicInfo(m_manage, track, mask, texts);
}

int CMusicLink::ModifyMusicInfo(CMusicObj* track, int mask, const QStringList& texts)
{
    const auto needed =
        std::count_if(kEditTextBits.begin(), kEditTextBits.end(), [mask](int bit) { return mask & bit; });
    if (texts.size() < needed)
        return -1;
    std::vector<QByteArray> utf8;
    std::vector<const char*> pointers;
    utf8.reserve(static_cast<size_t>(texts.size()));
    for (const QString& text : texts)
    {
        utf8.push_back(text.toUtf8());
        pointers.push_back(utf8.back().constData());
    }
    return MM_ModifyMusicInfo(m_manage, track, mask, pointers.data());
}

int CMusicLink::GetArtworkPath(CMusicObj* track, char* buffer, int bufferSize)
{
    return MM_GetArtworkPath(m_manage, track, buffer, bufferSize);
}

QString CMusicLink::GetArtworkPath(CMusicObj* track)
{
    return readText([&](char* buffer, int size) { return MM_GetArtworkPath(m_manage, track, buffer, size); });
}

bool CMusicLink::HasArtwork(CMusicObj* track)
{
    if (!track)
        return false;
    // The manager only ever adds a path, and never reads one for a song it knows lacks a picture.
    if (track->HasArtworkPath())
        return true;
    if (track->GetAbsence() & MF_Artwork)
        return false;
    return !GetArtworkPath(track).isEmpty();
}

int CMusicLink::GetArtworkData(CMusicObj* track, unsigned char** data, int* size)
{
    return MM_GetArtworkData(m_manage, track, data, size);
}

QByteArray CMusicLink::GetArtworkData(CMusicObj* track)
{
    unsigned char* data = nullptr;
    int size = 0;
    QByteArray bytes;
    if (GetArtworkData(track, &data, &size) == 0 && data && size > 0)
        bytes = QByteArray(reinterpret_cast<const char*>(data), size);
    if (data)
        FreeArtworkData(&data);
    return bytes;
}

int CMusicLink::FreeArtworkData(unsigned char** data)
{
    return MM_FreeArtworkData(m_manage, data);
}

int CMusicLink::GetInfoFixState(CMusicObj* track)
{
    return MM_GetInfoFixState(m_manage, track);
}

int CMusicLink::GetArtworkFixState(CMusicObj* track)
{
    return MM_GetArtworkFixState(m_manage, track);
}

int CMusicLink::GetArtworkCount(CMusicObj* track)
{
    return MM_GetArtworkCount(m_manage, track);
}

int CMusicLink::GetArtworkCandidate(CMusicObj* track, int index, char* buffer, int bufferSize)
{
    return MM_GetArtworkCandidate(m_manage, track, index, buffer, bufferSize);
}

QString CMusicLink::GetArtworkCandidate(CMusicObj* track, int index)
{
    return readText([&](char* buffer, int size)
                    { return MM_GetArtworkCandidate(m_manage, track, index, buffer, size); });
}

int CMusicLink::SelectArtwork(CMusicObj* track, int index)
{
    return MM_SelectArtwork(m_manage, track, index);
}

int CMusicLink::SetRunState(int kind, int state)
{
    return MM_SetRunState(m_manage, kind, state);
}

int CMusicLink::SetExitState(int flag)
{
    if (flag != 0)
        StopDedupeRun();
    const int ret = MM_SetExitState(m_manage, flag);
    // The manager's threads are joined: what they queued belongs to the stopped run, and must
    // not reach a run started before the next frame.
    if (flag != 0)
        DropReports();
    return ret;
}

int CMusicLink::ChangeAllMusicState(int bits, int set)
{
    return MM_ChangeAllMusicState(m_manage, bits, set);
}

int CMusicLink::SetMusicState(CMusicObj* track, int state)
{
    return MM_SetMusicState(m_manage, track, state);
}

int CMusicLink::GetMusicState(CMusicObj* track)
{
    return MM_GetMusicState(m_manage, track);
}

int CMusicLink::SetTransaction(bool commit)
{
    return MM_SetTransaction(m_manage, commit ? 1 : 0);
}

int CMusicLink::BackupMusicLibrary(const QString& target)
{
    return MM_BackupMusicLibrary(m_manage, g_strDBPath.toUtf8().constData(), target.toUtf8().constData());
}

QString CMusicLink::PlaceProjectAsDatabase(const QString& project, const QString& database)
{
    return ::PlaceProjectAsDatabase(project, database);
}

QString CMusicLink::CheckLeftDatabase(const QString& database)
{
    return ::CheckLeftDatabase(database);
}

bool CMusicLink::ClearLeftovers(const QString& database, const QStringList& besideFiles,
                                const QStringList& folders, const QString& recycleRoot)
{
    return ::ClearLeftovers({database, besideFiles, folders, recycleRoot});
}

int CMusicLink::WriteProjectRows(const QString& target, const QList<ProjectRow>& rows, int libraryTotal)
{
    return ::WriteProjectRows(target, rows, libraryTotal);
}

QStringList CMusicLink::RemoveDatabaseFiles(const QString& database)
{
    return ::RemoveDatabaseFiles(database);
}

QStringList CMusicLink::DatabaseFiles(const QString& database)
{
    return ::DatabaseFiles(database);
}

QString CMusicLink::DefaultLibraryPath()
{
    return QString::fromStdString(tidewell::ithost::ITunesLibrary::defaultLibraryPath());
}

int CMusicLink::AddToDedupeList(const QString& path, int userValue)
{
    return AddToDedupeLists(PathToNative(path).constData(), userValue);
}

int CMusicLink::PauseDedupeRun()
{
    return PauseDedupeThread();
}

int CMusicLink::ContinueDedupeRun()
{
    return ContinueDedupeThread();
}

int CMusicLink::GetDedupeLoadCount()
{
    return GetLoadCounts();
}

int CMusicLink::GetDedupeGroupCount()
{
    return GetGroupIdCounts();
}

int CMusicLink::GetDedupeGroupMember(unsigned group, int item, int* count, LinkDedupeMember* member)
{
    DedupeTrackInfo* info = nullptr;
    const int ret = GetGroupRef(group, &info, count, item);
    if (ret != 0 || !member)
        return ret;
    if (!info)
        return -1;
    auto text = [](const char* s) { return s ? QString::fromUtf8(s) : QString(); };
    member->title = text(info->title);
    member->artist = text(info->artist);
    member->path = PathFromNative(info->path ? info->path : ""); // the file's own bytes
    member->fileSize = info->fileSize;
    member->duration = info->duration;
    member->bitRate = info->bitRate;
    return 0;
}

int CMusicLink::FreeDedupeResults()
{
    return DedupeDealloc();
}

namespace
{
// A report's path, as the track object holds it when it is the same text: the window keeps the
// path of every report, so a large library then holds each path once, not three times. Called on
// the thread that made the record from the object.
QString ReportPath(const MusicProgressInfo& info)
{
    QString path = QString::fromUtf8(info.Location ? info.Location : "");
    if (const auto* track = static_cast<const CMusicObj*>(info.MusicObj);
        track && track->CurrentInfo().Location == path)
        return track->CurrentInfo().Location;
    return path;
}
} // namespace

void CMusicLink::LoadMusicProgress(const MusicProgressInfo& info)
{
    const LinkTrackReport report{info.MusicObj, info.Progress, ReportPath(info)};
    QueueReport(&report, -1);
    // The import sends 10000 only in its final record, after its last commit: exactly one end.
    if (report.progress > 9999)
        Deliver([this] { emit SendLoadOK(); });
}

void CMusicLink::AnalyzeMusicProgress(const MusicProgressInfo& info)
{
    const int progress = info.Progress;
    if (progress < 10000)
    {
        const LinkTrackReport report{info.MusicObj, progress, ReportPath(info)};
        QueueReport(&report, progress);
        return;
    }
    QueueReport(nullptr, progress);
    // The window's hand-over is posted by the host itself: a delivery posted first keeps every
    // report of the analysis ahead of it.
    Deliver([] {});
    {
        // Directly on the analysis thread: the window starts its scoring thread from here.
        QMutexLocker lock(&m_hostMutex);
        if (m_host)
            m_host->RestartAnalyzeThread();
    }
}

void CMusicLink::DownloadProgress(const MusicProgressInfo& info)
{
    void* track = info.MusicObj;
    const int absence = info.Absence;
    const int valueB = info.UserValue;
    const int infoFixState = info.ObjFlag;
    Deliver([this, track, absence, valueB, infoFixState]
            { emit SendDowldInfo(track, absence, valueB, infoFixState); });
}

int CMusicLink::OnDedupeProgress(int* value, int index, const char* path, void* user)
{
    try
    {
        if (auto* run = static_cast<DedupeRun*>(user); run && run->link)
            run->link->DedupeProgress(*run, value, index, PathFromNative(path ? path : ""));
    }
    catch (...)
    {
    }
    return 0;
}

void CMusicLink::DedupeProgress(DedupeRun& run, int* value, int index, const QString& path)
{
    if (index == -1)
    {
        // Start of the run: value holds the number of tracks added.
        const int total = value ? std::max(0, *value) : 0;
        run.total = total;
        QMutexLocker lock(&m_hostMutex);
        if (m_host && m_host->GetWorkMode() == EWorkMode::Duplicates && !g_bScaniTunes.load())
            m_host->SetDedupeTotal(total);
        return;
    }

    const int total = run.total.load();
    if (index >= 1 && index <= total)
    {
        // One report per track; the last track is the one with 10000.
        qDebug() << "---progress = " << index;
        if (!EngineRunsScan())
            return;
        const LinkTrackReport report{value, static_cast<int>(static_cast<int64_t>(index) * 10000 / total),
                                     path};
        QueueReport(&report, -1);
        return;
    }

    // The end call (index n + 1), made after the groups are published: the run's one end. The
    // engine makes it once, from its one worker; the mark is the handler's last touch of the run.
    if (run.ended.load())
        return;
    if (EngineRunsScan())
        Deliver([this] { emit SendLoadOK(); });
    run.ended.store(true);
}
