#pragma once

/*
 * Lyrafon: the library agent. Reads the iTunes library XML file into a list of tracks and carries
 * out single operations on single tracks through iTunes (here: the in-process iTunes host).
 *
 * Conventions for every function below:
 *  - All texts are zero-terminated UTF-8. A track is named by its persistent ID in the
 *    "PersistentIdHex" form: exactly 16 upper-case hexadecimal digits, high 32 bits first.
 *  - Results are ints: 0 success, small negatives for the failures listed, or the code iTunes
 *    answered (HRESULT-style negative numbers such as 0x80004005) passed on unchanged.
 *  - "No iTunes" means the agent's iTunes thread could not reach iTunes; such calls answer -1 and
 *    the next call tries again from the start.
 *  - Threading: any thread may call any function; calls are serialised inside, and every request
 *    waits for its own completion on the agent's iTunes thread. HasArtwork_kvt waits only for that
 *    thread, not for other calls, so questions from several threads keep it busy. No exception
 *    crosses this boundary.
 *  - Ownership: texts handed out by FindAttributeValue_kvt belong to Lyrafon and stay valid until
 *    the next CreateAgent_kvt or DestroyAgent_kvt. Nothing the caller passes in is kept.
 */

#ifdef __cplusplus
#define LYRAFON_EXTERN_C extern "C"
#else
#define LYRAFON_EXTERN_C
#endif

#if defined(LYRAFON_BUILDING)
#define LYRAFON_API LYRAFON_EXTERN_C __attribute__((visibility("default")))
#else
#define LYRAFON_API LYRAFON_EXTERN_C
#endif

/* Reads the library XML file (`libraryXmlPath`, or null to ask iTunes for its path) and keeps the
 * tracks of the library's Music playlist. Drops any earlier library first.
 * 0; -1 no iTunes; -2 no path; -3 the file is missing or not well-formed XML; -4 the file is no
 * complete iTunes library (its playlists never end), also when a DestroyAgent_kvt from another
 * thread ended the read early. */
LYRAFON_API int CreateAgent_kvt(const char* libraryXmlPath);

/* Frees the parsed library. A CreateAgent_kvt still reading on another thread stops at its next
 * element and this call then frees what it read, so a stop never waits for a whole library. With
 * stopThread 1 also stops the iTunes thread and answers 1 when it
 * ran, 0 when there was none; otherwise 0. */
LYRAFON_API int DestroyAgent_kvt(int stopThread);

/* Number of tracks of the parsed library; -1 when no library has been parsed. */
LYRAFON_API int GetTrackCount_kvt(void);

/* One attribute of track `trackIndex` (0-based): key one of "Name", "Artist", "Album", "TotalTime",
 * "Size", "Location", "TrackID", "PersistentID", "Genre", "Year", "Bitrate" (case-sensitive).
 * 0 and *outValue set to the stored text, or null when the track has none; -1 (and *outValue
 * untouched) for no library, an index out of range, an unknown key or a null argument.
 * The text belongs to Lyrafon: do not change or free it. */
LYRAFON_API int FindAttributeValue_kvt(char** outValue, const char* key, int trackIndex);

/* 1 when the track has artwork; 0 otherwise (no artwork, unknown track, failures, no iTunes). */
LYRAFON_API int HasArtwork_kvt(const char* persistentId);

/* Removes the track from the iTunes library (the audio file is never deleted). 0, iTunes's code,
 * -1 for a null ID, an unknown track or no iTunes. */
LYRAFON_API int DeleteTrackFromITunes_kvt(const char* persistentId);

/* Adds the audio file at `path` to iTunes and writes the new track's PersistentIdHex with its NUL
 * into `outId` (at least 17 bytes). 0 also when iTunes added nothing (outId then unchanged);
 * iTunes's code; -1 for a null argument or no iTunes. A file a removal took out of the library
 * comes back as the entry it was. Where several entries of that file were removed, `outId` may
 * ask back one: a NUL, then the 16 digits of its PersistentIdHex (bytes 1 to 16); a zeroed buffer
 * asks for none in particular. Either way, an outId still starting with NUL means nothing was
 * added. */
LYRAFON_API int AddTrackToITunes_kvt(const char* path, char* const outId);

/* Writes one attribute of the track, into iTunes and the audio file: key "Name", "Album",
 * "Artist", "Genre" or "Year" (its value read as a decimal number; no number writes 0).
 * 0, iTunes's code, -1 for a null argument, any other key, an unknown track or no iTunes. */
LYRAFON_API int SetAttributeValue_kvt(const char* persistentId, const char* key, char* value);

/* Saves the track's first artwork to the file at `path`. 0 saved, 1 the track has no artwork,
 * iTunes's code, -1 for a null argument, an unknown track or no iTunes. */
LYRAFON_API int GetArtworkToFile_kvt(const char* persistentId, char* path);

/* Sets the picture file at `path` as the track's artwork when it has none. 0 added or already
 * present, iTunes's code, -1 for a null argument, an unknown track or no iTunes. */
LYRAFON_API int SetArtworkFromFile_kvt(const char* persistentId, char* path);
