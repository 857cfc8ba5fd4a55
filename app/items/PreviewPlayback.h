#pragma once

#include "kestrine.h"

#include <QString>

class QWidget;

// The preview player's state, shared by the tag editor's artwork label and the duplicate view.
enum TPlayState : int
{
    PlayStatePlaying = 0,
    PlayStatePaused = 1, // the artwork label only
    PlayStateStopped = 2 // no preview; the start value
};

// One preview of a song through the media library, the same calls in the same order for every
// caller. A player is a plain int handle the caller keeps (0 = none).
//
// Threading: every function here calls into the media library and must run on the GUI thread.
// The end notice runs on the player's own thread: it may only post (a queued signal or
// QMetaObject::invokeMethod), never touch a widget. After StopPreview returns the released
// player's notice is never called again, but a notice it posted just before may still be queued:
// compare PreviewNoticePlayer with the player you hold before acting on it.

// Starts a preview of path under mediaHandle: opens the media, sets the WAV output, releases a
// player still held in `player` (and forgets it), creates the new player with the given end
// notice and context into `player`, and starts it. True when it plays. On any failure `player`
// holds no new player and the box "Playback failure!" is shown (parent messageParent); a player
// held before is still held when the media could not be opened, and released otherwise.
bool StartPreview(int mediaHandle, const QString& path, int& player, KestrineNoticeFunction notice,
                  void* context, QWidget* messageParent);

// Pauses a playing player. Nothing for 0.
void PausePreview(int player);

// Resumes a paused player. True when it plays again.
bool ResumePreview(int player);

// Stop, release and forget: `player` is 0 afterwards. Nothing when it already is.
void StopPreview(int& player);

// Whether a notice says the preview is over: first field 0, a context, kind 5 (the end of the
// file) or 7 (playback broke off). Other notices are to be ignored.
bool IsPreviewEndNotice(const int* notice, const void* context);

// The player a notice comes from (0 when the notice is null).
int PreviewNoticePlayer(const int* notice);
