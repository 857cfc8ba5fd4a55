// The library analysis of the music manager: problem bits for every track of a normal run, the
// duplicate test of the duplicate runs, progress records, pause and stop.

#include "MusicAnalysis.h"

#include "MusicManage.h"

#include "AppGlobals.h"
#include "DuplicateIndex.h"
#include "Fingerprint.h"
#include "FingerprintStore.h"
#include "MusicFlags.h"
#include "NativePath.h"
#include "RegularFile.h"
#include "SaveToDBThread.h"
#include "WorkerPool.h"
#include "iTunesLib.h"

#include <QFileInfo>
#include <QHash>
#include <QMutexLocker>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <memory>
#include <system_error>
#include <thread>
#include <unordered_map>
#include <vector>

namespace
{

// Total times that differ by this much (ms) or more make the longer copy the keeper outright.
constexpr long long kTimeGapMs = 150000;

bool isDuplicateRun(int type)
{
    return type == RunModeDuplicateFiles || type == RunModeDuplicateITunes;
}

bool isRegularFile(const QString& path)
{
    return !path.isEmpty() && ::isRegularFile(PathToNative(path).constData());
}

// A text read as a decimal number; 0 when it does not read as one.
long long decimalOf(const QString& text)
{
    bool ok = false;
    const long long value = text.toLongLong(&ok);
    return ok ? value : 0;
}

// An earlier track the new one may still be compared with: not failed, not a copy already marked
// for removal.
bool isComparable(const CMusicObj* e)
{
    if (!e)
        return false;
    const int absence = e->GetAbsence();
    return !(absence & MF_DuplicateFailed) && !((absence & MF_Duplicate) && (e->GetState() & MF_Duplicate));
}

// The quality rule: true when the new copy is the better one to keep.
bool qualityKeepsNew(const MusicInfo& n, const MusicInfo& r)
{
    const long long tn = decimalOf(n.TotalTime), tr = decimalOf(r.TotalTime);
    const long long bn = decimalOf(n.Bitrate), br = decimalOf(r.Bitrate);
    if (std::llabs(tn - tr) < kTimeGapMs)
        return bn > br || (bn == br && tn > tr);
    return tn > tr;
}

// Earlier tracks whose fingerprint comparisons are worked out together.
constexpr size_t kCompareChunk = 512;

// The fingerprints of a deep scan, with the store position of every track of the list, and the
// threads that compare them (they live as long as the scan, so a chunk costs no thread start).
struct DeepScan
{
    std::unique_ptr<CFingerprintStore> store;
    QHash<const CMusicObj*, int> position;
    std::unique_ptr<tidewell::WorkerPool> pool;

    // Runs body(0) .. body(count - 1) on the pool; returns when all are done. A short run stays
    // on the calling thread.
    template <typename Body> void ForEach(size_t count, Body&& body) const
    {
        if (!pool || count < 32)
        {
            for (size_t k = 0; k < count; ++k)
                body(k);
            return;
        }
        std::atomic<size_t> next{0};
        pool->runOnAll(
            [&](unsigned)
            {
                for (size_t k = next++; k < count; k = next++)
                    body(k);
            });
    }

    const CFingerprintStore::Entry* EntryOf(const CMusicObj* obj) const
    {
        const auto it = position.constFind(obj);
        return it == position.cend() ? nullptr : &store->Wait(*it);
    }
};

// The file each track's Location reaches, found once per track, for a pass that tests every pair.
class FileIdentities
{
public:
    const FileIdentity& Of(const CMusicObj& track)
    {
        auto [it, added] = m_known.try_emplace(&track);
        if (added)
            it->second = CDuplicateIndex::FileOf(track.CurrentInfo().Location);
        return it->second;
    }

private:
    std::unordered_map<const CMusicObj*, FileIdentity> m_known;
};

class DuplicateTest
{
public:
    DuplicateTest(CMusicManage& manager, const MusicInfo& newInfo, int options, const CMusicObj* newObj,
                  FileIdentities* files = nullptr)
        : m_manager(manager), m_newInfo(newInfo), m_options(options), m_newObj(newObj), m_files(files)
    {
    }

