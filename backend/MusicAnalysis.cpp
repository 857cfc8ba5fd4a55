// The library analysis of the music manager: problem bits for every track of a normal run, the
// duplicate test of the duplicate runs, progress records, pause and stop.

#include "MusicAnalysis.h"

#include "MusicManage.h"

#include "AppGlobals.h"
#include "DuplicateIndex.h"
#include "Fingerprint.h"
#include "FingerprintStore.h"
#include "MusicFlags.h"
#include "SaveToDBThread.h"
#include "iTunesLib.h"

#include <QFileInfo>
#include <QHash>
#include <QMutexLocker>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

namespace {

// Total times that differ by this much (ms) or more make the longer copy the keeper outright.
constexpr long long kTimeGapMs = 150000;

bool isDuplicateRun(int type)
{
    return type == RunModeDuplicateFiles || type == RunModeDuplicateITunes;
}

bool isRegularFile(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
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

// Runs body(0) .. body(count - 1) on every core; returns when all are done.
template <typename Body>
void parallelFor(size_t count, Body&& body)
{
    const size_t threads = std::min<size_t>(std::max(1u, std::thread::hardware_concurrency()), (count + 31) / 32);
    if (threads <= 1)
    {
        for (size_t k = 0; k < count; ++k)
            body(k);
        return;
    }
    std::atomic<size_t> next{0};
    auto work = [&] {
        for (size_t k = next++; k < count; k = next++)
            body(k);
    };
    std::vector<std::thread> pool;
    for (size_t t = 1; t < threads; ++t)
        pool.emplace_back(work);
    work();
    for (std::thread& thread : pool)
        thread.join();
}

// The fingerprints of a deep scan, with the store position of every track of the list.
struct DeepScan
{
    std::unique_ptr<CFingerprintStore> store;
    QHash<const CMusicObj*, int> position;

    const CFingerprintStore::Entry* EntryOf(const CMusicObj* obj) const
    {
        const auto it = position.constFind(obj);
        return it == position.cend() ? nullptr : &store->Wait(*it);
    }
};

class DuplicateTest
{
public:
    DuplicateTest(CMusicManage& manager, const MusicInfo& n, int options, const CMusicObj* newObj)
        : m(manager), N(n), options(options), newObj(newObj)
    {
    }

    // 1 E matches N, 0 it does not (go on), -1 N cannot be compared (stop). `known` is the
    // fingerprint comparison's answer when it was worked out already.
    int Compare(CMusicObj* e, const DeepScan* deep, const int* known = nullptr)
    {
        const MusicInfo& R = e->CurrentInfo();
        if (!(options & MF_DeepScan))
            return CDuplicateIndex::TagsMatch(N, R, options) ? 1 : 0;
        if (!isRegularFile(R.Location))
            return 0;
        const int rc = known ? *known : deep ? CompareInMemory(e, *deep) : CompareFiles(R);
        if (rc > 0)
            return 1;
        if (rc == 0)
            return 0;
        m.WriteManageLog(QStringLiteral("DuplicateCalculate:%1, %2 Failed:%3").arg(N.Location, R.Location).arg(rc));
        if (rc == -7 || rc == -20)
            return -1;
        if (rc == -11 || rc == -21)
        {
            e->SetAbsence(e->GetAbsence() | MF_DuplicateFailed);
            e->SetAnalysed(true);
        }
        return 0;
    }

    // The matched track's group and which copy goes. Returns 1.
    int Settle(CMusicObj* e, int64_t* groupId, unsigned char* removeNew)
    {
        const MusicInfo& R = e->CurrentInfo();
        int64_t g = e->GetRepeatID();
        if (g == 0)
        {
            if (e->GetState() & MF_Duplicate)
                m.WriteManageLog(QStringLiteral("Old RepeatID is Zero and Failed!"));
            e->SetAbsence(e->GetAbsence() | MF_Duplicate | MF_Analysed);
            bool ok = false;
            uint64_t id = R.PersistentID.toULongLong(&ok, 16);
            if (!ok || id == 0)
            {
                m.WriteManageLog(QStringLiteral("Frist %1 toULongLong Failed!").arg(R.PersistentID));
                id = N.PersistentID.toULongLong(&ok, 16);
                if (!ok || id == 0)
                {
                    m.WriteManageLog(QStringLiteral("Second %1 toULongLong Failed!").arg(N.PersistentID));
                    id = 0;
                }
            }
            g = static_cast<int64_t>(id);
            e->SetRepeatID(g);
            e->SetAnalysed(true);
        }
        *groupId = g;

        bool keepNew = false;
        bool decided = true;
        switch (e->GetType())
        {
        case RunModeDuplicateFiles: {
            CiTunesLib* z = m.GetZLibrary();
            const bool newFound = z && z->FindInZDatabase(N.Location.toUtf8().constData()) == 0;
            const bool oldFound = z && z->FindInZDatabase(R.Location.toUtf8().constData()) == 0;
            if (newFound != oldFound)
                keepNew = newFound;
            else
                keepNew = qualityKeepsNew(N, R);
            break;
        }
        case RunModeDuplicateITunes:
            keepNew = qualityKeepsNew(N, R);
            break;
        default:
            decided = false;
        }
        if (decided && keepNew)
        {
            e->SetState(e->GetState() | MF_Duplicate);
            e->SetAnalysed(true);
            *removeNew = 0;
        }
        else
        {
            *removeNew = 1;
        }
        return 1;
    }

private:
    int CompareFiles(const MusicInfo& R) const
    {
        const QString folder = m.GetDataFolder();
        const QByteArray a = N.Location.toUtf8(), b = R.Location.toUtf8();
        const QByteArray ca = FingerprintCachePath(folder, N.PersistentID).toUtf8();
        const QByteArray cb = FingerprintCachePath(folder, R.PersistentID).toUtf8();
        return CompareFingerprintFiles(a.constData(), ca.constData(), b.constData(), cb.constData(),
                                       static_cast<uint32_t>(options));
    }

public:
    // The same answers as CompareFingerprintFiles, from the fingerprints made ahead. Safe to call
    // from several threads at once.
    int CompareInMemory(const CMusicObj* e, const DeepScan& deep) const
    {
        const CFingerprintStore::Entry* first = deep.EntryOf(newObj);
        if (!first)
            return CompareFiles(e->CurrentInfo());
        if (first->failure != CFingerprintStore::FpOk)
            return CFingerprintStore::CodeFor(first->failure, true);
        const CFingerprintStore::Entry* second = deep.EntryOf(e);
        if (!second)
            return CompareFiles(e->CurrentInfo());
        if (second->failure != CFingerprintStore::FpOk)
            return CFingerprintStore::CodeFor(second->failure, false);
        const size_t n = std::min(first->items.size(), second->items.size());
        if (n < static_cast<size_t>(kMinCompareItems))
            return first->items.size() <= second->items.size() ? -20 : -21;
        const int result = CompareRawFingerprints(first->items.data(), second->items.data(), static_cast<int>(n),
                                                  static_cast<uint32_t>(options));
        return result < 0 ? -22 : result;
    }

    CMusicManage& m;
    const MusicInfo& N;
    const int options;
    const CMusicObj* newObj;
};

// The duplicate test of one new track. With an index (and, for a deep scan, the fingerprints made
// ahead) it visits only the earlier tracks that can match, in list order; without, every track
// 0..last, as the test is defined. Both give the same answer and the same side effects.
int duplicateCalculate(CMusicManage& m, const MusicInfo* info, const CMusicObj* newObj, int last, int options,
                       int64_t* groupId, unsigned char* removeNew, const CDuplicateIndex* index, const DeepScan* deep)
{
    if (!info || !groupId || !removeNew || last < 0 || last >= m.MainListSize())
        return 0;
    DuplicateTest test(m, *info, options, newObj);
    CMusicObj* matched = nullptr;
    bool cannotCompare = false;
    auto visitKnown = [&](CMusicObj* e, const int* known) {
        if (m.IsExiting())
        {
            matched = nullptr;
            return true;
        }
        if (!isComparable(e))
            return false;
        const int rc = test.Compare(e, deep, known);
        if (rc < 0)
            cannotCompare = true;
        else if (rc > 0)
            matched = e;
        return rc != 0;
    };
    auto visit = [&](CMusicObj* e) { return visitKnown(e, nullptr); };

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
            CMusicObj* e = index->At(j);
            if (isComparable(e) && isRegularFile(e->CurrentInfo().Location))
                candidates.push_back(e);
        }
        std::vector<int> known;
        for (size_t from = 0; from < candidates.size(); from += kCompareChunk)
        {
            const size_t to = std::min(candidates.size(), from + kCompareChunk);
            known.assign(to - from, 0);
            parallelFor(to - from, [&](size_t k) { known[k] = test.CompareInMemory(candidates[from + k], *deep); });
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
            if (visit(m.MusicAt(j)))
                break;
        }
    }
    if (cannotCompare)
        return -1;
    if (!matched || m.IsExiting())
        return 0;
    return test.Settle(matched, groupId, removeNew);
}

