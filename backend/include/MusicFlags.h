#pragma once

#include <cstdint>

// One numbering of bits shared by the settings masks ("Genernal", "Duplicate", "Replace"),
// a track's Absence and State words, the apply flags and the duplicate engine's options.
enum EMusicFlag : uint32_t
{
    MF_MatchHigh = 0x10,
    MF_MatchMedium = 0x20,
    MF_MatchLow = 0x40,
    // In a track's State word only: the song is among the Unrecognized Songs (a fix pass found no
    // answer for it). A saved or interrupted result lists it there again.
    MF_Unrecognized = 0x100,
    // In a track's State word only: its removal was applied (a duplicate copy moved to the recycle
    // folder, or a song whose file was missing handled). Rows with it start as done.
    MF_RemovalApplied = 0x200,
    MF_Artist = 0x400,
    MF_Album = 0x800,
    MF_Duplicate = 0x4000,
    MF_DuplicateFailed = 0x8000,
    MF_FileMissing = 0x10000,
    MF_DeepScan = 0x20000,
    MF_Restore = 0x40000,
    MF_ReplaceSwitch = 0x80000,
    MF_Analysed = 0x100000,
    MF_Name = 0x1000000,
    MF_Genre = 0x2000000,
    MF_Year = 0x4000000,
    MF_Artwork = 0x8000000,
    MF_Size = 0x10000000,
    MF_TotalTime = 0x20000000,
};

// The user's own edits. In the edit mask of ModifyMusicInfo (and SetMusicInfo_tag) the replace
// switch marks the texts as typed by the user: they are written on Apply whatever the "Replace"
// mask says, which governs only the recognition service's answers, and they overwrite a year or
// genre the file already has.
constexpr int kEditByHand = MF_ReplaceSwitch;
// In a track's State word only, one bit per text field: the user changed that field and Apply has
// not written it yet. Kept in the State column so a saved project carries it; the windows never
// see or set these bits.
enum EHandEditFlag : uint32_t
{
    MF_HandName = 0x200000,
    MF_HandArtist = 0x400000,
    MF_HandAlbum = 0x800000,
    MF_HandYear = 0x1000,
    MF_HandGenre = 0x2000,
};
constexpr int kHandEditBits = MF_HandName | MF_HandArtist | MF_HandAlbum | MF_HandYear | MF_HandGenre;
// In a track's State word only, one bit per field: an Apply wrote it for a problem the analysis
// had found, and took it out of the Absence word (which says what is still to write). So a saved
// or continued result still lists the song with that problem, fixed, as the page did.
enum EAppliedFlag : uint32_t
{
    MF_AppliedName = 0x1,
    MF_AppliedArtist = 0x2,
    MF_AppliedAlbum = 0x4,
    MF_AppliedArtwork = 0x8,
};
constexpr int kAppliedBits = MF_AppliedName | MF_AppliedArtist | MF_AppliedAlbum | MF_AppliedArtwork;
// The applied marks of the problem fields in bits (MF_ bits of the Absence word).
constexpr int AppliedMarks(int bits)
{
    int marks = 0;
    marks |= (bits & MF_Name) ? int(MF_AppliedName) : 0;
    marks |= (bits & MF_Artist) ? int(MF_AppliedArtist) : 0;
    marks |= (bits & MF_Album) ? int(MF_AppliedAlbum) : 0;
    marks |= (bits & MF_Artwork) ? int(MF_AppliedArtwork) : 0;
    return marks;
}
// The problems the analysis found: those still to write and those an Apply wrote since.
constexpr int FoundProblems(int absence, int state)
{
    int found = absence;
    found |= (state & MF_AppliedName) ? int(MF_Name) : 0;
    found |= (state & MF_AppliedArtist) ? int(MF_Artist) : 0;
    found |= (state & MF_AppliedAlbum) ? int(MF_Album) : 0;
    found |= (state & MF_AppliedArtwork) ? int(MF_Artwork) : 0;
    return found;
}

constexpr uint32_t kDefaultGeneralMask = 0x8010c00;
constexpr uint32_t kDefaultDuplicateMask = 0x31020c20;
constexpr uint32_t kDefaultReplaceMask = 0x1000c00;

// How a library is loaded.
enum EMusicRunMode
{
    RunModeNone = 0,
    RunModeITunes = 1,
    RunModeFiles = 2,
    RunModeProject = 3,
    RunModeDuplicateFiles = 4,
    RunModeDuplicateITunes = 5,
};

// The start action in force, chosen on the start page.
enum class EWorkMode : int
{
    ITunes = 0,
    Files = 1,
    Duplicates = 2,
    SavedResult = 3,
};

// A duplicate scan (of files and folders, or of the iTunes library), whose result is the duplicate
// page rather than the report. Takes an int: a track's stored type is one of these modes.
constexpr bool IsDuplicateRun(int mode)
{
    return mode == RunModeDuplicateFiles || mode == RunModeDuplicateITunes;
}
