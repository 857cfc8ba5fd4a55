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