// The problem bits of a track of a normal run that has its file, from the options.
int problemBits(const CMusicObj& obj, int options)
{
    const MusicInfo& info = obj.CurrentInfo();
    int f = 0;
    if ((options & MF_Name) && info.Name.isEmpty())
        f |= MF_Name;
    if ((options & MF_Artist) && info.Artist.isEmpty())
        f |= MF_Artist;
    if ((options & MF_Album) && info.Album.isEmpty())
        f |= MF_Album;
    if ((options & MF_Artwork) && !obj.GetHasArtwork())
        f |= MF_Artwork;
    return f;
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
    const int n = manager.MainListSize();
    for (int i = 0; i < n; ++i)
    {
        CMusicObj* obj = manager.MusicAt(i);
        if (!obj)
            continue;
        int f = obj->GetAbsence();
        const MusicInfo& info = obj->CurrentInfo();
        if (isDuplicateRun(obj->GetType()) && !(f & MF_Analysed) && isRegularFile(info.Location))
        {
            int64_t g = 0;
            unsigned char removeNew = 0;
            const int rc = manager.DuplicateCalculate(&info, i - 1, options, &g, &removeNew);
            f = MarkDuplicateResult(*obj, f, rc, g, removeNew != 0);
        }
        obj->SetAbsence(f | MF_Analysed);
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

int CMusicManage::AnalyzeMusicInfo()
{
    WriteManageLog(QStringLiteral("Start AnalyzeMusicInfo"));
    auto finish = [this](int result) {
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
    int n = 0;
    {
        QMutexLocker lock(&m_listMutex);
        n = static_cast<int>(m_mainList.size());
        m_trackCount = std::max(n, m_projectTotal);
    }

    // A deep scan makes the fingerprints of the list ahead, on every core; the quick scan looks
    // its candidates up by tag key. Either way each track is compared with the earlier tracks
    // that can match it, in list order, as the full scan would.
    CDuplicateIndex index(options);
    DeepScan deep;
    if (options & MF_DeepScan)
    {
        std::vector<CFingerprintStore::Source> sources;
        bool anyDuplicateRun = false;
        for (int k = 0; k < n; ++k)
        {
            const CMusicObj* obj = MusicAt(k);
            CFingerprintStore::Source source;
            if (obj)
            {
                anyDuplicateRun = anyDuplicateRun || isDuplicateRun(obj->GetType());
                const MusicInfo& info = obj->CurrentInfo();
                if (isRegularFile(info.Location))
                {
                    source.audioPath = info.Location;
                    source.cachePath = FingerprintCachePath(m_dataFolder, info.PersistentID);
                }
                deep.position.insert(obj, static_cast<int>(sources.size()));
            }
            sources.push_back(source);
        }
        if (anyDuplicateRun)
        {
            deep.store = std::make_unique<CFingerprintStore>(std::move(sources),
                                                             [this](const QString& text) { WriteManageLog(text); });
            const int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
            if (!deep.store->Start(threads))
            {
                WriteManageLog(QStringLiteral("malloc(m_iBuf) Failed!"));
                return finish(-2);
            }
        }
    }

    // Tracks without problems leave the main list as they are found; they are taken out in one
    // pass at the end, so the list is not shifted once per clean track. `i` and `count` are the
    // position and the size the list has as the tracks leave it, for the progress records.
    std::vector<int> clean;
    bool stopped = false;
    int i = 0;
    int count = n;
    for (int p = 0; p < n; ++p)
    {
        if (m_exit || WaitWhileAnalysisPaused())
        {
            stopped = true;
            break;
        }
        CMusicObj* obj = MusicAt(p);
        if (!obj)
        {
            index.Add(nullptr);
            ++i;
            continue;
        }
        const MusicInfo& info = obj->CurrentInfo();
        int f = obj->GetAbsence();
        if (isDuplicateRun(obj->GetType()))
        {
            if (!(f & MF_Analysed) && isRegularFile(info.Location))
            {
                int64_t g = 0;
                unsigned char removeNew = 0;
                const int rc = duplicateCalculate(*this, &info, obj, i - 1, options, &g, &removeNew, &index,
                                                  deep.store ? &deep : nullptr);
                f = MarkDuplicateResult(*obj, f, rc, g, removeNew != 0);
            }
        }
        else
        {
            const bool missing = info.Purchased != QLatin1String("1") && !isRegularFile(info.Location);
            if (missing)
            {
                f = (options & MF_FileMissing) ? static_cast<int>(MF_FileMissing) : 0;
            }
            else if (f != 0 && !(f & MF_FileMissing))
            {
                index.Add(obj); // handled by an earlier analysis
                ++i;
                continue;
            }
            else
            {
                f = problemBits(*obj, options);
                if (f == 0)
                {
                    clean.push_back(p);
                    --count;
                    continue;
                }
                if (!m_skipYearGenre)
                {
                    if (info.Year.isEmpty())
                        f |= MF_Year;
                    if (info.Genre.isEmpty())
                        f |= MF_Genre;
                }
            }
        }
        if (m_exit)
        {
            stopped = true;
            break;
        }

        MusicProgressInfo record;
        record.Kind = RunStateAnalysis;
        record.MusicObj = obj;
        record.Progress = ImportProgress(i, count);
        const QByteArray location = info.Location.toUtf8();
        record.Location = location.constData();
        if (m_analysisCallback)
            m_analysisCallback(&record, m_callbackContext);

        obj->SetAbsence(f | MF_Analysed);
        obj->SetAnalysed(true);
        index.Add(obj);
        ++i;
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
