#pragma once

#include <QStringList>

class QString;

// What the main window's duplicate road (CDuplicateControl) asks of the window that owns it: the
// header's texts, the page and action it shows, the Remove button and the apply thread a removal
// runs on. The window keeps its own state behind these calls; the road keeps its own.
//
// Threading: GUI thread only.
class IDuplicateRoadHost
{
public:
    virtual ~IDuplicateRoadHost() = default;

    // The duplicate page before a scan: its picture and the hint line in the header, the page,
    // Scan in the action row and no score.
    virtual void ShowDuplicateStart() = 0;
    // The hint line shows these texts in place of the ones before.
    virtual void ResetHints(const QStringList& tips) = 0;
    virtual void SetMessageText(const QString& text) = 0;
    // Starts a duplicate scan of these files and folders, as every start request starts.
    virtual void ScanForDuplicates(const QStringList& paths) = 0;
    // The window's side of a removal about to start: its stage and run state, Pause in the action
    // row, the busy banner and the hint line; the apply thread is started after it.
    virtual void EnterRemoval() = 0;
    // The apply thread, which runs an apply or a removal of the plan the duplicate page prepared.
    virtual bool ApplyThreadRunning() const = 0;
    virtual void StartApplyThread() = 0;
    // The action row's Remove button; offered while a checked copy is still in place.
    virtual bool RemoveEnabled() const = 0;
    virtual void SetRemoveEnabled(bool enabled) = 0;
    // The action row shows Remove: the duplicate result is on the screen, no removal runs.
    virtual bool ShowsRemoveAction() const = 0;
    // The last scan's counts: the songs it compared and the duplicates it found.
    virtual int ScannedSongs() const = 0;
    virtual int DuplicatesFound() const = 0;
};