    // 1 the earlier track matches the new one, 0 it does not (go on), -1 the new one cannot be
    // compared (stop). `known` is the fingerprint comparison's answer when it was worked out already.
    int Compare(CMusicObj* earlierObj, const DeepScan* deep, const int* known = nullptr)
    {
        const MusicInfo& earlier = earlierObj->CurrentInfo();
        if (!(m_options & MF_DeepScan))
        {
            const auto sameFile = [&]
            {
                if (m_files && m_newObj)
                    return m_files->Of(*m_newObj) == m_files->Of(*earlierObj);
                return CDuplicateIndex::FileOf(m_newInfo.Location) ==
                       CDuplicateIndex::FileOf(earlier.Location);
            };
            return CDuplicateIndex::TagsMatch(m_newInfo, earlier, m_options, sameFile) ? 1 : 0;
        }
        if (!isRegularFile(earlier.Location))
            return 0;
        const int rc = known ? *known : deep ? CompareInMemory(earlierObj, *deep) : CompareFiles(earlier);
        if (rc > 0)
            return 1;
        if (rc == 0)
            return 0;
        m_manager.WriteManageLog(QStringLiteral("DuplicateCalculate:%1, %2 Failed:%3")
                                     .arg(m_newInfo.Location, earlier.Location)
                                     .arg(rc));
        // The new track itself cannot be compared: no comparison of it can succeed.
        if (rc == FpcFirstDecodeFailed || rc == FpcFirstTooShort)
            return -1;
        // The earlier track cannot be: it is marked and left out of later tests.
        if (rc == FpcSecondDecodeFailed || rc == FpcSecondTooShort)
        {
            earlierObj->SetAbsence(earlierObj->GetAbsence() | MF_DuplicateFailed);
            earlierObj->SetAnalysed(true);
        }
        return 0;
    }

