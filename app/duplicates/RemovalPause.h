#pragma once

#include "PauseRequest.h"

#include <QMutex>
#include <QWaitCondition>

#include <atomic>

// The duplicate removal's pause and stop: the window pauses, continues and stops from the GUI
// thread, the remover waits at its pause point on the apply thread. A stop also ends a wait.
//
// Threading: every call is safe from any thread.
class CRemovalPause
{
public:
    // Pause pauses; Continue with wake set lets a paused remover go on.
    void SetPauseState(EPauseRequest request, bool wake);
    void SetStopFlag(bool stop);
    bool StopFlag() const { return m_bStop.load(); }
    // Whether a pause is asked, without waiting at it.
    bool PauseAsked();
    // The remover's pause point; false when a stop is set.
    bool WaitWhilePaused();

private:
    std::atomic<bool> m_bStop{false};
    bool m_bPause = false; // under m_pauseMutex
    QWaitCondition m_pauseCondition;
    QMutex m_pauseMutex;
};
