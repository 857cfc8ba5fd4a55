#pragma once

// The recognition fingerprint extractor: makes a recognition fingerprint from the start of an
// audio file or from a PCM buffer. The fingerprint is the Chromaprint fingerprint of the chosen
// seconds of audio, compressed and base64-encoded (printable ASCII, no terminating zero counted).
//
// A plain C interface. Every function is re-entrant: any thread may make fingerprints at any
// time, without a lock. A buffer handed out belongs to the caller until acr_free.

#ifdef __cplusplus
extern "C"
{
#endif

    // Results of the create functions besides a positive byte count.
    enum
    {
        ACR_NOT_READABLE = -1,   // the file cannot be opened
        ACR_NOT_DECODABLE = -2,  // the file holds no audio that can be decoded
        ACR_NO_FINGERPRINT = -3, // bad arguments, or too little audio for a fingerprint
    };

    // Prepares the extractor. Safe to call any number of times from any thread; returns 0.
    int acr_init(void);

    // Fingerprints `lengthSeconds` of the file's audio starting `startSeconds` in (path in the local
    // 8-bit encoding, UTF-8 here). databaseFlag is accepted for compatibility and has no effect.
    // On success *buffer receives a new buffer and the result is its size in bytes (> 0); otherwise
    // *buffer is left null and the result is one of the negative codes above.
    int create_fingerprint_by_file(const char* path, int startSeconds, int lengthSeconds, char databaseFlag,
                                   char** buffer);

    // The same from PCM in memory: interleaved signed 16-bit stereo at 44 100 Hz, `pcmBytes` bytes
    // (an odd trailing part of a frame is ignored). Gives ACR_NOT_DECODABLE when no whole frame lies
    // in the chosen seconds.
    int create_fingerprint_by_pcm(const char* pcm, int pcmBytes, int startSeconds, int lengthSeconds,
                                  char databaseFlag, char** buffer);

    // Frees a buffer handed out by a create function. A null buffer is ignored.
    void acr_free(char* buffer);

#ifdef __cplusplus
}
#endif