    // The matched track's group and which copy goes. Returns 1.
    int Settle(CMusicObj* earlierObj, int64_t* groupId, unsigned char* removeNew)
    {
        const MusicInfo& earlier = earlierObj->CurrentInfo();
        int64_t group = earlierObj->GetRepeatID();
        if (group == 0)
        {
            if (earlierObj->GetState() & MF_Duplicate)
                m_manager.WriteManageLog(QStringLiteral("Old RepeatID is Zero and Failed!"));
            earlierObj->SetAbsence(earlierObj->GetAbsence() | MF_Duplicate | MF_Analysed);
            bool ok = false;
            uint64_t id = earlier.PersistentID.toULongLong(&ok, 16);
            if (!ok || id == 0)
            {
                m_manager.WriteManageLog(
                    QStringLiteral("Frist %1 toULongLong Failed!").arg(earlier.PersistentID));
                id = m_newInfo.PersistentID.toULongLong(&ok, 16);
                if (!ok || id == 0)
                {
                    m_manager.WriteManageLog(
                        QStringLiteral("Second %1 toULongLong Failed!").arg(m_newInfo.PersistentID));
                    id = 0;
                }
            }
            group = static_cast<int64_t>(id);
            earlierObj->SetRepeatID(group);
            earlierObj->SetAnalysed(true);
        }
        *groupId = group;

        bool keepNew = false;
        bool decided = true;
        switch (earlierObj->GetType())
        {
        case RunModeDuplicateFiles:
        {
            CiTunesLib* zLibrary = m_manager.GetZLibrary();
            const bool newFound =
                zLibrary && zLibrary->FindInZDatabase(PathToNative(m_newInfo.Location).constData()) == 0;
            const bool oldFound =
                zLibrary && zLibrary->FindInZDatabase(PathToNative(earlier.Location).constData()) == 0;
            if (newFound != oldFound)
                keepNew = newFound;
            else
                keepNew = qualityKeepsNew(m_newInfo, earlier);
            break;
        }
        case RunModeDuplicateITunes:
            keepNew = qualityKeepsNew(m_newInfo, earlier);
            break;
        default:
            decided = false;
        }
        if (decided && keepNew)
        {
            earlierObj->SetState(earlierObj->GetState() | MF_Duplicate);
            earlierObj->SetAnalysed(true);
            *removeNew = 0;
        }
        else
        {
            *removeNew = 1;
        }
        return 1;
    }

private:
    int CompareFiles(const MusicInfo& earlier) const
    {
        const QString folder = m_manager.GetDataFolder();
        const QByteArray newAudio = PathToNative(m_newInfo.Location),
                         earlierAudio = PathToNative(earlier.Location);
        const QByteArray newCache = FingerprintCachePath(folder, m_newInfo.PersistentID).toUtf8();
        const QByteArray earlierCache = FingerprintCachePath(folder, earlier.PersistentID).toUtf8();
        return CompareFingerprintFiles(newAudio.constData(), newCache.constData(), earlierAudio.constData(),
                                       earlierCache.constData(), static_cast<uint32_t>(m_options));
    }

public:
    // The same answers as CompareFingerprintFiles, from the fingerprints made ahead. Safe to call
    // from several threads at once.
    int CompareInMemory(const CMusicObj* earlierObj, const DeepScan& deep) const
    {
        const CFingerprintStore::Entry* first = deep.EntryOf(m_newObj);
        if (!first)
            return CompareFiles(earlierObj->CurrentInfo());
        if (first->failure != CFingerprintStore::FpOk)
            return CFingerprintStore::CodeFor(first->failure, true);
        const CFingerprintStore::Entry* second = deep.EntryOf(earlierObj);
        if (!second)
            return CompareFiles(earlierObj->CurrentInfo());
        if (second->failure != CFingerprintStore::FpOk)
            return CFingerprintStore::CodeFor(second->failure, false);
        const size_t common = std::min(first->items.size(), second->items.size());
        if (common < static_cast<size_t>(kMinCompareItems))
            return first->items.size() <= second->items.size() ? FpcFirstTooShort : FpcSecondTooShort;
        const int result = CompareRawFingerprints(first->items.data(), second->items.data(),
                                                  static_cast<int>(common), static_cast<uint32_t>(m_options));
        return result < 0 ? FpcCompareFailed : result;
    }

private:
    CMusicManage& m_manager;
    const MusicInfo& m_newInfo;
    const int m_options;
    const CMusicObj* m_newObj;
    FileIdentities* m_files;
};

// The duplicate test of one new track. With an index (and, for a deep scan, the fingerprints made
// ahead) it visits only the earlier tracks that can match, in list order; without, every track
// 0..last, as the test is defined. Both give the same answer and the same side effects.
int duplicateCalculate(CMusicManage& manager, const MusicInfo* info, const CMusicObj* newObj, int last,
                       int options, int64_t* groupId, unsigned char* removeNew, CDuplicateIndex* index,
                       const DeepScan* deep, FileIdentities* files = nullptr)
{
    if (!info || !groupId || !removeNew || last < 0 || last >= manager.MainListSize())
        return 0;
    DuplicateTest test(manager, *info, options, newObj, files);
    CMusicObj* matched = nullptr;
    bool cannotCompare = false;
    auto visitKnown = [&](CMusicObj* earlierObj, const int* known)
    {
        if (manager.IsExiting())
        {
            matched = nullptr;
            return true;
        }
        if (!isComparable(earlierObj))
            return false;
        const int rc = test.Compare(earlierObj, deep, known);
        if (rc < 0)
            cannotCompare = true;
        else if (rc > 0)
            matched = earlierObj;
        return rc != 0;
    };
    auto visit = [&](CMusicObj* earlierObj) { return visitKnown(earlierObj, nullptr); };

    if (index && !(options & MF_DeepScan))
    {
        index->ForEachCandidate(*info, visit);
    }
    else if (index && deep)
    {
        // The comparisons of one new track with its earlier tracks are independent; they are
        // worked out a chunk at a time on every core, then taken in list order exactly as the
        // one-by-one scan takes them, up to the first match.
        std::vector<CMusicObj*> candidates;
        for (int j = 0; j < index->Size(); ++j)
        {
            CMusicObj* earlierObj = index->At(j);
            if (isComparable(earlierObj) && isRegularFile(earlierObj->CurrentInfo().Location))
                candidates.push_back(earlierObj);
        }
        std::vector<int> known;
        for (size_t from = 0; from < candidates.size(); from += kCompareChunk)
        {
            const size_t to = std::min(candidates.size(), from + kCompareChunk);
            known.assign(to - from, 0);
            deep->ForEach(to - from,
                          [&](size_t k) { known[k] = test.CompareInMemory(candidates[from + k], *deep); });
            bool done = false;
            for (size_t k = from; k < to && !done; ++k)
                done = visitKnown(candidates[k], &known[k - from]);
            if (done)
                break;
        }
    }
    else if (index)
    {
        for (int j = 0; j < index->Size(); ++j)
        {
            if (visit(index->At(j)))
                break;
        }
    }
    else
    {
        for (int j = 0; j <= last; ++j)
        {
            if (visit(manager.MusicAt(j)))
                break;
        }
    }
    if (cannotCompare)
        return -1;
    if (!matched || manager.IsExiting())
        return 0;
    return test.Settle(matched, groupId, removeNew);
}

// The problem bits of a track of a normal run that has its file, from the options.
int problemBits(const CMusicObj& obj, int options)
{
    const MusicInfo& info = obj.CurrentInfo();
    int bits = 0;
    if ((options & MF_Name) && info.Name.isEmpty())
        bits |= MF_Name;
    if ((options & MF_Artist) && info.Artist.isEmpty())
        bits |= MF_Artist;
    if ((options & MF_Album) && info.Album.isEmpty())
        bits |= MF_Album;
    if ((options & MF_Artwork) && !obj.GetHasArtwork())
        bits |= MF_Artwork;
    return bits;
}

} // namespace

