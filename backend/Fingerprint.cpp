#include "Fingerprint.h"

#include "MusicFlags.h"
#include "NativePath.h"
#include "kestrine.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <chromaprint.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <exception>
#include <memory>
#include <mutex>
#include <new>
#include <sys/stat.h>

namespace
{

std::mutex g_logMutex;
std::function<void(const QString&)> g_log;

void log(const QString& text)
{
    std::lock_guard lock(g_logMutex);
    if (g_log)
        g_log(text);
}

// The one decode buffer of the process and the lock that gives it to one decode at a time.
std::mutex g_bufferMutex;
std::unique_ptr<int16_t[]> g_decodeBuffer;

// Cache file layout, little-endian, fields back to back:
//   0  int32  sample rate of the decode (44100)
//   4  int32  reserved, 0
//   8  char4  "TWFP"
//  12  uint32 item count N
//  16  int64  size of the audio file in bytes
//  24  int64  modification time of the audio file, ms since the epoch
//  32  N x uint32 raw fingerprint items, in Chromaprint's order
constexpr qsizetype kHeaderBytes = 32;
constexpr char kMarker[4] = {'T', 'W', 'F', 'P'};
constexpr uint32_t kMaxStoredItems = 1u << 20; // far beyond any 20-second fingerprint

struct AudioStamp
{
    int64_t size = -1;
    int64_t modified = 0;
};

AudioStamp stampOf(const QString& audioPath)
{
    struct stat info
    {
    };
    if (::stat(PathToNative(audioPath).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return {};
    return {int64_t(info.st_size), int64_t(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1000000};
}

template <typename T> T readLE(const char* p)
{
    return qFromLittleEndian<T>(p);
}

template <typename T> void appendLE(QByteArray& out, T value)
{
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

// Sensitivity level 1..3 from the first of the match bits that is set.
int levelOf(uint32_t flags)
{
    if (flags & MF_MatchHigh)
        return 1;
    if (flags & MF_MatchMedium)
        return 2;
    if (flags & MF_MatchLow)
        return 3;
    return 2;
}

struct Alignment
{
    int first = 0;  // shift applied to the first array
    int second = 0; // shift applied to the second array
    bool operator==(const Alignment&) const = default;
};

// Set bits over 50 items of a against b shifted by s, starting at item 50*block; false when an
// item differs in more than `limit` bits or the shifted run passes n - 10.
bool blockBits(const uint32_t* a, const uint32_t* b, int n, int block, int s, int limit, int& sum)
{
    sum = 0;
    for (int j = 0; j < 50; ++j)
    {
        const int i = 50 * block + j;
        if (i + s >= n - 10)
            return false;
        const int bits = std::popcount(a[i] ^ b[i + s]);
        if (bits > limit)
            return false;
        sum += bits;
    }
    return true;
}

// One track's part of CompareFingerprintFiles; codes are picked from `codes` by track.
struct TrackCodes
{
    int noContext, decodeFailed, finishFailed, noMemory, noRaw, cannotOpen, readNoMemory;
};
constexpr TrackCodes kFirstCodes{FpcFirstNoContext,    FpcFirstDecodeFailed, FpcFirstFinishFailed,
                                 FpcFirstNoMemory,     FpcFirstNoRaw,        FpcFirstCacheUnopenable,
                                 FpcFirstCacheNoMemory};
constexpr TrackCodes kSecondCodes{FpcSecondNoContext,    FpcSecondDecodeFailed, FpcSecondFinishFailed,
                                  FpcSecondNoMemory,     FpcSecondNoRaw,        FpcSecondCacheUnopenable,
                                  FpcSecondCacheNoMemory};

int fingerprintOf(const char* audio, const char* cache, const TrackCodes& codes, std::vector<uint32_t>& items)
{
    const QString audioPath = PathFromNative(audio);
    const QString cachePath = QString::fromUtf8(cache);
    try
    {
        const int cached = ReadFingerprintCache(cachePath, audioPath, items);
        if (cached == 0)
            return 0;
        if (cached < 0)
            return codes.cannotOpen;
    }
    catch (const std::bad_alloc&)
    {
        return codes.readNoMemory;
    }

    FingerprintJob job;
    job.context = chromaprint_new(CHROMAPRINT_ALGORITHM_DEFAULT);
    if (!job.context)
        return codes.noContext;
    if (DecodeToFingerprint(audio, &job) != 0)
        return codes.decodeFailed;
    if (!chromaprint_finish(job.context))
        return codes.finishFailed;
    uint32_t* raw = nullptr;
    int size = 0;
    if (!chromaprint_get_raw_fingerprint(job.context, &raw, &size) || !raw || size <= 0)
    {
        chromaprint_dealloc(raw);
        return codes.noRaw;
    }
    try
    {
        items.assign(raw, raw + size);
    }
    catch (const std::bad_alloc&)
    {
        chromaprint_dealloc(raw);
        return codes.noMemory;
    }
    chromaprint_dealloc(raw);

    if (!WriteFingerprintCache(cachePath, audioPath, items))
        log(QString("Create %1 bin Failed! %2").arg(audioPath, cachePath));
    return 0;
}

} // namespace

FingerprintJob::FingerprintJob() = default;

FingerprintJob::~FingerprintJob()
{
    if (context)
        chromaprint_free(context);
}

void SetFingerprintLog(std::function<void(const QString&)> logFunction)
{
    std::lock_guard lock(g_logMutex);
    g_log = std::move(logFunction);
}

bool AllocDecodeBuffer()
{
    std::lock_guard lock(g_bufferMutex);
    if (g_decodeBuffer)
        return true;
    g_decodeBuffer.reset(new (std::nothrow) int16_t[kDecodeBufferBytes / 2]);
    if (!g_decodeBuffer)
    {
        log("malloc(m_iBuf) Failed!");
        return false;
    }
    return true;
}

bool FreeDecodeBuffer()
{
    std::lock_guard lock(g_bufferMutex);
    g_decodeBuffer.reset();
    return true;
}

int Utf8ToWide(const char* text, std::wstring& out)
{
    if (!text)
        return 0;
    out = QString::fromUtf8(text).toStdWString();
    return static_cast<int>(out.size()) + 1;
}

QString FingerprintCachePath(const QString& dataFolder, const QString& persistentId)
{
    return dataFolder + "/" + persistentId + "fingerprint.bin";
}

int DecodeToFingerprint(const char* path, FingerprintJob* job)
{
    if (!path || !job)
        return -1;
    std::lock_guard lock(g_bufferMutex);
    if (!g_decodeBuffer)
        return -1;
    job->sampleRate = kFingerprintSampleRate;
    job->channels = kFingerprintChannels;
    const QString name = QString::fromUtf8(path);
    if (!job->context || !chromaprint_start(job->context, job->sampleRate, job->channels))
    {
        log(QString("chromaprint_start Failed! %1").arg(name));
        return -2;
    }
    log(QString("Start DecoderMusic:%1").arg(name));
    const int64_t bytes =
        KestrineDecodePcm(path, kFingerprintMilliseconds, g_decodeBuffer.get(), kDecodeBufferBytes);
    log(QString("End DecoderMusic:%1 %2").arg(bytes).arg(name));
    if (bytes <= 0)
    {
        log(QString("VedrDecodeAudioFile Failed! %1 %2").arg(bytes).arg(name));
        return -3;
    }
    chromaprint_feed(job->context, g_decodeBuffer.get(), static_cast<int>(bytes / 2));
    return 0;
}

int ReadFingerprintCache(const QString& cachePath, const QString& audioPath, std::vector<uint32_t>& items)
{
    QFile file(cachePath);
    if (!file.exists())
        return 1;
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const qint64 total = file.size();
    if (total < kHeaderBytes)
        return 1;
    const QByteArray header = file.read(kHeaderBytes);
    if (header.size() != kHeaderBytes)
        return 1;
    const char* h = header.constData();
    const auto rate = readLE<int32_t>(h);
    const auto count = readLE<uint32_t>(h + 12);
    const auto size = readLE<int64_t>(h + 16);
    const auto modified = readLE<int64_t>(h + 24);
    if (rate != kFingerprintSampleRate || std::memcmp(h + 8, kMarker, 4) != 0 || count > kMaxStoredItems ||
        total != kHeaderBytes + 4 * static_cast<qint64>(count))
        return 1;
    const AudioStamp stamp = stampOf(audioPath);
    if (stamp.size < 0 || stamp.size != size || stamp.modified != modified)
        return 1; // made for another file, or for this one before it changed

    const int keep = static_cast<int>(std::min<uint32_t>(count, kMaxCachedItems));
    const QByteArray body = file.read(4 * static_cast<qint64>(keep));
    if (body.size() != 4 * keep)
        return 1;
    items.resize(static_cast<size_t>(keep));
    for (int i = 0; i < keep; ++i)
        items[static_cast<size_t>(i)] = readLE<uint32_t>(body.constData() + 4 * i);
    return 0;
}

bool WriteFingerprintCache(const QString& cachePath, const QString& audioPath,
                           const std::vector<uint32_t>& items)
{
    const AudioStamp stamp = stampOf(audioPath);
    if (stamp.size < 0 || items.size() > kMaxStoredItems)
        return false;
    QByteArray out;
    out.reserve(kHeaderBytes + 4 * static_cast<qsizetype>(items.size()));
    appendLE<int32_t>(out, kFingerprintSampleRate);
    appendLE<int32_t>(out, 0);
    out.append(kMarker, 4);
    appendLE<uint32_t>(out, static_cast<uint32_t>(items.size()));
    appendLE<int64_t>(out, stamp.size);
    appendLE<int64_t>(out, stamp.modified);
    for (uint32_t item : items)
        appendLE<uint32_t>(out, item);
    // Written whole to a temporary file and renamed into place: a reader never sees half a file.
    QDir().mkpath(QFileInfo(cachePath).absolutePath());
    QSaveFile file(cachePath);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size() && file.commit();
}

int CompareRawFingerprints(const uint32_t* first, const uint32_t* second, int n, uint32_t flags)
{
    if (!first || !second)
        return -1;
    if (n < kMinCompareItems)
        return -2;
    const int level = levelOf(flags);
    const int limit = 6 * level;
    // Scores and rates are compared as exact fractions: score = sum / 1600 <= 0.08 * level.
    const int64_t thresholdPercent = 8 * level;

    // Block stage: the best alignment of each 50-item block, for at most five blocks.
    constexpr int kMaxBlocks = 5;
    const int blocks = std::min(n / 50, kMaxBlocks);
    Alignment found[kMaxBlocks];
    bool has[kMaxBlocks] = {};
    for (int b = 0; b < blocks; ++b)
    {
        int best = 1600; // a score of 1.0, in 1/1600ths
        Alignment bestAlignment;
        for (int s = 0; s < 50; ++s)
        {
            int forward = 0;
            const bool forwardValid = blockBits(first, second, n, b, s, limit, forward);
            if (forwardValid && forward < best)
            {
                best = forward;
                bestAlignment = {0, s};
            }
            if (s == 0)
                continue; // the backward score at shift 0 is the forward one
            int backward = 0;
            if (blockBits(second, first, n, b, s, limit, backward) && backward < best)
            {
                best = backward;
                bestAlignment = {s, 0};
            }
        }
        if (static_cast<int64_t>(best) * 100 <= thresholdPercent * 1600)
        {
            found[b] = bestAlignment;
            has[b] = true;
        }
    }

    // The first block whose alignment a later block repeats; else the last block with one.
    int chosen = -1;
    for (int b = 0; b < blocks && chosen < 0; ++b)
        for (int later = b + 1; has[b] && later < blocks; ++later)
            if (has[later] && found[later] == found[b])
            {
                chosen = b;
                break;
            }
    if (chosen < 0)
        for (int b = blocks - 1; b >= 0 && chosen < 0; --b)
            if (has[b])
                chosen = b;
    if (chosen < 0)
        return 0;

    const int p = found[chosen].first;
    const int q = found[chosen].second;
    const int r = std::max(p, q);
    const int length = n - r;
    int64_t total = 0;
    for (int k = 0; k < length; ++k)
    {
        const int bits = std::popcount(first[k + p] ^ second[k + q]);
        if (bits > limit)
            return 0;
        total += bits;
    }
    return total * 100 <= thresholdPercent * 32 * length ? 1 : 0;
}

int CompareFingerprintFiles(const char* firstAudio, const char* firstCache, const char* secondAudio,
                            const char* secondCache, uint32_t flags)
{
    if (!firstAudio || !firstCache || !secondAudio || !secondCache)
        return FpcNullArgument;
    try
    {
        std::vector<uint32_t> first;
        std::vector<uint32_t> second;
        if (const int rc = fingerprintOf(firstAudio, firstCache, kFirstCodes, first); rc != 0)
            return rc;
        if (const int rc = fingerprintOf(secondAudio, secondCache, kSecondCodes, second); rc != 0)
            return rc;
        const int n = static_cast<int>(std::min(first.size(), second.size()));
        if (n < kMinCompareItems)
            return first.size() <= second.size() ? FpcFirstTooShort : FpcSecondTooShort;
        const int result = CompareRawFingerprints(first.data(), second.data(), n, flags);
        return result < 0 ? FpcCompareFailed : result;
    }
    catch (const std::bad_alloc&)
    {
        return FpcNoMemory;
    }
    catch (const std::exception&)
    {
        return FpcCompareFailed;
    }
}
