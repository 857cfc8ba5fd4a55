#pragma once

// The media library: opens instances, decodes audio files to PCM and plays previews.
// A plain C interface; instances are small positive int handles, never pointers.

#include <stdint.h>

#ifdef __cplusplus
extern "C"
{
#endif

    // Opens an instance for the given identity text ("Zavro/Tidewell"); mode is -1. Returns a handle
    // greater than 0, or 0 on failure.
    int KestrineOpen(const char* identity, int mode);
    // Configures a freshly opened instance once (value 4). Unknown handles are ignored.
    void KestrineConfigure(int handle, int value);
    // Ends an instance's use, then releases it. Unknown handles are ignored.
    void KestrineClose(int handle);
    void KestrineRelease(int handle);

    // Decodes the start of an audio file (UTF-8 path; best audio stream) into interleaved signed
    // 16-bit stereo PCM at 44 100 Hz; mono is copied to both channels. Writes at most `milliseconds`
    // of audio and never more than `bufferSize` bytes, whole frames only. Returns the number of
    // bytes written, or 0 or less on failure. Re-entrant: any thread may decode at any time.
    int64_t KestrineDecodePcm(const char* path, int milliseconds, void* buffer, int64_t bufferSize);

    // ---- Preview playback --------------------------------------------------------------------------
    // Calls are made on one thread (the program's main thread); playback itself runs on a thread owned
    // by each player. Players are small positive int handles.

    // Opening a media item. The path is valid during the call only.
    typedef struct KestrineMediaOpen
    {
        int32_t reserved0;
        int32_t reserved1;
        int32_t reserved2;
        int32_t reserved3;
        int32_t bufferMilliseconds; // 30000 by our callers; read-ahead hint
        int32_t reserved5;
        const char* path; // NUL-terminated UTF-8
    } KestrineMediaOpen;

    // The rendering the caller asks for (104 bytes, zero-filled by the caller first). Previews always
    // render 16-bit stereo at 44 100 Hz; other requests are refused.
    typedef struct KestrineOutputFormat
    {
        unsigned char reserved[44];
        int32_t blockSize;  // 65536
        int32_t bitRate;    // 1411200
        int32_t sampleRate; // 44100
        int32_t channels;   // 2
        int32_t field5;     // 1
        int32_t field6;     // -1
        int32_t field7;     // 0
        int32_t field8;     // 2
        char format[16];    // "wav"
        char container[12]; // "wav"
    } KestrineOutputFormat;

    // The end notice: notice[0] is 0, notice[1] the kind, notice[2] the player handle. It is called on
    // the player's own thread, never after KestrinePlayerRelease has returned; it must return quickly
    // (post a message, nothing more). Stop and release by the caller send no notice.
    typedef int (*KestrineNoticeFunction)(const int* notice, void* context);
    enum
    {
        KESTRINE_NOTICE_FINISHED = 5, // the whole file was played
        KESTRINE_NOTICE_BROKEN = 7    // playback ended early: the file or the audio output failed
    };

    typedef struct KestrinePlayerSetup
    {
        int32_t mediaLibrary; // handle from KestrineOpen
        int32_t mediaId;      // from KestrineOpenMedia
        int32_t reserved2;
        int32_t field3; // 300
        int32_t field4; // 400
        KestrineNoticeFunction notice;
        void* noticeContext;
        int32_t reserved7;
        int32_t reserved8;
    } KestrinePlayerSetup;

    // Opens a readable audio file for playback under an open instance. Returns a media id (> 0), or a
    // negative value: -1 bad arguments or unknown instance, -2 the file cannot be decoded.
    int KestrineOpenMedia(int handle, const KestrineMediaOpen* media, int reserved1, int reserved2,
                          int reserved3);
    // Sets the rendering of a media item. 0 on success, negative when refused.
    int KestrineSetOutput(int handle, int mediaId, const KestrineOutputFormat* output);
    // Creates a stopped player for a media item and stores its handle in *player (0 on failure).
    // Returns 0 on success, negative on failure.
    int KestrineCreatePlayer(const KestrinePlayerSetup* setup, int mode, int reserved, int* player);
    // Starts playback from the beginning, or resumes a paused player. 0 = playing; negative on failure.
    int KestrinePlayerStart(int player);
    // Pauses a playing player. 0 on success, negative when it was not playing.
    int KestrinePlayerPause(int player);
    // Stops playback; a later start plays from the beginning. Waits for the player's thread to stop.
    int KestrinePlayerStop(int player);
    // Stops and forgets a player. After it returns, the player's end notice is never called again.
    int KestrinePlayerRelease(int player);

#ifdef __cplusplus
}
#endif
