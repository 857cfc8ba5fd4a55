#pragma once

/*
 * Sonalike: the duplicate-detection engine.
 *
 * A plain C interface over one engine object per process. The caller adds files and folders,
 * starts one run on the engine's worker thread, follows it through the progress callback and
 * then reads the duplicate groups, each ordered with the copy to keep first.
 *
 * Threads: every export may be called from any thread. A run holds the engine's lists for its
 * whole length: adds made meanwhile answer -1 at once; GetGroupRef, GetGroupIdCounts,
 * GetLoadCounts and DedupeDealloc wait until the run has published its groups.
 *
 * The callback runs on the worker thread. Its start and per-track calls are made while the run
 * holds the lists; from there the readers answer the state of the run and DedupeDealloc answers
 * -1. The end call comes after the groups are published and readable.
 *
 * Ownership: every DedupeTrackInfo handed out, and every text it points at, belongs to the engine
 * and stays valid until DedupeDealloc or the next StartDedupeThread. Texts are UTF-8.
 *
 * Results: 0 for success, small negative numbers for failures; no exception leaves the library.
 */

#include <stdint.h>

#if defined(SONALIKE_BUILDING)
#define SONALIKE_API __attribute__((visibility("default")))
#else
#define SONALIKE_API
#endif

#ifdef __cplusplus
extern "C"
{
#endif

    /* One member of a published group. */
    typedef struct DedupeTrackInfo
    {
        const char* title;
        const char* artist;
        const char* album;
        const char* genre;
        uint32_t fileSize; /* bytes */
        int32_t duration;  /* milliseconds */
        const char* path;  /* '/' separators */
        uint32_t opaque;   /* carried unchanged from AddToDedupeListsByInfo, else 0 */
        float similarity;  /* 1.0 for the copy to keep */
        int32_t bitRate;   /* kilobits per second */
        int32_t userValue; /* the second argument of AddToDedupeLists; 0 for files found in a folder */
    } DedupeTrackInfo;

    /*
     * Progress: start call (n = number of tracks, index -1, ""), one call per track in path order
     * (the track's user value, index 1..n, its path), end call (0, index n + 1, ""). The result is
     * ignored.
     */
    typedef int (*DedupeProgressCallback)(int* value, int index, const char* path, void* user);

    /* Option bits of StartDedupeThread; other bits are ignored. */
    typedef uint32_t DedupeOptions;
#define DEDUPE_OPTION_FINGERPRINT 0x20000u /* audio fingerprints; the tag bits are then ignored */
#define DEDUPE_OPTION_TITLE 0x1000000u
#define DEDUPE_OPTION_ARTIST 0x400u
#define DEDUPE_OPTION_ALBUM 0x800u
#define DEDUPE_OPTION_FILE_SIZE 0x10000000u
#define DEDUPE_OPTION_DURATION 0x20000000u

    /* 0 added; -1 a run holds the lists, null path or longer than 2048 bytes; -2 added before;
     * -3 neither a folder nor an existing file. A folder adds the audio files directly inside it. */
    SONALIKE_API int AddToDedupeLists(const char* path, int userValue);
    /* 0 added; -1 a run holds the lists, null record or path; -2 a track with that path was added before. */
    SONALIKE_API int AddToDedupeListsByInfo(const DedupeTrackInfo* info);
    /* 0 started (with a null callback: started and finished); -1 a run is still going or the thread
     * could not be created. Each start begins with no buckets and no groups. similarityPercent outside
     * 1..100 means 80. */
    SONALIKE_API int StartDedupeThread(DedupeProgressCallback callback, void* user, unsigned options,
                                       int fingerprintSeconds, int similarityPercent);
    /* 0; -1 no engine. A pause takes effect after the current track. */
    SONALIKE_API int PauseDedupeThread(void);
    SONALIKE_API int ContinueDedupeThread(void);
    /* Stops a run after its current track, frees tracks and groups and joins the worker.
     * 0; -1 no engine, or called from a progress call made during the run. */
    SONALIKE_API int DedupeDealloc(void);
    /* Number of added tracks, loaded or not; -1 no engine. */
    SONALIKE_API int GetLoadCounts(void);
    /* Number of published groups; -1 no engine. */
    SONALIKE_API int GetGroupIdCounts(void);
    /* 0 and *outCount = members of the group, *outItem = that member when 0 <= item < count;
     * -1 group not below the group count, null outCount, or no engine. */
    SONALIKE_API int GetGroupRef(unsigned group, DedupeTrackInfo** outItem, int* outCount, int item);

#ifdef __cplusplus
}
#endif
