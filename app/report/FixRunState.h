#pragma once

#include "TypeTreeItem.h"

#include <algorithm>
#include <array>
#include <utility>

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

// Where the report page's fix run stands: a stage for each category entry it works on, the run
// as a whole, and the answers counted against the jobs (the progress the window shows). What the
// answers change on the pages stays with the page. GUI thread only; a plain value of the page.
struct FixRunState
{
    EFixStage fixAll = EFixStage::Idle; // Songs Without Album Artwork
    EFixStage album = EFixStage::Idle;
    EFixStage artist = EFixStage::Idle;
    EFixStage missing = EFixStage::Idle;
    EFixStage unrecognized = EFixStage::Idle;
    EFixRunState run = EFixRunState::None;
    int done = 0;  // answers counted so far
    int total = 0; // the jobs they are measured against

    // No run, nothing counted.
    void Clear() { *this = FixRunState(); }
    // Counting starts again against total jobs.
    void Restart(int jobs)
    {
        done = 0;
        total = jobs;
    }
    bool Idle() const { return run == EFixRunState::None; }
    // done against total in ten-thousandths; full when there is no job.
    int Progress() const { return total > 0 ? std::min(10000, done * 10000 / total) : 10000; }
    // Each stage with the category entry whose badge shows it, fix-all first.
    std::array<std::pair<EFixStage, ReportCategory>, 5> Stages() const
    {
        return {{{fixAll, ReportArtwork},
                 {album, ReportAlbum},
                 {artist, ReportArtist},
                 {missing, ReportMissingFile},
                 {unrecognized, ReportUnrecognized}}};
    }
};