int MarkDuplicateResult(CMusicObj& obj, int absence, int result, int64_t groupId, bool removeNew)
{
    if (result == 1)
    {
        if (removeNew)
            obj.SetState(MF_Duplicate);
        obj.SetRepeatID(groupId);
        return absence | MF_Duplicate;
    }
    return result < 0 ? absence | MF_DuplicateFailed : absence;
}

void RunFullScanDuplicatePass(CMusicManage& manager, int options)
{
    FileIdentities files;
    const int total = manager.MainListSize();
    for (int i = 0; i < total; ++i)
    {
        CMusicObj* obj = manager.MusicAt(i);
        if (!obj)
            continue;
        int bits = obj->GetAbsence();
        const MusicInfo& info = obj->CurrentInfo();
        if (isDuplicateRun(obj->GetType()) && !(bits & MF_Analysed) && isRegularFile(info.Location))
        {
            int64_t groupId = 0;
            unsigned char removeNew = 0;
            const int rc = duplicateCalculate(manager, &info, obj, i - 1, options, &groupId, &removeNew,
                                              nullptr, nullptr, &files);
            bits = MarkDuplicateResult(*obj, bits, rc, groupId, removeNew != 0);
        }
        obj->SetAbsence(bits | MF_Analysed);
        obj->SetAnalysed(true);
    }
}

