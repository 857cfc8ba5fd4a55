#pragma once

// The states of the report page's fix run. The numbers are the ones SetFixMode and SetRunState
// take from the main window and the tests, so they stay as they are.

// One stage of a fix run, each belonging to one category entry: its badge spins while it runs.
enum class EFixStage : int
{
    Idle = 0,
    Running = 1,
    Finished = 3,
};

// The fix run as a whole: the main window pauses and continues it.
enum class EFixRunState : int
{
    None = 0,
    Running = 1,
    Paused = 2,
};
