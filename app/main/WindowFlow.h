#pragma once

// Where the main window stands besides its stage and run state (WindowStates.h): whether it is
// being closed, what follows the apply under way, which step's opening words still stand, and
// what the shown result has come to. Every change of it is one of the transitions below, named
// for what happened; the window asks the queries and keeps no flag of its own.
//
// Threading: GUI thread only, like the window that owns it. Plain values, no Qt.
class CWindowFlow
{
public:
    // How far closing the window has come. Asking covers the closing question and the editor's
    // save, both of which run the event loop; Closing lasts from the workers' stop to the end.
    enum class EClosing
    {
        Open,
        Asking,
        Closing,
    };

    // What the closing or Home question's Apply asked for once the apply has written its
    // results. Both may be asked for while the apply runs: Home goes first, and the close asked
    // for meanwhile goes with it.
    enum class EAfterApply
    {
        Stay,
        Close,
        Home,
        HomeAndClose,
    };

    // The step just begun whose opening words stand (a language switch says them again): the
    // load's until it lists its first track, an apply's or a removal's until it is paused (a
    // continued one has its own words), an apply's until its end.
    enum class EOpening
    {
        None,
        Load,
        Apply,
        Removal,
    };

    // ---- Closing ----
    // The closing question is about to be asked (the window is open).
    void AskClose();
    // The close event has been handled: an asking window is open again, a closing one stays so.
    void AskEnded();
    // Past the question: the workers stop and the window goes. unappliedLeft: fixes are left that
    // were neither applied nor given up in the closing question (an apply chosen there failed for
    // some songs), so the working database stays for the next start.
    void BeginClosing(bool unappliedLeft);
    // A close that came inside a wait of the GUI thread is put off to the wait's end; true when
    // this one put it off, false when one is put off already.
    bool PutOffClose();
    // The wait has ended and the put-off close is being made.
    void PutOffCloseDue();
    bool IsClosing() const { return m_eClosing == EClosing::Closing; }
    bool IsAskingOrClosing() const { return m_eClosing != EClosing::Open; }

    // ---- What follows the apply ----
    // The closing question's Apply started an apply, or lets the one under way go on.
    void ApplyChosenAtClose();
    // The Home question's Apply did.
    void ApplyChosenAtHome();
    bool ClosesAfterApply() const { return m_eAfterApply == EAfterApply::Close || BothAfterApply(); }
    bool GoesHomeAfterApply() const { return m_eAfterApply == EAfterApply::Home || BothAfterApply(); }
    bool LeavesAfterApply() const { return m_eAfterApply != EAfterApply::Stay; }
    // The apply has ended: what it was to be followed by (Home for both), and nothing afterwards,
    // so that leaving asks again about what could not be written.
    EAfterApply TakeAfterApply();

    // ---- The step under way ----
    // A start request begins a load: the run's work is no longer stopped.
    void BeginLoad();
    // The load has listed a track.
    void LoadListed();
    void BeginApply();
    void BeginRemoval();
    // The apply or the removal has been paused.
    void ApplyPaused();
    // The apply's or removal's last word has come to a window whose work was not stopped.
    void ApplyEnded();
    EOpening Opening() const { return m_eOpening; }
    // Home or closing stopped every worker: the last words still queued belong to no run.
    void WorkStopped();
    bool IsWorkStopped() const { return m_bWorkStopped; }

    // ---- The shown result ----
    // Everything the result's fixes changed has been written.
    void ResultApplied();
    // The result has fixes no apply wrote yet: a fix pass ended or begins again, a song edited.
    void NewFixes();
    bool IsApplied() const { return m_bApplied; }
    // The Return page shows either the all-clean end of a run ("Return") or the empty result of a
    // load that found nothing ("Try Again"); a language switch keeps each with its own texts.
    void EndedAllClean();
    void EndedEmpty();
    bool IsAllClean() const { return m_bAllClean; }
    // Closing or Home leaves the result: the working database goes with the window unless
    // closing left fixes unapplied.
    void LeaveResult();
    bool DeleteDatabaseAtClose() const { return m_bDeleteDatabase; }
    // Home: no result, nothing to follow an apply.
    void BackAtStart();

private:
    bool BothAfterApply() const { return m_eAfterApply == EAfterApply::HomeAndClose; }

    EClosing m_eClosing = EClosing::Open;
    // Not a part of EClosing: the put-off close may still wait while a later close asks.
    bool m_bCloseAfterWait = false;
    EAfterApply m_eAfterApply = EAfterApply::Stay;
    EOpening m_eOpening = EOpening::None;
    bool m_bWorkStopped = false;
    bool m_bApplied = false;
    bool m_bAllClean = false;
    bool m_bUnappliedLeft = false;
    bool m_bDeleteDatabase = false;
};
