#pragma once

// Chromaprint fingerprints of the first 20 seconds of a song, one cache file per track, and the
// comparison that decides whether two songs are the same recording. Plain functions with int
// codes. The decode buffer is process-wide (the analysis thread decodes one file at a time; a
// mutex keeps any other caller out meanwhile); everything else belongs to the call.

#include <QString>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct ChromaprintContextPrivate;

constexpr int kFingerprintSampleRate = 44100;
constexpr int kFingerprintChannels = 2;
constexpr int kFingerprintMilliseconds = 20000;
constexpr int64_t kDecodeBufferBytes = 3'528'000; // 20 s x 44 100 frames/s x 2 channels x 2 bytes
constexpr int kMaxCachedItems = 200;              // items read back from a cache file
constexpr int kMinCompareItems = 100;

// One file's fingerprint in a comparison. Owns its Chromaprint context.
struct FingerprintJob
{
    FingerprintJob();
    ~FingerprintJob();
    FingerprintJob(const FingerprintJob&) = delete;
    FingerprintJob& operator=(const FingerprintJob&) = delete;

    ChromaprintContextPrivate* context = nullptr;
    int sampleRate = 0;
    int channels = 0;
    int reserved = 0; // the cache file's second header value; always 0
    std::vector<uint32_t> items;
};

// Where the back end's messages go (the music manager's log). Unset: nowhere. Thread-safe.
void SetFingerprintLog(std::function<void(const QString&)> log);

// Creates the decode buffer when absent. False (logged "malloc(m_iBuf) Failed!") when it cannot.
bool AllocDecodeBuffer();
// Frees the buffer when it exists; true.
bool FreeDecodeBuffer();

// The number of wide characters including the terminator, with the text in `out`; 0 for null.
int Utf8ToWide(const char* text, std::wstring& out);

// The cache file of a track: <data folder>/<persistent id>fingerprint.bin.
QString FingerprintCachePath(const QString& dataFolder, const QString& persistentId);

// Feeds the PCM of the file's first 20 seconds to the job's Chromaprint context. 0 done; -1 null
// path or job, or no decode buffer; -2 Chromaprint refused to start; -3 the decode gave no audio.
int DecodeToFingerprint(const char* path, FingerprintJob* job);

// The failure codes of CompareFingerprintFiles (and of the analysis's comparison from
// fingerprints made ahead, which gives the same answers). "First"/"Second": which track failed.
enum FingerprintCompareCode : int
{
    FpcNullArgument = -1,
    FpcFirstNoContext = -3,
    FpcSecondNoContext = -4,
    FpcFirstDecodeFailed = -7,
    FpcFirstFinishFailed = -8,
    FpcFirstNoMemory = -9,
    FpcFirstNoRaw = -10,
    FpcSecondDecodeFailed = -11,
    FpcSecondFinishFailed = -12,
    FpcSecondNoMemory = -13,
    FpcSecondNoRaw = -14,
    FpcFirstCacheUnopenable = -15,
    FpcSecondCacheUnopenable = -16,
    FpcFirstCacheNoMemory = -17,
    FpcSecondCacheNoMemory = -18,
    FpcFirstTooShort = -20,  // fewer than kMinCompareItems in common, the first the shorter (or equal)
    FpcSecondTooShort = -21, // the same, the second the shorter
    FpcCompareFailed = -22,
    FpcNoMemory = -255, // no memory for a cache path
};

// Compares two tracks by their fingerprints, making (and caching) each one the first time.
// 1 duplicate, 0 not; negative codes (FingerprintCompareCode):
//   -1 null argument; -255 no memory for a cache path; -3/-4 Chromaprint context not created
//   (first/second track); -7/-11 decoding failed; -8/-12 Chromaprint failed to finish; -10/-14 no
//   raw fingerprint; -9/-13 no memory for the fingerprint copy; -15/-16 an existing cache file
//   cannot be opened; -17/-18 no memory for reading it; -20/-21 fewer than 100 items in common,
//   the first (or both equal) / the second being the shorter; -22 any other comparison failure.
// A cache file records the audio file's size and modification time and is only used while they
// match; a missing, damaged or stale one is made anew (written whole, then renamed into place).
// Sensitivity: the first of MF_MatchHigh, MF_MatchMedium, MF_MatchLow set in `flags` gives the
// level 1, 2 or 3 (none: 2).
int CompareFingerprintFiles(const char* firstAudio, const char* firstCache, const char* secondAudio,
                            const char* secondCache, uint32_t flags);

// 1 similar, 0 not; -1 a null array, -2 n below 100.
int CompareRawFingerprints(const uint32_t* first, const uint32_t* second, int n, uint32_t flags);

// Cache files, exposed for tests and tools. Reading gives 0 with up to kMaxCachedItems items,
// 1 when the file is missing, damaged or stale for the audio file, -1 when it cannot be opened.
int ReadFingerprintCache(const QString& cachePath, const QString& audioPath, std::vector<uint32_t>& items);
bool WriteFingerprintCache(const QString& cachePath, const QString& audioPath,
                           const std::vector<uint32_t>& items);
