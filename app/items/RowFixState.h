#pragma once

// How far a fix has come for one row of the report (a tree row's fix state, an artwork cell's
// load state). Kept in the rows only: nothing stores it.
enum class ERowFixState : int
{
    NotFixed = 0,
    Fixed = 2,
    // The recognition service had no answer: the row goes to the Unrecognized Songs.
    Failed = -2,
};
