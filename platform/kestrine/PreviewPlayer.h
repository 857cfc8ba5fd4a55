#pragma once

#include "kestrine.h"

#include <QAudioDevice>

#include <memory>
#include <string>
#include <thread>

namespace kestrine
{

// One preview: plays a file from its start on a thread of its own, through the default audio
// output, or through a NullSink when the machine has none.
//
// Threading: start/pause/stop and the destructor are called by the owner (one thread at a time);
// the end notice is called on the player's thread. The destructor stops and joins that thread, so
// no notice arrives once it has returned. A notice handler that destroys its own player is
// allowed: the thread is then left to finish on its own and touches only shared state.
class PreviewPlayer
{
public:
    PreviewPlayer(std::string path, KestrineNoticeFunction notice, void* context);
    ~PreviewPlayer();
    PreviewPlayer(const PreviewPlayer&) = delete;
    PreviewPlayer& operator=(const PreviewPlayer&) = delete;

    // The handle reported in notices.
    void setHandle(int handle);

    // 0 when playing afterwards (started from the beginning, or resumed); negative when the file
    // cannot be decoded.
    int start();
    // 0 when a playing preview was paused; -1 otherwise.
    int pause();
    // Ends playback and waits for the player's thread; sends no notice.
    void stop();

    bool isPlaying() const;
    bool isPaused() const;

    // The default audio output, or a null device (meaning: use a NullSink) when the machine has
    // none, no Qt application exists, or TIDEWELL_AUDIO_OUTPUT is "null". Asked at every start, on
    // the owner's thread.
    static QAudioDevice outputDevice();

private:
    struct Shared;
    static void run(std::shared_ptr<Shared> shared, QAudioDevice device,
                    std::unique_ptr<class AudioDecoder> decoder);

    std::string m_path;
    std::shared_ptr<Shared> m_shared;
    std::thread m_thread;
};

} // namespace kestrine
