#pragma once

#include "PauseRequest.h"

#include <QMutex>
#include <QStringList>
#include <QVector>

#include <atomic>

class CMusicObj;
class IReportApplyHost;
class QObject;

// The report page's apply: the ticked fixes of every song written to the library and the files
// in one transaction, and the checked songs whose file is gone taken out of iTunes, pausable and
// stoppable. Owned by the page, whose rows, link, writer and stop word it reaches through
// IReportApplyHost; whether an apply is writing and what the last one left are its own.
//
// Threading: AppleyiTunes runs on the apply thread and touches no widget; PrepareApply on the
// GUI thread; SetPauseState, IsWriting and the results of the last apply from any thread.
class CReportApply
{
public:
    // host: the page, which outlives this; gui: an object of the GUI thread (the page), to which
    // the apply thread queues what must touch the rows.
    CReportApply(IReportApplyHost& host, QObject& gui) : m_host(host), m_gui(gui) {}

    // Pause marks the apply paused; Continue with wake clears the mark and wakes the waiting
    // worker.
    void SetPauseState(EPauseRequest request, bool wake);
    // GUI thread, before the apply thread starts: saves the editor's pending edits and takes the
    // checked songs whose file is gone. AppleyiTunes asks the GUI thread itself when this was not
    // called. Returns those songs.
    QVector<CMusicObj*> PrepareApply();
    // Apply thread: writes every song's accepted fixes in one transaction, then removes the
    // checked songs whose file is gone from iTunes once; pausable and stoppable.
    void AppleyiTunes();
    // The titles of the songs the last apply could not write (their fixes stay unapplied).
    QStringList ApplyFailures() const;
    // The songs whose file is gone that the last apply could not take out of the library (they
    // stay to apply).
    QStringList ApplyMissingNotRemoved() const;
    // Of the last apply: the songs written to their files that the library file could not take,
    // and whether the working database could not be saved after the writes.
    int ApplyLibraryUnsaved() const;
    bool ApplyDatabaseUnsaved() const;
    // An apply has begun writing and not ended: what it has not written yet is still unapplied.
    bool IsWriting() const { return m_bWriting.load(); }

private:
    // AppleyiTunes's steps (apply thread) and what one apply has done so far.
    struct ApplyRun
    {
        bool failed = false;
        bool stopped = false;
        // The titles of the songs whose write failed, for the user; 0 (nothing to write) is no
        // failure.
        QStringList failedSongs;
        // The songs whose file is gone and whose removal from the library failed.
        QStringList missingNotRemoved;
        // Songs written to their files whose change the library file could not take.
        int libraryUnsaved = 0;
        QVector<CMusicObj*> removed;
    };
    bool TakeApplyMissing(QVector<CMusicObj*>& missing);
    bool ApplyPausedOrStopped();
    // Marks the run failed and adds the song, by its file's name, to `names`.
    void NoteApplyFailure(ApplyRun& run, QStringList& names, CMusicObj* track);
    void WriteSongFixes(ApplyRun& run, int replaceMask);
    void RemoveMissingSongs(ApplyRun& run, const QVector<CMusicObj*>& missing);
    void PostRemovedMissingRows(const QVector<CMusicObj*>& removed);

    IReportApplyHost& m_host;
    QObject& m_gui;
    std::atomic<bool> m_bWriting{false};
    // Handed from the GUI thread to the apply thread.
    mutable QMutex m_applyMutex;
    QVector<CMusicObj*> m_applyMissing;
    QStringList m_applyFailures;
    QStringList m_applyMissingNotRemoved;
    int m_applyLibraryUnsaved = 0;
    bool m_bApplyDatabaseUnsaved = false;
    bool m_bApplyPrepared = false;
};
