#pragma once

/*
 * The music manager's C-style interface: 32 functions over one manager handle. Every function
 * but MM_Create takes the handle first, forwards to one operation of the manager and returns an
 * int (MM_GetRepeatID a 64-bit int); a null handle, or one that no longer names the live manager,
 * gets the function's null result (-1 unless its comment says otherwise) and nothing is done.
 *
 * A program outside the tree includes this header and links tidewell_backend. The callback and
 * configuration records are those of MusicManageTypes.h; track objects (CMusicObj) and their
 * records (MusicInfo) are opaque here and stay the manager's: they are valid until the next
 * MM_LoadMusicLibrary or MM_CloseMusicLibrary (clean tracks: until the save pass removes them).
 *
 * Threads: every function runs on the caller's thread. The progress functions of the callback
 * records run on the manager's import or analysis thread. MM_Destroy must not overlap any other
 * call on the same handle. No exception leaves these functions; they have C linkage.
 *
 * Texts are UTF-8, paths use '/'.
 */

#include "MusicManageTypes.h"

#include <stdint.h>

class CMusicObj;
struct MusicInfo;

// Creates the one manager of the process on the first call (log folder of "MM.log", data folder
// for fingerprint caches and pictures, recycle root) and answers its handle; later calls answer the
// same handle and ignore their arguments. Null when the manager cannot be made.
extern "C" MusicManageHandle MM_Create(const char* logFolder, const char* dataFolder,
                                       const char* recycleRoot);
// Stops and joins the manager's threads, closes the library and deletes the manager. 0; -1 for a
// null or stale handle.
extern "C" int MM_Destroy(MusicManageHandle handle);

// Both answer 0 and keep nothing of their record: the manager makes no network request of its
// own and takes its folders from MM_Create.
extern "C" int MM_SetConfig(MusicManageHandle handle, const MusicManageConfig* config);
extern "C" int MM_SetProxy(MusicManageHandle handle, const MusicManageProxy* proxy);
// 0 when a library object exists afterwards; -1 otherwise.
extern "C" int MM_LoadMusicLibrary(MusicManageHandle handle, const char* xmlPath, const char* dbPath,
                                   int runMode);
// Ends the run and frees every track. 0; -1 for a null handle.
extern "C" int MM_CloseMusicLibrary(MusicManageHandle handle);
extern "C" int MM_AddMusicFiles(MusicManageHandle handle, int count, const char* const* paths);

// The number of tracks that may be indexed now (MM_GetMusicObj, MM_ApplyMusicFixes take 0 to
// result - 1). *largestCount (may be null) receives the most tracks the run has held, which also
// counts tracks the analysis found clean and moved out: it is a total for scoring, never an
// index bound. *firstType (may be null) receives the Type of the first track.
extern "C" int MM_GetMusicCount(MusicManageHandle handle, int* largestCount, int* firstType);
// 0 and the track at index with its Absence, State and RepeatID (each out may be null); -1 for an
// index outside the main list.
extern "C" int MM_GetMusicObj(MusicManageHandle handle, int index, CMusicObj** track, int* absence,
                              int* state, int64_t* repeatId);
// which 2: the track's old values; any other value: its current values. -1 for a null track.
extern "C" int MM_GetMusicRecord(MusicManageHandle handle, CMusicObj* track, MusicInfo** info, int which);

// Copies the track's artwork picture path (taken out of the database into a file when the file
// is gone), with its terminator, into buffer. 0 copied; -1 null track, null buffer or no picture;
// -2 the path does not fit in bufferSize bytes. The buffer is left alone unless 0 is answered.
extern "C" int MM_GetArtworkPath(MusicManageHandle handle, CMusicObj* track, char* buffer, int bufferSize);

// kind: ERunStateType; state: EManageRunState. 0.
extern "C" int MM_SetRunState(MusicManageHandle handle, int kind, int state);
// Start the import (callback kind 1) or the analysis (kind 2) on the manager's thread.
extern "C" int MM_LoadMusicList(MusicManageHandle handle, const MusicCallback* callback);
extern "C" int MM_AnalyzeMusicList(MusicManageHandle handle, const MusicCallback* callback, int options);
// -21 for a null handle or track.
extern "C" int MM_StartDownload(MusicManageHandle handle, CMusicObj* track, const char* text, int valueA,
                                const MusicCallback* callback, int valueB);
// -21 for a null handle or track.
extern "C" int MM_GetInfoFixState(MusicManageHandle handle, CMusicObj* track);
extern "C" int MM_GetArtworkFixState(MusicManageHandle handle, CMusicObj* track);

