#include "FingerprintStore.h"

#include "Fingerprint.h"
#include "NativePath.h"
#include "WorkerPool.h"
#include "kestrine.h"

#include <chromaprint.h>

#include <algorithm>
#include <new>

int CFingerprintStore::CodeFor(int failure, bool firstTrack)
{
    switch (failure)
    {
    case FpNoContext:
        return firstTrack ? FpcFirstNoContext : FpcSecondNoContext;
    case FpDecodeFailed:
        return firstTrack ? FpcFirstDecodeFailed : FpcSecondDecodeFailed;
    case FpFinishFailed:
        return firstTrack ? FpcFirstFinishFailed : FpcSecondFinishFailed;
    case FpNoMemory:
        return firstTrack ? FpcFirstNoMemory : FpcSecondNoMemory;
    case FpNoRaw:
        return firstTrack ? FpcFirstNoRaw : FpcSecondNoRaw;
    case FpCannotOpen:
        return firstTrack ? FpcFirstCacheUnopenable : FpcSecondCacheUnopenable;
    case FpReadNoMemory:
        return firstTrack ? FpcFirstCacheNoMemory : FpcSecondCacheNoMemory;
    default:
        return FpcCompareFailed;
    }
}

CFingerprintStore::CFingerprintStore(std::vector<Source> sources, std::function<void(const QString&)> log)
    : m_sources(std::move(sources)), m_log(std::move(log))
{
}

CFingerprintStore::~CFingerprintStore() = default;

bool CFingerprintStore::Start(int threads)
{
    threads = std::max(1, threads);
    for (int i = 0; i < threads; ++i)
    {
        std::unique_ptr<int16_t[]> buffer(new (std::nothrow) int16_t[kDecodeBufferBytes / 2]);
        if (!buffer)
        {
            m_buffers.clear();
            return false;
        }
        m_buffers.push_back(std::move(buffer));
    }
    m_prefetch = std::make_unique<tidewell::OrderedPrefetch<Entry>>(
        m_sources.size(), kLookahead,
        [this](size_t position, unsigned worker)
        { return Make(m_sources[position], m_buffers[worker].get()); });
    m_prefetch->start(static_cast<unsigned>(threads), [] { tidewell::nameThisThread("tidewell-print"); });
    return true;
}

const CFingerprintStore::Entry& CFingerprintStore::Wait(int position)
{
    static const Entry kNotMade;
    return m_prefetch ? m_prefetch->wait(static_cast<size_t>(position)) : kNotMade;
}

CFingerprintStore::Entry CFingerprintStore::Make(const Source& source, int16_t* buffer) const
{
    Entry entry;
    if (source.audioPath.isEmpty())
        return entry;
    try
    {
        const int cached = ReadFingerprintCache(source.cachePath, source.audioPath, entry.items);
        if (cached == 0)
        {
            entry.failure = FpOk;
            return entry;
        }
        if (cached < 0)
        {
            entry.failure = FpCannotOpen;
            return entry;
        }
    }
    catch (const std::bad_alloc&)
    {
        entry.failure = FpReadNoMemory;
        return entry;
    }

    struct Context
    {
        ChromaprintContext* ctx = chromaprint_new(CHROMAPRINT_ALGORITHM_DEFAULT);
        ~Context()
        {
            if (ctx)
                chromaprint_free(ctx);
        }
    } context;
    if (!context.ctx)
    {
        entry.failure = FpNoContext;
        return entry;
    }
    const QByteArray path = PathToNative(source.audioPath);
    if (!chromaprint_start(context.ctx, kFingerprintSampleRate, kFingerprintChannels))
    {
        entry.failure = FpDecodeFailed;
        return entry;
    }
    const int64_t bytes =
        KestrineDecodePcm(path.constData(), kFingerprintMilliseconds, buffer, kDecodeBufferBytes);
    if (bytes <= 0)
    {
        entry.failure = FpDecodeFailed;
        return entry;
    }
    chromaprint_feed(context.ctx, buffer, static_cast<int>(bytes / 2));
    if (!chromaprint_finish(context.ctx))
    {
        entry.failure = FpFinishFailed;
        return entry;
    }
    uint32_t* raw = nullptr;
    int size = 0;
    if (!chromaprint_get_raw_fingerprint(context.ctx, &raw, &size) || !raw || size <= 0)
    {
        chromaprint_dealloc(raw);
        entry.failure = FpNoRaw;
        return entry;
    }
    try
    {
        entry.items.assign(raw, raw + size);
    }
    catch (const std::bad_alloc&)
    {
        chromaprint_dealloc(raw);
        entry.failure = FpNoMemory;
        return entry;
    }
    chromaprint_dealloc(raw);
    if (!WriteFingerprintCache(source.cachePath, source.audioPath, entry.items) && m_log)
        m_log(QStringLiteral("Create %1 bin Failed! %2").arg(source.audioPath, source.cachePath));
    if (entry.items.size() > static_cast<size_t>(kMaxCachedItems))
        entry.items.resize(kMaxCachedItems);
    entry.failure = FpOk;
    return entry;
}
