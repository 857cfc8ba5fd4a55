#pragma once

#include <QString>

// The user's special folders, looked up through QStandardPaths so a private HOME / XDG_* moves
// them (tests do). Stateless; any thread.

enum ESpecialFolder : unsigned
{
    SpecialFolderPrograms = 0, // start-menu programs: the applications folder
    SpecialFolderDocuments = 4,
    SpecialFolderAppData = 7, // application data: the generic data folder
    SpecialFolderVideos = 9,
    SpecialFolderMusic = 10,
    SpecialFolderPictures = 11,
    SpecialFolderRecycleBin = 12, // the desktop's trash folder
};

// Result codes of GetSpecialFolderPath.
enum ESpecialFolderResult : int
{
    SpecialFolderOk = 0,
    SpecialFolderNoBuffer = -1,
    SpecialFolderNoShell = -2,  // kept for callers that test it; never answered here
    SpecialFolderNoLookup = -3, // likewise
    SpecialFolderFailed = -4,   // unknown type, no such folder, or it could not be created
};

// Fills *path with the special folder of the given type, creating that folder when missing,
// then appends "/" and subPath when subPath is not empty (the sub-path itself is not created).
// Answers an ESpecialFolderResult; on failure *path is left unchanged.
int GetSpecialFolderPath(QString* path, unsigned type, const QString& subPath = QString());