void CMusicManage::MoveToCleanList(const std::vector<int>& ascending)
{
    if (ascending.empty())
        return;
    QMutexLocker lock(&m_listMutex);
    size_t next = 0;
    size_t out = 0;
    for (size_t k = 0; k < m_mainList.size(); ++k)
    {
        if (next < ascending.size() && static_cast<size_t>(ascending[next]) == k)
        {
            m_cleanList.push_back(std::move(m_mainList[k]));
            ++next;
        }
        else
        {
            if (out != k)
                m_mainList[out] = std::move(m_mainList[k]);
            ++out;
        }
    }
    m_mainList.resize(out);
}

int CMusicManage::DuplicateCalculate(const MusicInfo* info, int last, int options, int64_t* groupId,
                                     unsigned char* removeNew)
{
    return duplicateCalculate(*this, info, nullptr, last, options, groupId, removeNew, nullptr, nullptr);
}

namespace
{

// Makes the fingerprints of the list ahead for a deep scan of a duplicate run and the pool that
// compares them. 0, or -2 when the decode buffers cannot be had.
int prepareDeepScan(CMusicManage& manager, int total, DeepScan& deep)
{
    std::vector<CFingerprintStore::Source> sources;
    bool anyDuplicateRun = false;
    for (int k = 0; k < total; ++k)
    {
        const CMusicObj* obj = manager.MusicAt(k);
        CFingerprintStore::Source source;
        if (obj)
        {
            anyDuplicateRun = anyDuplicateRun || isDuplicateRun(obj->GetType());
            const MusicInfo& info = obj->CurrentInfo();
            if (isRegularFile(info.Location))
            {
                source.audioPath = info.Location;
                source.cachePath = FingerprintCachePath(manager.GetDataFolder(), info.PersistentID);
            }
            deep.position.insert(obj, static_cast<int>(sources.size()));
        }
        sources.push_back(source);
    }
    if (!anyDuplicateRun)
        return 0;
    deep.store = std::make_unique<CFingerprintStore>(std::move(sources), [&manager](const QString& text)
                                                     { manager.WriteManageLog(text); });
    const int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    if (!deep.store->Start(threads))
    {
        manager.WriteManageLog(QStringLiteral("malloc(m_iBuf) Failed!"));
        return -2;
    }
    try
    {
        deep.pool = std::make_unique<tidewell::WorkerPool>(0, "tidewell-compare");
    }
    catch (const std::system_error&)
    {
        // No pool: the comparisons run on this thread.
    }
    return 0;
}

// What the analysis does with one track after looking at it.
enum class TrackStep
{
    Report,  // its problem bits are set and reported
    Indexed, // an earlier analysis handled it: it only joins the duplicate index
    Clean,   // no problem: it leaves the main list
};

// The analysis of one run, shared by its per-track steps.
struct AnalysisRun
{
    CMusicManage& manager;
    int options;
    bool skipYearGenre;
    CDuplicateIndex& index;
    const DeepScan* deep; // null for a quick scan or a run without duplicate tracks
};

// The duplicate test of a track of a duplicate run against the tracks before `position`.
int duplicateBits(const AnalysisRun& run, CMusicObj& obj, int position, int bits)
{
    const MusicInfo& info = obj.CurrentInfo();
    if ((bits & MF_Analysed) || !isRegularFile(info.Location))
        return bits;
    int64_t groupId = 0;
    unsigned char removeNew = 0;
    const int rc = duplicateCalculate(run.manager, &info, &obj, position - 1, run.options, &groupId,
                                      &removeNew, &run.index, run.deep);
    return MarkDuplicateResult(obj, bits, rc, groupId, removeNew != 0);
}

// The problem bits of a track of a normal run: a missing file, else the missing tags and
// artwork the options ask about, and a missing year or genre unless those are skipped.
TrackStep problemStep(const AnalysisRun& run, const CMusicObj& obj, int& bits)
{
    const MusicInfo& info = obj.CurrentInfo();
    const bool missing = info.Purchased != QLatin1String("1") && !isRegularFile(info.Location);
    if (missing)
    {
        bits = (run.options & MF_FileMissing) ? static_cast<int>(MF_FileMissing) : 0;
        return TrackStep::Report;
    }
    if (bits != 0 && !(bits & MF_FileMissing))
        return TrackStep::Indexed;
    bits = problemBits(obj, run.options);
    if (bits == 0)
        return TrackStep::Clean;
    if (!run.skipYearGenre)
    {
        if (info.Year.isEmpty())
            bits |= MF_Year;
        if (info.Genre.isEmpty())
            bits |= MF_Genre;
    }
    return TrackStep::Report;
}

} // namespace

