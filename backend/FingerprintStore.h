#pragma once

#include "OrderedPrefetch.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// The fingerprints of one deep duplicate scan, made ahead of the analysis on every core and kept
// in memory, so each file is decoded at most once per scan (and not at all when its cache file is
// current) and no comparison reads a cache file again.
//
// Each fingerprint is exactly what the comparison of two files would use: the cache file's items
// when it is current for the audio file, else a fresh Chromaprint fingerprint of the first
// 20 seconds, which is then written to the cache file. Fresh fingerprints are held to the
// kMaxCachedItems a cache read gives (20 seconds make about 150 items, so this never cuts one).
//
// Threading: the owner (the analysis thread) builds the store, calls Start, then Wait for
// positions in ascending order. Workers (an OrderedPrefetch) run at most kLookahead positions
// ahead of the last one waited for, so a paused analysis soon leaves them idle. The destructor
// stops and joins them.
class CFingerprintStore
{
public:
    // Why a fingerprint could not be had; CodeFor turns it into the comparison's result code.
    enum Failure : int
    {
        FpOk = 0,
        FpNoContext,
        FpDecodeFailed,
        FpFinishFailed,
        FpNoMemory,
        FpNoRaw,
        FpCannotOpen,
        FpReadNoMemory,
        FpNotWanted, // no regular file at the location: never compared
    };
    struct Entry
    {
        int failure = FpNotWanted;
        std::vector<uint32_t> items;
    };
    struct Source
    {
        QString audioPath; // empty: nothing to fingerprint at this position
        QString cachePath;
    };

    static constexpr int kLookahead = 64;

    // The code CompareFingerprintFiles gives for the failure of its first or second track.
    static int CodeFor(int failure, bool firstTrack);

    CFingerprintStore(std::vector<Source> sources, std::function<void(const QString&)> log);
    ~CFingerprintStore();
    CFingerprintStore(const CFingerprintStore&) = delete;
    CFingerprintStore& operator=(const CFingerprintStore&) = delete;

    // Allocates one decode buffer per worker and starts them. False when a buffer cannot be
    // allocated (nothing started). Should no thread start, Wait makes each fingerprint itself.
    bool Start(int threads);
    // The fingerprint at a position, once made. Blocks until it is. Before Start: an entry that
    // is never compared.
    const Entry& Wait(int position);

private:
    Entry Make(const Source& source, int16_t* buffer) const;

    std::vector<Source> m_sources;
    std::function<void(const QString&)> m_log;
    std::vector<std::unique_ptr<int16_t[]>> m_buffers; // one per worker, outlive m_prefetch
    std::unique_ptr<tidewell::OrderedPrefetch<Entry>> m_prefetch;
};
