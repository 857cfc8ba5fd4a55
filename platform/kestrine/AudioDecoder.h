#pragma once

#include <cstdint>
#include <memory>

namespace kestrine
{

// Streams one audio file, from its start, as interleaved signed 16-bit stereo PCM at 44 100 Hz.
// Uses the file's best audio stream; a mono stream is copied to both channels at unity gain.
// One decoder belongs to one thread at a time; separate decoders share nothing, so any number of
// threads may decode at once.
class AudioDecoder
{
public:
    static constexpr int kSampleRate = 44100;
    static constexpr int kChannels = 2;
    static constexpr int kBytesPerFrame = kChannels * 2;

    AudioDecoder();
    ~AudioDecoder();
    AudioDecoder(const AudioDecoder&) = delete;
    AudioDecoder& operator=(const AudioDecoder&) = delete;

    // Opens a file (UTF-8 path). False when the file cannot be read, has no audio stream or its
    // codec cannot be opened (unknown or encrypted content).
    bool open(const char* path);

    // Writes up to maxFrames whole stereo frames into out; returns the number written. Fewer than
    // asked means the end of the audio (or an unrecoverable error, see failed()).
    int64_t read(int16_t* out, int64_t maxFrames);

    // True once the stream has ended and every decoded frame has been handed out.
    bool atEnd() const;
    // True when decoding stopped on an error rather than at the end of the stream.
    bool failed() const;

private:
    struct State;
    std::unique_ptr<State> m;
};

} // namespace kestrine
