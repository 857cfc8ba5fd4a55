#pragma once

// Where the main window's road stands. The numbers are the ones the report page reads back
// through GetWorkState, the tests through Stage() and RunState(), and the music manager through
// SetRunState (stages 1 and 2 are its job kinds), so they stay as they are.

// The step of the road the window is on.
enum class EWorkStage : int
{
    Home = 0,
    Loading = 1,
    Analysing = 2,
    Fixing = 3,
    // Applying fixes or removing duplicates.
    Applying = 4,
};

// What the current step is doing.
enum class EWindowRunState : int
{
    Idle = 0,
    Running = 1,
    Paused = 2,
    // The step has ended and its result is on the screen.
    ResultShown = 3,
};

// The link segments of the result bar's sentence, as its Clicked gives them to ApplyOrSave.
enum EApplyOrSaveSegment : int
{
    ApplyResultSegment = 1,
    SaveProjectSegment = 3,
};