// The user's edit: one UTF-8 text per set bit of mask in the order Name 0x1000000, Artist 0x400,
// Album 0x800, Year 0x4000000, Genre 0x2000000, then a picture path for Artwork 0x8000000. The
// manager's result; -1 for a null track or a zero mask (the manager is not called).
extern "C" int MM_ModifyMusicInfo(MusicManageHandle handle, CMusicObj* track, int mask,
                                  const char* const* texts);
// Number of candidate pictures (0 to 10); 0 for a null handle or track.
extern "C" int MM_GetArtworkCount(MusicManageHandle handle, CMusicObj* track);
// Candidate picture index, copied as MM_GetArtworkPath copies (0, -1 empty or null, -2 too long).
extern "C" int MM_GetArtworkCandidate(MusicManageHandle handle, CMusicObj* track, int index, char* buffer,
                                      int bufferSize);
extern "C" int MM_SelectArtwork(MusicManageHandle handle, CMusicObj* track, int index);
// The picture bytes the library holds for the track (*data null when none); release them with
// MM_FreeArtworkData.
extern "C" int MM_GetArtworkData(MusicManageHandle handle, CMusicObj* track, unsigned char** data, int* size);
extern "C" int MM_FreeArtworkData(MusicManageHandle handle, unsigned char** data);

// Applies one track: flags 0x4000 or 0x10000 remove it to the recycle folder, 0x40000 restores it,
// other flags write its accepted changes. A restore answers RestoreCopyKept (MusicManageTypes.h)
// when the copy stays in the recycle folder. track is a CMusicObj of the manager's lists, or, for a
// duplicate found by the Sonalike engine (g_bScaniTunes clear), a bare MusicInfo the caller owns.
extern "C" int MM_ApplyiTunesMusicInfo(MusicManageHandle handle, void* track, int flags, int replaceMask);
// Removes `count` duplicate copies (tracks as for MM_ApplyiTunesMusicInfo) to the recycle folder as
// that call does one by one, with the same results, several on their way at once so that their
// iTunes changes share the library's saves. 0; 1 when the callback stopped the pass; -1 for a null
// callback. See MusicRemovalCallback.
extern "C" int MM_RemoveToTrash(MusicManageHandle handle, void* const* tracks, int count,
                                const MusicRemovalCallback* callback);
// Writes the accepted fixes of the track at index (0 to MM_GetMusicCount's result - 1): 1 written,
// 0 nothing to write, -1 for an index outside the main list, else the failing write's code
// (WriteLibraryNotSaved, MusicManageTypes.h: the file was written, the library file not).
extern "C" int MM_ApplyMusicFixes(MusicManageHandle handle, int index, int replaceMask);
// The number of loaded tracks MM_ApplyMusicFixes would write something for (fixes not yet
// applied), or -1 for a null handle.
extern "C" int MM_CountPendingFixes(MusicManageHandle handle, int replaceMask);
// A named number kept in the open database beside its tracks: fallback when there is none (or no
// database, or a null handle or key). The setter answers 0, or a negative number on failure.
extern "C" int MM_GetLibraryValue(MusicManageHandle handle, const char* key, int fallback);
extern "C" int MM_SetLibraryValue(MusicManageHandle handle, const char* key, int value);
// The text fields (MF_Name, MF_Artist, MF_Album, MF_Year, MF_Genre) whose new text is a service's
// answer that MM_ApplyMusicFixes keeps back under replaceMask: the song's own text stays. -1 for a
// null handle or track.
extern "C" int MM_HeldBackFields(MusicManageHandle handle, CMusicObj* track, int replaceMask);

// Non-zero: the program is exiting; the manager's loops end and its threads are joined (do not
// call from a manager thread's callback). Always 0 for a live handle.
extern "C" int MM_SetExitState(MusicManageHandle handle, int flag);
// 64-bit repeat group number; -1 for a null handle or track.
extern "C" int64_t MM_GetRepeatID(MusicManageHandle handle, CMusicObj* track);
extern "C" int MM_GetMusicState(MusicManageHandle handle, CMusicObj* track);
extern "C" int MM_SetMusicState(MusicManageHandle handle, CMusicObj* track, int state);
extern "C" int MM_ChangeAllMusicState(MusicManageHandle handle, int bits, int set);
// 0 begins a database transaction; any other value commits it.
extern "C" int MM_SetTransaction(MusicManageHandle handle, int flag);

// Copies the database at source (UTF-8) into target (UTF-8) with SQLite's online backup, through a
// temporary file renamed over target when complete (BackupDatabaseFile's results), once the save
// pass after an analysis has finished. Any thread but the manager's own; it waits for that pass
// and does not touch the manager's connection.
extern "C" int MM_BackupMusicLibrary(MusicManageHandle handle, const char* source, const char* target);
