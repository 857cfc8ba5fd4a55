#pragma once

// What the main window asks of a paused or running apply or duplicate removal through
// SetPauseState: go on (a paused worker is woken when asked to) or stop at the next pause point.
enum class EPauseRequest : int
{
    Continue = 1,
    Pause = 2,
};
