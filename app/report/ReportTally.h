#pragma once

#include "TypeTreeItem.h"

#include <algorithm>

// What the report page says of its result, counted in one place (CAnalyReport::Tally) from the
// songs it lists and what the library holds for them: a field counts as fixed when the song now
// has it, a missing file when its removal was applied. The live page, the page after Continue and
// the page after Load Saved Result read the same songs, so they say the same. A plain value.
struct ReportTally
{
    struct Category
    {
        int rows = 0;  // rows or cells listed
        int fixed = 0; // of them, fixed (Unrecognized Songs: the fields given since)
        int open = 0;  // problems still open
        // Listed, and every row fixed: the category shows its check.
        bool Dealt() const { return rows > 0 && open == 0; }
    };

    Category artwork;
    Category artist;
    Category album;
    Category missing;
    Category unrecognized;
    // Songs of which at least one problem field is fixed.
    int fixedSongs = 0;

    const Category& Of(ReportCategory category) const
    {
        switch (category)
        {
        case ReportArtwork:
            return artwork;
        case ReportArtist:
            return artist;
        case ReportAlbum:
            return album;
        case ReportMissingFile:
            return missing;
        case ReportUnrecognized:
            break;
        }
        return unrecognized;
    }
    // Every fixed field once, in whichever list it was made.
    int FixedProblems() const
    {
        return artwork.fixed + artist.fixed + album.fixed + missing.fixed + unrecognized.fixed;
    }
    int Remaining() const
    {
        return artwork.open + artist.open + album.open + missing.open + unrecognized.open;
    }
};
