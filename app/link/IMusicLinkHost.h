#pragma once

#include "MusicFlags.h"

// What the music link asks of the window that owns it (the main window in the program, a plain
// object in tests). The link never sees a widget.
//
// Threading: GetWorkMode, GetDedupeTotal and SetDedupeTotal are called from the Sonalike worker
// thread, RestartAnalyzeThread from the music manager's analysis thread. An implementation keeps
// these values in atomics, and none of the calls may wait for the GUI thread.
class IMusicLinkHost
{
public:
    virtual ~IMusicLinkHost() = default;

    // The start page's work mode.
    virtual EWorkMode GetWorkMode() const = 0;
    // Tracks of the running duplicate scan; the link replaces it with the engine's count at start.
    virtual int GetDedupeTotal() const = 0;
    virtual void SetDedupeTotal(int total) = 0;
    // The manager's analysis has ended: score the library (starts the window's analysis thread
    // unless a stop was requested or it already runs).
    virtual void RestartAnalyzeThread() = 0;
};
