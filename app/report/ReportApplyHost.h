#pragma once

#include <QVector>

#include <functional>

class CMusicLink;
class CMusicObj;

// What the report page lends its apply (CReportApply): the page keeps its rows, editor, link,
// writer, stop word and its mark of unapplied fixes, and the apply reads or marks them only
// through this. The page implements it; each method names the thread it may be called on.
class IReportApplyHost
{
public:
    IReportApplyHost() = default;
    IReportApplyHost(const IReportApplyHost&) = delete;
    IReportApplyHost& operator=(const IReportApplyHost&) = delete;

    // GUI thread: the tag editor's pending edits go to the library and are counted as changes.
    virtual void SaveEditsForApply() = 0;
    // GUI thread: the songs whose file is gone that the user left checked and that no apply has
    // taken out of the library yet.
    virtual QVector<CMusicObj*> CheckedMissingTracks() const = 0;
    // GUI thread: those songs are out of the library; their rows show it and the writer keeps it
    // with each song.
    virtual void MarkMissingRemoved(const QVector<CMusicObj*>& removed) = 0;
    // Any thread: the link the fixes are written through (null before the page has one).
    virtual CMusicLink* ApplyLink() const = 0;
    // The apply's thread (any but the writer's): waits until the writes handed to the page's
    // writer so far are done; false when stopped() turned true first.
    virtual bool WaitWritesForApply(const std::function<bool()>& stopped) const = 0;
    // Any thread: the page's stop word is set.
    virtual bool ApplyStopped() const = 0;
    // Any thread: marks whether the page holds fixes not yet written.
    virtual void SetFixesUnapplied(bool unapplied) = 0;
    // Any thread: the apply's progress, 0 .. 10000, for the page's listeners.
    virtual void ReportApplyProgress(int progress) = 0;

protected:
    ~IReportApplyHost() = default;
};