int CMusicManage::AnalyzeMusicInfo()
{
    WriteManageLog(QStringLiteral("Start AnalyzeMusicInfo"));
    auto finish = [this](int result)
    {
        WriteManageLog(QStringLiteral("End AnalyzeMusicInfo"));
        m_jobKind = 0;
        QMutexLocker lock(&g_musicInfoMutex);
        m_runState = ManageIdle;
        m_analysisPaused = false;
        return result;
    };
    if (!m_library)
        return finish(-1);

    const int options = m_optionFlags;
    int total = 0;
    {
        QMutexLocker lock(&m_listMutex);
        total = static_cast<int>(m_mainList.size());
        m_trackCount = std::max(total, m_projectTotal);
    }

    // A deep scan makes the fingerprints of the list ahead, on every core; the quick scan looks
    // its candidates up by tag key and by file. Either way each track is compared with the
    // earlier tracks that can match it, in list order, as the full scan would.
    CDuplicateIndex index(options);
    DeepScan deep;
    if ((options & MF_DeepScan) && prepareDeepScan(*this, total, deep) != 0)
        return finish(-2);
    const AnalysisRun run{*this, options, m_skipYearGenre, index, deep.store ? &deep : nullptr};

    // Tracks without problems leave the main list as they are found; they are taken out in one
    // pass at the end, so the list is not shifted once per clean track. `position` and `count`
    // are the position and the size the list has as the tracks leave it, for the progress records.
    std::vector<int> clean;
    bool stopped = false;
    int position = 0;
    int count = total;
    for (int listIndex = 0; listIndex < total; ++listIndex)
    {
        if (m_exit || WaitWhileAnalysisPaused())
        {
            stopped = true;
            break;
        }
        CMusicObj* obj = MusicAt(listIndex);
        if (!obj)
        {
            index.Add(nullptr);
            ++position;
            continue;
        }
        int bits = obj->GetAbsence();
        TrackStep step = TrackStep::Report;
        if (isDuplicateRun(obj->GetType()))
            bits = duplicateBits(run, *obj, position, bits);
        else
            step = problemStep(run, *obj, bits);
        if (step == TrackStep::Indexed)
        {
            index.Add(obj);
            ++position;
            continue;
        }
        if (step == TrackStep::Clean)
        {
            clean.push_back(listIndex);
            --count;
            continue;
        }
        if (m_exit)
        {
            stopped = true;
            break;
        }

        MusicProgressInfo record;
        record.Kind = RunStateAnalysis;
        record.MusicObj = obj;
        record.Progress = ImportProgress(position, count);
        const QByteArray location = PathToNative(obj->CurrentInfo().Location);
        record.Location = location.constData();
        if (m_analysisCallback)
            m_analysisCallback(&record, m_callbackContext);

        obj->SetAbsence(bits | MF_Analysed);
        obj->SetAnalysed(true);
        index.Add(obj);
        ++position;
    }
    MoveToCleanList(clean);

    if (!stopped && !m_exit)
    {
        m_saveThread->start(QThread::LowestPriority);
        MusicProgressInfo last;
        last.Kind = RunStateAnalysis;
        last.ObjFlag = 1;
        last.Total = 10000;
        last.Progress = 10000;
        if (m_analysisCallback)
            m_analysisCallback(&last, m_callbackContext);
    }
    return finish(0);
}
