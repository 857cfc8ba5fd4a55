#pragma once

#include <QString>
#include <QStringList>

// The audio file types each road takes, by extension, letter case ignored. Every walk of a road
// (folders and their sub-folders, dropped files, the file picker's filter) takes the same list:
// the duplicate road every type its engine reads, the fix road the types whose tags it edits.
class CAudioTypes
{
public:
    enum class ERoad
    {
        Fix,
        Duplicates
    };

    // Lower-case extensions without the dot.
    static QStringList Suffixes(ERoad road);
    // Whether a file name (or path) ends in one of the road's extensions.
    static bool IsAudioFile(const QString& name, ERoad road);
    // "*.mp3 *.m4a ...", for a file picker's filter.
    static QString Patterns(ERoad road);
};
